// The ship shop, its two questions, the ship database and the ship info
// panel, driven through the real frame loop with scripted clicks and keys.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "catalogue/ships.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/headless.hpp"
#include "platform/sound.hpp"
#include "shell/screens.hpp"
#include "shell/ship_carousel.hpp"
#include "shell/ship_info_panel.hpp"
#include "shell/shop_screens.hpp"
#include "tests/game_pictures.hpp"
#include "tests/shell_harness.hpp"

namespace {

using shellharness::Calls;
using shellharness::Click;
using shellharness::SoundsPlayed;
using shellharness::TapKey;

// Where the pointer touches nothing (above the cards).
constexpr int32_t IDLE_X = 640, IDLE_Y = 150;

std::vector<int32_t> Fleet(int32_t slot) {
  const int32_t* members = fleetTable[slot][FLEET_MEMBER_TYPES];
  return {members + 1, members + 1 + fleetTable[slot][FLEET_HEAD][FLEET_SIZE]};
}

// The value plate's line at height y, "(no line)" when there is none.
Text PanelLineAt(int32_t shipType, int32_t y) {
  PanelLine lines[PANEL_VALUE_ROWS];
  const int32_t count = ShipInfoValueLines(shipType, lines);
  for (int32_t i = 0; i < count; ++i) {
    if (lines[i].y == y) return lines[i].text;
  }
  return u"(no line)";
}

class ShopScreens : public shellharness::ShellTest {
 protected:
  ShopScreens() : ShellTest("qw2_shop_") {}
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShellTest::SetUp());
    Rest();
    RunFrame();  // the main menu brightens in
  }
  shellharness::Media MediaToLoad() const override { return shellharness::Media::PicturesAndStars; }

  // Keys held in one frame, released afterwards.
  static void Press(std::initializer_list<int32_t> keys) {
    for (const int32_t key : keys) HeadlessSetKey(key, true);
    RunFrame();
    for (const int32_t key : keys) HeadlessSetKey(key, false);
  }
  static void Rest() { HeadlessSetMouse(IDLE_X, IDLE_Y, 0); }
  static void Frames(int32_t n) {
    for (int32_t i = 0; i < n; ++i) RunFrame();
  }
  static bool WaitFor(int32_t screen) {
    for (int32_t i = 0; i < 200 && currentScreen != screen; ++i) RunFrame();
    return currentScreen == screen;
  }

  // The first visit's melee (slots 1 and 2 human, custom fleets) with this
  // money, up to the first frame of slot 1's shop.
  static void OpenMeleeShop(int32_t money) {
    Click(640, 400);  // NEW GAME
    Click(640, 560);  // MELEE
    RunFrame();
    for (int32_t slot = 1; slot <= 4; ++slot) {
      fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY] = money;
    }
    Click(842, 860);  // ACCEPT
    Rest();
    ASSERT_TRUE(WaitFor(SCREEN_SHIP_SHOP));
  }
  // Slides with Right until the type is in the centre and the panel is back.
  static void BringToCentre(int32_t shipType) {
    Rest();
    for (int32_t slide = 0; slide <= shipCount && CentreShipType() != shipType; ++slide) {
      Press({KEY_RIGHT});
      Frames(8);
    }
    Frames(9);
    ASSERT_EQ(CentreShipType(), shipType);
  }
};

}  // namespace

// ---------------------------------------------------------------- info panel

TEST(ShipInfoPanel, FormatDamageValue) {
  // The last two are stored just below a short decimal: their digits show.
  const struct {
    float value;
    const char16_t* shown;
  } cases[] = {{5, u"5"},        {0.5f, u"0.5"},     {2.25f, u"2.25"},  {1.125f, u"1.125"},
               {5.05f, u"5.05"}, {12, u"12"},        {12.5f, u"12.5"},  {0, u"-----"},
               {150, u"150."},   {10.05f, u"10.05"}, {2.55f, u"2.549"}, {9.999f, u"9.998"}};
  for (const auto& c : cases) EXPECT_EQ(FormatDamageValue(c.value), Text(c.shown)) << c.value;
}

