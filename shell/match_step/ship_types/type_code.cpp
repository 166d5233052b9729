// The frame of the ship types' own code: the table that selects a ship
// type's special weapon and shot kind, and the two dispatchers.
// How a type's code is added, when it runs and what it may touch: HACKING.md.
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
