// The ship shop, its two questions, the ship database and the ship info
// panel, driven through the real frame loop with scripted clicks and keys.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "media/embedded_media.hpp"
#include "platform/display.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "platform/sound.hpp"
#include "shell/media_load.hpp"
#include "shell/screens.hpp"
#include "shell/ship_carousel.hpp"
#include "shell/ship_info_panel.hpp"
#include "shell/shop_screens.hpp"
#include "shell/startup_tables.hpp"
#include "tests/test_folder.hpp"

namespace {

constexpr int32_t KEY_BACKSPACE = 8;
constexpr int32_t KEY_ENTER = 13;
constexpr int32_t KEY_ESCAPE = 27;
constexpr int32_t KEY_SPACE = 32;
constexpr int32_t KEY_LEFT = 37;
constexpr int32_t KEY_RIGHT = 39;
constexpr int32_t KEY_N = 78;
constexpr int32_t KEY_Y = 89;

// Where the pointer rests when it should touch nothing (above the cards).
constexpr int32_t IDLE_X = 640;
constexpr int32_t IDLE_Y = 150;

float Price(int32_t shipType) { return shipValue[shipType][GROUP_HULL][HULL_PRICE]; }

std::vector<int32_t> Fleet(int32_t slot) {
  std::vector<int32_t> members;
  for (int32_t k = 1; k <= fleetTable[slot][FLEET_HEAD][FLEET_SIZE]; ++k) {
    members.push_back(fleetTable[slot][FLEET_MEMBER_TYPES][k]);
  }
  return members;
}

class ShopScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace("qw2_shop_");
    UseHeadlessBackend(true);
    ResetPlatformDisplay();
    ResetMusic();
    ResetShell();
    ResetCatalogue();
    InitShipCatalogue();
    InitExplosionTypes();
    ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
    SetUpTeamNames();
    SetUpStartupTables();
    RegisterEmbeddedMedia();
    FillGlyphTables();
    LoadFontImages();
    LoadGameMedia();
    ASSERT_NE(slideSound, 0);
    fadePhase = FADE_IN;
    HeadlessSetMouse(IDLE_X, IDLE_Y, 0);
    RunFrame();  // the main menu brightens in
    ClearAudioCallLog();
  }
  void TearDown() override {
    ResetPlatformDisplay();
    ResetMusic();
    ResetShell();
    folder_.reset();
  }

  // Moves there, presses the buttons in the next frame (which runs) and lets
  // go; the pointer stays there.
  static void Click(int32_t x, int32_t y, int32_t buttons = 1) {
    HeadlessSetMouse(x, y, 0);
    RunFrame();
    HeadlessSetMouse(x, y, buttons);
    RunFrame();
    HeadlessSetMouse(x, y, 0);
  }
  static void PressKey(int32_t key) {
    HeadlessSetKey(key, true);
    RunFrame();
    HeadlessSetKey(key, false);
  }
  // A press and a frame with the key up, so that the next press counts again.
  static void TapKey(int32_t key) {
    PressKey(key);
    RunFrame();
  }
  static void Rest() { HeadlessSetMouse(IDLE_X, IDLE_Y, 0); }

  static size_t Calls(const std::string& line) {
    size_t n = 0;
    for (const std::string& call : AudioCallLog()) n += call.rfind(line, 0) == 0 ? 1 : 0;
    return n;
  }
  static size_t Played(int32_t sound) {
    return Calls("PlaySoundOnChannel " + std::to_string(sound) + " 0");
  }

  // A melee with slots 1 and 2 human and custom (the first visit's set-up),
  // each with this money, up to the first frame of slot 1's shop.
  static void OpenMeleeShop(int32_t money) {
    Click(640, 400);  // NEW GAME
    Click(640, 560);  // MELEE
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_MELEE_SETUP);
    for (int32_t slot = 1; slot <= 4; ++slot) {
      fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY] = money;
    }
    Click(842, 860);  // ACCEPT
    Rest();
    ASSERT_TRUE(WaitForScreen(SCREEN_SHIP_SHOP));
  }
  static bool WaitForScreen(int32_t screen) {
    for (int32_t i = 0; i < 200 && currentScreen != screen; ++i) RunFrame();
    return currentScreen == screen;
  }

  // Holds Right until the ship type is in the centre card, then lets go and
  // lets the carousel come to rest.
  static void BringToCentre(int32_t shipType) {
    Rest();
    for (int32_t slide = 0; slide <= shipCount && CentreShipType() != shipType; ++slide) {
      HeadlessSetKey(KEY_RIGHT, true);
      RunFrame();
      HeadlessSetKey(KEY_RIGHT, false);
      for (int32_t f = 0; f < 8; ++f) RunFrame();
    }
    for (int32_t f = 0; f < 9; ++f) RunFrame();
    ASSERT_EQ(CentreShipType(), shipType);
    ASSERT_EQ(shipCarousel[CAROUSEL_PANEL_OFFSET], 0);
  }

  std::optional<TestFolder> folder_;
};

}  // namespace