TEST(ShipInfoPanel, TypeOneAtRest) {
  ResetCatalogue();
  InitShipCatalogue();
  const char16_t* expected[PANEL_VALUE_ROWS] = {u"SHIP.......................Regal",
                                                u"NICKNAME...................Scout",
                                                u"MAXIMUM SPEED (1-100)......60",
                                                u"ACCELERATION (1-100).......20",
                                                u"TURNING RATE (1-100).......30",
                                                u"MAXIMUM ARMOR (1-100)......20",
                                                u"CANNON RESISTANCE (%)......0",
                                                u"BEAM RESISTANCE (%)........10",
                                                u"MISSILE RESISTANCE (%).....0",
                                                u"MAXIMUM ENERGY (1-100).....30",
                                                u"ENERGY RECHARGE TIME (MS)..400",
                                                u"PRIMARY WEAPON.............Needle Lasers",
                                                u"DAMAGE.....................0.75 (x2)",
                                                u"DAMAGE TYPE................BEAM",
                                                u"RELOAD TIME (MS)...........400",
                                                u"ENERGY DRAIN...............4",
                                                u"SECONDARY WEAPON...........Small Homing Missile",
                                                u"DAMAGE.....................4",
                                                u"DAMAGE TYPE................MISSILE",
                                                u"RELOAD TIME (MS)...........2000",
                                                u"ENERGY DRAIN...............6",
                                                u"PRICE......................4"};
  const int32_t ys[PANEL_VALUE_ROWS] = {515, 531, 563, 579, 595, 627, 643, 659, 675, 707, 723,
                                        755, 771, 787, 803, 819, 851, 867, 883, 899, 915, 947};
  PanelLine lines[PANEL_VALUE_ROWS];
  ASSERT_EQ(ShipInfoValueLines(1, lines), PANEL_VALUE_ROWS);
  for (int32_t i = 0; i < PANEL_VALUE_ROWS; ++i) {
    EXPECT_EQ(lines[i].text, Text(expected[i])) << i;
    EXPECT_EQ(lines[i].y, ys[i]) << i;
    // Names and headings in the first colour, values in the second.
    const bool name = i == 0 || i == 1 || i == 11 || i == 16;
    EXPECT_EQ(lines[i].colourRow, name ? PANEL_NAMES : PANEL_VALUES) << i;
  }
}

TEST(ShipInfoPanel, OverridesAndWeaponsWithoutDamage) {
  ResetCatalogue();
  InitShipCatalogue();
  const struct {
    int32_t type, y;
    const char16_t* line;
  } cases[] = {
      {4, 771, u"DAMAGE.....................2.25 (x2)"},
      {4, 787, u"DAMAGE TYPE................CANNON"},
      {4, 867, u"DAMAGE.....................1.5 / 4 (x3) / 1 (x9)"},
      {4, 883, u"DAMAGE TYPE................Can / Spc    / Spc"},
      {4, 899, u"RELOAD TIME (MS)...........100 / 1400   / 2000"},
      {17, 563, u"MAXIMUM SPEED (1-100)......70 / 30"},
      {17, 627, u"MAXIMUM ARMOR (1-100)......40"},
      // Two shots, but the override replaces the whole figure.
      {17, 771, u"DAMAGE.....................0.75 (x2) / 2"},
      {17, 787, u"DAMAGE TYPE................Cannon    / Cannon"},
      {27, 643, u"CANNON RESISTANCE (%)......50 or -25"},
      {27, 675, u"MISSILE RESISTANCE (%).....50 or -25"},
      {3, 643, u"CANNON RESISTANCE (%)......-15"},
      {3, 771, u"DAMAGE.....................0.75 (x15)"},
      // Type 2's sticky bolt: no damage, one shot.
      {2, 867, u"DAMAGE.....................-----"},
      {2, 883, u"DAMAGE TYPE................-----"},
  };
  for (const auto& c : cases) EXPECT_EQ(PanelLineAt(c.type, c.y), Text(c.line)) << c.type;
  ASSERT_GT(shipValue[SHIP_IWOR][GROUP_PRIMARY][WEAPON_SHOT_COUNT], 1);

  // With several shots the suffix follows the dashes; a damage type the
  // panel does not know draws no line, type 5 shows as special.
  shipValue[SHIP_GARM][GROUP_SECONDARY][WEAPON_SHOT_COUNT] = 3;
  EXPECT_EQ(PanelLineAt(SHIP_GARM, 867), Text(u"DAMAGE.....................----- (x3)"));
  shipValue[SHIP_GARM][GROUP_PRIMARY][WEAPON_DAMAGE_TYPE] = 6;
  PanelLine lines[PANEL_VALUE_ROWS];
  EXPECT_EQ(ShipInfoValueLines(2, lines), PANEL_VALUE_ROWS - 1);
  EXPECT_EQ(PanelLineAt(SHIP_GARM, 787), Text(u"(no line)"));
  shipValue[SHIP_GARM][GROUP_PRIMARY][WEAPON_DAMAGE_TYPE] = DAMAGE_TYPE_NONE;
  EXPECT_EQ(PanelLineAt(SHIP_GARM, 787), Text(u"DAMAGE TYPE................SPECIAL"));
  ResetCatalogue();
}

