// The frame of the ship types' own code: the two tables that select a ship
// type's special weapon and shot kind, and the two dispatchers.
//
// Adding a ship type's code:
// - The type's file is shell/match_step/ship_types/<ship name>.cpp (the
//   ship's name in lower case), holding <Name>SpecialWeapon and/or
//   <Name>ShotKind. Both are declared in type_code.hpp and entered in the
//   tables below at the type's constant (SHIP_<NAME>, catalogue/ships.hpp);
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

// Each case is entered at its ship type; every other entry, and entry 0, is
// nullptr.
constexpr std::array<SpecialWeaponCase, shipCount + 1> specialWeaponCases = [] {
  std::array<SpecialWeaponCase, shipCount + 1> cases{};
  cases[SHIP_REGAL] = RegalSpecialWeapon;
  cases[SHIP_COBOTH] = CobothSpecialWeapon;
  cases[SHIP_URBATRON] = UrbatronSpecialWeapon;
  cases[SHIP_AVRAX] = AvraxSpecialWeapon;
  cases[SHIP_QOUL] = QoulSpecialWeapon;
  cases[SHIP_FEDZIE] = FedzieSpecialWeapon;
  cases[SHIP_EREBOS] = ErebosSpecialWeapon;
  cases[SHIP_GRATES] = GratesSpecialWeapon;
  cases[SHIP_SCALUS] = ScalusSpecialWeapon;
  cases[SHIP_KALGON] = KalgonSpecialWeapon;
  cases[SHIP_IWOR] = IworSpecialWeapon;
  cases[SHIP_ARUBAWI] = ArubawiSpecialWeapon;
  cases[SHIP_PAX] = PaxSpecialWeapon;
  cases[SHIP_ITHUS] = IthusSpecialWeapon;
  cases[SHIP_SJUOG] = SjuogSpecialWeapon;
  cases[SHIP_OTROS] = OtrosSpecialWeapon;
  cases[SHIP_TEMPER] = TemperSpecialWeapon;
  cases[SHIP_KABATA] = KabataSpecialWeapon;
  cases[SHIP_HEPRON] = HepronSpecialWeapon;
  cases[SHIP_URNOX] = UrnoxSpecialWeapon;
  cases[SHIP_TREEK] = TreekSpecialWeapon;
  cases[SHIP_ANATOS] = AnatosSpecialWeapon;
  cases[SHIP_ADAPA] = AdapaSpecialWeapon;
  cases[SHIP_XIAPAS] = XiapasSpecialWeapon;
  cases[SHIP_BIRKEN] = BirkenSpecialWeapon;
  return cases;
}();

constexpr std::array<ShotKindCase, shipCount + 1> shotKindCases = [] {
  std::array<ShotKindCase, shipCount + 1> cases{};
  cases[SHIP_GARM] = GarmShotKind;
  cases[SHIP_COBOTH] = CobothShotKind;
  cases[SHIP_NALEN] = NalenShotKind;
  cases[SHIP_DARBER] = DarberShotKind;
  cases[SHIP_AVRAX] = AvraxShotKind;
  cases[SHIP_FASER] = FaserShotKind;
  cases[SHIP_QOUL] = QoulShotKind;
  cases[SHIP_FEDZIE] = FedzieShotKind;
  cases[SHIP_BRIDEW] = BridewShotKind;
  cases[SHIP_EREBOS] = ErebosShotKind;
  cases[SHIP_SCALUS] = ScalusShotKind;
  cases[SHIP_KALGON] = KalgonShotKind;
  cases[SHIP_PAX] = PaxShotKind;
  cases[SHIP_TKHARZER] = TkharzerShotKind;
  cases[SHIP_ITHUS] = IthusShotKind;
  cases[SHIP_SJUOG] = SjuogShotKind;
  cases[SHIP_OTROS] = OtrosShotKind;
  cases[SHIP_KABATA] = KabataShotKind;
  cases[SHIP_FITH] = FithShotKind;
  cases[SHIP_SERGER] = SergerShotKind;
  cases[SHIP_SHEVAL] = ShevalShotKind;
  cases[SHIP_HEPRON] = HepronShotKind;
  cases[SHIP_ANATOS] = AnatosShotKind;
  cases[SHIP_JERBOAFA] = JerboafaShotKind;
  cases[SHIP_ADAPA] = AdapaShotKind;
  cases[SHIP_XIAPAS] = XiapasShotKind;
  cases[SHIP_BIRKEN] = BirkenShotKind;
  return cases;
}();

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
