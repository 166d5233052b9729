// The statistics screen through the real frame loop: the pages' figures for
// a known outcome and for a scripted match, paging and subject steps, the
// ship grid and its panel, the ways out and the clearing away of the match.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "match/key_codes.hpp"
#include "platform/display.hpp"
#include "platform/fsound.hpp"
#include "shell/replay_save.hpp"
#include "shell/screen_match_interrupt.hpp"
#include "shell/screen_statistics.hpp"
#include "shell/screens.hpp"
#include "shell/startup_tables.hpp"
#include "shell/time_format.hpp"
#include "tests/game_pictures.hpp"
#include "tests/match_harness.hpp"
#include "tests/shell_harness.hpp"

namespace {

using shellharness::FrameAt;

// The values of some rows, in their order, joined by "|".
Text Values(const std::vector<StatsRow>& rows) {
  Text out;
  for (const StatsRow& row : rows) out += (out.empty() ? u"" : u"|") + row.value;
  return out;
}
Text PageValues() { return Values(StatisticsPage().rows); }
Text PanelValues(int32_t slot, int32_t member) {
  const ShipPanel panel = ShipInfoPanel(slot, member);
  return JoinText(panel.name, u" ", IntToText(panel.shadeRows), u": ", Values(panel.rows));
}

// A finished melee: slots 1 (human) and 4 in team A, slot 2 in team C, slot
// 3 disabled in team A with figures that must not count.
struct Figures {
  int32_t slot, member, type, status;
  float flown, damageType, damage, kills, killer, killerType;
};
const Figures kKnown[] = {{1, 1, SHIP_DRONT, STATUS_DESTROYED, 2325, 1, 8.75f, 1, 2, SHIP_GROK},
                          {1, 2, SHIP_SPETH, STATUS_OK, 100, 3, 0.75f, 0, 0, 0},
                          {1, 3, SHIP_FASER, STATUS_OK, 0, 1, 0, 0, 0, 0},
                          {2, 1, SHIP_GROK, STATUS_DESTROYED, 50, 4, 2.5f, 1, 4, SHIP_GARM},
                          {2, 2, SHIP_DARBER, STATUS_DESTROYED, 1, 1, 0, 0, 4, SHIP_GARM},
                          {3, 1, SHIP_FEDZIE, STATUS_OK, 500, 1, 100, 3, 0, 0},
                          {4, 1, SHIP_GARM, STATUS_OK, 4433, 2, 5.75f, 2, 0, 0},
                          {4, 2, SHIP_NALEN, STATUS_DESTROYED, 10, 1, 0, 0, SPECIAL_ATTACKER, 0},
                          {SPECIAL_ATTACKER, 1, 0, 0, 0, 4, 50, 1, 0, 0}};

void KnownOutcome() {
  const int32_t control[5] = {0, CONTROL_HUMAN, CONTROL_COMPUTER, CONTROL_DISABLED,
                              CONTROL_COMPUTER};
  const int32_t team[5] = {0, 1, 3, 1, 1};
  for (int32_t s = 1; s <= 4; ++s) {
    slotTable[s][SLOT_CONTROL] = control[s];
    slotTable[s][SLOT_TEAM] = team[s];
  }
  for (const Figures& f : kKnown) {
    float* stats = matchStats[f.slot][f.member];
    stats[STAT_SHIP_TYPE] = static_cast<float>(f.type);
    stats[STAT_STATUS] = static_cast<float>(f.status);
    stats[STAT_FRAMES_FLOWN] = f.flown;
    stats[static_cast<int32_t>(f.damageType)] = f.damage;
    stats[STAT_KILLS] = f.kills;
    stats[STAT_KILLER_SLOT] = f.killer;
    stats[STAT_KILLER_TYPE] = f.killerType;
  }
  matchDateTime[1] = u"09 Dec 2025";
  matchDateTime[2] = u"12:34:56";
  matchFrame = 4500;
  gameMode = MODE_MELEE;
  matchWinner = 1;
  playbackMode = 0;
}

class StatisticsScreen : public shellharness::ShellTest {
 protected:
  StatisticsScreen() : ShellTest("qw2_stats_", shellharness::Tables::MatchWorld) {}
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShellTest::SetUp());
    fadePhase = FADE_NONE;  // the screen is entered directly, not faded into
    tickSound = 9001;
    HeadlessSetMouse(5, 5, 0);
    ClearAudioCallLog();
  }

  static void Enter() {
    lastScreen = SCREEN_MATCH_RESULT;
    pendingScreen = SCREEN_STATISTICS;
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_STATISTICS);
  }
  // The pointer rests away from everything after the click.
  static void Click(int32_t x, int32_t y) {
    shellharness::Click(x, y);
    HeadlessSetMouse(5, 5, 0);
  }
  // Held for a frame, then let go for one (unless the screen is being left).
  static void PressKey(int32_t key) {
    shellharness::PressKey(key);
    if (pendingScreen == 0) RunFrame();
  }
  static size_t Ticks() { return shellharness::SoundsPlayed(9001); }
};

}  // namespace

