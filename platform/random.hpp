// The one random generator of the game (minimal standard, multiplier 48271).
// Replays depend on every step of it.
#pragma once
#include <cstdint>

constexpr int32_t RANDOM_START_STATE = 0x1234;

void SetRandomSeed(int32_t seed);
// The raw generator state.
int32_t GetRandomSeed();
// A whole number between the two bounds, given in either order.
int32_t RandomIntInRange(int32_t a, int32_t b);
// A real in [lo, hi) of the two bounds, given in either order.
double RandomRealInRange(double a, double b);
// Back to the state at program start.
void ResetRandom();
