// Saving the options and progress files on a full disk, or past a file size
// limit: the old files stay byte for byte and no temporary file is left.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "platform/headless.hpp"
#include "shell/options_files.hpp"
#include "shell/replay_save.hpp"
#include "shell/screens.hpp"
#include "tests/game_pictures.hpp"
#include "tests/shell_harness.hpp"
#include "tests/test_folder.hpp"

namespace fs = std::filesystem;
using shellharness::FileBytes;

TEST(SaveFiles, AFullDiskOrASizeLimitKeepsTheOldFiles) {
  TestFolder folder("qw2_save_", "data");
  ResetShell();
  const std::string options(144, '\x11');
  const std::string progress("\x29\0\0\0\x04\0\0\0", 8);
  std::ofstream("data/options.qv2", std::ios::binary) << options;
  std::ofstream("data/exp.qv2", std::ios::binary) << progress;
  // The disk fills up: every flush of a temporary file fails.
  SetFileCallHook([](FileCall call, const std::string&) { return call != FileCall::Flush; });
  optionTable[1][INPUT_THRUST] = 65;
  bonusShipsUnlocked = 5;
  EXPECT_FALSE(WriteOptionsFile());
  EXPECT_EQ(saveFailureNotice, Text(u"UNABLE TO SAVE THE OPTIONS!"));
  EXPECT_FALSE(SaveProgressFile());
  SetFileCallHook(nullptr);
  EXPECT_EQ(saveFailureNotice, Text(u"UNABLE TO SAVE THE PROGRESS!"));
  EXPECT_EQ(saveFailureFrames, saveFailureShownFrames);
  EXPECT_EQ(FileBytes("data/options.qv2"), options);
  EXPECT_EQ(FileBytes("data/exp.qv2"), progress);
  EXPECT_FALSE(fs::exists(NativePath(ProcessTemporaryPath(optionsFilePath))));
  EXPECT_FALSE(fs::exists(NativePath(ProcessTemporaryPath(progressFilePath))));

  // Room for 100 bytes a file: the 144 of the options fail, the 8 of the
  // progress fit. The game's own set-up ignores the signal that would end
  // it, so the write reports the failure (without it this test dies).
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit lowered = old;
  lowered.rlim_cur = 100;
  KeepRunningPastFileSizeLimit();
  setrlimit(RLIMIT_FSIZE, &lowered);
  const bool optionsSaved = WriteOptionsFile();
  const bool progressSaved = SaveProgressFile();
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(optionsSaved);
  EXPECT_TRUE(progressSaved);
  EXPECT_EQ(FileBytes("data/options.qv2"), options);
  EXPECT_FALSE(fs::exists(NativePath(ProcessTemporaryPath(optionsFilePath))));
  EXPECT_EQ(FileBytes("data/exp.qv2"), std::string("\x29\0\0\0\x05\0\0\0", 8));

  // A folder that does not exist: nothing is made.
  EXPECT_FALSE(SaveWholeFile(u"data\\none\\x", nullptr, 0));
  EXPECT_FALSE(fs::exists("data/none"));
  ResetShell();
}

TEST(SaveFiles, ATemporaryNameIsMadeAfreshNeverWrittenThroughALink) {
  TestFolder folder("qw2_save_", "data/replays");
  ResetShell();
  std::ofstream("outside.txt") << "the player's own";
  const std::string replayData = NativePath(ReplayTempPath());
  const std::string optionsTemporary = NativePath(ProcessTemporaryPath(optionsFilePath));
  // This process's own names: two copies saving at once never share one.
  const std::string own = std::string(".").append(std::to_string(getpid())).append(".tmp");
  EXPECT_EQ(replayData, "data/replays/qvw2" + own);
  EXPECT_EQ(optionsTemporary, "data/options.qv2" + own);
  fs::create_symlink("../../outside.txt", replayData + own);
  fs::create_symlink("../outside.txt", optionsTemporary);
  const uint8_t bytes[3] = {1, 2, 3};
  EXPECT_TRUE(SaveWholeFile(ReplayTempPath(), bytes, sizeof bytes));
  EXPECT_TRUE(WriteOptionsFile());
  EXPECT_EQ(FileBytes("outside.txt"), "the player's own");
  EXPECT_EQ(FileBytes(replayData), std::string("\x01\x02\x03"));
  EXPECT_EQ(fs::file_size("data/options.qv2"), 144u);
  EXPECT_FALSE(fs::exists(fs::symlink_status(optionsTemporary)));
  ResetShell();
}