// ---------------------------------------------------------------- the shop

TEST_F(ShopScreens, CarouselStepsWrapAndThePanel) {
  OpenMeleeShop(10);
  EXPECT_EQ(shopPlayer, 1);
  EXPECT_EQ(musicTrack, TRACK_SHIPSHOP);
  EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], 3);

  // Right held for one frame, the pointer resting on the centre card.
  HeadlessSetMouse(640, 330, 0);
  RunFrame();
  EXPECT_EQ(hoverLightX, 522);
  EXPECT_FLOAT_EQ(hoverLightScaleX, 3.94f);
  ClearAudioCallLog();
  Press({KEY_RIGHT});
  for (int32_t f = 1; f <= 19; ++f) {
    SCOPED_TRACE(testing::Message() << "frame " << f);
    EXPECT_EQ(shipCarousel[CAROUSEL_OFFSET], f <= 8 ? -28 * f : 0);
    EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], f <= 8 ? 3 : 4);
    // Out over the nine frames of the slide, back over the next nine.
    EXPECT_EQ(shipCarousel[CAROUSEL_PANEL_OFFSET],
              f <= 9 ? 72 * f : std::max(0, 648 - 72 * (f - 9)));
    EXPECT_EQ(carouselAtRest, f >= 10 ? 1 : 0);
    EXPECT_EQ(hoverLightX, f >= 10 ? 522 : -2000) << "the card's light only at rest";
    RunFrame();
  }
  EXPECT_EQ(SoundsPlayed(slideSound), 1u);
  EXPECT_FALSE(SoundChannelBusy(slideChannel)) << "stopped at rest";

  // One wrap at either end of what is on offer.
  for (const int32_t bonus : {0, 5, maxBonusShips}) {
    bonusShipsUnlocked = bonus;
    shipCarousel[CAROUSEL_POSITION] = 1;
    Press({KEY_LEFT});
    Frames(8);
    EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], baseShipCount + bonus);
    Press({KEY_RIGHT});
    Frames(8);
    EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], 1);
  }

  // Both keys slide to the next ship; the pointer on an edge slides too.
  const struct {
    int32_t x, y;
    bool left, right;
    int32_t direction;
  } starts[] = {{IDLE_X, IDLE_Y, true, true, SLIDE_NEXT},
                {83, 221, false, false, SLIDE_PREVIOUS},
                {84, 300, false, false, SLIDE_IDLE},
                {83, 451, false, false, SLIDE_IDLE},
                {1197, 450, true, false, SLIDE_NEXT}};
  for (const auto& s : starts) {
    Frames(9);
    HeadlessSetMouse(s.x, s.y, 0);
    HeadlessSetKey(KEY_LEFT, s.left);
    HeadlessSetKey(KEY_RIGHT, s.right);
    RunFrame();
    EXPECT_EQ(shipCarousel[CAROUSEL_DIRECTION], s.direction) << s.x << "," << s.y;
    HeadlessSetKey(KEY_LEFT, false);
    HeadlessSetKey(KEY_RIGHT, false);
    Rest();
  }
}

