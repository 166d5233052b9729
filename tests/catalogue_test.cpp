// Ship catalogue and explosion types: counts, the regularities and ranges of
// the data, table sums computed separately from the printed tables, and the
// edge cases the game relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>
#include <type_traits>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"

namespace {

class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override { ResetCatalogue(); }
};

bool IsIn(int32_t value, const std::set<int32_t>& set) { return set.count(value) != 0; }

// Ship types whose given weapon column equals value.
std::set<int32_t> TypesWhere(int32_t group, int32_t column, float value) {
  std::set<int32_t> types;
  for (int32_t t = 1; t <= shipCount; ++t) {
    if (shipValue[t][group][column] == value) types.insert(t);
  }
  return types;
}

TEST_F(Catalogue, CountsAndShapes) {
  EXPECT_EQ(shipCount, 40);
  EXPECT_EQ(hullValueCount, 19);
  EXPECT_EQ(weaponValueCount, 33);
  EXPECT_EQ(explosionTypeCount, 29);
  EXPECT_EQ((std::extent_v<decltype(shipValue), 0>), 41u);
  EXPECT_EQ((std::extent_v<decltype(shipValue), 1>), 4u);
  EXPECT_EQ((std::extent_v<decltype(shipValue), 2>), 51u);
  EXPECT_EQ((std::extent_v<decltype(shipText), 1>), 33u);
  EXPECT_EQ((std::extent_v<decltype(shipPoint), 2>), 51u);
  EXPECT_EQ((std::extent_v<decltype(shipPoint), 3>), 6u);
  EXPECT_EQ((std::extent_v<decltype(explosionTypeTable), 0>), 30u);
  EXPECT_EQ((std::extent_v<decltype(explosionTypeTable), 1>), 9u);
  static_assert(std::is_same_v<std::remove_all_extents_t<decltype(shipValue)>, float>);
  static_assert(std::is_same_v<std::remove_all_extents_t<decltype(shipPoint)>, float>);
  static_assert(std::is_same_v<std::remove_all_extents_t<decltype(explosionTypeTable)>, float>);
}

TEST_F(Catalogue, FractionsAreTheFloatNearestTheDecimal) {
  struct Cell {
    int32_t type, group, column;
    const char* decimal;
  };
  const Cell cells[] = {
      {12, GROUP_SECONDARY, WEAPON_DAMAGE, "0.266"},
      {31, GROUP_SECONDARY, WEAPON_DAMAGE, "0.333"},
      {36, GROUP_SECONDARY, WEAPON_DAMAGE, "1.333"},
      {37, GROUP_SECONDARY, WEAPON_DAMAGE, "0.025"},
      {39, GROUP_PRIMARY, WEAPON_DAMAGE, "0.075"},
      {39, GROUP_PRIMARY, WEAPON_ENERGY_DRAIN, "0.3"},
      {31, GROUP_PRIMARY, WEAPON_DAMAGE, "0.8"},
      {1, GROUP_PRIMARY, WEAPON_DAMAGE, "0.75"},
  };
  for (const Cell& c : cells) {
    const float stored = shipValue[c.type][c.group][c.column];
    const float nearest = std::strtof(c.decimal, nullptr);
    EXPECT_EQ(std::memcmp(&stored, &nearest, sizeof(float)), 0) << c.type << " " << c.decimal;
  }
  // Not a third and not the double: 0.266 reads back as the float, which differs from both.
  const float spinner = shipValue[SHIP_EREBOS][GROUP_SECONDARY][WEAPON_DAMAGE];
  EXPECT_NE(static_cast<double>(spinner), 0.266);
  EXPECT_NE(shipValue[SHIP_HEPRON][GROUP_SECONDARY][WEAPON_DAMAGE], 1.0f / 3.0f);
  EXPECT_EQ(static_cast<double>(spinner), static_cast<double>(0.266f));
}

TEST_F(Catalogue, SecondCallChangesNothingAndResetRefills) {
  shipValue[SHIP_REGAL][GROUP_HULL][HULL_PRICE] = 99.0f;
  shipText[SHIP_REGAL][TEXT_SHIP_NAME] = u"Changed";
  explosionTypeTable[1][EXPLOSION_FRAME_COUNT] = 77.0f;
  InitShipCatalogue();
  InitExplosionTypes();
  EXPECT_EQ(shipValue[SHIP_REGAL][GROUP_HULL][HULL_PRICE], 99.0f);
  EXPECT_EQ(shipText[SHIP_REGAL][TEXT_SHIP_NAME], u"Changed");
  EXPECT_EQ(explosionTypeTable[1][EXPLOSION_FRAME_COUNT], 77.0f);

  // A cell no fill touches is cleared by the reset too.
  shipValue[0][GROUP_HULL][1] = 5.0f;
  shipPoint[SHIP_BIRKEN][GROUP_SECONDARY][50][5] = 5.0f;
  explosionTypeTable[19][5] = 5.0f;
  ResetCatalogue();
  EXPECT_EQ(shipValue[SHIP_REGAL][GROUP_HULL][HULL_PRICE], 4.0f);
  EXPECT_EQ(shipText[SHIP_REGAL][TEXT_SHIP_NAME], u"Regal");
  EXPECT_EQ(explosionTypeTable[1][EXPLOSION_FRAME_COUNT], 5.0f);
  EXPECT_EQ(shipValue[0][GROUP_HULL][1], 0.0f);
  EXPECT_EQ(shipPoint[SHIP_BIRKEN][GROUP_SECONDARY][50][5], 0.0f);
  EXPECT_EQ(explosionTypeTable[19][5], 0.0f);
}

