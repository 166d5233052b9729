#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/files.hpp"
#include "shell/options_files.hpp"
#include "shell/screens.hpp"
#include "tests/test_folder.hpp"

namespace fs = std::filesystem;

namespace {
class ShellFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShell();
    folder_.emplace("qw2_shellfiles_", "data");
  }
  void TearDown() override {
    folder_.reset();
    ResetShell();
  }
  static void WriteInts(const std::string& path, const std::vector<int32_t>& values) {
    std::ofstream out(path, std::ios::binary);
    for (int32_t v : values) {
      for (int b = 0; b < 4; ++b)
        out.put(static_cast<char>((static_cast<uint32_t>(v) >> (8 * b)) & 0xff));
    }
  }
  static std::vector<int32_t> ReadInts(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<int32_t> values;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
      uint32_t v = 0;
      for (int b = 0; b < 4; ++b)
        v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + b])) << (8 * b);
      values.push_back(static_cast<int32_t>(v));
    }
    return values;
  }
  // 41, then the default table row by row.
  static std::vector<int32_t> DefaultFile() {
    std::vector<int32_t> v = {41, 0, 0, 0, 0, 0, 0, 0};
    for (int32_t slot = 1; slot <= 4; ++slot) {
      v.push_back(0);
      for (int32_t c = 1; c <= 6; ++c) v.push_back(defaultKeys[slot][c]);
    }
    return v;
  }
  std::optional<TestFolder> folder_;
};
}  // namespace

TEST_F(ShellFiles, FirstStartWritesTheDefaultOptions) {
  LoadOptionsFile();
  LoadProgressFile();
  EXPECT_EQ(filesLoaded, 2);
  EXPECT_EQ(fs::file_size("data/options.qv2"), 144u);
  const std::vector<int32_t> expected = {41,  0,   0,   0,  0,  0,  0,  0,  0,   38, 37, 39,
                                         163, 161, 189, 0,  87, 65, 68, 81, 9,   49, 0,  89,
                                         71,  74,  82,  70, 84, 0,  80, 76, 221, 73, 75, 79};
  EXPECT_EQ(ReadInts("data/options.qv2"), expected);
  EXPECT_EQ(optionTable[1][INPUT_FIRE_PRIMARY], 163);
  EXPECT_EQ(optionTable[4][INPUT_TURN_RIGHT], 221);
  EXPECT_EQ(bonusShipsUnlocked, 0);
  EXPECT_FALSE(fs::exists("data/exp.qv2"));
  EXPECT_FALSE(fs::exists(NativePath(ProcessTemporaryPath(optionsFilePath))));
}

TEST_F(ShellFiles, AValidOptionsFileIsReadAsStored) {
  std::vector<int32_t> file = DefaultFile();
  file[1] = 1;        // [0][0]
  file[2] = 1;        // music off
  file[7] = 77;       // [0][6], read by nothing, kept
  file[8 + 0] = -5;   // [1][0], not a key, kept
  file[8 + 1] = 250;  // [1][1], the highest key
  WriteInts("data/options.qv2", file);
  LoadOptionsFile();
  EXPECT_EQ(filesLoaded, 1);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_FRAME_MARK], 1);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_MUSIC], OPTION_OFF);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][6], 77);
  EXPECT_EQ(optionTable[1][0], -5);
  EXPECT_EQ(optionTable[1][INPUT_THRUST], 250);
  EXPECT_EQ(optionTable[2][INPUT_SNIPING], 49);
  // Not rewritten.
  EXPECT_EQ(ReadInts("data/options.qv2"), file);
}

TEST_F(ShellFiles, ShortWrongOrFolderOptionsFilesGiveTheDefaults) {
  // Begins with 41 but is cut short: counts as missing and is rewritten.
  std::vector<int32_t> shortFile = DefaultFile();
  shortFile.resize(35);
  shortFile[2] = 1;
  WriteInts("data/options.qv2", shortFile);
  LoadOptionsFile();
  EXPECT_EQ(filesLoaded, 2);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_MUSIC], OPTION_ON);
  EXPECT_EQ(ReadInts("data/options.qv2"), DefaultFile());

  // An empty file.
  ResetShell();
  WriteInts("data/options.qv2", {});
  LoadOptionsFile();
  EXPECT_EQ(filesLoaded, 2);
  EXPECT_EQ(ReadInts("data/options.qv2"), DefaultFile());

  // A whole file with the wrong version.
  ResetShell();
  std::vector<int32_t> wrong = DefaultFile();
  wrong[0] = 40;
  wrong[2] = 1;
  WriteInts("data/options.qv2", wrong);
  LoadOptionsFile();
  EXPECT_EQ(filesLoaded, 2);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_MUSIC], OPTION_ON);
  EXPECT_EQ(ReadInts("data/options.qv2"), DefaultFile());

  // A folder in its place: defaults, and the write fails quietly.
  ResetShell();
  fs::remove("data/options.qv2");
  fs::create_directory("data/options.qv2");
  LoadOptionsFile();
  EXPECT_EQ(filesLoaded, 2);
  EXPECT_EQ(optionTable[1][INPUT_THRUST], KEY_UP);
  EXPECT_TRUE(fs::is_directory("data/options.qv2"));
}