// ---------------------------------------------------------------- info panel

TEST(ShipInfoPanel, FormatDamageValueKeepsTheSignificantCharacters) {
  const struct {
    float value;
    const char16_t* shown;
  } cases[] = {
      {5, u"5"},
      {0.5f, u"0.5"},
      {2.25f, u"2.25"},
      {1.125f, u"1.125"},
      {5.05f, u"5.05"},
      {12, u"12"},
      {12.5f, u"12.5"},
      {0, u"-----"},
      {150, u"150."},
      {100, u"100."},
      {0.75f, u"0.75"},
      {10.05f, u"10.05"},
      {1.001f, u"1.001"},
      // Stored just below a short decimal: the digits of the stored value.
      {2.55f, u"2.549"},
      {9.999f, u"9.998"},
      {0.3f, u"0.3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDamageValue(c.value), Text(c.shown)) << c.value;
  }
}

TEST(ShipInfoPanel, TypeOneAtRest) {
  ResetCatalogue();
  InitShipCatalogue();
  PanelLine lines[PANEL_VALUE_ROWS];
  ASSERT_EQ(ShipInfoValueLines(1, lines), PANEL_VALUE_ROWS);
  const struct {
    int32_t y, colourRow;
    const char16_t* text;
  } expected[PANEL_VALUE_ROWS] = {
      {515, PANEL_NAMES, u"SHIP.......................Regal"},
      {531, PANEL_NAMES, u"NICKNAME...................Scout"},
      {563, PANEL_VALUES, u"MAXIMUM SPEED (1-100)......60"},
      {579, PANEL_VALUES, u"ACCELERATION (1-100).......20"},
      {595, PANEL_VALUES, u"TURNING RATE (1-100).......30"},
      {627, PANEL_VALUES, u"MAXIMUM ARMOR (1-100)......20"},
      {643, PANEL_VALUES, u"CANNON RESISTANCE (%)......0"},
      {659, PANEL_VALUES, u"BEAM RESISTANCE (%)........10"},
      {675, PANEL_VALUES, u"MISSILE RESISTANCE (%).....0"},
      {707, PANEL_VALUES, u"MAXIMUM ENERGY (1-100).....30"},
      {723, PANEL_VALUES, u"ENERGY RECHARGE TIME (MS)..400"},
      {755, PANEL_NAMES, u"PRIMARY WEAPON.............Needle Lasers"},
      {771, PANEL_VALUES, u"DAMAGE.....................0.75 (x2)"},
      {787, PANEL_VALUES, u"DAMAGE TYPE................BEAM"},
      {803, PANEL_VALUES, u"RELOAD TIME (MS)...........400"},
      {819, PANEL_VALUES, u"ENERGY DRAIN...............4"},
      {851, PANEL_NAMES, u"SECONDARY WEAPON...........Small Homing Missile"},
      {867, PANEL_VALUES, u"DAMAGE.....................4"},
      {883, PANEL_VALUES, u"DAMAGE TYPE................MISSILE"},
      {899, PANEL_VALUES, u"RELOAD TIME (MS)...........2000"},
      {915, PANEL_VALUES, u"ENERGY DRAIN...............6"},
      {947, PANEL_VALUES, u"PRICE......................4"},
  };
  for (int32_t i = 0; i < PANEL_VALUE_ROWS; ++i) {
    EXPECT_EQ(lines[i].y, expected[i].y) << i;
    EXPECT_EQ(lines[i].colourRow, expected[i].colourRow) << i;
    EXPECT_EQ(lines[i].text, Text(expected[i].text)) << i;
  }
}

TEST(ShipInfoPanel, OverridesReplaceTheNumberAndTheShotCount) {
  ResetCatalogue();
  InitShipCatalogue();
  auto lineAt = [](int32_t shipType, int32_t y) {
    PanelLine lines[PANEL_VALUE_ROWS];
    const int32_t count = ShipInfoValueLines(shipType, lines);
    for (int32_t i = 0; i < count; ++i) {
      if (lines[i].y == y) return lines[i].text;
    }
    return Text(u"(no line)");
  };
  // Type 4: the primary from its numbers, the secondary's four lines overridden.
  EXPECT_EQ(lineAt(4, 771), Text(u"DAMAGE.....................2.25 (x2)"));
  EXPECT_EQ(lineAt(4, 787), Text(u"DAMAGE TYPE................CANNON"));
  EXPECT_EQ(lineAt(4, 867), Text(u"DAMAGE.....................1.5 / 4 (x3) / 1 (x9)"));
  EXPECT_EQ(lineAt(4, 883), Text(u"DAMAGE TYPE................Can / Spc    / Spc"));
  EXPECT_EQ(lineAt(4, 899), Text(u"RELOAD TIME (MS)...........100 / 1400   / 2000"));
  EXPECT_EQ(lineAt(4, 915), Text(u"ENERGY DRAIN...............1   / 14     / 10"));
  // Type 17: flight values and a damage override on a weapon of two shots,
  // which then shows no suffix of its own.
  ASSERT_GT(shipValue[17][GROUP_PRIMARY][WEAPON_SHOT_COUNT], 1);
  EXPECT_EQ(lineAt(17, 563), Text(u"MAXIMUM SPEED (1-100)......70 / 30"));
  EXPECT_EQ(lineAt(17, 579), Text(u"ACCELERATION (1-100).......35 / 35"));
  EXPECT_EQ(lineAt(17, 595), Text(u"TURNING RATE (1-100).......50 / 20"));
  EXPECT_EQ(lineAt(17, 627), Text(u"MAXIMUM ARMOR (1-100)......40"));
  EXPECT_EQ(lineAt(17, 771), Text(u"DAMAGE.....................0.75 (x2) / 2"));
  EXPECT_EQ(lineAt(17, 787), Text(u"DAMAGE TYPE................Cannon    / Cannon"));
  // Type 27: the three resistances.
  for (const int32_t y : {643, 659, 675}) {
    EXPECT_EQ(TextSlice(lineAt(27, y), 28, -1), Text(u"50 or -25")) << y;
  }
  EXPECT_EQ(lineAt(27, 627),
            JoinText(u"MAXIMUM ARMOR (1-100)......",
                     IntToText(static_cast<int32_t>(shipValue[27][GROUP_HULL][HULL_MAX_ARMOR]))));
  // A negative resistance and fifteen shots.
  EXPECT_EQ(lineAt(3, 643), Text(u"CANNON RESISTANCE (%)......-15"));
  EXPECT_EQ(lineAt(3, 771), Text(u"DAMAGE.....................0.75 (x15)"));
}

TEST(ShipInfoPanel, WeaponsWithoutDamage) {
  ResetCatalogue();
  InitShipCatalogue();
  auto lineAt = [](int32_t y) {
    PanelLine lines[PANEL_VALUE_ROWS];
    const int32_t count = ShipInfoValueLines(2, lines);
    for (int32_t i = 0; i < count; ++i) {
      if (lines[i].y == y) return lines[i].text;
    }
    return Text(u"(no line)");
  };
  // Type 2's sticky bolt: no damage, one shot.
  ASSERT_EQ(shipValue[2][GROUP_SECONDARY][WEAPON_DAMAGE], 0);
  ASSERT_EQ(shipValue[2][GROUP_SECONDARY][WEAPON_SHOT_COUNT], 1);
  EXPECT_EQ(lineAt(867), Text(u"DAMAGE.....................-----"));
  EXPECT_EQ(lineAt(883), Text(u"DAMAGE TYPE................-----"));
  // With several shots the suffix follows the dashes.
  shipValue[2][GROUP_SECONDARY][WEAPON_SHOT_COUNT] = 3;
  EXPECT_EQ(lineAt(867), Text(u"DAMAGE.....................----- (x3)"));
  // A damage type the panel does not know draws no line at all.
  shipValue[2][GROUP_PRIMARY][WEAPON_DAMAGE_TYPE] = 6;
  PanelLine lines[PANEL_VALUE_ROWS];
  EXPECT_EQ(ShipInfoValueLines(2, lines), PANEL_VALUE_ROWS - 1);
  EXPECT_EQ(lineAt(787), Text(u"(no line)"));
  shipValue[2][GROUP_PRIMARY][WEAPON_DAMAGE_TYPE] = DAMAGE_TYPE_NONE;
  EXPECT_EQ(lineAt(787), Text(u"DAMAGE TYPE................SPECIAL"));
  ResetCatalogue();
}

// ---------------------------------------------------------------- carousel

TEST_F(ShopScreens, CarouselSlidesInNineFramesAndThePanelGoesOutAndBack) {
  OpenMeleeShop(10);
  EXPECT_EQ(shopPlayer, 1);
  EXPECT_EQ(musicTrack, TRACK_SHIPSHOP);
  EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], 3);
  EXPECT_EQ(CentreShipType(), shipOrder[3]);

  // The pointer rests on the centre card: lit while at rest.
  HeadlessSetMouse(640, 330, 0);
  RunFrame();
  EXPECT_EQ(hoverLightX, 522);
  EXPECT_EQ(hoverLightY, 221);
  EXPECT_FLOAT_EQ(hoverLightScaleX, 3.94f);
  EXPECT_FLOAT_EQ(hoverLightScaleY, 3.84f);

  ClearAudioCallLog();
  HeadlessSetKey(KEY_RIGHT, true);
  RunFrame();
  HeadlessSetKey(KEY_RIGHT, false);
  // Frame by frame: offset, panel offset, position, at rest, light x.
  struct Step {
    int32_t offset, panel, position, atRest, lightX;
  };
  std::vector<Step> seen = {{shipCarousel[CAROUSEL_OFFSET], shipCarousel[CAROUSEL_PANEL_OFFSET],
                             shipCarousel[CAROUSEL_POSITION], carouselAtRest, hoverLightX}};
  for (int32_t f = 2; f <= 19; ++f) {
    RunFrame();
    seen.push_back({shipCarousel[CAROUSEL_OFFSET], shipCarousel[CAROUSEL_PANEL_OFFSET],
                    shipCarousel[CAROUSEL_POSITION], carouselAtRest, hoverLightX});
  }
  for (int32_t f = 1; f <= 19; ++f) {
    const Step& s = seen[f - 1];
    SCOPED_TRACE(testing::Message() << "frame " << f);
    if (f <= 8) {
      EXPECT_EQ(s.offset, -28 * f);
      EXPECT_EQ(s.position, 3);
    } else {
      EXPECT_EQ(s.offset, 0);
      EXPECT_EQ(s.position, 4);
    }
    // Out over the nine frames of the slide, back over the next nine.
    EXPECT_EQ(s.panel, f <= 9 ? 72 * f : std::max(0, 648 - 72 * (f - 9)));
    EXPECT_EQ(s.atRest, f >= 10 ? 1 : 0);
    EXPECT_EQ(s.lightX, f >= 10 ? 522 : -2000) << "the card light only at rest";
  }
  EXPECT_EQ(CentreShipType(), shipOrder[4]);
  EXPECT_EQ(Played(slideSound), 1u);
  EXPECT_FALSE(SoundChannelBusy(slideChannel)) << "stopped at rest";

  // Left then brings it back; a held key keeps sliding card after card.
  HeadlessSetKey(KEY_LEFT, true);
  for (int32_t f = 0; f < 27; ++f) RunFrame();
  HeadlessSetKey(KEY_LEFT, false);
  EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], 1);
  EXPECT_EQ(shipCarousel[CAROUSEL_PANEL_OFFSET], 648) << "out for the whole held slide";
  EXPECT_EQ(shipCarousel[CAROUSEL_DIRECTION], SLIDE_IDLE);
}