TEST_F(Catalogue, UnsetCellsReadZero) {
  for (int32_t group = 0; group < 4; ++group) {
    for (int32_t column = 0; column <= 50; ++column) {
      EXPECT_EQ(shipValue[0][group][column], 0.0f);
    }
  }
  for (int32_t t = 1; t <= shipCount; ++t) {
    for (int32_t column = 0; column <= 50; ++column) {
      EXPECT_EQ(shipValue[t][0][column], 0.0f);
      if (column == 0 || column > hullValueCount) {
        EXPECT_EQ(shipValue[t][GROUP_HULL][column], 0.0f);
      }
      if (column == 0 || column > weaponValueCount) {
        EXPECT_EQ(shipValue[t][GROUP_PRIMARY][column], 0.0f);
        EXPECT_EQ(shipValue[t][GROUP_SECONDARY][column], 0.0f);
      }
    }
    for (int32_t group = 0; group < 4; ++group) {
      for (int32_t point = 0; point <= 50; ++point) {
        for (int32_t coordinate = 0; coordinate < 6; ++coordinate) {
          const float v = shipPoint[t][group][point][coordinate];
          const bool usable = group >= 1 && point >= 1 && point <= 15 && coordinate >= 1 &&
                              coordinate <= (group == GROUP_HULL ? 2 : 3);
          if (!usable) {
            EXPECT_EQ(v, 0.0f) << t << " " << group << " " << point << " " << coordinate;
          }
        }
      }
    }
    EXPECT_TRUE(shipText[t][0].empty());
  }
  for (int32_t slot = 0; slot <= 32; ++slot) EXPECT_TRUE(shipText[0][slot].empty());
}

TEST_F(Catalogue, HullRegularitiesAndRanges) {
  const std::set<int32_t> ownBehaviour = {
      SHIP_REGAL,  SHIP_COBOTH, SHIP_URBATRON, SHIP_AVRAX,  SHIP_QOUL,    SHIP_FEDZIE, SHIP_EREBOS,
      SHIP_GRATES, SHIP_SCALUS, SHIP_KALGON,   SHIP_IWOR,   SHIP_ARUBAWI, SHIP_PAX,    SHIP_ITHUS,
      SHIP_SJUOG,  SHIP_OTROS,  SHIP_TEMPER,   SHIP_KABATA, SHIP_HEPRON,  SHIP_URNOX,  SHIP_TREEK,
      SHIP_ANATOS, SHIP_ADAPA,  SHIP_XIAPAS,   SHIP_BIRKEN};
  const std::set<int32_t> twoEngines = {SHIP_NALEN, SHIP_AVRAX,    SHIP_FASER, SHIP_BRIDEW,
                                        SHIP_SPETH, SHIP_TKHARZER, SHIP_DRONT, SHIP_KABATA,
                                        SHIP_URNOX, SHIP_SERAX,    SHIP_ADAPA};
  struct Range {
    int32_t column;
    float low, high;
  };
  // The lowest and highest value of each column, both reached.
  const Range ranges[] = {{HULL_MAX_SPEED, 20, 95},           {HULL_ACCELERATION, 20, 100},
                          {HULL_TURN_RATE, 10, 85},           {HULL_MAX_ARMOR, 8, 80},
                          {HULL_MAX_ENERGY, 6, 80},           {HULL_RECHARGE_TIME, 100, 600},
                          {HULL_CANNON_RESISTANCE, -25, 80},  {HULL_BEAM_RESISTANCE, -25, 75},
                          {HULL_MISSILE_RESISTANCE, -33, 80}, {HULL_PRICE, 2, 50},
                          {HULL_AIM_LINE_Y, -74, -2}};
  for (int32_t t = 1; t <= shipCount; ++t) {
    const float* hull = shipValue[t][GROUP_HULL];
    SCOPED_TRACE(t);
    EXPECT_EQ(hull[HULL_START_ARMOR], hull[HULL_MAX_ARMOR]);
    EXPECT_EQ(hull[HULL_START_ENERGY], hull[HULL_MAX_ENERGY]);
    EXPECT_EQ(hull[HULL_RECHARGE_AMOUNT], 1.0f);
    EXPECT_EQ(hull[HULL_AIM_LINE_ANGLE], 0.0f);
    EXPECT_EQ(hull[HULL_AIM_LINE_X], 0.0f);
    EXPECT_EQ(hull[HULL_HAS_OWN_BODY_DRAWING], t == SHIP_KABATA ? 1.0f : 0.0f);
    EXPECT_EQ(hull[HULL_HAS_OWN_BEHAVIOUR], IsIn(t, ownBehaviour) ? 1.0f : 0.0f);
    EXPECT_EQ(hull[HULL_ENGINE_POINT_COUNT], IsIn(t, twoEngines) ? 2.0f : 1.0f);
    for (int32_t column = 1; column <= hullValueCount; ++column) {
      EXPECT_EQ(hull[column], std::trunc(hull[column])) << "column " << column;
    }
    for (const Range& r : ranges) {
      EXPECT_GE(hull[r.column], r.low) << "column " << r.column;
      EXPECT_LE(hull[r.column], r.high) << "column " << r.column;
    }
  }
  for (const Range& r : ranges) {
    float low = 1e9f, high = -1e9f;
    for (int32_t t = 1; t <= shipCount; ++t) {
      low = std::fmin(low, shipValue[t][GROUP_HULL][r.column]);
      high = std::fmax(high, shipValue[t][GROUP_HULL][r.column]);
    }
    EXPECT_EQ(low, r.low) << "column " << r.column;
    EXPECT_EQ(high, r.high) << "column " << r.column;
  }
}