TEST(StatisticsTimes, FramesAsMinutesAndSecondsInSinglePrecision) {
  EXPECT_EQ(FormatFrames(4500, MATCH_LENGTH_ROUNDING), u"01:00");
  EXPECT_EQ(FormatFrames(2325, FLYING_TIME_ROUNDING), u"00:31");
  // Frames divided as reals: an integer division would show 00:30.
  EXPECT_EQ(FormatFrames(2324, FLYING_TIME_ROUNDING), u"00:31");
  // Seconds rounded up to 60 carry into the minute.
  EXPECT_EQ(FormatFrames(4433, FLYING_TIME_ROUNDING), u"01:00");
  EXPECT_EQ(FormatFrames(4425, MATCH_LENGTH_ROUNDING), u"01:00");
  EXPECT_EQ(FormatFrames(0, FLYING_TIME_ROUNDING), u"00:00");
  EXPECT_EQ(FormatFrames(maxReplayFrames, MATCH_LENGTH_ROUNDING), u"10:00");
}

TEST_F(StatisticsScreen, PagesAndSubjectsOfAKnownOutcome) {
  KnownOutcome();
  replayInfo[1] = u"OLD NAME";
  replaySaved = 1;
  Enter();
  EXPECT_EQ(JoinText(replayInfo[1], replayInfo[2], replayInfo[3]), u"UNTITLEDNO COMMENTS");
  EXPECT_EQ(replaySaved, 0);
  EXPECT_EQ(PageValues(), u"09 Dec 2025|12:34:56|00:01:00|Melee|TEAM A");
  HeadlessSetMouse(331, 364, 0);  // no previous page: nothing marked
  RunFrame();
  EXPECT_EQ(statsHoverX, -1000);

  PressKey(KEY_RIGHT);
  ASSERT_EQ(statsPage, STATS_PAGE_TEAM);
  // 0.4 joins each member's damage before the total is cut to a whole
  // number: 9, 10, ... 16, where one 0.4 on the whole sum would give 15.
  EXPECT_EQ(PageValues(), u"3 / 5|16|3");
  HeadlessSetMouse(331, 364, 0);
  RunFrame();
  EXPECT_EQ(std::pair(statsHoverX, statsHoverY), std::pair(331, 364));
  Click(947, 444);  // past team B, which nobody plays in
  EXPECT_EQ(statsSubject, 3);
  EXPECT_EQ(PageValues(), u"0 / 2|2|1");
  Click(947, 444);  // the last team: the arrow is gone
  EXPECT_EQ(statsSubject, 3);

  Click(947, 364);
  ASSERT_EQ(statsPage, STATS_PAGE_PLAYER);
  EXPECT_EQ(PageValues(), u"HUMAN|A|2 / 3|00:33|10|1");
  Click(947, 444);
  EXPECT_EQ(PageValues(), u"CPU|C|0 / 2|00:01|2|1");
  Click(947, 444);  // past the disabled slot 3; 4443 frames carry to a minute
  EXPECT_EQ(PageValues(), u"CPU|A|1 / 2|01:00|6|2");
  Click(331, 444);
  EXPECT_EQ(statsSubject, 2);

  // The ship page keeps the slot; so does the player page reached from it.
  PressKey(KEY_RIGHT);
  PressKey(KEY_RIGHT);
  EXPECT_EQ(statsPage, STATS_PAGE_SHIPS);
  PressKey(KEY_LEFT);
  EXPECT_EQ(std::pair(statsPage, statsSubject), std::pair(STATS_PAGE_PLAYER, 2));
  PressKey(KEY_LEFT);
  EXPECT_EQ(statsSubject, 1);
  Click(331, 364);
  PressKey(KEY_LEFT);
  EXPECT_EQ(statsPage, STATS_PAGE_GAME);
  EXPECT_EQ(Ticks(), 6u);  // the arrow clicks that acted, and only those
  gameMode = MODE_CHALLENGE;
  matchWinner = WINNER_DRAW;
  EXPECT_EQ(PageValues(), u"09 Dec 2025|12:34:56|00:01:00|Challenge|DRAW");
}