TEST(SaveFiles, AFailedSaveIsToldCentredOnTheMainMenu) {
  ASSERT_TRUE(shellharness::StartShell());
  LoadGameFonts();
  saveFailureNotice = u"UNABLE TO SAVE THE OPTIONS!";
  saveFailureAdvice = u"CHECK THE DATA FOLDER AND THE SPACE ON THE DISK";
  saveFailureFrames = saveFailureShownFrames;
  ClearBackBuffer();
  MainMenuDraw();
  int32_t left = 1280, right = -1, top = 1024, bottom = -1;
  for (int32_t y = 0; y < 1024; ++y)
    for (int32_t x = 0; x < 1280; ++x) {
      const uint32_t p = FramebufferPixel(x, y);
      if ((p >> 16 & 0xff) > 150 && (p >> 8 & 0xff) < 40 && (p & 0xff) < 40) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
  // Two lines, the second the wider, centred under the menu.
  EXPECT_NEAR(left + right, 1279, 12) << left << " " << right;
  EXPECT_GT(right - left, 400);
  EXPECT_GE(top, 780);
  EXPECT_GE(bottom - top, 30);
  shellharness::StopShell();
}

TEST(SaveFiles, LeavingTheMainMenuEndsItsNotice) {
  TestFolder folder("qw2_save_");
  ASSERT_TRUE(shellharness::StartShell());
  LoadGameFonts();
  auto redPixels = [] {
    int32_t n = 0;
    for (int32_t y = 780; y < 860; ++y)
      for (int32_t x = 0; x < 1280; ++x) {
        const uint32_t p = PresentedPixel(x, y);
        n += (p >> 16 & 0xff) > 150 && (p >> 8 & 0xff) < 40 && (p & 0xff) < 40 ? 1 : 0;
      }
    return n;
  };
  RunFrame();
  // A save failed on another screen is told on the menu it returns to...
  pendingScreen = SCREEN_GAME_MODE;
  RunFrame();
  saveFailureNotice = u"UNABLE TO SAVE THE OPTIONS!";
  saveFailureFrames = saveFailureShownFrames;
  pendingScreen = SCREEN_MAIN_MENU;
  RunFrame();
  EXPECT_GT(redPixels(), 100);
  // ...until the menu is left, and not again after a while elsewhere.
  pendingScreen = SCREEN_OPTIONS;
  RunFrame();
  EXPECT_EQ(saveFailureFrames, 0);
  pendingScreen = SCREEN_MAIN_MENU;
  RunFrame();
  EXPECT_EQ(redPixels(), 0);
  shellharness::StopShell();
}

TEST(SaveFiles, EverySaveSyncsItsFolderLastAndAFailedSyncStillSaves) {
  TestFolder folder("qw2_save_", "data/replays");
  ResetShell();
  std::vector<std::string> calls;
  SetFileCallHook([&](FileCall call, const std::string& path) {
    calls.push_back(call == FileCall::SyncFolder ? "sync " + path : "other");
    return call != FileCall::SyncFolder;
  });
  replayInfo[1] = u"SYNCED";
  for (bool (*save)() : {WriteOptionsFile, SaveProgressFile, WriteReplayFiles}) {
    EXPECT_TRUE(save());
    calls.push_back("saved");
  }
  SetFileCallHook(nullptr);
  // Each save's last call, after its last rename.
  std::vector<std::string> ends;
  for (size_t i = 1; i < calls.size(); ++i)
    if (calls[i] == "saved") ends.push_back(calls[i - 1]);
  EXPECT_EQ(ends, (std::vector<std::string>{"sync data/", "sync data/", "sync data/replays/"}));
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "sync data/replays/"), 1);
  EXPECT_EQ(saveFailureFrames, 0);
  for (const char* path :
       {"data/options.qv2", "data/exp.qv2", "data/replays/SYNCED.inr", "data/replays/SYNCED.rep"})
    EXPECT_TRUE(fs::exists(path)) << path;
  ResetShell();
}
