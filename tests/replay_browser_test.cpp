// The replay browser driven through the real frame loop: saved replays
// listed, read, played back in step and deleted; damaged files of every kind
// refused without ending the game; and a bounded fuzz of the two readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "match/bitmap_text.hpp"
#include "match/key_codes.hpp"
#include "match/replay_files.hpp"
#include "match/text_entry.hpp"
#include "media/embedded_media.hpp"
#include "platform/display.hpp"
#include "platform/fsound.hpp"
#include "platform/zpack.hpp"
#include "shell/media_load.hpp"
#include "shell/replay_info.hpp"
#include "shell/replay_save.hpp"
#include "shell/screen_replays.hpp"
#include "shell/screens.hpp"
#include "shell/startup_tables.hpp"
#include "tests/game_pictures.hpp"
#include "tests/match_harness.hpp"
#include "tests/shell_harness.hpp"
#include "tests/test_folder.hpp"

namespace fs = std::filesystem;

namespace {

using shellharness::Click;
using shellharness::TapKey;

harness::MatchSetup Duel(int32_t seed, int32_t second = CONTROL_COMPUTER, int32_t frames = 20000) {
  harness::MatchSetup setup;
  setup.seed = seed;
  setup.scriptSeed = static_cast<uint32_t>(seed) + 5u;
  setup.maxFrames = frames;
  setup.slots[1] = {CONTROL_HUMAN, 1, {SHIP_SPETH, SHIP_DRONT}};
  setup.slots[2] = {second, 2, {SHIP_GROK, SHIP_WENDE}};
  return setup;
}

class ReplayBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace("qw2_replay_browser_", "data/replays");
    ResetShell();
    harness::ResetMatchWorld();
    SetUpTeamNames();
    SetUpStartupTables();
  }
  void TearDown() override {
    shellharness::StopShell();
    folder_.reset();
  }

  // A recorded match saved as the statistics screen saves it.
  static harness::MatchRecord Save(const Text& name, const harness::MatchSetup& setup,
                                   int32_t mode = MODE_MELEE, const Text& date = u"09 Dec 2025") {
    harness::MatchRecord record = harness::RecordMatch(setup);
    gameMode = mode;
    matchWinner = record.winner > 0 ? record.winner : WINNER_DRAW;
    matchDateTime[1] = date;
    matchDateTime[2] = u"12:34:56";
    replayInfo[1] = name;
    replayInfo[2] = JoinText(u"ABOUT ", name);
    for (int32_t i = 3; i <= 6; ++i) replayInfo[i].clear();
    EXPECT_TRUE(WriteReplayFiles());
    return record;
  }
  // The game after its start-up, then the browser opened from the main menu.
  static void OpenBrowser() {
    ASSERT_TRUE(shellharness::StartShell());
    harness::LoadShipImages();
    LoadGameFonts();
    tickSound = 9001;
    alarmSound = 9002;
    HeadlessSetMouse(5, 5, 0);
    RunFrame();
    ReopenBrowser();
  }
  static void ReopenBrowser() {
    pendingScreen = SCREEN_MAIN_MENU;
    RunFrame();
    Click(640, 560);
    HeadlessSetMouse(5, 5, 0);
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_REPLAYS);
    ClearAudioCallLog();
  }
  static int32_t Count() { return TextToInt(replayNames[0]); }
  static int32_t IndexOf(const Text& name) {
    for (int32_t i = 1; i <= Count(); ++i)
      if (replayNames[i] == name) return i;
    return 0;
  }
  // Scrolls the listed replay into view with the arrow keys and clicks it.
  static void Select(int32_t index) {
    while (index > replayScroll + 10) TapKey(KEY_DOWN);
    while (index <= replayScroll) TapKey(KEY_UP);
    Click(300, 400 + 42 * (index - replayScroll - 1));
    ASSERT_EQ(selectedReplay, index);
  }
  // Runs a playback started by ACCEPT to the end of its match: the frames
  // played and the matchFrame of every frame that showed the warning.
  static int32_t PlayToTheEnd(std::vector<int32_t>& warned) {
    HeadlessSetMouse(5, 5, 0);
    int32_t frames = 0;
    for (int32_t i = 0; i < 40000 && currentScreen != SCREEN_MATCH_INTERRUPT; ++i) {
      if (!RunFrame()) break;
      if (currentScreen != SCREEN_MATCH) continue;
      ++frames;
      if (replaySyncMismatches > 0) warned.push_back(matchFrame);
    }
    return frames;
  }
  // Pixels of the warning's red in the presented picture where it is drawn.
  static int32_t WarningPixels() {
    int32_t n = 0;
    for (int32_t y = 32; y < 42; ++y)
      for (int32_t x = 42; x < 322; ++x) {
        const uint32_t p = PresentedPixel(x, y);
        n += (p >> 16) > 150 && (p & 0xffff) == 0 ? 1 : 0;
      }
    return n;
  }

  std::optional<TestFolder> folder_;
};