TEST_F(ShopScreens, BuyAndSellWithinTheMoneyAndTheThirtyShips) {
  OpenMeleeShop(10);
  // Nothing to accept yet: Space and ACCEPT sound the alarm and stay.
  ClearAudioCallLog();
  Press({KEY_SPACE});
  Click(842, 1000);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
  EXPECT_EQ(SoundsPlayed(alarmSound), 2u);

  BringToCentre(SHIP_REGAL);
  ClearAudioCallLog();
  TapKey(KEY_ENTER);
  TapKey(KEY_ENTER);
  BringToCentre(SHIP_WENDE);
  Click(640, 330);  // the centre card
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{SHIP_REGAL, SHIP_REGAL, SHIP_WENDE}));
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 0) << "exactly the prices";
  EXPECT_EQ(SoundsPlayed(tickSound), 3u);
  TapKey(KEY_ENTER);  // too little money
  EXPECT_EQ(SoundsPlayed(alarmSound), 1u);
  EXPECT_EQ(Fleet(1).size(), 3u);

  // A click on member 1 sells it and closes the gap; the right button and
  // Backspace sell the last one; an empty fleet sells nothing.
  Click(610, 510);
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{SHIP_REGAL, SHIP_WENDE}));
  EXPECT_EQ(fleetTable[1][FLEET_MEMBER_TYPES][3], 0);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 4);
  EXPECT_EQ(hoverLightX, 609) << "a fleet cell's light";
  Click(IDLE_X, IDLE_Y, 2);
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{SHIP_REGAL}));
  TapKey(KEY_BACKSPACE);
  TapKey(KEY_BACKSPACE);
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{}));
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 10);
  EXPECT_EQ(SoundsPlayed(deleteSound), 3u);

  // A click on a card buys its ship while the carousel slides; Enter then
  // buys the ship sliding into the centre.
  fleetTable[1][FLEET_HEAD][FLEET_MONEY] = 100;
  const int32_t centre = shipCarousel[CAROUSEL_POSITION];
  HeadlessSetKey(KEY_RIGHT, true);
  HeadlessSetMouse(290, 330, 1);  // card 2 of the five
  RunFrame();
  HeadlessSetKey(KEY_RIGHT, false);
  HeadlessSetMouse(290, 330, 0);
  Press({KEY_ENTER});
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{shipOrder[WrapShipPosition(centre - 1)],
                                            shipOrder[WrapShipPosition(centre + 1)]}));

  // Thirty ships whatever the money: the 31st sounds the alarm.
  fleetTable[1][FLEET_HEAD][FLEET_MONEY] = 600;
  Rest();
  Frames(10);
  while (Fleet(1).size() < 30) TapKey(KEY_ENTER);
  const int32_t money = fleetTable[1][FLEET_HEAD][FLEET_MONEY];
  ClearAudioCallLog();
  TapKey(KEY_ENTER);
  EXPECT_EQ(SoundsPlayed(alarmSound), 1u);
  EXPECT_EQ(Fleet(1).size(), 30u);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], money);
  Click(607 + 66 * 9 + 64, 500 + 66 * 2 + 64);  // member 30, at its cell's corner
  EXPECT_EQ(Fleet(1).size(), 29u);
}

TEST_F(ShopScreens, TwoShoppersThenTheMatchWithTheFleetsBought) {
  OpenMeleeShop(10);
  BringToCentre(SHIP_REGAL);
  TapKey(KEY_ENTER);
  TapKey(KEY_ENTER);
  BringToCentre(SHIP_WENDE);
  TapKey(KEY_ENTER);
  Press({KEY_SPACE});
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_FLEET);
  // Slot 2 shops next: no fade, the music plays on.
  ClearAudioCallLog();
  Press({KEY_Y});
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(fadePhase, FADE_NONE);
  ASSERT_TRUE(WaitFor(SCREEN_SHIP_SHOP));
  EXPECT_EQ(shopPlayer, 2);
  EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], 3);
  EXPECT_EQ(Calls("FSOUND_"), 0u) << "the shop music went on";

  BringToCentre(SHIP_WENDE);
  for (int32_t i = 0; i < 5; ++i) TapKey(KEY_ENTER);
  Click(842, 1000);  // ACCEPT
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_FLEET);
  // The last shopper's yes fades the screen and the music; then the match.
  ClearAudioCallLog();
  Click(580, 700);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 20u);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_EQ(shopPlayer, 0);
  const std::vector<int32_t> bought[3] = {
      {},
      {SHIP_REGAL, SHIP_REGAL, SHIP_WENDE},
      {SHIP_WENDE, SHIP_WENDE, SHIP_WENDE, SHIP_WENDE, SHIP_WENDE}};
  for (int32_t slot = 1; slot <= 2; ++slot) {
    EXPECT_EQ(Fleet(slot), bought[slot]);
    for (int32_t member = 1; member <= maxFleetSize; ++member) {
      const size_t k = static_cast<size_t>(member);
      const int32_t shipType = k <= bought[slot].size() ? bought[slot][k - 1] : 0;
      EXPECT_EQ(replayData[member][slot][REPLAY_FLEET_MEMBER], shipType) << slot << "," << member;
    }
  }
  Frames(200);
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
}

