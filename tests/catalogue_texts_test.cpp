// Ship catalogue texts: names, display overrides and the special weapon
// descriptions as the info panel shows them.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "catalogue/ships.hpp"

namespace {

class CatalogueTexts : public ::testing::Test {
 protected:
  void SetUp() override { ResetCatalogue(); }
};

std::string Narrow(const Text& text) { return std::string(text.begin(), text.end()); }

TEST_F(CatalogueTexts, NamesAndWeaponNames) {
  // Total characters of each column of the printed list.
  size_t lengths[5] = {};
  std::set<Text> names;
  for (int32_t t = 1; t <= shipCount; ++t) {
    for (int32_t slot = TEXT_SHIP_NAME; slot <= TEXT_SECONDARY_WEAPON_NAME; ++slot) {
      EXPECT_FALSE(shipText[t][slot].empty()) << t << " " << slot;
      lengths[slot] += shipText[t][slot].size();
    }
    names.insert(shipText[t][TEXT_SHIP_NAME]);
  }
  EXPECT_EQ(lengths[TEXT_SHIP_NAME], 220u);
  EXPECT_EQ(lengths[TEXT_NICKNAME], 288u);
  EXPECT_EQ(lengths[TEXT_PRIMARY_WEAPON_NAME], 471u);
  EXPECT_EQ(lengths[TEXT_SECONDARY_WEAPON_NAME], 533u);
  EXPECT_EQ(names.size(), 40u);
  EXPECT_EQ(shipText[SHIP_REGAL][TEXT_SHIP_NAME], u"Regal");
  EXPECT_EQ(shipText[SHIP_BIRKEN][TEXT_SHIP_NAME], u"Birken");
  EXPECT_EQ(shipText[SHIP_BIRKEN][TEXT_NICKNAME], u"Fury");
  EXPECT_EQ(shipText[SHIP_WENDE][TEXT_NICKNAME], u"Small one");
  EXPECT_EQ(shipText[SHIP_PAX][TEXT_SECONDARY_WEAPON_NAME], u"Curse enemies");
  // Two ships name different weapons alike.
  EXPECT_EQ(shipText[SHIP_REGAL][TEXT_PRIMARY_WEAPON_NAME], u"Needle Lasers");
  EXPECT_EQ(shipText[SHIP_OTROS][TEXT_PRIMARY_WEAPON_NAME], u"Needle Lasers");
  EXPECT_NE(shipValue[SHIP_REGAL][GROUP_PRIMARY][WEAPON_DAMAGE],
            shipValue[SHIP_OTROS][GROUP_PRIMARY][WEAPON_DAMAGE]);
}

TEST_F(CatalogueTexts, DisplayOverrides) {
  // (type, slot) -> length of the printed text.
  const std::map<std::pair<int32_t, int32_t>, size_t> printed = {
      {{4, 29}, 21},  {{4, 30}, 18},  {{4, 31}, 19},  {{4, 32}, 17},  {{5, 29}, 9},
      {{5, 30}, 6},   {{6, 29}, 12},  {{6, 30}, 7},   {{10, 25}, 13}, {{12, 29}, 13},
      {{13, 29}, 7},  {{13, 30}, 7},  {{17, 16}, 7},  {{17, 17}, 7},  {{17, 18}, 7},
      {{17, 25}, 13}, {{17, 26}, 18}, {{17, 27}, 15}, {{17, 28}, 13}, {{19, 29}, 11},
      {{19, 30}, 7},  {{21, 25}, 16}, {{23, 29}, 5},  {{23, 30}, 5},  {{27, 20}, 9},
      {{27, 21}, 9},  {{27, 22}, 9},  {{29, 29}, 8},  {{30, 29}, 7},  {{30, 30}, 7},
      {{31, 29}, 13}, {{36, 29}, 14}, {{37, 29}, 12}, {{39, 25}, 17}, {{39, 28}, 13}};
  ASSERT_EQ(printed.size(), 35u);
  size_t total = 0;
  int32_t weighted = 0;
  for (int32_t t = 1; t <= shipCount; ++t) {
    for (int32_t slot = TEXT_MAX_SPEED; slot <= TEXT_SECONDARY_ENERGY_DRAIN; ++slot) {
      const auto found = printed.find({t, slot});
      if (found == printed.end()) {
        EXPECT_TRUE(shipText[t][slot].empty()) << t << " " << slot;
      } else {
        EXPECT_EQ(shipText[t][slot].size(), found->second) << t << " " << slot;
        total += shipText[t][slot].size();
        weighted += t * slot;
      }
    }
  }
  EXPECT_EQ(total, 391u);
  EXPECT_EQ(weighted, 17569);
  // The runs of spaces that line up the modes are kept.
  EXPECT_EQ(shipText[SHIP_URBATRON][TEXT_SECONDARY_DAMAGE_TYPE], u"Can / Spc    / Spc");
  EXPECT_EQ(shipText[SHIP_URBATRON][TEXT_SECONDARY_ENERGY_DRAIN], u"1   / 14     / 10");
  EXPECT_EQ(shipText[SHIP_IWOR][TEXT_PRIMARY_DAMAGE_TYPE], u"Cannon    / Cannon");
  EXPECT_EQ(shipText[SHIP_IWOR][TEXT_PRIMARY_ENERGY_DRAIN], u"2         / 5");
  EXPECT_EQ(shipText[SHIP_OTROS][TEXT_SECONDARY_DAMAGE], u"-----");
  EXPECT_EQ(shipText[SHIP_DARBER][TEXT_SECONDARY_DAMAGE], u"33% of armor");
}

TEST_F(CatalogueTexts, DescriptionLinesFitThePanel) {
  const std::u16string allowed =
      u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 %'(),-.:";
  for (int32_t t = 1; t <= shipCount; ++t) {
    SCOPED_TRACE(t);
    int32_t last = 0;
    for (int32_t slot = TEXT_DESCRIPTION_FIRST; slot <= TEXT_DESCRIPTION_LAST; ++slot) {
      const Text& line = shipText[t][slot];
      if (!line.empty()) last = slot;
      EXPECT_LE(line.size(), 47u) << Narrow(line);
      EXPECT_EQ(line.find_first_not_of(allowed), Text::npos) << Narrow(line);
      if (!line.empty()) {
        EXPECT_NE(line.front(), u' ') << Narrow(line);
        EXPECT_NE(line.back(), u' ') << Narrow(line);
      }
    }
    const int32_t lines = last - TEXT_DESCRIPTION_FIRST + 1;
    EXPECT_GE(lines, 4);
    EXPECT_LE(lines, 11);
    // No gap: the only blank line inside a run is the one before a list.
    for (int32_t slot = TEXT_DESCRIPTION_FIRST; slot <= last; ++slot) {
      const bool blankAllowed = (t == SHIP_URBATRON || t == SHIP_KABATA) && slot == 12;
      EXPECT_EQ(shipText[t][slot].empty(), blankAllowed) << "slot " << slot;
    }
    // Prose: starts with a capital, ends a sentence.
    EXPECT_TRUE(shipText[t][TEXT_DESCRIPTION_FIRST][0] >= u'A' &&
                shipText[t][TEXT_DESCRIPTION_FIRST][0] <= u'Z');
    if (t != 4 && t != 27) {
      EXPECT_EQ(shipText[t][last].back(), u'.');
    }
  }
}

TEST_F(CatalogueTexts, PrintedDescriptions) {
  const Text regal[] = {u"The regal can launch moderately powerful",
                        u"missiles with its secondary weapon. They pack",
                        u"more punch than the ship's primary lasers, and",
                        u"they also have a limited homing ability."};
  for (int32_t i = 0; i < 4; ++i)
    EXPECT_EQ(shipText[SHIP_REGAL][TEXT_DESCRIPTION_FIRST + i], regal[i]);
  EXPECT_TRUE(shipText[SHIP_REGAL][9].empty());

  const Text urbatron[] = {u"This ship has a huge, glowing orb attached to",
                           u"it. The orb can shoot just like an ordinary",
                           u"weapon, but it has three different modes of",
                           u"fire. The modes automatically change as time",
                           u"passes, they aren't controllable by the pilot.",
                           u"The current mode is indicated by the orb's",
                           u"color:",
                           u"",
                           u"Red.....a rapid-fire vulcan cannon.",
                           u"Green...powerful triple sonic waves.",
                           u"Blue....starblast, shoots multiple homing shots"};
  for (int32_t i = 0; i < 11; ++i)
    EXPECT_EQ(shipText[SHIP_URBATRON][TEXT_DESCRIPTION_FIRST + i], urbatron[i]);
}

// The figures the descriptions quote are the ship's own.
TEST_F(CatalogueTexts, DescriptionsQuoteTheShipsFigures) {
  auto describes = [](int32_t t, const Text& phrase) {
    Text all;
    for (int32_t slot = TEXT_DESCRIPTION_FIRST; slot <= TEXT_DESCRIPTION_LAST; ++slot) {
      all += shipText[t][slot];
      all += u' ';
    }
    return all.find(phrase) != Text::npos;
  };
  EXPECT_TRUE(describes(6, u"33%"));
  EXPECT_TRUE(describes(7, u"3 points of armor for 8 energy"));
  EXPECT_EQ(shipValue[SHIP_AVRAX][GROUP_SECONDARY][WEAPON_ENERGY_DRAIN], 8.0f);
  EXPECT_TRUE(describes(10, u"3 missile damage"));
  EXPECT_EQ(shipValue[SHIP_FEDZIE][GROUP_SECONDARY][WEAPON_DAMAGE], 3.0f);
  EXPECT_TRUE(describes(12, u"20 beam damage per second"));
  EXPECT_TRUE(describes(22, u"20 cannon damage"));
  EXPECT_EQ(shipValue[SHIP_SJUOG][GROUP_SECONDARY][WEAPON_DAMAGE], 20.0f);
  EXPECT_TRUE(describes(24, u"3.5 missile damage"));
  EXPECT_EQ(shipValue[SHIP_DRONT][GROUP_SECONDARY][WEAPON_DAMAGE], 3.5f);
  EXPECT_TRUE(describes(35, u"8 missile damage"));
  EXPECT_EQ(shipValue[SHIP_SERAX][GROUP_SECONDARY][WEAPON_DAMAGE], 8.0f);
  EXPECT_TRUE(describes(40, u"6 missile damage"));
  EXPECT_EQ(shipValue[SHIP_BIRKEN][GROUP_SECONDARY][WEAPON_DAMAGE], 6.0f);
}

}  // namespace