TEST_F(ReplayBrowser, ASavedMatchIsListedPlayedBackInStepAndDeleted) {
  const harness::MatchRecord record = Save(u"DUEL", Duel(4711));
  ASSERT_TRUE(record.ended);
  Save(u"SHORT", Duel(99, CONTROL_COMPUTER, 200));
  OpenBrowser();
  ASSERT_EQ(Count(), 2);
  const int32_t index = IndexOf(u"DUEL");
  Select(index);
  EXPECT_EQ(loadedInfoMagic, replayInfoMagic);
  EXPECT_EQ(loadedReplayInfo[1], u"ABOUT DUEL");
  EXPECT_EQ(loadedReplayDate, u"09 Dec 2025");
  EXPECT_EQ(loadedReplayFrames, record.lastFrame);
  EXPECT_EQ(loadedReplayWinner, record.winner);
  EXPECT_EQ(replayData[REPLAY_SETUP_FRAME][2][REPLAY_CONTROL], CONTROL_COMPUTER);

  Click(842, 860);  // ACCEPT
  EXPECT_EQ(playbackMode, 1);
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(gameMode, MODE_MELEE);
  std::vector<int32_t> warned;
  EXPECT_EQ(PlayToTheEnd(warned), record.frames);
  EXPECT_TRUE(warned.empty()) << "first warning in frame " << warned[0];
  EXPECT_EQ(matchWinner, record.winner);
  EXPECT_EQ(PathKind(playbackTempPath), PATH_NONE);

  // Back in the browser: the delete question answered no, then yes.
  ReopenBrowser();
  EXPECT_EQ(selectedReplay, 0);
  Select(IndexOf(u"DUEL"));
  Click(89, 591);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_CONFIRM_DELETE_REPLAY);
  TapKey(KEY_N);
  ASSERT_EQ(currentScreen, SCREEN_REPLAYS);
  EXPECT_EQ(replayNames[selectedReplay], u"DUEL");
  Click(89, 591);
  RunFrame();
  Click(580, 590);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_REPLAYS);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(selectedReplay, 0);
  EXPECT_FALSE(fs::exists("data/replays/DUEL.rep"));
  EXPECT_FALSE(fs::exists("data/replays/DUEL.inr"));
  EXPECT_TRUE(fs::exists("data/replays/SHORT.rep"));
}