TEST_F(ShopScreens, TheQuestionsAnswers) {
  OpenMeleeShop(10);
  TapKey(KEY_ENTER);
  // Confirmation: N, Escape and a click on N go back to the shop.
  for (const int32_t no : {KEY_N, KEY_ESCAPE, 0}) {
    Press({KEY_SPACE});
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_CONFIRM_FLEET);
    ClearAudioCallLog();
    no == 0 ? Click(700, 700) : Press({no});
    EXPECT_EQ(SoundsPlayed(tickSound), no == 0 ? 1u : 0u) << "only the click ticks";
    RunFrame();
    EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
    Rest();
  }
  // Y with N or Escape, the last shopper: the no stands whole, without the
  // yes's fade or music fade.
  for (const int32_t no : {KEY_N, KEY_ESCAPE}) {
    Press({KEY_SPACE});
    RunFrame();
    shopPlayer = 2;
    ClearAudioCallLog();
    Press({KEY_Y, no});
    EXPECT_EQ(pendingScreen, SCREEN_SHIP_SHOP);
    EXPECT_EQ(fadePhase, FADE_NONE);
    EXPECT_EQ(musicFadeVolume, 0);
    EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u);
    shopPlayer = 1;
    RunFrame();
  }

  // Abort: N and a click on N keep everything.
  Press({KEY_ESCAPE});
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_ABORT_SHOP);
  Press({KEY_N});
  RunFrame();
  Click(440, 1000);  // ABORT
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_ABORT_SHOP);
  Click(700, 550);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
  EXPECT_EQ(Fleet(1).size(), 1u);

  // Y and N together: the yes wins and empties every fleet; the money stays.
  fleetTable[3][FLEET_HEAD][FLEET_SIZE] = 2;
  fleetTable[3][FLEET_MEMBER_TYPES][2] = SHIP_NALEN;
  Press({KEY_ESCAPE});
  RunFrame();
  ClearAudioCallLog();
  Press({KEY_Y, KEY_N});
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u) << "a fade without the music";
  EXPECT_EQ(shopPlayer, 0);
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(Fleet(slot), (std::vector<int32_t>{})) << slot;
    EXPECT_EQ(fleetTable[slot][FLEET_MEMBER_TYPES][2], 0) << slot;
  }
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 6);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);

  // A new game then shops from player 1 again: nobody enters a match with an
  // empty fleet.
  Click(640, 400);
  Click(640, 480);  // CHALLENGE
  RunFrame();
  Click(842, 720);  // ACCEPT
  Rest();
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(shopPlayer, 1);
  EXPECT_TRUE(WaitFor(SCREEN_SHIP_SHOP));
}

TEST_F(ShopScreens, TheSlideSoundStopsOnEveryWayOut) {
  OpenMeleeShop(10);
  TapKey(KEY_ENTER);
  // Space, ACCEPT, Escape, ABORT in the middle of a slide.
  const struct {
    int32_t key, x, y;
  } exits[] = {{KEY_SPACE, 0, 0}, {0, 842, 1000}, {KEY_ESCAPE, 0, 0}, {0, 440, 1000}};
  for (const auto& exit : exits) {
    Rest();
    Press({KEY_RIGHT});
    RunFrame();
    ASSERT_TRUE(SoundChannelBusy(slideChannel));
    if (exit.key != 0) {
      Press({exit.key});
    } else {
      HeadlessSetMouse(exit.x, exit.y, 1);
      RunFrame();
      HeadlessSetMouse(exit.x, exit.y, 0);
    }
    EXPECT_NE(pendingScreen, 0);
    EXPECT_FALSE(SoundChannelBusy(slideChannel)) << exit.key << " " << exit.x;
    RunFrame();
    Press({KEY_N});
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_SHIP_SHOP);
    Frames(20);
  }
}

// ---------------------------------------------------------------- the database

