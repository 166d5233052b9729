// The frame of the ship types' own code: the two tables that select a ship
// type's special weapon and shot kind, and the two dispatchers.
//
// Adding a ship type's code:
// - The type's file is shell/match_step/ship_types/<ship name>.cpp (the
//   ship's name in lower case), holding <Name>SpecialWeapon and/or
//   <Name>ShotKind. Both are declared in type_code.hpp and entered in the
//   tables below at the type's number; the build takes every .cpp of the
//   folder.
// - <Name>SpecialWeapon(ship) runs in the ship pass for the ship being
//   stepped (currentShip), after the generic firing (weaponFired[1], [2] say
//   what fired this frame) and before the death test, only while the slot's
//   HULL_HAS_OWN_BEHAVIOUR is 1. It may walk shots (WalkShots), not ships.
// - <Name>ShotKind(shot) runs in the shot pass for the shot being stepped
//   (currentShot), after the common step (movement, hit tests, trail,
//   homing, speed change, ageing) and before the removal test, only while
//   the shot's hasKindCode is 1, and also when the shot is already dead or
//   its ship gone. It may walk ships (WalkShips) and destructible shots
//   (WalkSpecialShots), never with currentShot.
// - helpers.hpp has what the cases share: walks by the list rules, contact
//   tests, queued and special damage, damage to destructible shots,
//   sub-munitions, firing from a ship, muzzle mirroring, speed limits, hit
//   explosions, sparks, extra and explosion sounds, points ahead and right.
// - Replays repeat only if the code draws from the generator exactly in the
//   game's order, unused draws included; Float state accumulates in single
//   precision (write 0.05f, not 0.05: a double constant rounds differently);
//   sub-munitions keep every field 0 that the case does not set (their team
//   too); slots, members and image numbers taken from match state are
//   checked before they index a table.
// - Tests: tests/ship_type_fixture.hpp puts ships and shots into the lists,
//   holds controls, steps the passes a frame at a time, and counts the
//   generator's steps so that a missing or extra draw fails.
#include "shell/match_step/ship_types/type_code.hpp"

#include "catalogue/ships.hpp"
#include "shell/match_step/match_step.hpp"

namespace {

constexpr SpecialWeaponCase specialWeaponCases[shipCount + 1] = {
    nullptr,                // no type
    RegalSpecialWeapon,     // 1 Regal
    nullptr,                // 2 Garm
    CobothSpecialWeapon,    // 3 Coboth
    UrbatronSpecialWeapon,  // 4 Urbatron
    nullptr,                // 5 Nalen
    nullptr,                // 6 Darber
    AvraxSpecialWeapon,     // 7 Avrax
    nullptr,                // 8 Faser
    QoulSpecialWeapon,      // 9 Qoul
    FedzieSpecialWeapon,    // 10 Fedzie
    nullptr,                // 11 Bridew
    ErebosSpecialWeapon,    // 12 Erebos
    GratesSpecialWeapon,    // 13 Grates
    ScalusSpecialWeapon,    // 14 Scalus
    nullptr,                // 15 Speth
    KalgonSpecialWeapon,    // 16 Kalgon
    IworSpecialWeapon,      // 17 Iwor
    ArubawiSpecialWeapon,   // 18 Arubawi
    PaxSpecialWeapon,       // 19 Pax
    nullptr,                // 20 Tkharzer
    IthusSpecialWeapon,     // 21 Ithus
    SjuogSpecialWeapon,     // 22 Sjuog
    OtrosSpecialWeapon,     // 23 Otros
    nullptr,                // 24 Dront
    nullptr,                // 25 Grok
    TemperSpecialWeapon,    // 26 Temper
    KabataSpecialWeapon,    // 27 Kabata
    nullptr,                // 28 Fith
    nullptr,                // 29 Serger
    nullptr,                // 30 Sheval
    HepronSpecialWeapon,    // 31 Hepron
    UrnoxSpecialWeapon,     // 32 Urnox
    TreekSpecialWeapon,     // 33 Treek
    nullptr,                // 34 Wende
    nullptr,                // 35 Serax
    AnatosSpecialWeapon,    // 36 Anatos
    nullptr,                // 37 Jerboafa
    AdapaSpecialWeapon,     // 38 Adapa
    XiapasSpecialWeapon,    // 39 Xiapas
    BirkenSpecialWeapon,    // 40 Birken
};

constexpr ShotKindCase shotKindCases[shipCount + 1] = {
    nullptr,           // no type
    nullptr,           // 1 Regal
    GarmShotKind,      // 2 Garm
    CobothShotKind,    // 3 Coboth
    nullptr,           // 4 Urbatron
    NalenShotKind,     // 5 Nalen
    DarberShotKind,    // 6 Darber
    AvraxShotKind,     // 7 Avrax
    FaserShotKind,     // 8 Faser
    QoulShotKind,      // 9 Qoul
    FedzieShotKind,    // 10 Fedzie
    BridewShotKind,    // 11 Bridew
    ErebosShotKind,    // 12 Erebos
    nullptr,           // 13 Grates
    ScalusShotKind,    // 14 Scalus
    nullptr,           // 15 Speth
    KalgonShotKind,    // 16 Kalgon
    nullptr,           // 17 Iwor
    nullptr,           // 18 Arubawi
    PaxShotKind,       // 19 Pax
    TkharzerShotKind,  // 20 Tkharzer
    IthusShotKind,     // 21 Ithus
    SjuogShotKind,     // 22 Sjuog
    OtrosShotKind,     // 23 Otros
    nullptr,           // 24 Dront
    nullptr,           // 25 Grok
    nullptr,           // 26 Temper
    KabataShotKind,    // 27 Kabata
    FithShotKind,      // 28 Fith
    SergerShotKind,    // 29 Serger
    ShevalShotKind,    // 30 Sheval
    HepronShotKind,    // 31 Hepron
    nullptr,           // 32 Urnox
    nullptr,           // 33 Treek
    nullptr,           // 34 Wende
    nullptr,           // 35 Serax
    AnatosShotKind,    // 36 Anatos
    JerboafaShotKind,  // 37 Jerboafa
    AdapaShotKind,     // 38 Adapa
    XiapasShotKind,    // 39 Xiapas
    BirkenShotKind,    // 40 Birken
};

}  // namespace

SpecialWeaponCase SpecialWeaponCaseOf(int32_t shipType) {
  return shipType >= 1 && shipType <= shipCount ? specialWeaponCases[shipType] : nullptr;
}

ShotKindCase ShotKindCaseOf(int32_t shipType) {
  return shipType >= 1 && shipType <= shipCount ? shotKindCases[shipType] : nullptr;
}

void ShipSpecialWeapon() {
  // Held here: the case may take the ship out of shipList.
  const Ref<TShip> ship = currentShip;
  if (!ship) return;
  if (const SpecialWeaponCase run = SpecialWeaponCaseOf(ship->shipType)) run(*ship);
}

void ShotKindBehaviour() {
  const Ref<TShot> shot = currentShot;
  if (!shot) return;
  if (const ShotKindCase run = ShotKindCaseOf(shot->shipType)) run(*shot);
}
