// Effect spawning: exhaust and trail particles, arrival markers, explosions
// and sparks. Each appends one record and leaves its list's variable on it.
#pragma once
#include <cstdint>

// Two random draws: the direction (within 45 degrees of the reverse of the
// heading), then the unused life.
int32_t SpawnDebris(float x, float y, float heading, int32_t colourSlot, int32_t fadeLeft);
int32_t SpawnWarpIn(int32_t slot, float size, int32_t kind);
// Plays explosion sound 'sound' (0 none) before making the explosion.
int32_t SpawnExplosion(float x, float y, float heading, int32_t explosionType, int32_t sound,
                       float size);
int32_t SpawnSpark(float x, float y, float heading, float speed, int32_t kind);
