#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/maths.hpp"
#include "platform/random.hpp"

TEST(Maths, TruncationTowardZeroAndTheX86ResultOutOfRange) {
  EXPECT_EQ(TruncateToInt(3.7), 3);
  EXPECT_EQ(TruncateToInt(-3.7), -3);
  EXPECT_EQ(TruncateToInt(-0.9), 0);
  EXPECT_EQ(TruncateToInt(2147483647.9), 2147483647);
  EXPECT_EQ(TruncateToInt(-2147483648.9), INT32_MIN);
  EXPECT_EQ(TruncateToInt(2147483648.0), INT32_MIN);
  EXPECT_EQ(TruncateToInt(-2147483649.0), INT32_MIN);
  EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), INT32_MIN);
  EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::infinity()), INT32_MIN);
  EXPECT_EQ(TruncateToInt(-std::numeric_limits<double>::infinity()), INT32_MIN);
  EXPECT_EQ(TruncateToInt(1e300), INT32_MIN);
}

TEST(Maths, DegreesAndArcTangentOrder) {
  EXPECT_NEAR(SinDegrees(90.0), 1.0, 1e-15);
  EXPECT_NEAR(CosDegrees(180.0), -1.0, 1e-15);
  EXPECT_EQ(SinDegrees(30.0), std::sin(30.0 * 0.017453292519943295));
  // y first, then x.
  EXPECT_NEAR(ArcTan2Degrees(1.0, 0.0), 90.0, 1e-12);
  EXPECT_NEAR(ArcTan2Degrees(0.0, -1.0), 180.0, 1e-12);
  EXPECT_NEAR(ArcTan2Degrees(-1.0, -1.0), -135.0, 1e-12);
  EXPECT_EQ(ArcTan2Degrees(1.0, 1.0), std::atan2(1.0, 1.0) * 57.29577951308232);
  EXPECT_EQ(SquareRoot(2.25), 1.5);
  EXPECT_EQ(AbsReal(-0.5), 0.5);
  EXPECT_EQ(CeilingOf(2.0001), 3.0);
  EXPECT_EQ(CeilingOf(-2.5), -2.0);
  EXPECT_EQ(RaiseToPower(3.0, 2.0), 9.0);
}

TEST(Random, SeedingRule) {
  SetRandomSeed(0);
  EXPECT_EQ(GetRandomSeed(), 4660);
  SetRandomSeed(0x7fffffff);
  EXPECT_EQ(GetRandomSeed(), 4660);
  SetRandomSeed(-1);  // AND 0x7fffffff gives 0x7fffffff
  EXPECT_EQ(GetRandomSeed(), 4660);
  SetRandomSeed(static_cast<int32_t>(0x80000000u));  // gives 0
  EXPECT_EQ(GetRandomSeed(), 4660);
  SetRandomSeed(static_cast<int32_t>(0x80000005u));
  EXPECT_EQ(GetRandomSeed(), 5);
  SetRandomSeed(2475492);
  EXPECT_EQ(GetRandomSeed(), 2475492);
  ResetRandom();
  EXPECT_EQ(GetRandomSeed(), 0x1234);
}

TEST(Random, IndependentVectors) {
  SetRandomSeed(0);
  const int32_t dice[8] = {3, 2, 5, 1, 4, 2, 5, 3};
  for (int32_t expected : dice) EXPECT_EQ(RandomIntInRange(1, 6), expected);

  // These four reals of the reference generator follow sixteen earlier draws
  // after seeding with 1 (32 steps): the seeding rule itself warms nothing up.
  SetRandomSeed(1);
  for (int i = 0; i < 16; ++i) RandomRealInRange(0, 360);
  const double angles[4] = {84.177691500229983, 209.41884977586361, 272.36360865647219,
                            133.06653600057268};
  for (double expected : angles) EXPECT_DOUBLE_EQ(RandomRealInRange(0, 360), expected);
}

TEST(Random, StepsAreTheMinimalStandardGenerator) {
  // Two steps per value; 48271^2 mod (2^31 - 1) after seed 1 is 48271 * 48271 % 2147483647.
  SetRandomSeed(1);
  RandomRealInRange(0, 1);
  EXPECT_EQ(GetRandomSeed(), static_cast<int32_t>((48271LL * 48271LL) % 2147483647LL));
  SetRandomSeed(1);
  RandomIntInRange(5, 5);
  EXPECT_EQ(GetRandomSeed(), static_cast<int32_t>((48271LL * 48271LL) % 2147483647LL));
  // A state near the modulus stays positive.
  SetRandomSeed(2147483646);
  int64_t s = 2147483646;
  for (int i = 0; i < 1000; ++i) {
    RandomIntInRange(0, 1);
    s = s * 48271 % 2147483647;
    s = s * 48271 % 2147483647;
    ASSERT_EQ(GetRandomSeed(), s);
  }
}

TEST(Random, BoundsInEitherOrderAndNegativeRanges) {
  SetRandomSeed(77);
  int32_t a[50];
  for (int32_t& v : a) v = RandomIntInRange(1, 360);
  SetRandomSeed(77);
  for (int32_t v : a) EXPECT_EQ(RandomIntInRange(360, 1), v);

  SetRandomSeed(99);
  for (int i = 0; i < 2000; ++i) {
    int32_t v = RandomIntInRange(-3, 3);
    ASSERT_GE(v, -2);  // lo + r * 7 truncated toward zero never reaches -3
    ASSERT_LE(v, 3);
    double r = RandomRealInRange(4.0, -4.0);
    ASSERT_GE(r, -4.0);
    ASSERT_LT(r, 4.0);
  }
  // A zero spread still takes two steps and gives the bound.
  SetRandomSeed(5);
  EXPECT_EQ(RandomRealInRange(0.0, 0.0), 0.0);
  EXPECT_EQ(GetRandomSeed(), static_cast<int32_t>(5LL * 48271 % 2147483647 * 48271 % 2147483647));
}

TEST(Random, RangesAreComputedInExtendedPrecision) {
  // Here lo + r x (hi - lo + 1) lies 1.0e-7 below 5: in double precision the
  // product would round up to a whole number and give 5.
  SetRandomSeed(99999);
  EXPECT_EQ(RandomIntInRange(-2136273875, 19217305), 4);
  SetRandomSeed(99999);
  EXPECT_EQ(RandomIntInRange(19217305, -2136273875), 4);
  // Reals: rounded once to double at the end, not after every step.
  SetRandomSeed(29);
  EXPECT_EQ(RandomRealInRange(-1000.7, 333.3), -997.2216731409632);
  SetRandomSeed(195);
  EXPECT_EQ(RandomRealInRange(333.3, -1000.7), -977.3112572851481);
}