TEST_F(StatisticsScreen, ShipGridCellsAndTheirPanels) {
  KnownOutcome();
  Enter();
  statsPage = STATS_PAGE_SHIPS;
  statsSubject = 1;
  const int32_t at[4][3] = {{374, 530, 1}, {375, 530, 2}, {510, 530, 0}, {340, 598, 0}};
  for (const auto& p : at) {
    HeadlessSetMouse(p[0], p[1], 0);  // cells 1 and 2 meet; 4 and 11 are empty
    EXPECT_EQ(HoveredShipCell(), p[2]) << p[0];
  }
  EXPECT_EQ(PanelValues(1, 1), u"Dront 9: DESTROYED|00:31|8|1|2|Grok");
  EXPECT_EQ(PanelValues(1, 2), u"Speth 7: OK|00:02|0|0");
  EXPECT_EQ(PanelValues(1, 3), u"Faser 5: OK|None");
  EXPECT_EQ(PanelValues(2, 2), u"Darber 9: DESTROYED|00:00|0|0|4|Garm");
  EXPECT_EQ(PanelValues(4, 2), u"Nalen 9: DESTROYED|00:01|0|0|Special|Special");
}

TEST_F(StatisticsScreen, SaveReplayOnlyForALiveMatchNotSavedAndShortEnough) {
  KnownOutcome();
  matchFrame = maxReplayFrames - 1;
  Enter();
  EXPECT_EQ(SaveReplayLine(), u"SAVE REPLAY");
  Click(640, 750);
  EXPECT_EQ(std::pair(saveDialogOpen, Ticks()), std::pair(1, size_t{1}));
  // The dialog takes the input: CONTINUE does nothing, Escape closes it.
  Click(640, 830);
  PressKey(KEY_ESCAPE);
  EXPECT_EQ(saveDialogOpen, 0);
  EXPECT_EQ(currentScreen, SCREEN_STATISTICS);
  EXPECT_EQ(matchStats[1][1][STAT_SHIP_TYPE], SHIP_DRONT);

  const struct {
    int32_t playback, frame, saved;
    const char16_t* line;
  } refused[3] = {{1, 1000, 0, u"PLAYBACK MODE"},
                  {0, maxReplayFrames, 0, u"REPLAY TOO LONG"},
                  {0, 1000, 1, u"REPLAY SAVED"}};
  for (const auto& c : refused) {
    playbackMode = c.playback;
    matchFrame = c.frame;
    replaySaved = c.saved;
    EXPECT_EQ(SaveReplayLine(), c.line);
    ClearAudioCallLog();
    Click(640, 750);
    EXPECT_EQ(std::pair(saveDialogOpen, Ticks()), std::pair(0, size_t{0})) << c.frame;
  }
}

