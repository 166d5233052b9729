#include "platform/random.hpp"

#include "platform/maths.hpp"

static int32_t randomState = RANDOM_START_STATE;

void SetRandomSeed(int32_t seed) {
  int32_t state = seed & 0x7fffffff;
  randomState = (state == 0 || state == 0x7fffffff) ? RANDOM_START_STATE : state;
}

int32_t GetRandomSeed() { return randomState; }

void ResetRandom() { randomState = RANDOM_START_STATE; }

// Minimal standard step by Schrage's method (48271, 2^31 - 1).
static int32_t RandomStep() {
  int32_t state = (randomState % 44488) * 48271 - (randomState / 44488) * 3399;
  if (state < 0) state += 0x7fffffff;
  randomState = state;
  return state;
}

// A real in [0, 1) from two steps.
static double RandomUnit() {
  double high = static_cast<double>(RandomStep() & 0x1ffffffc);
  double low = static_cast<double>(RandomStep() & 0x1ffffff8);
  return (high + low / 134217728.0) / 536870912.0;
}

int32_t RandomIntInRange(int32_t a, int32_t b) {
  int32_t lo = a < b ? a : b;
  int32_t hi = a < b ? b : a;
  long double r = RandomUnit();
  long double value = static_cast<long double>(lo) +
                      r * (static_cast<long double>(hi) - static_cast<long double>(lo) + 1.0L);
  return TruncateToInt(static_cast<double>(value));
}

double RandomRealInRange(double a, double b) {
  double lo = a < b ? a : b;
  double hi = a < b ? b : a;
  long double r = RandomUnit();
  long double value = static_cast<long double>(lo) +
                      r * (static_cast<long double>(hi) - static_cast<long double>(lo));
  return static_cast<double>(value);
}