TEST_F(ShopScreens, CarouselWrapsOnceAtBothEndsOfTheOffer) {
  OpenMeleeShop(10);
  // From position 1 a step back lands on the last ship on offer, and on.
  for (const int32_t bonus : {0, 5, maxBonusShips}) {
    bonusShipsUnlocked = bonus;
    const int32_t last = baseShipCount + bonus;
    shipCarousel[CAROUSEL_POSITION] = 1;
    PressKey(KEY_LEFT);
    for (int32_t f = 0; f < 8; ++f) RunFrame();
    EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], last) << bonus;
    EXPECT_EQ(CentreShipType(), shipOrder[last]);
    PressKey(KEY_RIGHT);
    for (int32_t f = 0; f < 8; ++f) RunFrame();
    EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], 1) << bonus;
  }
  bonusShipsUnlocked = 0;
  for (int32_t f = 0; f < 9; ++f) RunFrame();

  // Both keys: towards the next ship. The pointer on either edge slides too.
  const struct {
    int32_t x, y;
    bool left, right;
    int32_t direction;
  } starts[] = {
      {IDLE_X, IDLE_Y, true, true, SLIDE_NEXT}, {83, 300, false, false, SLIDE_PREVIOUS},
      {84, 300, false, false, SLIDE_IDLE},      {83, 220, false, false, SLIDE_IDLE},
      {83, 221, false, false, SLIDE_PREVIOUS},  {83, 450, false, false, SLIDE_PREVIOUS},
      {83, 451, false, false, SLIDE_IDLE},      {1197, 300, false, false, SLIDE_NEXT},
      {1196, 300, false, false, SLIDE_IDLE},    {83, 300, false, true, SLIDE_PREVIOUS},
      {1197, 300, true, false, SLIDE_NEXT},
  };
  for (const auto& s : starts) {
    HeadlessSetMouse(s.x, s.y, 0);
    HeadlessSetKey(KEY_LEFT, s.left);
    HeadlessSetKey(KEY_RIGHT, s.right);
    RunFrame();
    EXPECT_EQ(shipCarousel[CAROUSEL_DIRECTION], s.direction) << s.x << "," << s.y;
    HeadlessSetKey(KEY_LEFT, false);
    HeadlessSetKey(KEY_RIGHT, false);
    Rest();
    for (int32_t f = 0; f < 9; ++f) RunFrame();
  }
}