TEST_F(ReplayBrowser, OneAlteredChecksumWarnsInThatFrameOnly) {
  const harness::MatchRecord record = Save(u"ALTERED", Duel(2024, CONTROL_HUMAN));
  ASSERT_TRUE(record.ended);
  const int32_t frame = 36 + record.frames / 2;
  std::vector<uint8_t> rep = harness::ReadFileBytes(u"data\\replays\\ALTERED.rep");
  std::vector<uint8_t> data;
  ASSERT_TRUE(UnpackBytes(rep.data() + 8, rep.size() - 8,
                          static_cast<size_t>(Int32At(rep.data() + 4)), data));
  data[8 + 160 * static_cast<size_t>(frame) + 4 * REPLAY_X_SUM] ^= 1;
  harness::WriteFileBytes(u"data\\altered.tmp", data);
  ASSERT_TRUE(CompressToReplay(u"data\\altered.tmp", u"data\\replays\\ALTERED.rep"));
  OpenBrowser();
  Select(1);
  Click(842, 860);
  HeadlessSetMouse(5, 5, 0);
  std::vector<int32_t> pixels;
  std::vector<int32_t> warned;
  bool started = false;
  while (currentScreen != SCREEN_MATCH_INTERRUPT && (!started || matchFrame < frame + 2)) {
    ASSERT_TRUE(RunFrame());
    if (currentScreen != SCREEN_MATCH) continue;
    started = true;
    if (replaySyncMismatches > 0) warned.push_back(matchFrame);
    if (matchFrame >= frame - 1) pixels.push_back(WarningPixels());
  }
  EXPECT_EQ(warned, std::vector<int32_t>{frame});
  ASSERT_EQ(pixels.size(), 4u);
  EXPECT_EQ(pixels[0], 0);
  EXPECT_GT(pixels[1], 100);
  EXPECT_EQ(pixels[2], 0);
}

TEST_F(ReplayBrowser, DamagedReplaysAreRefusedAndTheGameGoesOn) {
  const harness::MatchRecord record = Save(u"good", Duel(5, CONTROL_COMPUTER, 100));
  const std::vector<uint8_t> good = harness::ReadFileBytes(u"data\\replays\\good.rep");
  fs::remove("data/replays/good.rep");
  fs::remove("data/replays/good.inr");
  auto write = [](const char* name, std::vector<uint8_t> bytes) {
    harness::WriteFileBytes(JoinText(u"data\\replays\\", TextFromBytes(name)), bytes);
  };
  auto withCell = [&](size_t at, int32_t value) {
    std::vector<uint8_t> bytes = good;
    for (int i = 0; i < 4; ++i)
      bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    return bytes;
  };
  write("empty.rep", {});
  write("magic.rep", withCell(0, 4325));
  write("huge.rep", withCell(4, 0x7fffffff));
  write("negative.rep", withCell(4, -168));
  write("uneven.rep", withCell(4, Int32At(good.data() + 4) + 1));
  write("cut.rep",
        std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size() / 2)));
  std::vector<uint8_t> noise(good.begin(), good.begin() + 8);
  for (int i = 0; i < 3000; ++i) noise.push_back(static_cast<uint8_t>(i * 7919 >> 3));
  write("noise.rep", noise);
  // Larger than any replay can be: refused before it is read.
  write("big.rep", good);
  fs::resize_file("data/replays/big.rep", static_cast<uintmax_t>(maxReplayFileSize) + 1);
  // Packed well, but not replay data.
  std::vector<uint8_t> notData = record.data;
  notData[0] = 7;
  harness::WriteFileBytes(u"data\\notdata.tmp", notData);
  ASSERT_TRUE(CompressToReplay(u"data\\notdata.tmp", u"data\\replays\\notdata.rep"));
  // A folder named like a replay is not listed at all.
  fs::create_directory("data/replays/folder.rep");
  // A start left over from an earlier run is never played instead.
  harness::WriteFileBytes(playbackTempPath, record.data);

  OpenBrowser();
  ASSERT_EQ(Count(), 9);
  EXPECT_EQ(IndexOf(u"folder"), 0);
  for (int32_t index = 1; index <= Count(); ++index) {
    Select(index);
    EXPECT_EQ(loadedInfoMagic, 0);  // no information file: the message instead
    const size_t alarms = harness::SoundsPlayed(alarmSound);
    Click(842, 860);
    RunFrame();
    EXPECT_EQ(harness::SoundsPlayed(alarmSound), alarms + 1) << TextToBytes(replayNames[index]);
    EXPECT_EQ(currentScreen, SCREEN_REPLAYS);
    EXPECT_EQ(playbackMode, 0);
    EXPECT_EQ(PathKind(playbackTempPath), PATH_NONE);
  }
}