// Column sums of the printed hull table: plain and weighted by ship type (a
// weighted sum also catches two rows swapped).
TEST_F(Catalogue, HullSums) {
  const double sums[hullValueCount] = {2140, 2013, 1920, 1540, 1540, 1728, 1728, 10640, 40,  315,
                                       383,  342,  703,  25,   1,    51,   0,    0,     -903};
  const double weighted[hullValueCount] = {46925,  42053, 39510, 30046, 30046, 32496, 32496,
                                           223510, 820,   9585,  6698,  8743,  14100, 511,
                                           27,     1042,  0,     0,     -20225};
  for (int32_t column = 1; column <= hullValueCount; ++column) {
    double sum = 0, byType = 0;
    for (int32_t t = 1; t <= shipCount; ++t) {
      sum += shipValue[t][GROUP_HULL][column];
      byType += t * static_cast<double>(shipValue[t][GROUP_HULL][column]);
    }
    EXPECT_EQ(sum, sums[column - 1]) << "column " << column;
    EXPECT_EQ(byType, weighted[column - 1]) << "column " << column;
  }
}

TEST_F(Catalogue, PricesAndResistances) {
  int32_t cheapest = 0, dearest = 0;
  for (int32_t t = 1; t <= shipCount; ++t) {
    const float price = shipValue[t][GROUP_HULL][HULL_PRICE];
    if (cheapest == 0 || price < shipValue[cheapest][GROUP_HULL][HULL_PRICE]) cheapest = t;
    if (dearest == 0 || price > shipValue[dearest][GROUP_HULL][HULL_PRICE]) dearest = t;
  }
  EXPECT_EQ(cheapest, SHIP_WENDE);
  EXPECT_EQ(shipValue[SHIP_WENDE][GROUP_HULL][HULL_PRICE], 2.0f);
  EXPECT_EQ(dearest, SHIP_BIRKEN);
  EXPECT_EQ(shipValue[SHIP_BIRKEN][GROUP_HULL][HULL_PRICE], 50.0f);
  // The only ships at 2 and 50.
  EXPECT_EQ(TypesWhere(GROUP_HULL, HULL_PRICE, 2), (std::set<int32_t>{SHIP_WENDE}));
  EXPECT_EQ(TypesWhere(GROUP_HULL, HULL_PRICE, 50), (std::set<int32_t>{SHIP_BIRKEN}));
  // Shared prices need the ranking's tie-break by name.
  EXPECT_EQ(TypesWhere(GROUP_HULL, HULL_PRICE, 4), (std::set<int32_t>{SHIP_REGAL, SHIP_QOUL}));
  EXPECT_EQ(TypesWhere(GROUP_HULL, HULL_PRICE, 15),
            (std::set<int32_t>{SHIP_SPETH, SHIP_ITHUS, SHIP_OTROS, SHIP_DRONT}));
  EXPECT_EQ(TypesWhere(GROUP_HULL, HULL_PRICE, 27), (std::set<int32_t>{SHIP_COBOTH, SHIP_BRIDEW}));
  std::set<float> prices;
  for (int32_t t = 1; t <= shipCount; ++t) prices.insert(shipValue[t][GROUP_HULL][HULL_PRICE]);
  EXPECT_LT(prices.size(), 40u);

  std::set<int32_t> negative;
  for (int32_t t = 1; t <= shipCount; ++t) {
    for (int32_t column = HULL_CANNON_RESISTANCE; column <= HULL_MISSILE_RESISTANCE; ++column) {
      if (shipValue[t][GROUP_HULL][column] < 0) negative.insert(t);
    }
  }
  EXPECT_EQ(negative,
            (std::set<int32_t>{SHIP_COBOTH, SHIP_NALEN, SHIP_DARBER, SHIP_KABATA, SHIP_SERGER}));
  EXPECT_EQ(shipValue[SHIP_SERGER][GROUP_HULL][HULL_MISSILE_RESISTANCE], -33.0f);
  EXPECT_EQ(shipValue[SHIP_DARBER][GROUP_HULL][HULL_CANNON_RESISTANCE], -25.0f);
  EXPECT_EQ(shipValue[SHIP_DARBER][GROUP_HULL][HULL_BEAM_RESISTANCE], 75.0f);
}

