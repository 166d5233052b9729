// Ship spawning, unit conversion and the size routines.
#pragma once
#include <cstdint>

// Creates the slot's chosen fleet member at (x, y) and gives the slot fresh
// converted copies of its catalogue rows. Leaves currentShip on the new ship.
int32_t SpawnShip(float x, float y, int32_t slot);
// Converts the hull values of slotShipValue[slot][1] in place.
int32_t NormaliseShipStats(int32_t slot);
// Converts slotShipValue[slot][weapon + 1] in place; once per write of
// display-unit values.
int32_t NormaliseWeaponStats(int32_t slot, int32_t weapon);
// (width + height) / 2 toward zero.
int32_t RadiusFromSize(float width, float height);
// Rewrites the drawing order rows of shipSizeOrder.
int32_t RankBySize();
// Anchors the image at the integer halves of its frame size; returns it.
int32_t AnchorImageAtCentre(int32_t image);

// The catalogue's per-tick divisor of milliseconds: the 32-bit real nearest
// to 13.333.
constexpr float MS_PER_TICK = 13.333f;