// ---------------------------------------------------------------- buying and selling

TEST_F(ShopScreens, BuyAndSellWithinTheMoney) {
  OpenMeleeShop(10);
  ASSERT_EQ(Price(1), 4.0f);
  ASSERT_EQ(Price(34), 2.0f);
  BringToCentre(1);
  ClearAudioCallLog();
  TapKey(KEY_ENTER);
  TapKey(KEY_ENTER);
  BringToCentre(34);
  Click(640, 330);  // the centre card
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{1, 1, 34}));
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 0) << "the price exactly spent";
  EXPECT_EQ(Played(tickSound), 3u);
  EXPECT_EQ(Played(alarmSound), 0u);
  EXPECT_EQ(Fleet(2), std::vector<int32_t>{}) << "slot 2 is not touched";
  EXPECT_EQ(fleetTable[2][FLEET_HEAD][FLEET_MONEY], 10);

  // Nothing is left to buy with.
  PressKey(KEY_ENTER);
  EXPECT_EQ(Played(alarmSound), 1u);
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{1, 1, 34}));

  // A click on member 1 sells it; the others move down.
  Click(610, 510);
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{1, 34}));
  EXPECT_EQ(fleetTable[1][FLEET_MEMBER_TYPES][3], 0);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 4);
  EXPECT_EQ(Played(deleteSound), 1u);
  // The fleet cell under the pointer is lit in every frame.
  EXPECT_EQ(hoverLightX, 609);
  EXPECT_EQ(hoverLightY, 502);
  EXPECT_FLOAT_EQ(hoverLightScaleX, 1);

  // The right button and Backspace sell the last member; an empty fleet
  // sells nothing.
  Click(IDLE_X, IDLE_Y, 2);
  EXPECT_EQ(Fleet(1), std::vector<int32_t>{1});
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 6);
  TapKey(KEY_BACKSPACE);
  EXPECT_EQ(Fleet(1), std::vector<int32_t>{});
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 10);
  EXPECT_EQ(Played(deleteSound), 3u);
  PressKey(KEY_BACKSPACE);
  Click(610, 510);  // an empty cell
  EXPECT_EQ(Played(deleteSound), 3u);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 10);

  // A click on a card buys that card's ship, also while sliding; Enter during
  // a slide buys the ship sliding into the centre.
  fleetTable[1][FLEET_HEAD][FLEET_MONEY] = 100;
  const int32_t centre = shipCarousel[CAROUSEL_POSITION];
  Rest();
  RunFrame();
  HeadlessSetKey(KEY_RIGHT, true);
  HeadlessSetMouse(290, 330, 1);  // card 2 of the five
  RunFrame();
  HeadlessSetKey(KEY_RIGHT, false);
  HeadlessSetMouse(290, 330, 0);
  HeadlessSetKey(KEY_ENTER, true);
  RunFrame();
  HeadlessSetKey(KEY_ENTER, false);
  EXPECT_EQ(Fleet(1), (std::vector<int32_t>{shipOrder[WrapShipPosition(centre - 1)],
                                            shipOrder[WrapShipPosition(centre + 1)]}));
}