TEST_F(Catalogue, WeaponRegularitiesAndRanges) {
  using Set = std::set<int32_t>;
  for (int32_t t = 1; t <= shipCount; ++t) {
    for (int32_t group = GROUP_PRIMARY; group <= GROUP_SECONDARY; ++group) {
      const float* w = shipValue[t][group];
      SCOPED_TRACE(testing::Message() << t << (group == GROUP_PRIMARY ? " P" : " S"));
      EXPECT_EQ(w[WEAPON_TRAIL_OFFSET_SIDE], 0.0f);
      EXPECT_EQ(w[WEAPON_SHOT_CANNON_RESISTANCE], 0.0f);
      EXPECT_EQ(w[WEAPON_SHOT_MISSILE_RESISTANCE], 0.0f);
      EXPECT_EQ(w[WEAPON_IMAGE_INDEX], (t == SHIP_AVRAX && group == GROUP_PRIMARY) ? 2.0f : 1.0f);
      for (int32_t column = 1; column <= weaponValueCount; ++column) {
        if (column != WEAPON_DAMAGE && column != WEAPON_ENERGY_DRAIN) {
          EXPECT_EQ(w[column], std::trunc(w[column])) << "column " << column;
        }
      }
      EXPECT_TRUE(w[WEAPON_DAMAGE] >= 0 && w[WEAPON_DAMAGE] <= 20);
      EXPECT_TRUE(w[WEAPON_DAMAGE_TYPE] >= 1 && w[WEAPON_DAMAGE_TYPE] <= 5);
      EXPECT_TRUE(w[WEAPON_RELOAD_TIME] >= 0 && w[WEAPON_RELOAD_TIME] <= 20000);
      EXPECT_TRUE(w[WEAPON_ENERGY_DRAIN] >= 0.3f && w[WEAPON_ENERGY_DRAIN] <= 50);
      EXPECT_TRUE((w[WEAPON_PROJECTILE_SPEED] >= 0 && w[WEAPON_PROJECTILE_SPEED] <= 100) ||
                  w[WEAPON_PROJECTILE_SPEED] == 10000);
      EXPECT_TRUE(w[WEAPON_ABILITY_MARKER] == 0 || w[WEAPON_ABILITY_MARKER] == 1);
      EXPECT_TRUE(w[WEAPON_SHOT_COUNT] >= 0 && w[WEAPON_SHOT_COUNT] <= 15);
      EXPECT_TRUE(w[WEAPON_HOMING_RATE] >= 0 && w[WEAPON_HOMING_RATE] <= 90);
      EXPECT_TRUE(w[WEAPON_ANGLE_SPREAD] >= 0 && w[WEAPON_ANGLE_SPREAD] <= 5);
      EXPECT_TRUE(w[WEAPON_SPEED_SPREAD] >= 0 && w[WEAPON_SPEED_SPREAD] <= 15);
      EXPECT_TRUE(w[WEAPON_FIRE_MODE] >= 0 && w[WEAPON_FIRE_MODE] <= 2);
      for (int32_t flag : {WEAPON_HAS_KIND_CODE, WEAPON_NO_SHIP_HITS, WEAPON_HIDDEN, WEAPON_TRAIL,
                           WEAPON_PIERCING, WEAPON_STATIONARY, WEAPON_DESTRUCTIBLE}) {
        EXPECT_TRUE(w[flag] == 0 || w[flag] == 1) << "column " << flag;
      }
      EXPECT_TRUE(w[WEAPON_HIT_EXPLOSION] >= 0 && w[WEAPON_HIT_EXPLOSION] <= explosionTypeCount);
      EXPECT_TRUE(w[WEAPON_HIT_SOUND] >= 0 && w[WEAPON_HIT_SOUND] <= 28);
      EXPECT_TRUE(w[WEAPON_SPEED_CHANGE] >= 0 && w[WEAPON_SPEED_CHANGE] <= 75);
      EXPECT_TRUE(w[WEAPON_SPEED_LIMIT] >= 0 && w[WEAPON_SPEED_LIMIT] <= 100);
      EXPECT_TRUE(w[WEAPON_TRAIL_OFFSET_BACK] >= 0 && w[WEAPON_TRAIL_OFFSET_BACK] <= 16);
      EXPECT_TRUE(w[WEAPON_FADE] == 0 || w[WEAPON_FADE] == 50);
      EXPECT_TRUE(w[WEAPON_HIT_POINTS] >= 0 && w[WEAPON_HIT_POINTS] <= 99999);
      EXPECT_TRUE(w[WEAPON_SHOT_BEAM_RESISTANCE] >= 0 && w[WEAPON_SHOT_BEAM_RESISTANCE] <= 50);
      EXPECT_TRUE(w[WEAPON_FIRE_SOUND] >= 0 && w[WEAPON_FIRE_SOUND] <= 3);
      EXPECT_TRUE(w[WEAPON_SIZE_PERCENT] >= 0 && w[WEAPON_SIZE_PERCENT] <= 20);
      EXPECT_TRUE(w[WEAPON_LIFETIME] >= 0 && w[WEAPON_LIFETIME] <= 15000);
    }
  }
  // Where the marked values occur, primary and secondary apart.
  EXPECT_EQ(TypesWhere(GROUP_PRIMARY, WEAPON_FIRE_MODE, FIRE_MODE_TRIGGER_ONLY), (Set{SHIP_IWOR}));
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_FIRE_MODE, FIRE_MODE_TRIGGER_ONLY),
            (Set{SHIP_GRATES, SHIP_SCALUS, SHIP_IWOR, SHIP_ARUBAWI, SHIP_PAX, SHIP_SJUOG,
                 SHIP_TEMPER, SHIP_KABATA, SHIP_URNOX, SHIP_ANATOS}));
  EXPECT_EQ(TypesWhere(GROUP_PRIMARY, WEAPON_FIRE_MODE, FIRE_MODE_OWN_CODE), (Set{}));
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_FIRE_MODE, FIRE_MODE_OWN_CODE),
            (Set{SHIP_AVRAX, SHIP_KALGON}));
  EXPECT_EQ(TypesWhere(GROUP_PRIMARY, WEAPON_DESTRUCTIBLE, 1), (Set{}));
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_DESTRUCTIBLE, 1),
            (Set{SHIP_COBOTH, SHIP_QOUL, SHIP_BRIDEW, SHIP_OTROS, SHIP_SERGER, SHIP_XIAPAS}));
  EXPECT_EQ(TypesWhere(GROUP_PRIMARY, WEAPON_HOMING_RATE, 0).size(), 39u);
  EXPECT_EQ(shipValue[SHIP_GRATES][GROUP_PRIMARY][WEAPON_HOMING_RATE], 90.0f);
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_HOMING_RATE, 0).size(), 37u);
  for (int32_t t : {SHIP_REGAL, SHIP_BRIDEW, SHIP_SPETH})
    EXPECT_GT(shipValue[t][GROUP_SECONDARY][WEAPON_HOMING_RATE], 0.0f);
  EXPECT_EQ(TypesWhere(GROUP_PRIMARY, WEAPON_PROJECTILE_SPEED, 10000),
            (Set{SHIP_AVRAX, SHIP_XIAPAS}));
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_PROJECTILE_SPEED, 10000), (Set{}));
  EXPECT_EQ(TypesWhere(GROUP_PRIMARY, WEAPON_DAMAGE_TYPE, DAMAGE_TYPE_NONE), (Set{}));
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_DAMAGE_TYPE, DAMAGE_TYPE_NONE),
            (Set{SHIP_GARM, SHIP_COBOTH, SHIP_AVRAX, SHIP_QOUL, SHIP_IWOR, SHIP_ARUBAWI, SHIP_PAX,
                 SHIP_OTROS, SHIP_TEMPER, SHIP_KABATA, SHIP_XIAPAS}));
  EXPECT_EQ(TypesWhere(GROUP_PRIMARY, WEAPON_FIRE_SOUND, 0).size(), 39u);
  EXPECT_EQ(shipValue[SHIP_IWOR][GROUP_PRIMARY][WEAPON_FIRE_SOUND], 3.0f);
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_FIRE_SOUND, 1), (Set{SHIP_URBATRON, SHIP_IWOR}));
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_FIRE_SOUND, 0).size(), 38u);

  // Shot count 0: no generic shots, the type's own code acts.
  EXPECT_EQ(TypesWhere(GROUP_SECONDARY, WEAPON_SHOT_COUNT, 0),
            (Set{SHIP_AVRAX, SHIP_IWOR, SHIP_ARUBAWI, SHIP_TEMPER, SHIP_KABATA, SHIP_URNOX}));
  for (int32_t t : TypesWhere(GROUP_SECONDARY, WEAPON_SHOT_COUNT, 0)) {
    EXPECT_NE(shipValue[t][GROUP_SECONDARY][WEAPON_FIRE_MODE], FIRE_MODE_GENERIC) << t;
  }
  // The toaster lasers fire every tick while energy lasts.
  EXPECT_EQ(shipValue[SHIP_XIAPAS][GROUP_PRIMARY][WEAPON_RELOAD_TIME], 0.0f);
  EXPECT_EQ(shipValue[SHIP_XIAPAS][GROUP_PRIMARY][WEAPON_ENERGY_DRAIN],
            std::strtof("0.3", nullptr));
}