TEST_F(StatisticsScreen, ContinueAndEscapeLeadToTheAwardOrTheMenu) {
  const struct {
    int32_t playback, mode, winner, bonus, screen;
  } cases[5] = {{0, MODE_CHALLENGE, 1, maxBonusShips - 1, SCREEN_NEW_SHIP},
                {0, MODE_CHALLENGE, 1, maxBonusShips, SCREEN_MAIN_MENU},
                {1, MODE_CHALLENGE, 1, 0, SCREEN_MAIN_MENU},
                {0, MODE_CHALLENGE, 2, 0, SCREEN_MAIN_MENU},
                {0, MODE_MELEE, 1, 0, SCREEN_MAIN_MENU}};
  for (const auto& c : cases) {
    for (const bool escape : {false, true}) {
      KnownOutcome();
      playbackMode = c.playback;
      gameMode = c.mode;
      matchWinner = c.winner;
      bonusShipsUnlocked = c.bonus;
      Enter();
      escape ? PressKey(KEY_ESCAPE) : Click(640, 830);
      EXPECT_EQ(pendingScreen, c.screen) << c.playback << c.mode << c.winner << c.bonus;
      EXPECT_EQ(fadePhase, FADE_NONE);
      RunFrame();
      EXPECT_EQ(currentScreen, c.screen);
    }
  }
}

template <class T, size_t N>
bool AllZero(const T (&cells)[N]) {
  const auto* first = reinterpret_cast<const unsigned char*>(cells);
  return std::all_of(first, first + sizeof cells, [](unsigned char b) { return b == 0; });
}

TEST_F(StatisticsScreen, LeavingClearsTheMatchInThatFrame) {
  KnownOutcome();
  fleetTable[2][FLEET_HEAD][FLEET_SIZE] = 3;
  fleetTable[2][FLEET_MEMBER_TYPES][3] = SHIP_AVRAX;
  fleetTable[2][FLEET_HEAD][FLEET_START_MONEY] = 350;
  slotTable[2][SLOT_ARENA] = ARENA_OUT;
  slotTable[3][SLOT_TARGETABLE] = 1;
  slotShipValue[4][3][50] = slotShipPoint[1][2][50][5] = 1;
  slotEffectState[5][50] = cpuChoiceTimer[4] = teamAlive[2] = 1;
  damageQueue[1][4][30][QUEUE_COLUMNS] = 1;
  damageQueue[2][SPECIAL_ATTACKER][1][DAMAGE_TYPE_SPECIAL] = 9;
  matchOverDelay = matchOver = abortConfirmed = 1;
  ListAppend(*shipList, NewRecord<TShip>());
  ListAppend(*sparkList, NewRecord<TSpark>());
  Enter();
  HeadlessSetKey(KEY_ESCAPE, true);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_STATISTICS);  // the switch is still to come
  EXPECT_EQ(ListCount(*shipList) + ListCount(*sparkList), 0);
  const int32_t* head = fleetTable[2][FLEET_HEAD];
  EXPECT_EQ(std::vector<int32_t>(head, head + 4), (std::vector<int32_t>{1, 0, 10000, 350}));
  EXPECT_EQ(fleetTable[2][FLEET_MEMBER_TYPES][3], 0);
  for (int32_t s = 1; s <= 4; ++s)
    EXPECT_EQ(std::pair(slotTable[s][SLOT_ARENA], slotTable[s][SLOT_TARGETABLE]),
              std::pair(ARENA_CHOOSING, 0));
  EXPECT_TRUE(AllZero(slotShipValue) && AllZero(slotShipPoint) && AllZero(matchStats));
  EXPECT_TRUE(AllZero(slotEffectState) && AllZero(cpuChoiceTimer) && AllZero(teamAlive));
  EXPECT_EQ(damageQueue[1][4][30][QUEUE_COLUMNS], 0.0f);
  EXPECT_EQ(damageQueue[2][SPECIAL_ATTACKER][1][DAMAGE_TYPE_SPECIAL], 9.0f);
  EXPECT_EQ(matchOverDelay + matchOver + matchWinner + abortConfirmed, 0);
  HeadlessSetKey(KEY_ESCAPE, false);
}