TEST_F(ShopScreens, TheThirtyFirstShipSoundsTheAlarm) {
  OpenMeleeShop(600);
  BringToCentre(34);
  for (int32_t i = 0; i < 30; ++i) TapKey(KEY_ENTER);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_SIZE], 30);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 540);
  ClearAudioCallLog();
  PressKey(KEY_ENTER);
  Click(640, 330);
  EXPECT_EQ(Played(alarmSound), 2u);
  EXPECT_EQ(Played(tickSound), 0u);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_SIZE], 30);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 540);
  // The last cell of the grid holds member 30.
  Click(607 + 66 * 9, 500 + 66 * 2 + 64);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_SIZE], 29);
  EXPECT_EQ(fleetTable[1][FLEET_MEMBER_TYPES][30], 0);
}

TEST_F(ShopScreens, AcceptWithAnEmptyFleetSoundsTheAlarm) {
  OpenMeleeShop(10);
  ClearAudioCallLog();
  PressKey(KEY_SPACE);
  Click(842, 1000);  // ACCEPT
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
  EXPECT_EQ(Played(alarmSound), 2u);
  EXPECT_EQ(Played(tickSound), 0u);
  EXPECT_EQ(menuGlow[1][0], 3) << "ACCEPT glows while the pointer is on it";
}

// ---------------------------------------------------------------- hand-over and match

