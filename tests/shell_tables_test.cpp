#include "match/shell_tables.hpp"

#include <gtest/gtest.h>

#include <set>

#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "shell/screens.hpp"
#include "shell/startup_tables.hpp"

namespace {
class ShellTables : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShell();
    ResetCatalogue();
    InitShipCatalogue();
    SetUpTeamNames();
    SetUpStartupTables();
  }
  void TearDown() override {
    ResetCatalogue();
    ResetShell();
  }
};
}  // namespace

TEST_F(ShellTables, ShipOrderRanksByPriceThenName) {
  const int32_t firstTen[] = {SHIP_WENDE,  SHIP_QOUL,   SHIP_REGAL,  SHIP_TEMPER, SHIP_HEPRON,
                              SHIP_FEDZIE, SHIP_KALGON, SHIP_ANATOS, SHIP_SHEVAL, SHIP_SERGER};
  for (int32_t p = 1; p <= 10; ++p) EXPECT_EQ(shipOrder[p], firstTen[p - 1]) << "position " << p;
  std::set<int32_t> seen;
  for (int32_t p = 1; p <= shipCount; ++p) {
    seen.insert(shipOrder[p]);
    if (p > 1) {
      EXPECT_LE(static_cast<int32_t>(shipValue[shipOrder[p - 1]][1][13]),
                static_cast<int32_t>(shipValue[shipOrder[p]][1][13]));
    }
  }
  EXPECT_EQ(seen.size(), 40u);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 40);
  // The work tables are empty again.
  for (int32_t i = 0; i <= shipCount; ++i) {
    EXPECT_EQ(shipRankWork[i][1], 0);
    EXPECT_EQ(shipRankWork[i][2], 0);
    EXPECT_TRUE(sortedShipNames[i].empty());
  }
}

TEST_F(ShellTables, EqualIntegerPricesRankByNameAndPrefixFirst) {
  // Everything dear, except three types at the same integer price.
  for (int32_t i = 1; i <= shipCount; ++i) shipValue[i][1][13] = 5000.0f + i;
  shipValue[SHIP_AVRAX][1][13] = 10.9f;
  shipValue[SHIP_COBOTH][1][13] = 10.2f;
  shipValue[SHIP_NALEN][1][13] = 10.0f;
  shipText[SHIP_AVRAX][1] = u"ABC";
  shipText[SHIP_COBOTH][1] = u"ABCD";
  shipText[SHIP_NALEN][1] = u"B";
  // Prices that differ only after the point count as equal.
  RankShipTypes();
  EXPECT_EQ(shipOrder[1], SHIP_AVRAX);
  EXPECT_EQ(shipOrder[2], SHIP_COBOTH);
  EXPECT_EQ(shipOrder[3], SHIP_NALEN);
  EXPECT_EQ(shipOrder[4], SHIP_REGAL);
  EXPECT_EQ(shipOrder[40], SHIP_BIRKEN);

  // Equal price and equal name keep the lower type first.
  shipText[SHIP_COBOTH][1] = u"ABC";
  RankShipTypes();
  EXPECT_EQ(shipOrder[1], SHIP_COBOTH);
  EXPECT_EQ(shipOrder[2], SHIP_AVRAX);
}

TEST_F(ShellTables, KeyNamesAreSixteenBitTexts) {
  EXPECT_EQ(keyNames[12], u"NUM 5 OFF");
  EXPECT_EQ(keyNames[187], u"?");
  EXPECT_EQ(shiftedKeyNames[187], u"?");
  EXPECT_EQ(keyNames[186], Text(1, char16_t(0xA8)));
  EXPECT_EQ(keyNames[192], Text(1, char16_t(0xD6)));
  EXPECT_EQ(keyNames[220], Text(1, char16_t(0xBD)));
  EXPECT_EQ(keyNames[221], Text(1, char16_t(0xC5)));
  EXPECT_EQ(keyNames[222], Text(1, char16_t(0xC4)));
  EXPECT_EQ(shiftedKeyNames[50], Text(1, char16_t(0xA7)));
  EXPECT_EQ(shiftedKeyNames[52], Text(1, char16_t(0xA4)));
  EXPECT_EQ(keyNames[37], u"ARROW LEFT");
  EXPECT_EQ(keyNames[40], u"ARROW DOWN");
  EXPECT_EQ(keyNames[48], u"0");
  EXPECT_EQ(keyNames[57], u"9");
  EXPECT_EQ(keyNames[65], u"A");
  EXPECT_EQ(keyNames[90], u"Z");
  EXPECT_EQ(keyNames[96], u"NUM 0");
  EXPECT_EQ(keyNames[105], u"NUM 9");
  EXPECT_EQ(keyNames[107], u"NUM +");
  EXPECT_EQ(keyNames[110], u"NUM ,");
  EXPECT_EQ(keyNames[112], u"F1");
  EXPECT_EQ(keyNames[123], u"F12");
  EXPECT_EQ(keyNames[163], u"RIGHT CONTROL");
  EXPECT_EQ(keyNames[165], u"ALT GR");
  EXPECT_EQ(keyNames[226], u">");
  for (int32_t code : {0, 10, 16, 17, 18, 108, 124, 250, 300}) {
    EXPECT_TRUE(keyNames[code].empty()) << code;
  }
  EXPECT_TRUE(shiftedKeyNames[65].empty());

  EXPECT_EQ(keyClass[48], 2);
  EXPECT_EQ(keyClass[190], 2);
  EXPECT_EQ(keyClass[191], 0);
  EXPECT_EQ(keyClass[65], 1);
  EXPECT_EQ(keyClass[8], 1);
  EXPECT_EQ(keyClass[32], 1);
  EXPECT_EQ(keyClass[192], 1);
  EXPECT_EQ(keyClass[220], 0);
  EXPECT_EQ(keyClass[13], 0);
}