// Column sums of the printed weapon table, primaries and secondaries apart,
// plain and weighted by ship type. Eleven columns a line.
TEST_F(Catalogue, WeaponSums) {
  const double primarySums[weaponValueCount] = {
      79.625, 77, 30050, 230.3, 22370, 2, 103, 90, 13, 23, 1, 5, 3, 2,  271, 216, 0,
      0,      0,  0,     0,     1,     2, 0,   0,  0,  0,  0, 0, 3, 41, 0,   1400};
  const double primaryWeighted[weaponValueCount] = {
      1591.975, 1683, 580890, 4314.7, 507970, 52, 1864, 1170, 206, 608, 17,
      123,      73,   32,     6015,   5319,   0,  0,    0,    0,   0,   10,
      46,       0,    0,      0,      0,      0,  0,    51,   827, 0,   18200};
  const double secondarySums[weaponValueCount] = {
      94.957, 146, 176050, 635, 1272, 27, 45,  130,    8, 18,  14, 24, 15, 13, 226, 201,  205,
      370,    6,   0,      90,  12,   13, 100, 100055, 0, 125, 0,  6,  2,  40, 35,  52350};
  const double secondaryWeighted[weaponValueCount] = {
      2093.428, 2951, 4218250, 13520, 30167, 547,  993,  1470, 148, 507,  270,
      472,      290,  278,     5023,  4683,  4980, 9290, 108,  0,   1520, 272,
      300,      2050, 901040,  0,     2675,  0,    114,  21,   820, 395,  1752600};
  for (int32_t column = 1; column <= weaponValueCount; ++column) {
    double sum[4] = {}, byType[4] = {};
    for (int32_t t = 1; t <= shipCount; ++t) {
      for (int32_t group = GROUP_PRIMARY; group <= GROUP_SECONDARY; ++group) {
        sum[group] += shipValue[t][group][column];
        byType[group] += t * static_cast<double>(shipValue[t][group][column]);
      }
    }
    // Fractions are stored as floats: allow their rounding, nothing more.
    EXPECT_NEAR(sum[GROUP_PRIMARY], primarySums[column - 1], 1e-4) << "column " << column;
    EXPECT_NEAR(byType[GROUP_PRIMARY], primaryWeighted[column - 1], 1e-3) << "column " << column;
    EXPECT_NEAR(sum[GROUP_SECONDARY], secondarySums[column - 1], 1e-4) << "column " << column;
    EXPECT_NEAR(byType[GROUP_SECONDARY], secondaryWeighted[column - 1], 1e-3)
        << "column " << column;
  }
}