TEST_F(ShopScreens, TwoShoppersThenTheMatchWithTheFleetsBought) {
  OpenMeleeShop(10);
  BringToCentre(1);
  TapKey(KEY_ENTER);
  TapKey(KEY_ENTER);
  BringToCentre(34);
  TapKey(KEY_ENTER);
  PressKey(KEY_SPACE);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_FLEET);

  // Another slot shops after this one: no fade, the music plays on.
  ClearAudioCallLog();
  PressKey(KEY_Y);
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(shopPlayer, 2);
  ASSERT_TRUE(WaitForScreen(SCREEN_SHIP_SHOP));
  EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], 3) << "each shopper starts on the third ship";
  EXPECT_EQ(fleetTable[2][FLEET_HEAD][FLEET_MONEY], 10);
  EXPECT_EQ(Calls("FSOUND_Stream_Open"), 0u) << "the shop music went on playing";

  BringToCentre(34);
  for (int32_t i = 0; i < 5; ++i) TapKey(KEY_ENTER);
  ClearAudioCallLog();
  Click(842, 1000);  // ACCEPT
  EXPECT_EQ(Played(tickSound), 1u);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_FLEET);
  // The last shopper: the screen and the music fade out, then the match.
  ClearAudioCallLog();
  Click(580, 700);  // Y
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(fadePhase, FADE_IN);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 20u);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_EQ(shopPlayer, 0);
  EXPECT_EQ(musicTrack, TRACK_INGAME);

  const std::vector<int32_t> bought[3] = {{}, {1, 1, 34}, {34, 34, 34, 34, 34}};
  for (int32_t slot = 1; slot <= 2; ++slot) {
    EXPECT_EQ(Fleet(slot), bought[slot]) << slot;
    EXPECT_EQ(replayData[REPLAY_SETUP_FRAME][slot][REPLAY_FLEET_SIZE],
              static_cast<int32_t>(bought[slot].size()));
    for (int32_t member = 1; member <= maxFleetSize; ++member) {
      const int32_t shipType =
          member <= static_cast<int32_t>(bought[slot].size()) ? bought[slot][member - 1] : 0;
      EXPECT_EQ(replayData[member][slot][REPLAY_FLEET_MEMBER], shipType) << slot << "," << member;
      EXPECT_EQ(matchStats[slot][member][STAT_SHIP_TYPE], static_cast<float>(shipType));
    }
  }
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 0);
  EXPECT_EQ(fleetTable[2][FLEET_HEAD][FLEET_MONEY], 0);
  for (int32_t i = 0; i < 200; ++i) ASSERT_TRUE(RunFrame());
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
}

TEST_F(ShopScreens, AComputerSlotWithACustomFleetShopsToo) {
  Click(640, 400);
  Click(640, 560);
  RunFrame();
  // Slot 1 human with a random fleet, slot 2 a computer with a custom one.
  Click(827, 484);
  Click(533, 568);
  Click(842, 860);
  Rest();
  ASSERT_TRUE(WaitForScreen(SCREEN_SHIP_SHOP));
  EXPECT_EQ(shopPlayer, 2);
  EXPECT_EQ(slotTable[2][SLOT_CONTROL], CONTROL_COMPUTER);
}

// ---------------------------------------------------------------- the questions

TEST_F(ShopScreens, TheConfirmationAnswers) {
  OpenMeleeShop(10);
  PressKey(KEY_ENTER);
  const std::vector<int32_t> fleet = Fleet(1);
  ASSERT_EQ(fleet.size(), 1u);

  // N, Escape and a click on N all go back to the shop, fleet unchanged.
  for (const int32_t answer : {KEY_N, KEY_ESCAPE, 0}) {
    PressKey(KEY_SPACE);
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_CONFIRM_FLEET);
    ClearAudioCallLog();
    if (answer == 0) {
      Click(700, 700);
      EXPECT_EQ(Played(tickSound), 1u);
    } else {
      PressKey(answer);
      EXPECT_EQ(Played(tickSound), 0u) << "answers by key are silent";
    }
    EXPECT_EQ(pendingScreen, SCREEN_SHIP_SHOP);
    RunFrame();
    EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
    EXPECT_EQ(Fleet(1), fleet);
    Rest();
  }

  // Y with N or Escape in one frame: the no stands whole, without the fade
  // or the music fade of the yes.
  for (const int32_t no : {KEY_N, KEY_ESCAPE}) {
    PressKey(KEY_SPACE);
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_CONFIRM_FLEET);
    shopPlayer = 2;  // the last shopper, so the yes alone would fade
    ClearAudioCallLog();
    HeadlessSetKey(KEY_Y, true);
    HeadlessSetKey(no, true);
    RunFrame();
    HeadlessSetKey(KEY_Y, false);
    HeadlessSetKey(no, false);
    EXPECT_EQ(pendingScreen, SCREEN_SHIP_SHOP);
    EXPECT_EQ(fadePhase, FADE_NONE);
    EXPECT_EQ(musicFadeVolume, 0);
    EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u);
    RunFrame();
    EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
    shopPlayer = 1;
  }

  // The letters glow up over 10 frames and back over 10.
  PressKey(KEY_SPACE);
  HeadlessSetMouse(580, 700, 0);
  for (int32_t f = 0; f < 12; ++f) RunFrame();
  EXPECT_EQ(menuGlow[1][0], 10);
  HeadlessSetMouse(640, 900, 0);
  for (int32_t f = 0; f < 4; ++f) RunFrame();
  EXPECT_EQ(menuGlow[1][0], 6);
}

