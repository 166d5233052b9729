// Circle collision of shots with ships and with destructible shots.
#pragma once
#include <cstdint>

// 1 when the centres are at most (r1 + r2) / 1.5 apart; radii below 8 (or
// not a number) count as 8.
int32_t CirclesOverlap(float x1, float y1, float r1, float x2, float y2, float r2);
// 1 when the boxes overlap or touch.
int32_t BoxesOverlap(int32_t x1, int32_t y1, int32_t w1, int32_t h1, int32_t x2, int32_t y2,
                     int32_t w2, int32_t h2);
// currentShot against every ship of another team: queues the damage for the
// next frame. Leaves lastHitSlot on the last slot hit and currentShip on the
// last ship visited.
int32_t ShotHitsShips();
// currentShot against the destructible shots of other teams: takes their hit
// points at once. lastHitSlot 1 when one was hit; newShotSpecial is left on
// the last TShotSpecial visited.
int32_t ShotHitsShots();