// Sums of the printed mount points: plain, weighted by the point's number in
// its list, and weighted by ship type.
TEST_F(Catalogue, PointSums) {
  struct Expected {
    int32_t group;
    double sum[3], byPoint[3], byType[3];
  };
  const Expected expected[] = {
      {GROUP_HULL, {0, 1472, 0}, {160, 1843, 0}, {-30, 31137, 0}},
      {GROUP_PRIMARY, {1630, 59, -1774}, {12264, 1348, -4571}, {21159, 1211, -37256}},
      {GROUP_SECONDARY, {630, -17, -402}, {1067, 423, -1876}, {14310, -287, -3870}},
  };
  for (const Expected& e : expected) {
    for (int32_t coordinate = 1; coordinate <= 3; ++coordinate) {
      double sum = 0, byPoint = 0, byType = 0;
      for (int32_t t = 1; t <= shipCount; ++t) {
        for (int32_t point = 1; point <= 50; ++point) {
          const double v = shipPoint[t][e.group][point][coordinate];
          sum += v;
          byPoint += point * v;
          byType += t * v;
        }
      }
      EXPECT_EQ(sum, e.sum[coordinate - 1]) << e.group << " " << coordinate;
      EXPECT_EQ(byPoint, e.byPoint[coordinate - 1]) << e.group << " " << coordinate;
      EXPECT_EQ(byType, e.byType[coordinate - 1]) << e.group << " " << coordinate;
    }
  }
}