TEST_F(ShopScreens, AbortNoKeepsTheFleetAndYesEndsTheShoppingForGood) {
  OpenMeleeShop(10);
  PressKey(KEY_ENTER);
  PressKey(KEY_ESCAPE);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_ABORT_SHOP);
  PressKey(KEY_N);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_SIZE], 1);
  ClearAudioCallLog();
  Click(440, 1000);  // ABORT
  EXPECT_EQ(Played(tickSound), 1u);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_ABORT_SHOP);
  Click(700, 550);  // N
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_SIZE], 1);

  // Y and N together: the yes wins. Every fleet is emptied, the money kept.
  fleetTable[3][FLEET_HEAD][FLEET_SIZE] = 2;
  fleetTable[3][FLEET_MEMBER_TYPES][2] = 5;
  PressKey(KEY_ESCAPE);
  RunFrame();
  ClearAudioCallLog();
  HeadlessSetKey(KEY_Y, true);
  HeadlessSetKey(KEY_N, true);
  RunFrame();
  HeadlessSetKey(KEY_Y, false);
  HeadlessSetKey(KEY_N, false);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(fadePhase, FADE_IN) << "the switch faded";
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u) << "without the music";
  EXPECT_EQ(shopPlayer, 0);
  EXPECT_EQ(shopperChosen, 0);
  EXPECT_EQ(announceTimer, 0);
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(fleetTable[slot][FLEET_HEAD][FLEET_SIZE], 0) << slot;
    for (int32_t k = 1; k <= maxFleetSize; ++k) {
      EXPECT_EQ(fleetTable[slot][FLEET_MEMBER_TYPES][k], 0) << slot << "," << k;
    }
  }
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 6);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);

  // A new game after the abort shops from player 1 again; nobody enters the
  // match with an empty fleet.
  Click(640, 400);  // NEW GAME
  Click(640, 480);  // CHALLENGE
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CHALLENGE_SETUP);
  Click(842, 720);  // ACCEPT
  Rest();
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(shopPlayer, 1);
  ASSERT_TRUE(WaitForScreen(SCREEN_SHIP_SHOP));
  EXPECT_EQ(shopPlayer, 1);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], 10);
}

TEST_F(ShopScreens, TheSlideSoundStopsOnEveryWayOut) {
  OpenMeleeShop(10);
  PressKey(KEY_ENTER);
  // Mid-slide, each way out of the shop stops the sound in that frame.
  const struct {
    int32_t key, x, y, screen;
  } exits[] = {{KEY_SPACE, 0, 0, SCREEN_CONFIRM_FLEET},
               {0, 842, 1000, SCREEN_CONFIRM_FLEET},
               {KEY_ESCAPE, 0, 0, SCREEN_CONFIRM_ABORT_SHOP},
               {0, 440, 1000, SCREEN_CONFIRM_ABORT_SHOP}};
  for (const auto& exit : exits) {
    SCOPED_TRACE(exit.screen);
    Rest();
    HeadlessSetKey(KEY_RIGHT, true);
    RunFrame();
    HeadlessSetKey(KEY_RIGHT, false);
    RunFrame();
    ASSERT_TRUE(SoundChannelBusy(slideChannel));
    if (exit.key != 0) {
      PressKey(exit.key);
    } else {
      HeadlessSetMouse(exit.x, exit.y, 1);
      RunFrame();
      HeadlessSetMouse(exit.x, exit.y, 0);
    }
    EXPECT_EQ(pendingScreen, exit.screen);
    EXPECT_FALSE(SoundChannelBusy(slideChannel));
    RunFrame();
    // Back to the shop, where the slide goes on from where it stood.
    PressKey(KEY_N);
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_SHIP_SHOP);
    for (int32_t f = 0; f < 20; ++f) RunFrame();
  }
}

// ---------------------------------------------------------------- ship database

TEST_F(ShopScreens, TheDatabaseOffersEveryAvailableTypeAndReturns) {
  for (const int32_t bonus : {0, 7, -1}) {
    if (bonus >= 0) {
      bonusShipsUnlocked = bonus;
    } else {
      Click(1046, 931);  // the hidden spot: cheat mode
      ASSERT_EQ(cheatModeActive, 1);
    }
    const int32_t available = bonus >= 0 ? baseShipCount + bonus : shipCount;
    Click(640, 480);  // SHIP DATABASE
    Rest();
    EXPECT_EQ(pendingScreen, SCREEN_SHIP_DATABASE);
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_SHIP_DATABASE);
    EXPECT_EQ(shipCarousel[CAROUSEL_POSITION], 3);
    EXPECT_EQ(CentreShipType(), 1) << "it opens on the Regal";
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
    const std::set<int32_t> types(shown.begin(), shown.end());
    std::set<int32_t> offered;
    for (int32_t p = 1; p <= available; ++p) offered.insert(shipOrder[p]);
    EXPECT_EQ(types, offered) << "bonus " << bonus;

    // Escape in the middle of a slide: the sound stops, and the fade shows
    // the carousel where it stood.
    RunFrame();
    HeadlessSetKey(KEY_RIGHT, false);
    ASSERT_NE(shipCarousel[CAROUSEL_OFFSET], 0);
    ASSERT_TRUE(SoundChannelBusy(slideChannel));
    PressKey(KEY_ESCAPE);
    EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
    EXPECT_EQ(fadePhase, FADE_IN);
    EXPECT_FALSE(SoundChannelBusy(slideChannel));
    RunFrame();
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  }

  // DONE, also mid-slide; the database buys and sells nothing.
  Click(640, 480);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_SHIP_DATABASE);
  const std::vector<int32_t> fleet = Fleet(1);
  const int32_t money = fleetTable[1][FLEET_HEAD][FLEET_MONEY];
  ClearAudioCallLog();
  PressKey(KEY_ENTER);
  PressKey(KEY_BACKSPACE);
  Click(640, 330);
  Click(640, 330, 2);
  EXPECT_EQ(Fleet(1), fleet);
  EXPECT_EQ(fleetTable[1][FLEET_HEAD][FLEET_MONEY], money);
  EXPECT_EQ(Played(tickSound) + Played(alarmSound) + Played(deleteSound), 0u);
  EXPECT_EQ(pendingScreen, 0);
  Rest();
  HeadlessSetKey(KEY_LEFT, true);
  RunFrame();
  HeadlessSetKey(KEY_LEFT, false);
  ASSERT_TRUE(SoundChannelBusy(slideChannel));
  Click(640, 1000);  // DONE
  EXPECT_EQ(Played(tickSound), 1u);
  EXPECT_FALSE(SoundChannelBusy(slideChannel));
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
}

