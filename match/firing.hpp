// Weapon firing: the trigger check and the generic shots.
#pragma once
#include <cstdint>

// The trigger of currentShip's weapon 1 (primary) or 2 (secondary): fires
// when the control is held, the weapon reloaded and the energy enough; then
// plays the sound, restarts the reload, takes the energy, sets weaponFired.
int32_t TryFireWeapon(int32_t slot, int32_t shipType, int32_t weapon);
// One shot per muzzle with random spread (two reals per shot: direction,
// then speed). Leaves currentShot on the last shot made and newShotPlain or
// newShotSpecial on the last of its kind.
int32_t FireWeapon(int32_t slot, int32_t shipType, int32_t weapon, float x, float y, float heading,
                   int32_t memberIndex);

// A point of ship coordinates (px, py), y negative toward the nose, placed
// in the arena for a ship at (x, y) with the heading: two steps, each
// stored as a Float, as the muzzles, exhausts and trails do it.
void ShipPointToArena(float x, float y, float heading, float px, float py, float& outX,
                      float& outY);