TEST_F(ReplayBrowser, FilesTheDiskFailsToReadAreRefusedAndTheGameGoesOn) {
  Save(u"A", Duel(7, CONTROL_COMPUTER, 100));
  OpenBrowser();
  auto failReadsOf = [](const char* path) {
    SetFileCallHook([path](FileCall call, const std::string& on) {
      return call != FileCall::Read || on != path;
    });
  };
  failReadsOf("data/replays/A.inr");
  Select(IndexOf(u"A"));
  EXPECT_EQ(loadedInfoMagic, 0);
  const size_t alarms = harness::SoundsPlayed(alarmSound);
  failReadsOf("data/replays/A.rep");
  Click(842, 860);
  EXPECT_EQ(harness::SoundsPlayed(alarmSound), alarms + 1);
  EXPECT_EQ(playbackMode, 0);
  // The playback data read well in the browser and fails at the match start.
  SetFileCallHook(nullptr);
  Click(842, 860);
  ASSERT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  failReadsOf("data/qvw2.tmp");
  for (int32_t i = 0; i < 5; ++i) RunFrame();
  SetFileCallHook(nullptr);
  EXPECT_EQ(currentScreen, SCREEN_REPLAYS);
  EXPECT_EQ(harness::SoundsPlayed(alarmSound), alarms + 2);
  EXPECT_EQ(playbackMode, 0);
  EXPECT_EQ(replayStream, nullptr);
  EXPECT_EQ(PathKind(playbackTempPath), PATH_NONE);
}

TEST_F(ReplayBrowser, AMissingOrDamagedInformationFileShowsNothingOfAnotherReplay) {
  Save(u"A", Duel(7, CONTROL_COMPUTER, 100), MODE_CHALLENGE, u"01 Jan 2001");
  Save(u"B", Duel(8, CONTROL_COMPUTER, 100));
  std::vector<uint8_t> inr = harness::ReadFileBytes(u"data\\replays\\B.inr");
  inr.resize(inr.size() - 1);
  harness::WriteFileBytes(u"data\\replays\\B.inr", inr);
  OpenBrowser();
  Select(IndexOf(u"A"));
  EXPECT_EQ(loadedReplayMode, MODE_CHALLENGE);
  Select(IndexOf(u"B"));
  EXPECT_EQ(loadedInfoMagic, 0);
  EXPECT_EQ(loadedReplayDate, u"");
  Click(842, 860);
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(gameMode, MODE_MELEE);
  EXPECT_EQ(matchDateTime[1], u"");
  EXPECT_EQ(matchDateTime[2], u"");
}

TEST_F(ReplayBrowser, EscapeInTheFrameOfAcceptLeavesNoPlaybackBehind) {
  Save(u"A", Duel(7, CONTROL_COMPUTER, 100));
  OpenBrowser();
  Select(IndexOf(u"A"));
  HeadlessSetMouse(842, 860, 0);
  RunFrame();
  HeadlessSetMouse(842, 860, 1);
  HeadlessSetKey(27, true);
  RunFrame();
  HeadlessSetKey(27, false);
  HeadlessSetMouse(842, 860, 0);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(replayStream, nullptr);
  EXPECT_EQ(PathKind(playbackTempPath), PATH_NONE);
  EXPECT_EQ(playbackMode, 0);
  EXPECT_EQ(shopPlayer, 0);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
}