// ---------------------------------------------------------------- pictures

namespace {

// The picture presented by the next frame; kept in QW2_SHOT_DIR when that is
// set, for looking at.
std::vector<uint32_t> NextPicture(const char* name) {
  std::vector<uint32_t> picture;
  HeadlessAtFrame(PresentedFrameCount() + 1, [&picture, name] {
    const char* dir = std::getenv("QW2_SHOT_DIR");
    if (dir != nullptr) WriteFramebufferPng(std::string(dir) + "/" + name);
    picture.resize(1280u * 1024u);
    for (int32_t y = 0; y < 1024; ++y) {
      for (int32_t x = 0; x < 1280; ++x) picture[y * 1280u + x] = PresentedPixel(x, y);
    }
  });
  RunFrame();
  return picture;
}

// The first row from y0 down in which the two pictures differ between x0 and x1.
int32_t FirstDifferentRow(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
                          int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
  for (int32_t y = y0; y < y1; ++y) {
    for (int32_t x = x0; x < x1; ++x) {
      if (a[y * 1280u + x] != b[y * 1280u + x]) return y;
    }
  }
  return -1;
}

}  // namespace

TEST_F(ShopScreens, ThePanelSlidesOutOfTheScreenAndEachPlateLiesInItsPlace) {
  OpenMeleeShop(10);
  TapKey(KEY_ENTER);
  TapKey(KEY_ENTER);
  HeadlessSetMouse(611, 510, 0);
  const std::vector<uint32_t> shop = NextPicture("shop.png");
  // Mid-slide (frame 5 of 9: the panel 360 pixels out), then at the end of
  // the slide, the panel all the way out.
  Rest();
  HeadlessSetKey(KEY_RIGHT, true);
  for (int32_t f = 0; f < 4; ++f) RunFrame();
  HeadlessSetKey(KEY_RIGHT, false);
  NextPicture("shop_sliding.png");
  for (int32_t f = 0; f < 3; ++f) RunFrame();
  const std::vector<uint32_t> shopPanelOut = NextPicture("shop_panel_out.png");
  ASSERT_EQ(shipCarousel[CAROUSEL_PANEL_OFFSET], 648);
  // The shop's description plate begins at y 739, below the fleet grid.
  EXPECT_EQ(FirstDifferentRow(shop, shopPanelOut, 800, 1200, 700, 800), 739);
  // Outside the panel's two plates and the cards nothing moved.
  EXPECT_EQ(FirstDifferentRow(shop, shopPanelOut, 560, 760, 990, 1024), -1);

  PressKey(KEY_SPACE);
  NextPicture("confirm_fleet.png");
  PressKey(KEY_ESCAPE);
  RunFrame();
  PressKey(KEY_ESCAPE);
  NextPicture("confirm_abort.png");
  PressKey(KEY_Y);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_MAIN_MENU);

  Click(640, 480);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_SHIP_DATABASE);
  const std::vector<uint32_t> database = NextPicture("database.png");
  HeadlessSetKey(KEY_LEFT, true);
  for (int32_t f = 0; f < 9; ++f) RunFrame();
  HeadlessSetKey(KEY_LEFT, false);
  const std::vector<uint32_t> databasePanelOut = NextPicture("database_panel_out.png");
  ASSERT_EQ(shipCarousel[CAROUSEL_PANEL_OFFSET], 576);
  // The database's plate lies 30 pixels higher, at y 709.
  EXPECT_EQ(FirstDifferentRow(database, databasePanelOut, 800, 1200, 680, 800), 709);
}