TEST_F(ShellTables, FixedContents) {
  EXPECT_EQ(teamNames[1], u"A");
  EXPECT_EQ(teamNames[4], u"D");
  EXPECT_EQ(teamNames[5], u"DRAW");
  EXPECT_EQ(kindNames[1][2], u"COMPUTER");
  EXPECT_EQ(kindNames[2][1], u"CUSTOM WEXLOR");
  EXPECT_EQ(kindNames[3][2], u"MELEE");
  EXPECT_EQ(replayInfo[1], u"UNTITLED");
  EXPECT_EQ(replayInfo[2], u"NO COMMENTS");
  EXPECT_EQ(shipCarousel[1], 3);
  int32_t versionScreens = 0;
  for (int32_t n = 0; n <= 20; ++n) versionScreens += showVersionText[n];
  EXPECT_EQ(versionScreens, 9);
  EXPECT_EQ(showVersionText[18], 1);
  EXPECT_EQ(showVersionText[7], 0);
  EXPECT_EQ(slotColour[2][1], 255);
  EXPECT_EQ(slotColour[2][2], 50);
  EXPECT_EQ(slotColour[2][3], 255);
  EXPECT_EQ(slotColour[5][2], 255);
  EXPECT_EQ(panelColour[2][2], 200);
  EXPECT_EQ(shipSnapshot[0][1], 640.0f);
  EXPECT_EQ(shipSnapshot[0][2], 512.0f);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
}

TEST_F(ShellTables, DefaultSlotsAndHudLayout) {
  for (int32_t slot = 1; slot <= 4; ++slot) {
    const int32_t control = slot <= 2 ? CONTROL_HUMAN : CONTROL_DISABLED;
    EXPECT_EQ(slotTable[slot][1], control);
    EXPECT_EQ(slotTable[slot][2], slot);
    EXPECT_EQ(slotTable[slot][3], 0);
    EXPECT_EQ(slotTable[slot][5], FLEET_CUSTOM);
    EXPECT_EQ(slotTable[slot][6], control);
    EXPECT_EQ(slotTable[slot][7], slot);
    EXPECT_EQ(fleetTable[slot][1][0], 1);
    EXPECT_EQ(fleetTable[slot][1][1], 0);
    EXPECT_EQ(fleetTable[slot][1][2], 0);
    EXPECT_EQ(fleetTable[slot][1][3], 200);
  }
  const int32_t expected[8][5][2] = {
      {},
      {{}, {16, 4}, {16, 516}, {1224, 4}, {1224, 516}},
      {{}, {42, 4}, {42, 516}, {1250, 4}, {1250, 516}},
      {{}, {7, 320}, {7, 832}, {1215, 320}, {1215, 832}},
      {{}, {7, 330}, {7, 842}, {1215, 330}, {1215, 842}},
      {{}, {4, 342}, {4, 854}, {1212, 342}, {1212, 854}},
      {{}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
      {{}, {0, 0}, {0, 512}, {1208, 0}, {1208, 512}},
  };
  for (int32_t element = 1; element <= 7; ++element) {
    for (int32_t slot = 1; slot <= 4; ++slot) {
      EXPECT_EQ(hudLayout[slot][element][1], expected[element][slot][0]) << element << "/" << slot;
      EXPECT_EQ(hudLayout[slot][element][2], expected[element][slot][1]) << element << "/" << slot;
    }
  }
}