// A match played through the frame loop with its hits scripted: slot 1's
// Dront destroys slot 2's Grok and then its Faser (34 and 36 armour, 10
// special damage a frame), which hit back 1.25 three times and 0.75 once.
TEST_F(StatisticsScreen, AScriptedMatchShowsWhatHappenedInIt) {
  harness::MatchSetup setup;
  setup.slots[1] = {CONTROL_HUMAN, 1, {SHIP_DRONT, SHIP_SPETH}};
  setup.slots[2] = {CONTROL_HUMAN, 2, {SHIP_GROK, SHIP_FASER}};
  harness::ApplySetup(setup);
  for (int32_t s = 1; s <= 4; ++s) slotTable[s][SLOT_FLEET_KIND] = FLEET_RANDOM;
  gameMode = MODE_MELEE;
  currentScreen = SCREEN_NEXT_SHOPPER;
  lastScreen = 0;
  int32_t flown[3][3] = {};  // frames each member was seen in the arena
  int32_t hitsBack[3] = {};
  const auto shipOf = [](int32_t slot) {
    TShip* found = nullptr;
    ForEachInList(*shipList, [&](const Ref<TShip>& ship) {
      if (ship->slot == slot) found = ship.get();
    });
    return found;
  };
  for (int32_t frame = 0; frame < 5000 && currentScreen != SCREEN_STATISTICS; ++frame) {
    // A ship flies in a match frame when it is in the arena before or after it.
    const bool inMatch = (pendingScreen > 0 ? pendingScreen : currentScreen) == SCREEN_MATCH;
    bool seen[3][3] = {};
    for (int32_t s = 1; s <= 2 && inMatch; ++s) {
      const bool choosing = slotTable[s][SLOT_ARENA] == ARENA_CHOOSING;
      HeadlessSetKey(harness::SlotKey(s, INPUT_FIRE_PRIMARY), choosing && frame % 2 == 0);
      if (TShip* ship = shipOf(s)) seen[s][ship->memberIndex] = true;
    }
    TShip* dront = shipOf(1);
    TShip* enemy = shipOf(2);
    if (inMatch && dront != nullptr && enemy != nullptr && enemy->armour > 0) {
      damageQueue[2][1][dront->memberIndex][DAMAGE_TYPE_SPECIAL] = 10;
      const int32_t m = enemy->memberIndex;
      if (hitsBack[m] < (m == 1 ? 3 : 1)) {
        damageQueue[1][2][m][DAMAGE_TYPE_SPECIAL] = m == 1 ? 1.25f : 0.75f;
        hitsBack[m] += 1;
      }
    }
    RunFrame();
    for (int32_t s = 1; s <= 2 && inMatch; ++s) {
      if (TShip* ship = shipOf(s)) seen[s][ship->memberIndex] = true;
      for (int32_t m = 1; m <= 2; ++m) flown[s][m] += seen[s][m];
    }
  }
  ASSERT_EQ(currentScreen, SCREEN_STATISTICS);
  ASSERT_EQ(matchStats[1][1][STAT_FRAMES_FLOWN], static_cast<float>(flown[1][1]));
  EXPECT_EQ(PageValues(), JoinText(matchDateTime[1], u"|", matchDateTime[2], u"|00:",
                                   FormatFrames(matchFrame, 0.5f), u"|Melee|TEAM A"));
  EXPECT_EQ(SaveReplayLine(), u"SAVE REPLAY");
  PressKey(KEY_RIGHT);
  EXPECT_EQ(PageValues(), u"2 / 2|70|2");
  Click(947, 444);
  EXPECT_EQ(PageValues(), u"0 / 2|5|0");  // 3.75 and 0.75, each with 0.4
  PressKey(KEY_RIGHT);
  const auto time = [](int32_t frames) { return FormatFrames(frames, FLYING_TIME_ROUNDING); };
  EXPECT_EQ(PageValues(), JoinText(u"HUMAN|A|2 / 2|", time(flown[1][1]), u"|70|2"));
  Click(947, 444);
  EXPECT_EQ(PageValues(), JoinText(u"HUMAN|B|0 / 2|", time(flown[2][1] + flown[2][2]), u"|5|0"));
  PressKey(KEY_RIGHT);
  // The Faser flew second but keeps its own cell, the second.
  HeadlessSetMouse(310 + 66 + 30, 530, 0);
  ASSERT_EQ(HoveredShipCell(), 2);
  EXPECT_EQ(PanelValues(2, 2),
            JoinText(u"Faser 9: DESTROYED|", time(flown[2][2]), u"|0|0|1|Dront"));
  EXPECT_EQ(PanelValues(2, 1), JoinText(u"Grok 9: DESTROYED|", time(flown[2][1]), u"|3|0|1|Dront"));
  EXPECT_EQ(PanelValues(1, 2), u"Speth 5: OK|None");
  Click(640, 830);
  EXPECT_EQ(ListCount(*shipList), 0);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
}