TEST_F(ReplayBrowser, TheListScrollsHoldsTwoHundredAndAcceptNeedsASelection) {
  OpenBrowser();
  EXPECT_EQ(Count(), 0);
  Click(842, 860);
  RunFrame();
  // The tick, then the alarm, and nothing else.
  EXPECT_EQ(AudioCallLog(),
            (std::vector<std::string>{"PlaySoundOnChannel 9001 0", "PlaySoundOnChannel 9002 0"}));
  EXPECT_EQ(currentScreen, SCREEN_REPLAYS);
  EXPECT_EQ(playbackMode, 0);

  for (int i = 1; i <= 12; ++i)
    harness::WriteFileBytes(JoinText(u"data\\replays\\R", IntToText(100 + i), u".rep"), {1});
  ReopenBrowser();
  ASSERT_EQ(Count(), 12);
  for (int i = 0; i < 4; ++i) Click(89, 779);
  EXPECT_EQ(replayScroll, 2);
  HeadlessMoveWheel(120);
  RunFrame();
  EXPECT_EQ(replayScroll, 1);
  HeadlessMoveWheel(-240);
  RunFrame();
  EXPECT_EQ(replayScroll, 2);
  // Both buttons on the up arrow in one frame stop at the top.
  HeadlessSetMouse(89, 404, 0);
  TapKey(KEY_UP);
  EXPECT_EQ(replayScroll, 1);
  HeadlessSetMouse(89, 404, 3);
  RunFrame();
  RunFrame();
  HeadlessSetMouse(89, 404, 0);
  EXPECT_EQ(replayScroll, 0);

  for (int i = 13; i <= 205; ++i)
    harness::WriteFileBytes(JoinText(u"data\\replays\\R", IntToText(100 + i), u".rep"), {1});
  ReopenBrowser();
  EXPECT_EQ(Count(), 200);
}

TEST_F(ReplayBrowser, CodesWithoutAGlyphDrawNothing) {
  ASSERT_TRUE(shellharness::StartShell());
  LoadGameFonts();
  SetClearColour(0, 0, 0);
  ClearBackBuffer();
  const Text odd = u"\x01\x1f\x7f\x85\x9f\u0120\u1234";
  DrawTextFixed(100, 100, 255, 255, 255, odd);
  DrawTextProp(100, 200, odd, 0);
  DrawTextSmall(100, 300, odd, 1);
  DrawTextProp2(100, 400, JoinText(odd, u"#+1"), 0);
  const uint32_t* pixels = FramebufferData();
  const size_t count =
      static_cast<size_t>(FramebufferWidth()) * static_cast<size_t>(FramebufferHeight());
  EXPECT_EQ(std::count(pixels, pixels + count, 0u), static_cast<long>(count));
  // A replay named so is listed and drawn like any other.
  harness::WriteFileBytes(u"data\\replays\\\x01\xff.rep", {1});
  OpenBrowser();
  ASSERT_EQ(Count(), 1);
  Select(1);
  EXPECT_EQ(replayNames[1], u"\x01\xff");
}

