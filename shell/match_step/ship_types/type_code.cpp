// The frame of the ship types' own code: the table that selects a ship
// type's special weapon and shot kind, and the two dispatchers.
//
// Adding a ship type's code:
// - The type's file is shell/match_step/ship_types/<ship name>.cpp (the
//   ship's name in lower case), holding <Name>SpecialWeapon and/or
//   <Name>ShotKind. Both are declared in type_code.hpp and entered in the
//   table below at the type's constant (SHIP_<NAME>, catalogue/ships.hpp);
//   the build takes every .cpp of the folder.
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

#include <array>

#include "catalogue/ships.hpp"
#include "shell/match_step/match_step.hpp"

namespace {

// A type's special weapon and shot kind, either of them nullptr when it has
// none.
struct TypeCode {
  SpecialWeaponCase specialWeapon;
  ShotKindCase shotKind;
};

// Each type's code entered at its type; the types left out, and entry 0,
// have none.
constexpr std::array<TypeCode, shipCount + 1> typeCode = [] {
  std::array<TypeCode, shipCount + 1> code{};
  code[SHIP_REGAL] = {RegalSpecialWeapon, nullptr};
  code[SHIP_GARM] = {nullptr, GarmShotKind};
  code[SHIP_COBOTH] = {CobothSpecialWeapon, CobothShotKind};
  code[SHIP_URBATRON] = {UrbatronSpecialWeapon, nullptr};
  code[SHIP_NALEN] = {nullptr, NalenShotKind};
  code[SHIP_DARBER] = {nullptr, DarberShotKind};
  code[SHIP_AVRAX] = {AvraxSpecialWeapon, AvraxShotKind};
  code[SHIP_FASER] = {nullptr, FaserShotKind};
  code[SHIP_QOUL] = {QoulSpecialWeapon, QoulShotKind};
  code[SHIP_FEDZIE] = {FedzieSpecialWeapon, FedzieShotKind};
  code[SHIP_BRIDEW] = {nullptr, BridewShotKind};
  code[SHIP_EREBOS] = {ErebosSpecialWeapon, ErebosShotKind};
  code[SHIP_GRATES] = {GratesSpecialWeapon, nullptr};
  code[SHIP_SCALUS] = {ScalusSpecialWeapon, ScalusShotKind};
  code[SHIP_KALGON] = {KalgonSpecialWeapon, KalgonShotKind};
  code[SHIP_IWOR] = {IworSpecialWeapon, nullptr};
  code[SHIP_ARUBAWI] = {ArubawiSpecialWeapon, nullptr};
  code[SHIP_PAX] = {PaxSpecialWeapon, PaxShotKind};
  code[SHIP_TKHARZER] = {nullptr, TkharzerShotKind};
  code[SHIP_ITHUS] = {IthusSpecialWeapon, IthusShotKind};
  code[SHIP_SJUOG] = {SjuogSpecialWeapon, SjuogShotKind};
  code[SHIP_OTROS] = {OtrosSpecialWeapon, OtrosShotKind};
  code[SHIP_TEMPER] = {TemperSpecialWeapon, nullptr};
  code[SHIP_KABATA] = {KabataSpecialWeapon, KabataShotKind};
  code[SHIP_FITH] = {nullptr, FithShotKind};
  code[SHIP_SERGER] = {nullptr, SergerShotKind};
  code[SHIP_SHEVAL] = {nullptr, ShevalShotKind};
  code[SHIP_HEPRON] = {HepronSpecialWeapon, HepronShotKind};
  code[SHIP_URNOX] = {UrnoxSpecialWeapon, nullptr};
  code[SHIP_TREEK] = {TreekSpecialWeapon, nullptr};
  code[SHIP_ANATOS] = {AnatosSpecialWeapon, AnatosShotKind};
  code[SHIP_JERBOAFA] = {nullptr, JerboafaShotKind};
  code[SHIP_ADAPA] = {AdapaSpecialWeapon, AdapaShotKind};
  code[SHIP_XIAPAS] = {XiapasSpecialWeapon, XiapasShotKind};
  code[SHIP_BIRKEN] = {BirkenSpecialWeapon, BirkenShotKind};
  return code;
}();

}  // namespace

SpecialWeaponCase SpecialWeaponCaseOf(int32_t shipType) {
  return shipType >= 1 && shipType <= shipCount ? typeCode[shipType].specialWeapon : nullptr;
}

ShotKindCase ShotKindCaseOf(int32_t shipType) {
  return shipType >= 1 && shipType <= shipCount ? typeCode[shipType].shotKind : nullptr;
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