TEST_F(Catalogue, MountPointEdgeCases) {
  // Engine points: as many as the hull says, each behind the centre.
  for (int32_t t = 1; t <= shipCount; ++t) {
    const int32_t count = static_cast<int32_t>(shipValue[t][GROUP_HULL][HULL_ENGINE_POINT_COUNT]);
    for (int32_t point = 1; point <= 15; ++point) {
      if (point <= count) {
        EXPECT_GT(shipPoint[t][GROUP_HULL][point][ENGINE_Y], 0.0f) << t;
      } else {
        EXPECT_EQ(shipPoint[t][GROUP_HULL][point][ENGINE_X], 0.0f) << t;
        EXPECT_EQ(shipPoint[t][GROUP_HULL][point][ENGINE_Y], 0.0f) << t;
      }
    }
  }
  // Type 13's all-way guns: ten muzzles all around the hull, one engine.
  const float allWayAngles[10] = {0, 45, 75, 90, 145, 180, 225, 270, 285, 320};
  EXPECT_EQ(shipValue[SHIP_GRATES][GROUP_PRIMARY][WEAPON_SHOT_COUNT], 10.0f);
  for (int32_t k = 1; k <= 10; ++k) {
    EXPECT_EQ(shipPoint[SHIP_GRATES][GROUP_PRIMARY][k][MUZZLE_ANGLE], allWayAngles[k - 1]);
  }
  EXPECT_EQ(shipPoint[SHIP_GRATES][GROUP_PRIMARY][11][MUZZLE_Y], 0.0f);
  EXPECT_EQ(shipPoint[SHIP_GRATES][GROUP_SECONDARY][1][MUZZLE_ANGLE], -180.0f);
  EXPECT_EQ(shipValue[SHIP_GRATES][GROUP_HULL][HULL_ENGINE_POINT_COUNT], 1.0f);
  // Type 3's multicannons: 15 muzzles 4 pixels apart from -28 to 28.
  EXPECT_EQ(shipValue[SHIP_COBOTH][GROUP_PRIMARY][WEAPON_SHOT_COUNT], 15.0f);
  for (int32_t k = 1; k <= 15; ++k) {
    EXPECT_EQ(shipPoint[SHIP_COBOTH][GROUP_PRIMARY][k][MUZZLE_X], -28.0f + 4.0f * (k - 1));
    EXPECT_EQ(shipPoint[SHIP_COBOTH][GROUP_PRIMARY][k][MUZZLE_Y], -14.0f);
  }
  // Type 4's orb: nine points for the modes, though the catalogue fires one.
  EXPECT_EQ(shipValue[SHIP_URBATRON][GROUP_SECONDARY][WEAPON_SHOT_COUNT], 1.0f);
  for (int32_t k = 1; k <= 9; ++k)
    EXPECT_EQ(shipPoint[SHIP_URBATRON][GROUP_SECONDARY][k][MUZZLE_Y], -38.0f);
  EXPECT_EQ(shipPoint[SHIP_URBATRON][GROUP_SECONDARY][10][MUZZLE_Y], 0.0f);
  // Type 25: five shotgun muzzles at one place; type 38 repeats its centre point.
  for (int32_t k = 1; k <= 5; ++k)
    EXPECT_EQ(shipPoint[SHIP_GROK][GROUP_PRIMARY][k][MUZZLE_Y], -16.0f);
  EXPECT_EQ(shipPoint[SHIP_ADAPA][GROUP_PRIMARY][4][MUZZLE_Y], -24.0f);
  EXPECT_EQ(shipPoint[SHIP_ADAPA][GROUP_PRIMARY][5][MUZZLE_Y], -24.0f);
  // Type 23: two plates, only one point set; the other muzzle is (0, 0, 0).
  EXPECT_EQ(shipValue[SHIP_OTROS][GROUP_SECONDARY][WEAPON_SHOT_COUNT], 2.0f);
  for (int32_t point = 1; point <= 2; ++point) {
    for (int32_t c = MUZZLE_ANGLE; c <= MUZZLE_Y; ++c)
      EXPECT_EQ(shipPoint[SHIP_OTROS][GROUP_SECONDARY][point][c], 0.0f);
  }
  // Angles beyond 180 and negative ones stay as they are.
  EXPECT_EQ(shipPoint[SHIP_GRATES][GROUP_PRIMARY][10][MUZZLE_ANGLE], 320.0f);
  EXPECT_EQ(shipPoint[SHIP_BIRKEN][GROUP_PRIMARY][2][MUZZLE_ANGLE], -45.0f);
  EXPECT_EQ(shipPoint[SHIP_ITHUS][GROUP_SECONDARY][2][MUZZLE_ANGLE], 180.0f);
}