namespace {
class StatisticsPictures : public StatisticsScreen {
 protected:
  shellharness::Media MediaToLoad() const override { return shellharness::Media::PicturesAndStars; }
};

int32_t Channel(uint32_t pixel, int32_t shift) {
  return static_cast<int32_t>((pixel >> shift) & 0xff);
}
int32_t Brightness(uint32_t pixel) {
  return Channel(pixel, 16) + Channel(pixel, 8) + Channel(pixel, 0);
}
}  // namespace

TEST_F(StatisticsPictures, GridColoursAndPanelShades) {
  KnownOutcome();
  Enter();
  for (int32_t page = 2; page <= STATS_PAGE_SHIPS; ++page) PressKey(KEY_RIGHT);
  const std::vector<uint32_t> grid = FrameAt(5, 5, "stats_ships.png");
  const std::vector<uint32_t> destroyed = FrameAt(340, 530, "stats_ship_destroyed.png");
  const std::vector<uint32_t> never = FrameAt(472, 530, "stats_ship_never_flown.png");
  // The left edges of cells 1 to 4: destroyed red, flown yellow, never flown
  // green, nobody grey.
  const auto rgb = [&grid](int32_t x, int32_t shift) {
    return Channel(grid[530 * 1280 + x], shift);
  };
  EXPECT_TRUE(rgb(311, 16) > 100 && rgb(311, 8) < 30);
  EXPECT_TRUE(rgb(377, 16) > 100 && rgb(377, 8) > 100 && rgb(377, 0) < 40);
  EXPECT_TRUE(rgb(443, 16) < 30 && rgb(443, 8) > 100);
  for (int32_t shift : {0, 8, 16}) EXPECT_TRUE(rgb(509, shift) > 35 && rgb(509, shift) < 70);
  // The shade under the panel is nine rows deep for a destroyed member, five
  // for one never flown.
  const auto shaded = [&grid](const std::vector<uint32_t>& picture, int32_t x, int32_t y) {
    return 2 * Brightness(picture[y * 1280 + x]) < Brightness(grid[y * 1280 + x]);
  };
  EXPECT_TRUE(shaded(destroyed, 40, 830));
  EXPECT_FALSE(shaded(destroyed, 40, 860));
  EXPECT_TRUE(shaded(never, 172, 700));
  EXPECT_FALSE(shaded(never, 172, 760));
}