// Damaged replay and information files in their thousands: the readers
// refuse or accept each without ever reading past it.
TEST_F(ReplayBrowser, FuzzedFilesAreReadSafely) {
  Save(u"SEED", Duel(31, CONTROL_COMPUTER, 150));
  const std::vector<uint8_t> rep = harness::ReadFileBytes(u"data\\replays\\SEED.rep");
  const std::vector<uint8_t> inr = harness::ReadFileBytes(u"data\\replays\\SEED.inr");
  uint32_t state = 12345;
  auto next = [&] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  auto mutate = [&](std::vector<uint8_t> bytes) {
    switch (next() % 4) {
      case 0:
        bytes.resize(next() % (bytes.size() + 1));
        break;
      case 1:
        for (uint32_t n = 1 + next() % 8; n > 0 && !bytes.empty(); --n)
          bytes[next() % bytes.size()] ^= static_cast<uint8_t>(next());
        break;
      case 2:
        if (bytes.size() >= 8) {
          const size_t at = (next() % (bytes.size() / 4)) * 4;
          const int32_t values[] = {0, -1, 1, 0x7fffffff, INT32_MIN, 55, 56, 45000, 45001, 6, 3};
          const int32_t v = values[next() % 11];
          for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
        }
        break;
      default:
        for (uint32_t n = next() % 64; n > 0; --n) bytes.push_back(static_cast<uint8_t>(next()));
        break;
    }
    return bytes;
  };
  int32_t unpacked = 0;
  for (int i = 0; i < 250; ++i) {
    const std::vector<uint8_t> bytes = mutate(rep);
    harness::WriteFileBytes(u"data\\fuzz.rep", bytes);
    if (DecompressReplay(u"data\\fuzz.rep", u"data\\fuzz.tmp")) {
      ++unpacked;
      ASSERT_EQ(FileByteSize(u"data\\fuzz.tmp"), Int32At(bytes.data() + 4));
    } else {
      ASSERT_EQ(PathKind(u"data\\fuzz.tmp"), PATH_NONE);
    }
  }
  EXPECT_GT(unpacked, 0);
  int32_t read = 0;
  for (int i = 0; i < 5000; ++i) {
    const std::vector<uint8_t> bytes = mutate(inr);
    // A copy of exactly its size, so that a read past it is caught.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    TReplayInfoFile info;
    if (!DecodeReplayInfo(exact.get(), bytes.size(), info)) continue;
    ++read;
    ASSERT_GE(info.gameMode, MODE_CHALLENGE);
    ASSERT_LE(info.gameMode, MODE_MELEE);
    ASSERT_GE(info.matchWinner, 1);
    ASSERT_LE(info.matchWinner, WINNER_DRAW);
    for (int32_t slot = 1; slot <= 4; ++slot) {
      ASSERT_GE(info.slotSetup[slot][REPLAY_CONTROL], CONTROL_DISABLED);
      ASSERT_LE(info.slotSetup[slot][REPLAY_CONTROL], CONTROL_COMPUTER);
    }
  }
  EXPECT_GT(read, 0);
}