TEST_F(ShellFiles, OutOfRangeKeysFallBackToTheSlotsDefault) {
  std::vector<int32_t> file = DefaultFile();
  file[8 + 1] = 0;        // slot 1 thrust
  file[8 + 7 + 4] = 251;  // slot 2 fire primary
  file[8 + 21 + 6] = -1;  // slot 4 sniping
  file[8 + 14 + 2] = 65;  // slot 3 turn left, a valid key
  WriteInts("data/options.qv2", file);
  LoadOptionsFile();
  EXPECT_EQ(filesLoaded, 1);
  EXPECT_EQ(optionTable[1][INPUT_THRUST], KEY_UP);
  EXPECT_EQ(optionTable[2][INPUT_FIRE_PRIMARY], 81);
  EXPECT_EQ(optionTable[4][INPUT_SNIPING], 79);
  EXPECT_EQ(optionTable[3][INPUT_TURN_LEFT], 65);
}

TEST_F(ShellFiles, WriteOptionsFileStoresTheTableRowByRow) {
  for (int32_t r = 0; r <= 4; ++r) {
    for (int32_t c = 0; c <= 6; ++c) optionTable[r][c] = r * 100 + c;
  }
  WriteOptionsFile();
  const std::vector<int32_t> values = ReadInts("data/options.qv2");
  ASSERT_EQ(values.size(), 36u);
  EXPECT_EQ(values[0], 41);
  for (int32_t r = 0; r <= 4; ++r) {
    for (int32_t c = 0; c <= 6; ++c) EXPECT_EQ(values[1 + 7 * r + c], r * 100 + c);
  }
}

TEST_F(ShellFiles, ProgressFile) {
  WriteInts("data/exp.qv2", {41, 5});
  LoadProgressFile();
  EXPECT_EQ(bonusShipsUnlocked, 5);
  EXPECT_EQ(AvailableShipCount(), 15);

  WriteInts("data/exp.qv2", {41, 31});
  LoadProgressFile();
  EXPECT_EQ(bonusShipsUnlocked, 30);
  WriteInts("data/exp.qv2", {41, -3});
  LoadProgressFile();
  EXPECT_EQ(bonusShipsUnlocked, 0);

  bonusShipsUnlocked = 7;
  WriteInts("data/exp.qv2", {40, 5});
  LoadProgressFile();
  EXPECT_EQ(bonusShipsUnlocked, 0);

  bonusShipsUnlocked = 7;
  WriteInts("data/exp.qv2", {41});
  LoadProgressFile();
  EXPECT_EQ(bonusShipsUnlocked, 0);

  fs::remove("data/exp.qv2");
  bonusShipsUnlocked = 7;
  LoadProgressFile();
  EXPECT_EQ(bonusShipsUnlocked, 0);
  EXPECT_FALSE(fs::exists("data/exp.qv2"));

  bonusShipsUnlocked = 12;
  SaveProgressFile();
  EXPECT_EQ(ReadInts("data/exp.qv2"), (std::vector<int32_t>{41, 12}));
  EXPECT_EQ(fs::file_size("data/exp.qv2"), 8u);
  EXPECT_FALSE(fs::exists(NativePath(ProcessTemporaryPath(progressFilePath))));
}

TEST_F(ShellFiles, LeftoversOfSavesCutShortAreRemovedAndNothingElse) {
  fs::create_directories("data/replays");
  const std::vector<std::string> leftovers = {
      "data/options.qv2.tmp", "data/exp.qv2.tmp", "data/qvw2.tmp", "data/qvw2.tmp.tmp",
      "data/replays/qvw2.tmp", "data/replays/qvw2.tmp.tmp", "data/replays/MINE.inr.new",
      "data/replays/MINE.inr.new.tmp", "data/replays/MINE.rep.tmp",
      // Of a copy of the game no longer running.
      "data/options.qv2.2147483647.tmp", "data/replays/qvw2.2147483647.tmp",
      "data/replays/qvw2.2147483647.tmp.2147483647.tmp",
      "data/replays/MINE.rep.new.2147483647.tmp"};
  // Another copy still running may be saving through its own.
  const std::string running = std::string(".").append(std::to_string(getppid())).append(".tmp");
  const std::vector<std::string> kept = {"data/options.qv2",
                                         "data/exp.qv2",
                                         "data/notes.tmp",
                                         "data/replays/MINE.rep",
                                         "data/replays/MINE.inr",
                                         "data/replays/notes.tmp",
                                         "data/replays/x.new",
                                         "data/replays/rep.tmp.txt",
                                         "data/exp.qv2" + running,
                                         "data/replays/qvw2" + running,
                                         "data/replays/MINE.inr.new" + running};
  for (const auto& list : {leftovers, kept})
    for (const std::string& path : list) WriteInts(path, {1});
  fs::create_directory("data/replays/folder.rep.tmp");
  RemoveSaveLeftovers();
  for (const std::string& path : leftovers) EXPECT_FALSE(fs::exists(path)) << path;
  for (const std::string& path : kept) EXPECT_TRUE(fs::exists(path)) << path;
  EXPECT_TRUE(fs::is_directory("data/replays/folder.rep.tmp"));
}