TEST_F(Catalogue, ExplosionTypes) {
  for (int32_t column = 0; column < 9; ++column) EXPECT_EQ(explosionTypeTable[0][column], 0.0f);
  for (int32_t type = 1; type <= explosionTypeCount; ++type) {
    EXPECT_EQ(explosionTypeTable[type][0], 0.0f);
    EXPECT_EQ(explosionTypeTable[type][5], 0.0f);
  }
  for (int32_t column = 0; column < 9; ++column) EXPECT_EQ(explosionTypeTable[19][column], 0.0f);

  // Every type but 19 has an animation.
  for (int32_t type = 1; type <= explosionTypeCount; ++type) {
    if (type == 19) continue;
    EXPECT_GE(explosionTypeTable[type][EXPLOSION_FRAME_COUNT], 1.0f) << type;
    EXPECT_GE(explosionTypeTable[type][EXPLOSION_CELL_WIDTH], 10.0f) << type;
    EXPECT_GE(explosionTypeTable[type][EXPLOSION_CELL_HEIGHT], 10.0f) << type;
    EXPECT_TRUE(explosionTypeTable[type][EXPLOSION_FRAME_DELAY] == 2 ||
                explosionTypeTable[type][EXPLOSION_FRAME_DELAY] == 3)
        << type;
    for (int32_t column = EXPLOSION_FLASH_RED; column <= EXPLOSION_FLASH_BLUE; ++column) {
      EXPECT_TRUE(explosionTypeTable[type][column] >= 0 && explosionTypeTable[type][column] <= 255);
    }
  }
  // Default flash colour exactly for these.
  std::set<int32_t> defaultFlash;
  for (int32_t type = 1; type <= explosionTypeCount; ++type) {
    const float sum = explosionTypeTable[type][EXPLOSION_FLASH_RED] +
                      explosionTypeTable[type][EXPLOSION_FLASH_GREEN] +
                      explosionTypeTable[type][EXPLOSION_FLASH_BLUE];
    if (sum == 0 && type != 19) defaultFlash.insert(type);
  }
  EXPECT_EQ(defaultFlash, (std::set<int32_t>{1, 5, 7, 9, 10, 11, 15, 20, 21, 22, 27}));
  // Cells cut by width and height separately.
  EXPECT_EQ(explosionTypeTable[10][EXPLOSION_CELL_WIDTH], 52.0f);
  EXPECT_EQ(explosionTypeTable[10][EXPLOSION_CELL_HEIGHT], 99.0f);
  EXPECT_EQ(explosionTypeTable[28][EXPLOSION_CELL_WIDTH], 16.0f);
  EXPECT_EQ(explosionTypeTable[28][EXPLOSION_CELL_HEIGHT], 14.0f);
  EXPECT_EQ(explosionTypeTable[29][EXPLOSION_FRAME_COUNT], 1.0f);
  EXPECT_EQ(explosionTypeTable[29][EXPLOSION_FRAME_DELAY], 2.0f);
  // Ship deaths use 20 to 22; every weapon's hit explosion has an image.
  for (int32_t type = 20; type <= 22; ++type)
    EXPECT_EQ(explosionTypeTable[type][EXPLOSION_FRAME_COUNT], 15.0f);
  for (int32_t t = 1; t <= shipCount; ++t) {
    for (int32_t group = GROUP_PRIMARY; group <= GROUP_SECONDARY; ++group) {
      const int32_t hit = static_cast<int32_t>(shipValue[t][group][WEAPON_HIT_EXPLOSION]);
      if (hit != 0) {
        EXPECT_GT(explosionTypeTable[hit][EXPLOSION_FRAME_COUNT], 0.0f) << t;
      }
    }
  }

  // Sums of the printed columns 1, 2, 3, 4, 6, 7, 8: plain and by type.
  const int32_t columns[7] = {1, 2, 3, 4, 6, 7, 8};
  const double sums[7] = {209, 1266, 1311, 76, 2445, 2905, 2880};
  const double weighted[7] = {3316, 23058, 23472, 1081, 37770, 40395, 42160};
  for (int32_t i = 0; i < 7; ++i) {
    double sum = 0, byType = 0;
    for (int32_t type = 1; type <= explosionTypeCount; ++type) {
      sum += explosionTypeTable[type][columns[i]];
      byType += type * static_cast<double>(explosionTypeTable[type][columns[i]]);
    }
    EXPECT_EQ(sum, sums[i]) << "column " << columns[i];
    EXPECT_EQ(byType, weighted[i]) << "column " << columns[i];
  }
}

}  // namespace