TEST_F(ShopScreens, TheDatabaseOffersEveryAvailableTypeAndReturns) {
  for (const int32_t bonus : {0, 7, -1}) {
    if (bonus < 0) Click(1046, 931);  // the hidden spot: cheat mode
    if (bonus >= 0) bonusShipsUnlocked = bonus;
    const int32_t available = bonus >= 0 ? baseShipCount + bonus : shipCount;
    Click(640, 480);  // SHIP DATABASE
    Rest();
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_SHIP_DATABASE);
    EXPECT_EQ(CentreShipType(), SHIP_REGAL) << "it opens on the Regal";
    EXPECT_EQ(musicTrack, TRACK_MENU);

    // Card after card until the carousel is back where it began.
    std::vector<int32_t> shown = {CentreShipType()};
    HeadlessSetKey(KEY_RIGHT, true);
    for (int32_t f = 0; f < 9 * available; ++f) {
      RunFrame();
      if (shipCarousel[CAROUSEL_OFFSET] == 0) shown.push_back(CentreShipType());
    }
    ASSERT_EQ(static_cast<int32_t>(shown.size()), available + 1);
    EXPECT_EQ(shown.front(), shown.back());
    std::set<int32_t> offered;
    for (int32_t p = 1; p <= available; ++p) offered.insert(shipOrder[p]);
    EXPECT_EQ(std::set<int32_t>(shown.begin(), shown.end()), offered) << bonus;

    // Escape mid-slide stops the sound and fades back to the menu.
    RunFrame();
    HeadlessSetKey(KEY_RIGHT, false);
    ASSERT_TRUE(SoundChannelBusy(slideChannel));
    Press({KEY_ESCAPE});
    EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
    EXPECT_EQ(fadePhase, FADE_IN);
    EXPECT_FALSE(SoundChannelBusy(slideChannel));
    RunFrame();
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  }

  // Enter, clicks on cards, the right button and Backspace do nothing; DONE
  // leaves, also mid-slide.
  Click(640, 480);
  RunFrame();
  ClearAudioCallLog();
  Press({KEY_ENTER, KEY_BACKSPACE});
  Click(640, 330, 3);
  EXPECT_EQ(Calls("PlaySoundOnChannel"), 0u);
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{}));
  EXPECT_EQ(pendingScreen, 0);
  Rest();
  Press({KEY_LEFT});
  Click(640, 1000);  // DONE
  EXPECT_EQ(SoundsPlayed(tickSound), 1u);
  EXPECT_FALSE(SoundChannelBusy(slideChannel));
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
}

// ---------------------------------------------------------------- pictures

namespace {

using shellharness::NextPicture;

// The first row from y0 in which the pictures differ between x0 and x1.
int32_t FirstDifferentRow(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
                          int32_t x0, int32_t x1, int32_t y0) {
  for (int32_t y = y0; y < 1024; ++y) {
    for (int32_t x = x0; x < x1; ++x) {
      if (a[y * 1280u + x] != b[y * 1280u + x]) return y;
    }
  }
  return -1;
}

}  // namespace

TEST_F(ShopScreens, ThePanelLeavesTheScreenAndEachDescriptionPlateLiesInItsPlace) {
  OpenMeleeShop(10);
  TapKey(KEY_ENTER);
  TapKey(KEY_ENTER);
  HeadlessSetMouse(611, 510, 0);
  const std::vector<uint32_t> shop = NextPicture("shop.png");
  Rest();
  HeadlessSetKey(KEY_RIGHT, true);
  Frames(4);
  HeadlessSetKey(KEY_RIGHT, false);
  NextPicture("shop_sliding.png");
  Frames(3);
  const std::vector<uint32_t> panelOut = NextPicture("shop_panel_out.png");
  ASSERT_EQ(shipCarousel[CAROUSEL_PANEL_OFFSET], 648);
  // Below the fleet grid the description plate begins at y 739; below the
  // panel nothing moved.
  EXPECT_EQ(FirstDifferentRow(shop, panelOut, 800, 1200, 700), 739);
  EXPECT_EQ(FirstDifferentRow(shop, panelOut, 560, 760, 990), -1);

  Press({KEY_SPACE});
  NextPicture("confirm_fleet.png");
  Press({KEY_ESCAPE});
  RunFrame();
  Press({KEY_ESCAPE});
  NextPicture("confirm_abort.png");
  Press({KEY_Y});
  RunFrame();
  Click(640, 480);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_SHIP_DATABASE);
  const std::vector<uint32_t> database = NextPicture("database.png");
  HeadlessSetKey(KEY_LEFT, true);
  Frames(9);
  HeadlessSetKey(KEY_LEFT, false);
  const std::vector<uint32_t> databaseOut = NextPicture("database_panel_out.png");
  // The database's plate lies at y 709.
  EXPECT_EQ(FirstDifferentRow(database, databaseOut, 800, 1200, 680), 709);
}