TEST(ReplayInformation, ShortOrOutOfRangeFilesAreUnreadable) {
  TReplayInfoFile info;
  info.descriptionLines[1] = u"LINE";
  info.startDate = u"09 Dec 2025";
  info.startTime = u"12:34:56";
  info.lastFrame = 900;
  info.gameMode = MODE_CHALLENGE;
  info.matchWinner = 1;
  const int32_t setup[5][6] = {
      {}, {0, 1, 1, 3, 2, 10000}, {0, 2, 1, 5, 2, 10000}, {0, 2, 2, 4, 2, 0}, {0, 0, 0, 0, 0, 0}};
  std::memcpy(info.slotSetup, setup, sizeof setup);
  const std::vector<uint8_t> bytes = EncodeReplayInfo(info);
  TReplayInfoFile read;
  ASSERT_TRUE(DecodeReplayInfo(bytes.data(), bytes.size(), read));
  EXPECT_EQ(read.startTime, u"12:34:56");
  EXPECT_EQ(read.slotSetup[3][REPLAY_FLEET_SIZE], 4);
  for (size_t n = 0; n < bytes.size(); ++n)
    EXPECT_FALSE(DecodeReplayInfo(bytes.data(), n, read)) << n;

  // Each number at its offset: after 101, five texts of 4, 0, 0, 0, 0 and
  // the date and time, the last frame stands at 4 + 8 + 4 * 4 + 15 + 12.
  const size_t lastFrameAt = 4 + 8 + 16 + 15 + 12;
  auto slotAt = [&](int32_t slot, int32_t column) {
    return lastFrameAt + 12 + 20 * (slot - 1) + 4 * (column - 1);
  };
  const std::pair<size_t, int32_t> bad[] = {
      {0, 100},
      {4, -1},
      {4, 1000},
      {lastFrameAt, -1},
      {lastFrameAt, 45001},
      {lastFrameAt + 4, 0},
      {lastFrameAt + 4, 3},
      {lastFrameAt + 8, 0},
      {lastFrameAt + 8, 6},
      {slotAt(1, REPLAY_CONTROL), 3},
      {slotAt(4, REPLAY_CONTROL), -1},
      {slotAt(2, REPLAY_TEAM), 0},
      {slotAt(2, REPLAY_TEAM), 5},
      {slotAt(3, REPLAY_FLEET_SIZE), 0},
      {slotAt(3, REPLAY_FLEET_SIZE), 31},
      {slotAt(1, REPLAY_FLEET_KIND), 3},
  };
  for (const auto& [at, value] : bad) {
    std::vector<uint8_t> changed = bytes;
    for (int i = 0; i < 4; ++i)
      changed[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    EXPECT_FALSE(DecodeReplayInfo(changed.data(), changed.size(), read)) << at << " " << value;
  }

  // Texts longer than the save dialog and the clock write are cut.
  info.descriptionLines[5] = Text(60000, u'W');
  info.startDate = u"09 December 2025";
  info.startTime = u"12:34:56.789";
  const std::vector<uint8_t> longer = EncodeReplayInfo(info);
  ASSERT_TRUE(DecodeReplayInfo(longer.data(), longer.size(), read));
  EXPECT_EQ(read.descriptionLines[5], Text(55, u'W'));
  EXPECT_EQ(read.startDate, u"09 December");
  EXPECT_EQ(read.startTime, u"12:34:56");
  EXPECT_EQ(read.slotSetup[3][REPLAY_FLEET_SIZE], 4);
}

// The browser and the save dialog drawn with the game's pictures, for looking at.
TEST_F(ReplayBrowser, WritesPicturesWhenAsked) {
  const char* folder = std::getenv("QW2_REPLAY_PICTURES");
  if (folder == nullptr) GTEST_SKIP() << "set QW2_REPLAY_PICTURES to a folder to write pictures";
  fs::create_directories(folder);
  Save(u"FOUR WAY MELEE", Duel(3, CONTROL_COMPUTER, 400));
  for (int i = 1; i <= 11; ++i)
    harness::WriteFileBytes(JoinText(u"data\\replays\\OLD ", IntToText(i), u".rep"), {1});
  OpenBrowser();
  LoadGamePictures();
  Select(IndexOf(u"FOUR WAY MELEE"));
  // The loop presents and clears: each picture is drawn again to be kept.
  auto keep = [&](ScreenFunction draw, const char* name) {
    ClearBackBuffer();
    draw();
    ASSERT_TRUE(WriteFramebufferPng(std::string(folder) + "/" + name));
  };
  HeadlessSetMouse(89, 779, 0);
  RunFrame();
  keep(ReplaysDraw, "browser.png");
  Select(IndexOf(u"OLD 3"));
  RunFrame();
  keep(ReplaysDraw, "browser_no_info.png");
  Click(89, 591);
  RunFrame();
  keep(ConfirmDeleteReplayDraw, "delete.png");

  // The dialog over the statistics backdrop, a field being typed, then a
  // save that cannot be written.
  replayInfo[1] = u"MY REPLAY";
  replayInfo[2] = u"NO COMMENTS ON THIS ONE";
  replayInfo[3] = u"A SECOND LINE";
  saveDialogOpen = 1;
  editedField = EDIT_DESCRIPTION;
  textEntryLine = 3;
  caretLevel = 60;
  ClearBackBuffer();
  DrawTitleBackdrop();
  SaveDialogDraw();
  ASSERT_TRUE(WriteFramebufferPng(std::string(folder) + "/save_dialog.png"));
  editedField = EDIT_NONE;
  saveFailed = 1;
  ClearBackBuffer();
  DrawTitleBackdrop();
  SaveDialogDraw();
  ASSERT_TRUE(WriteFramebufferPng(std::string(folder) + "/save_failed.png"));
}

}  // namespace
