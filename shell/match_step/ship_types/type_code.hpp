// The ship types' own code, one file per ship type named after the ship:
// its special weapon, run in the ship pass for the ship being stepped, and
// its shot kind, run in the shot pass for the shot being stepped. The frame
// (type_code.cpp) holds the table that selects them by ship type.
#pragma once
#include <cstdint>

#include "match/records.hpp"

using SpecialWeaponCase = void (*)(TShip& ship);
using ShotKindCase = void (*)(TShot& shot);

// The case of a ship type; nullptr for a type without one, or no type.
SpecialWeaponCase SpecialWeaponCaseOf(int32_t shipType);
ShotKindCase ShotKindCaseOf(int32_t shipType);

// The cases, by ship type (the comment).
void RegalSpecialWeapon(TShip& ship);     // 1
void GarmShotKind(TShot& shot);           // 2
void CobothSpecialWeapon(TShip& ship);    // 3
void CobothShotKind(TShot& shot);         // 3
void UrbatronSpecialWeapon(TShip& ship);  // 4
void NalenShotKind(TShot& shot);          // 5
void DarberShotKind(TShot& shot);         // 6
void AvraxSpecialWeapon(TShip& ship);     // 7
void AvraxShotKind(TShot& shot);          // 7
void FaserShotKind(TShot& shot);          // 8
void QoulSpecialWeapon(TShip& ship);      // 9
void QoulShotKind(TShot& shot);           // 9
void FedzieSpecialWeapon(TShip& ship);    // 10
void FedzieShotKind(TShot& shot);         // 10
void BridewShotKind(TShot& shot);         // 11
void ErebosSpecialWeapon(TShip& ship);    // 12
void ErebosShotKind(TShot& shot);         // 12
void GratesSpecialWeapon(TShip& ship);    // 13
void ScalusSpecialWeapon(TShip& ship);    // 14
void ScalusShotKind(TShot& shot);         // 14
void KalgonSpecialWeapon(TShip& ship);    // 16
void KalgonShotKind(TShot& shot);         // 16
void IworSpecialWeapon(TShip& ship);      // 17
void ArubawiSpecialWeapon(TShip& ship);   // 18
void PaxSpecialWeapon(TShip& ship);       // 19
void PaxShotKind(TShot& shot);            // 19
void TkharzerShotKind(TShot& shot);       // 20
void IthusSpecialWeapon(TShip& ship);     // 21
void IthusShotKind(TShot& shot);          // 21
void SjuogSpecialWeapon(TShip& ship);     // 22
void SjuogShotKind(TShot& shot);          // 22
void OtrosSpecialWeapon(TShip& ship);     // 23
void OtrosShotKind(TShot& shot);          // 23
void TemperSpecialWeapon(TShip& ship);    // 26
void KabataSpecialWeapon(TShip& ship);    // 27
void KabataShotKind(TShot& shot);         // 27
void FithShotKind(TShot& shot);           // 28
void SergerShotKind(TShot& shot);         // 29
void ShevalShotKind(TShot& shot);         // 30
void HepronSpecialWeapon(TShip& ship);    // 31
void HepronShotKind(TShot& shot);         // 31
void UrnoxSpecialWeapon(TShip& ship);     // 32
void TreekSpecialWeapon(TShip& ship);     // 33
void AnatosSpecialWeapon(TShip& ship);    // 36
void AnatosShotKind(TShot& shot);         // 36
void JerboafaShotKind(TShot& shot);       // 37
void AdapaSpecialWeapon(TShip& ship);     // 38
void AdapaShotKind(TShot& shot);          // 38
void XiapasSpecialWeapon(TShip& ship);    // 39
void XiapasShotKind(TShot& shot);         // 39
void BirkenSpecialWeapon(TShip& ship);    // 40
void BirkenShotKind(TShot& shot);         // 40