TEST_F(ShellFiles, LeftoversAreKnownByTheGamesOwnEndingsInTheirOwnCase) {
  fs::create_directories("data/replays");
  const std::vector<std::string> theirs = {
      "data/replays/B.INR.NEW", "data/replays/MY.REP.TMP",    "data/replays/Notes.Inr.New.Tmp",
      "data/replays/P.REP.OLD", "data/replays/P.Rep.New",     "data/replays/QVW2.TMP",
      "data/OPTIONS.QV2.TMP",   "data/replays/P.rep.new.TMP", "data/replays/NOTES.REP.tmp",
      "data/replays/X.Rep.tmp"};
  const std::vector<std::string> ours = {
      "data/replays/B.inr.new", "data/replays/MY.REP.rep.tmp", "data/replays/Notes.inr.new.tmp",
      "data/replays/P.rep.old", "data/replays/P.rep.new",      "data/replays/P.rep.new.tmp"};
  for (const auto& list : {theirs, ours})
    for (const std::string& path : list) WriteInts(path, {1});
  RemoveSaveLeftovers();
  for (const std::string& path : theirs) EXPECT_TRUE(fs::exists(path)) << path;
  for (const std::string& path : ours) EXPECT_FALSE(fs::exists(path)) << path;
}

TEST_F(ShellFiles, AStartWithNoFilesOrWholeOnesShowsNoNotice) {
  LoadOptionsFile();
  LoadProgressFile();
  EXPECT_EQ(saveFailureFrames, 0);
  EXPECT_EQ(saveFailureNotice, Text());
  WriteInts("data/exp.qv2", {41, 3});
  ResetShell();
  LoadOptionsFile();
  LoadProgressFile();
  EXPECT_EQ(filesLoaded, 1);
  EXPECT_EQ(bonusShipsUnlocked, 3);
  EXPECT_EQ(saveFailureFrames, 0);
  EXPECT_EQ(saveFailureNotice, Text());
}

TEST_F(ShellFiles, FilesThatCannotBeReadAreKeptAsTheyAreAndTold) {
  std::vector<int32_t> options = DefaultFile();
  options[2] = OPTION_OFF;
  WriteInts("data/options.qv2", options);
  WriteInts("data/exp.qv2", {41, 12});
  // The open of each fails once, then every read of each.
  for (const FileCall failed : {FileCall::Open, FileCall::Read}) {
    ResetShell();
    SetFileCallHook([failed](FileCall call, const std::string&) { return call != failed; });
    LoadOptionsFile();
    LoadProgressFile();
    SetFileCallHook(nullptr);
    EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_MUSIC], OPTION_ON);
    EXPECT_EQ(optionTable[1][INPUT_THRUST], KEY_UP);
    EXPECT_EQ(filesLoaded, 2);
    EXPECT_EQ(bonusShipsUnlocked, 0);
    EXPECT_EQ(saveFailureNotice, Text(u"UNABLE TO READ THE OPTIONS AND THE PROGRESS!"));
    EXPECT_EQ(saveFailureFrames, saveFailureShownFrames);
    EXPECT_EQ(ReadInts("data/options.qv2"), options);
    EXPECT_EQ(ReadInts("data/exp.qv2"), (std::vector<int32_t>{41, 12}));
  }
}

TEST_F(ShellFiles, AProgressSaveNeverLowersTheFileNorWritesOverOneItCannotRead) {
  WriteInts("data/exp.qv2", {41, 12});
  bonusShipsUnlocked = 1;
  SetFileCallHook([](FileCall call, const std::string&) { return call != FileCall::Read; });
  EXPECT_FALSE(SaveProgressFile());
  SetFileCallHook(nullptr);
  EXPECT_EQ(saveFailureNotice, Text(u"UNABLE TO SAVE THE PROGRESS!"));
  EXPECT_EQ(ReadInts("data/exp.qv2"), (std::vector<int32_t>{41, 12}));
  EXPECT_TRUE(SaveProgressFile());
  EXPECT_EQ(ReadInts("data/exp.qv2"), (std::vector<int32_t>{41, 12}));
  EXPECT_EQ(bonusShipsUnlocked, 12);
  bonusShipsUnlocked = 13;
  EXPECT_TRUE(SaveProgressFile());
  EXPECT_EQ(ReadInts("data/exp.qv2"), (std::vector<int32_t>{41, 13}));
}
