// Saving a replay: the two files byte for byte, saves that cannot be written,
// the save dialog and the text entry it types with.
#include "shell/replay_save.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "match/key_codes.hpp"
#include "match/replay_files.hpp"
#include "match/text_entry.hpp"
#include "platform/zpack.hpp"
#include "shell/options_files.hpp"
#include "shell/screens.hpp"
#include "shell/startup_tables.hpp"
#include "tests/match_harness.hpp"
#include "tests/test_folder.hpp"

namespace fs = std::filesystem;

namespace {

class ReplaySave : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace("qw2_replay_save_", "data/replays");
    ResetShell();
    harness::ResetMatchWorld();
    SetUpTeamNames();
    SetUpStartupTables();
    tickSound = 9001;
    alarmSound = 9002;
    snapSound = 9003;
    PollInput();  // every key seen up once, as in a running game
    ClearAudioCallLog();
  }
  void TearDown() override {
    ResetShell();
    folder_.reset();
  }

  // A short recorded duel as the statistics screen finds it.
  static harness::MatchRecord Record(int32_t frames = 300) {
    harness::MatchSetup setup;
    setup.seed = 4711;
    setup.maxFrames = frames;
    setup.slots[1] = {CONTROL_HUMAN, 1, {SHIP_SPETH, SHIP_DRONT}};
    setup.slots[2] = {CONTROL_COMPUTER, 2, {SHIP_GROK}};
    harness::MatchRecord record = harness::RecordMatch(setup);
    gameMode = MODE_MELEE;
    matchWinner = 2;
    matchDateTime[1] = u"09 Dec 2025";
    matchDateTime[2] = u"12:34:56";
    return record;
  }
  static std::set<std::string> ReplayFolder() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator("data/replays"))
      names.insert(entry.path().filename());
    return names;
  }
  // One frame of the open dialog.
  static void Frame() {
    PollInput();
    if (saveDialogOpen == 1) SaveDialogInput();
  }
  static void Click(int32_t x, int32_t y) {
    HeadlessSetMouse(x, y, 0);
    Frame();
    HeadlessSetMouse(x, y, 1);
    Frame();
    HeadlessSetMouse(x, y, 0);
  }
  static void Tap(int32_t key) {
    HeadlessSetKey(key, true);
    Frame();
    HeadlessSetKey(key, false);
    Frame();
  }
  static void OpenDialog() {
    replayInfo[1] = u"UNTITLED";
    replayInfo[2] = u"NO COMMENTS";
    for (int32_t i = 3; i <= 6; ++i) replayInfo[i].clear();
    replaySaved = 0;
    saveDialogOpen = 1;
  }

  std::optional<TestFolder> folder_;
};

// Writes beyond 'bytes' fail as on a full disk, until the end of the scope,
// once the game's set-up ignores the signal a longer file would raise.
class DiskFullAfter {
 public:
  explicit DiskFullAfter(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    KeepRunningPastFileSizeLimit();
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~DiskFullAfter() { setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

// The replay folder's files and their bytes.
using Folder = std::map<std::string, std::vector<uint8_t>>;
Folder FolderFiles() {
  Folder files;
  for (const auto& entry : fs::directory_iterator("data/replays"))
    files[entry.path().filename()] = harness::ReadFileBytes(TextFromBytes(entry.path().string()));
  return files;
}
void SetFolderFiles(const Folder& files) {
  fs::remove_all("data/replays");
  fs::create_directory("data/replays");
  for (const auto& [name, bytes] : files)
    harness::WriteFileBytes(TextFromBytes("data/replays/" + name), bytes);
}
// Runs the work in a child process that ends, as if killed, just before its
// n-th file call; true when it was stopped there.
bool KilledBeforeCall(size_t n, const std::function<void()>& work) {
  const pid_t child = fork();
  if (child == 0) {
    size_t calls = 0;
    SetFileCallHook([&](FileCall, const std::string&) {
      if (++calls == n) _exit(3);
      return true;
    });
    work();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 3;
}

std::vector<uint8_t> Counted(const std::string& bytes) {
  std::vector<uint8_t> out;
  AppendInt32(out, static_cast<int32_t>(bytes.size()));
  out.insert(out.end(), bytes.begin(), bytes.end());
  return out;
}

TEST_F(ReplaySave, TheTwoFilesHoldTheirLayoutsByteForByte) {
  harness::MatchRecord record = Record();
  const int32_t last = record.lastFrame;
  // A name ending in ".REP" still gets both extensions of its own.
  replayInfo[1] = u"X.REP";
  replayInfo[2] = u"FIRST LINE";
  replayInfo[3] = u"";
  replayInfo[4] = u"\u00C5\u00C4\u00D6";
  replayInfo[5] = u"";
  replayInfo[6] = u"LAST";
  ASSERT_TRUE(WriteReplayFiles());
  EXPECT_EQ(ReplayFolder(), (std::set<std::string>{"X.REP.inr", "X.REP.rep"}));

  // The replay file: 4324, the unpacked size, then a zlib stream of the data.
  std::vector<uint8_t> rep = harness::ReadFileBytes(u"data\\replays\\X.REP.rep");
  ASSERT_GT(rep.size(), 8u);
  const int32_t size = 8 + 160 * (last + 1);
  EXPECT_EQ(Int32At(rep.data()), 4324);
  EXPECT_EQ(Int32At(rep.data() + 4), size);
  std::vector<uint8_t> data;
  ASSERT_TRUE(UnpackBytes(rep.data() + 8, rep.size() - 8, static_cast<size_t>(size), data));
  // The data: 2006, N, and cell [t][p][a] at 8 + 160t + 32p + 4a.
  ASSERT_EQ(data.size(), static_cast<size_t>(size));
  EXPECT_EQ(Int32At(data.data()), 2006);
  EXPECT_EQ(Int32At(data.data() + 4), last);
  EXPECT_EQ(Int32At(data.data() + 8), 4711);                               // the seed
  EXPECT_EQ(Int32At(data.data() + 8 + 32 * 2 + 4 * 1), CONTROL_COMPUTER);  // slot 2's control
  EXPECT_EQ(Int32At(data.data() + 8 + 160 * 2 + 32 * 1), 24);              // slot 1's second ship
  for (int32_t a = 5; a <= 7; ++a)
    EXPECT_EQ(Int32At(data.data() + 8 + 160 * last + 4 * a), record.checksums.back()[a - 5]);
  EXPECT_EQ(data, record.data);

  // The information file, field by field.
  std::vector<uint8_t> inr;
  AppendInt32(inr, 101);
  for (const std::string& text :
       {std::string("FIRST LINE"), std::string(), std::string("\xC5\xC4\xD6"), std::string(),
        std::string("LAST"), std::string("09 Dec 2025"), std::string("12:34:56")}) {
    std::vector<uint8_t> counted = Counted(text);
    inr.insert(inr.end(), counted.begin(), counted.end());
  }
  for (int32_t v : {last, MODE_MELEE, 2}) AppendInt32(inr, v);
  // control, team, fleet size, fleet kind, starting money of slots 1 to 4
  for (int32_t v : {1, 1, 2, 1, 200, 2, 2, 1, 1, 200, 0, 1, 0, 1, 200, 0, 1, 0, 1, 200})
    AppendInt32(inr, v);
  EXPECT_EQ(harness::ReadFileBytes(u"data\\replays\\X.REP.inr"), inr);

  // Saving again under the name replaces both.
  replayInfo[2] = u"SECOND";
  matchWinner = 1;
  ASSERT_TRUE(WriteReplayFiles());
  EXPECT_EQ(ReplayFolder(), (std::set<std::string>{"X.REP.inr", "X.REP.rep"}));
  std::vector<uint8_t> again = harness::ReadFileBytes(u"data\\replays\\X.REP.inr");
  ASSERT_EQ(again.size(), inr.size() - 10 + 6);
  EXPECT_EQ(std::string(again.begin() + 8, again.begin() + 14), "SECOND");
}

TEST_F(ReplaySave, ASaveThatCannotBeWrittenKeepsTheOldReplayAndSaysSo) {
  Record();
  replayInfo[1] = u"KEEP";
  ASSERT_TRUE(WriteReplayFiles());
  const std::vector<uint8_t> oldRep = harness::ReadFileBytes(u"data\\replays\\KEEP.rep");
  const std::vector<uint8_t> oldInr = harness::ReadFileBytes(u"data\\replays\\KEEP.inr");
  auto unchanged = [&] {
    EXPECT_EQ(harness::ReadFileBytes(u"data\\replays\\KEEP.rep"), oldRep);
    EXPECT_EQ(harness::ReadFileBytes(u"data\\replays\\KEEP.inr"), oldInr);
    EXPECT_EQ(ReplayFolder(), (std::set<std::string>{"KEEP.inr", "KEEP.rep"}));
  };

  // The disk fills while the replay data is written: through the dialog.
  OpenDialog();
  replayInfo[1] = u"KEEP";
  replayInfo[2] = u"NEW TEXT";
  {
    DiskFullAfter limit(2000);
    Click(842, 720);
  }
  EXPECT_EQ(replaySaved, 0);
  EXPECT_EQ(saveDialogOpen, 1);
  EXPECT_EQ(saveFailed, 1);
  EXPECT_EQ(saveAccepted, 0);  // not tried again in every frame
  EXPECT_EQ(harness::SoundsPlayed(alarmSound), 1u);
  unchanged();

  // The packed replay itself cannot be written in full.
  harness::WriteFileBytes(u"data\\replays\\source.tmp", harness::ReplayDataBytes(matchFrame));
  {
    DiskFullAfter limit(oldRep.size() / 2);
    EXPECT_FALSE(CompressToReplay(u"data\\replays\\source.tmp", u"data\\replays\\KEEP"));
  }
  RemoveFile(u"data\\replays\\source.tmp");
  unchanged();

  // Folders in the way, or no folder at all.
  fs::create_directory("data/replays/BLOCKED.inr");
  replayInfo[1] = u"BLOCKED";
  EXPECT_FALSE(WriteReplayFiles());
  EXPECT_FALSE(fs::exists("data/replays/BLOCKED.rep"));
  fs::remove("data/replays/BLOCKED.inr");
  if (geteuid() != 0) {  // the superuser writes into read-only folders
    fs::permissions("data/replays", fs::perms::owner_read | fs::perms::owner_exec);
    replayInfo[1] = u"KEEP";
    EXPECT_FALSE(WriteReplayFiles());
    fs::permissions("data/replays", fs::perms::owner_all);
    unchanged();
  }
  fs::rename("data/replays", "data/moved");
  EXPECT_FALSE(WriteReplayFiles());
  harness::WriteFileBytes(u"data\\replays", {1, 2, 3});
  EXPECT_FALSE(WriteReplayFiles());
  fs::remove("data/replays");
  fs::rename("data/moved", "data/replays");
  unchanged();

  // With the disk free again the same dialog saves.
  replayInfo[1] = u"KEEP";
  Click(842, 720);
  EXPECT_EQ(replaySaved, 1);
  EXPECT_EQ(saveDialogOpen, 0);
  EXPECT_EQ(saveFailed, 0);
  EXPECT_EQ(harness::SoundsPlayed(snapSound), 2u);  // the first save and this one
  EXPECT_NE(harness::ReadFileBytes(u"data\\replays\\KEEP.inr"), oldInr);
  EXPECT_EQ(ReplayFolder(), (std::set<std::string>{"KEEP.inr", "KEEP.rep"}));
}

TEST_F(ReplaySave, EveryFailedOrKilledSaveLeavesOneWholePairOfOneSave) {
  Record();
  replayInfo[1] = u"PAIR";
  replayInfo[2] = u"OLD";
  ASSERT_TRUE(WriteReplayFiles());
  const Folder oldPair = FolderFiles();
  // The new save differs in both files.
  replayInfo[2] = u"NEW";
  replayData[0][0][0] += 1;
  // Over an old pair, under a new name, and beside an information file
  // without its replay, which is no replay: it may go.
  const Folder halfPair = {{"PAIR.inr", oldPair.at("PAIR.inr")}};
  for (const Folder& before : {oldPair, Folder{}, halfPair}) {
    auto old = [&](const Folder& files) {
      return files == before || (files.empty() && before == halfPair);
    };
    // A whole save from there: its file calls, and the rename that does it.
    SetFolderFiles(before);
    std::vector<std::pair<FileCall, std::string>> calls;
    SetFileCallHook([&](FileCall call, const std::string& path) {
      calls.emplace_back(call, path);
      return true;
    });
    ASSERT_TRUE(WriteReplayFiles());
    SetFileCallHook(nullptr);
    const Folder newPair = FolderFiles();
    ASSERT_EQ(newPair.size(), 2u);
    ASSERT_NE(newPair, oldPair);
    // Which call renames that file, counted from 1.
    auto renameOf = [&calls](const char* path) {
      const auto at =
          std::find(calls.begin(), calls.end(), std::pair(FileCall::Rename, std::string(path)));
      EXPECT_NE(at, calls.end()) << path;
      return static_cast<size_t>(at - calls.begin()) + 1;
    };
    const size_t done = renameOf("data/replays/PAIR.inr.new");
    // Under a new name, a kill once the new replay stands in its place
    // leaves it beside its waiting information file: the next start keeps
    // it and completes the pair.
    const size_t kept = before == oldPair ? done : renameOf("data/replays/PAIR.rep.new");
    std::set<FileCall> kinds;
    for (const auto& call : calls) kinds.insert(call.first);
    // open, read, write, flush, sync, close, rename, remove, folder sync
    EXPECT_EQ(kinds.size(), 9u);
    // The n-th call fails: a save told as failed left the old pair as it was,
    // one told as done the new pair; and so does the next start.
    for (size_t n = 1; n <= calls.size(); ++n) {
      SetFolderFiles(before);
      size_t count = 0;
      SetFileCallHook([&](FileCall, const std::string&) { return ++count != n; });
      const bool saved = WriteReplayFiles();
      SetFileCallHook(nullptr);
      EXPECT_EQ(saved, n > done) << n;
      if (saved) {
        for (const auto& [name, bytes] : newPair) EXPECT_EQ(FolderFiles()[name], bytes) << n;
      } else {
        EXPECT_TRUE(old(FolderFiles())) << n;
      }
      RemoveSaveLeftovers();
      EXPECT_TRUE(saved ? FolderFiles() == newPair : old(FolderFiles())) << n;
    }
    // Killed before the n-th call, then the next start killed before its
    // m-th, then a whole start: the old pair unless the save was done or
    // its replay kept.
    for (size_t n = 1; n <= calls.size() + 1; ++n) {
      SetFolderFiles(before);
      EXPECT_EQ(KilledBeforeCall(n, [] { WriteReplayFiles(); }), n <= calls.size());
      const Folder killed = FolderFiles();
      for (size_t m = 1;; ++m) {
        SetFolderFiles(killed);
        const bool stopped = KilledBeforeCall(m, RemoveSaveLeftovers);
        RemoveSaveLeftovers();
        EXPECT_TRUE(n > kept ? FolderFiles() == newPair : old(FolderFiles())) << n << " " << m;
        if (!stopped) break;
      }
    }
  }
}

TEST_F(ReplaySave, AStartNeverRemovesAReplayBesideAWaitingInformationFile) {
  Record(200);
  replayInfo[1] = u"SHORT";
  ASSERT_TRUE(WriteReplayFiles());
  Record(300);
  replayInfo[1] = u"OLD";
  ASSERT_TRUE(WriteReplayFiles());
  const Folder saved = FolderFiles();
  const std::vector<uint8_t>& replay = saved.at("OLD.rep");
  const std::vector<uint8_t>& itsInfo = saved.at("OLD.inr");
  // As an earlier release's save, or this one's under a new name, cut short
  // before its last rename: the information file written for this replay...
  SetFolderFiles({{"OLD.rep", replay}, {"OLD.inr.new", itsInfo}});
  RemoveSaveLeftovers();
  EXPECT_EQ(FolderFiles(), (Folder{{"OLD.rep", replay}, {"OLD.inr", itsInfo}}));
  // ...or for another one: the replay stays, alone.
  SetFolderFiles({{"OLD.rep", replay}, {"OLD.inr.new", saved.at("SHORT.inr")}});
  RemoveSaveLeftovers();
  EXPECT_EQ(FolderFiles(), (Folder{{"OLD.rep", replay}}));
  // A disk that cannot read either of them leaves both for a later start.
  const Folder unread = {{"OLD.rep", replay}, {"OLD.inr.new", itsInfo}};
  for (const std::string unreadable : {"data/replays/OLD.rep", "data/replays/OLD.inr.new"}) {
    SetFolderFiles(unread);
    SetFileCallHook([unreadable](FileCall call, const std::string& path) {
      return call != FileCall::Read || path != unreadable;
    });
    RemoveSaveLeftovers();
    SetFileCallHook(nullptr);
    EXPECT_EQ(FolderFiles(), unread) << unreadable;
  }
  // The pair made whole lasts: the folder is synced after the rename.
  SetFolderFiles(unread);
  std::vector<FileCall> calls;
  SetFileCallHook([&calls](FileCall call, const std::string&) {
    calls.push_back(call);
    return true;
  });
  RemoveSaveLeftovers();
  SetFileCallHook(nullptr);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2], FileCall::Rename);
  EXPECT_EQ(calls.back(), FileCall::SyncFolder);
}

TEST_F(ReplaySave, ASaveUnderTheNameOfAKeptReplayNeverRemovesIt) {
  Record(200);
  replayInfo[1] = u"OTHER";
  ASSERT_TRUE(WriteReplayFiles());
  const std::vector<uint8_t> otherInfo = FolderFiles().at("OTHER.inr");
  const std::vector<uint8_t> replay = {1, 2, 3, 4};
  replayInfo[1] = u"OLD";
  // Beside an information file the disk cannot read, both stay: the save is
  // refused.
  const Folder unread = {{"OLD.rep", replay}, {"OLD.inr.new", otherInfo}};
  SetFolderFiles(unread);
  SetFileCallHook([](FileCall call, const std::string& path) {
    return call != FileCall::Read || path != "data/replays/OLD.inr.new";
  });
  EXPECT_FALSE(WriteReplayFiles());
  SetFileCallHook(nullptr);
  EXPECT_EQ(FolderFiles(), unread);
  // Beside one written for another replay, the replay is kept when the
  // save then fails: it is not this save's own.
  SetFolderFiles(unread);
  SetFileCallHook([](FileCall call, const std::string&) { return call != FileCall::Write; });
  EXPECT_FALSE(WriteReplayFiles());
  SetFileCallHook(nullptr);
  EXPECT_EQ(FolderFiles(), (Folder{{"OLD.rep", replay}}));
}

TEST_F(ReplaySave, TwoCopiesSavingOneNameAtOnceEachLeaveAWholePair) {
  replayInfo[1] = u"SAME";
  // The other copy of the game, with the longer match, saves when told to.
  int go[2];
  ASSERT_EQ(pipe(go), 0);
  const int32_t longer = Record(400).lastFrame;
  const pid_t other = fork();
  if (other == 0) {
    char word = 0;
    const bool told = read(go[0], &word, 1) == 1;
    _exit(told && WriteReplayFiles() ? 0 : 1);
  }
  // This copy tells it with both new files of its own waiting, then gives
  // it time to reach the folder.
  Record(200);
  SetFileCallHook([&go](FileCall call, const std::string& path) {
    if (call == FileCall::Rename && path == "data/replays/SAME.rep.new") {
      EXPECT_EQ(write(go[1], "s", 1), 1);
      usleep(200000);
    }
    return true;
  });
  const bool saved = WriteReplayFiles();
  SetFileCallHook(nullptr);
  int status = 0;
  waitpid(other, &status, 0);
  close(go[0]);
  close(go[1]);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  // The pair of the save done last, whole: it unpacks to the length its
  // information file gives.
  EXPECT_EQ(ReplayFolder(), (std::set<std::string>{"SAME.inr", "SAME.rep"}));
  const std::vector<uint8_t> infoBytes = harness::ReadFileBytes(u"data\\replays\\SAME.inr");
  TReplayInfoFile info;
  ASSERT_TRUE(DecodeReplayInfo(infoBytes.data(), infoBytes.size(), info));
  EXPECT_EQ(info.lastFrame, longer);
  ASSERT_TRUE(DecompressReplay(u"data\\replays\\SAME.rep", u"data\\unpacked.tmp"));
  EXPECT_EQ(FileByteSize(u"data\\unpacked.tmp"), 8 + 160 * (info.lastFrame + 1));

  // While another copy saves, a start leaves the folder to it.
  const Folder waiting = {{"SAME.rep.new", {1}}, {"SAME.inr.new", {2}}};
  SetFolderFiles(waiting);
  {
    const FolderLock saving(replayFolder, 0);
    ASSERT_FALSE(saving.Busy());
    RemoveSaveLeftovers();
    EXPECT_EQ(FolderFiles(), waiting);
  }
  RemoveSaveLeftovers();
  EXPECT_EQ(FolderFiles(), Folder{});
}

TEST_F(ReplaySave, ANameThatLeavesTheReplayFolderIsRefused) {
  Record();
  OpenDialog();
  replayInfo[1] = u"../X";
  Click(842, 720);
  EXPECT_EQ(saveFailed, 1);
  EXPECT_EQ(replaySaved, 0);
  replayInfo[1] = u"..\\X";
  EXPECT_FALSE(WriteReplayFiles());
  replayInfo[1] = u"A/B";
  EXPECT_FALSE(WriteReplayFiles());
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator("data"), {}), 1);  // data/replays
}

TEST_F(ReplaySave, TheDialogEditsItsFieldsAndClosesOnlyWhenNotEditing) {
  Record();
  OpenDialog();
  Click(640, 400);  // CHANGE NAME
  EXPECT_EQ(editedField, EDIT_NAME);
  EXPECT_EQ(harness::SoundsPlayed(tickSound), 1u);
  for (int i = 0; i < 8; ++i) Tap(8);
  for (int32_t key : {82, 49}) Tap(key);
  EXPECT_EQ(replayInfo[1], u"R1");
  // Escape ends the edit, the dialog stays; a click on ACCEPT while editing
  // saves nothing.
  Click(640, 500);
  Click(842, 720);
  EXPECT_EQ(replaySaved, 0);
  Tap(27);
  EXPECT_EQ(editedField, EDIT_NONE);
  EXPECT_EQ(textEntryLine, 0);
  EXPECT_EQ(saveDialogOpen, 1);
  Click(640, 500);  // CHANGE DESCRIPTION
  EXPECT_EQ(editedField, EDIT_DESCRIPTION);
  Tap(32);
  Tap(88);
  EXPECT_EQ(replayInfo[2], u"NO COMMENTS X");
  Tap(13);  // Enter ends it too
  EXPECT_EQ(editedField, EDIT_NONE);
  EXPECT_EQ(saveDialogOpen, 1);
  Tap(27);  // now Escape closes the dialog, writing nothing
  EXPECT_EQ(saveDialogOpen, 0);
  EXPECT_TRUE(ReplayFolder().empty());
  // CANCEL closes it too.
  saveDialogOpen = 1;
  Click(440, 720);
  EXPECT_EQ(saveDialogOpen, 0);
  EXPECT_EQ(replaySaved, 0);
  // ACCEPT and Escape in one frame save; a failed save keeps the dialog open.
  for (rlim_t room : {rlim_t{2000}, RLIM_INFINITY}) {
    saveDialogOpen = 1;
    DiskFullAfter limit(room);
    HeadlessSetMouse(842, 720, 0);
    Frame();
    HeadlessSetMouse(842, 720, 1);
    HeadlessSetKey(KEY_ESCAPE, true);
    Frame();
    HeadlessSetKey(KEY_ESCAPE, false);
    EXPECT_EQ(saveDialogOpen + saveFailed, room == 2000 ? 2 : 0);
    EXPECT_EQ(ReplayFolder().size(), room == 2000 ? 0u : 2u);
  }
}

TEST_F(ReplaySave, TheCaretPulsesWhileAFieldIsEdited) {
  OpenDialog();
  Click(640, 400);
  // The click's frame already pulsed once.
  std::vector<int32_t> levels = {caretLevel};
  for (int i = 0; i < 30; ++i) {
    Frame();
    levels.push_back(caretLevel);
  }
  EXPECT_EQ(levels[0], 5);
  EXPECT_EQ(levels[14], 75);
  EXPECT_EQ(levels[15], 70);
  EXPECT_EQ(levels[29], 0);
  EXPECT_EQ(levels[30], 5);
  EXPECT_EQ(caretRising, 0);
  Tap(13);
  const int32_t stopped = caretLevel;
  Frame();
  EXPECT_EQ(caretLevel, stopped);
}

class TextEntryTest : public ReplaySave {
 protected:
  static void Type(int32_t first, int32_t last, int32_t length, int32_t key, int32_t frames = 1) {
    HeadlessSetKey(key, true);
    for (int32_t f = 0; f < frames; ++f) {
      PollInput();
      TextEntry(first, last, length);
    }
    HeadlessSetKey(key, false);
    PollInput();
    TextEntry(first, last, length);
  }
};

TEST_F(TextEntryTest, TheNameTakesSixteenPlainCharacters) {
  replayInfo[1] = u"UNTITLED";
  for (int i = 0; i < 8; ++i) Type(1, 1, 16, 8);
  EXPECT_EQ(replayInfo[1], u"");
  Type(1, 1, 16, 8);  // an empty line stays empty
  HeadlessSetKey(KEY_LEFT_SHIFT, true);
  for (int32_t key : {65, 49, 187, 189, 192}) Type(1, 1, 16, key);  // Shift changes nothing here
  HeadlessSetKey(KEY_LEFT_SHIFT, false);
  EXPECT_EQ(replayInfo[1], u"A1-\u00D6");
  for (int i = 0; i < 20; ++i) Type(1, 1, 16, 90);
  EXPECT_EQ(replayInfo[1], u"A1-\u00D6ZZZZZZZZZZZZ");
  EXPECT_EQ(textEntryLine, 1);
}

TEST_F(TextEntryTest, AHeldKeyRepeatsFromItsTwentyFifthFrame) {
  replayInfo[2] = u"NO COMMENTS";
  HeadlessSetKey(65, true);
  std::vector<size_t> lengths;
  for (int f = 1; f <= 27; ++f) {
    PollInput();
    TextEntry(2, 6, 55);
    lengths.push_back(replayInfo[2].size());
  }
  EXPECT_EQ(lengths[0], 12u);   // the press
  EXPECT_EQ(lengths[23], 12u);  // frame 24
  EXPECT_EQ(lengths[24], 13u);  // frame 25 repeats
  EXPECT_EQ(lengths[26], 15u);  // and every frame after
  // A second key pressed takes the repeat over and starts the delay again;
  // the first, lower in code, still repeats once in that frame.
  HeadlessSetKey(66, true);
  PollInput();
  TextEntry(2, 6, 55);
  PollInput();
  TextEntry(2, 6, 55);
  EXPECT_EQ(replayInfo[2], u"NO COMMENTSAAAAAB");
  HeadlessSetKey(65, false);
  HeadlessSetKey(66, false);
}

TEST_F(TextEntryTest, ShiftTypesTheShiftedFormAndRestartsTheDelay) {
  replayInfo[2] = u"";
  HeadlessSetKey(KEY_LEFT_SHIFT, true);
  for (int32_t key : {49, 55, 187, 190}) Type(2, 6, 55, key);
  HeadlessSetKey(KEY_LEFT_SHIFT, false);
  EXPECT_EQ(replayInfo[2], u"!/?:");
  // Held for 20 frames, then Shift pressed: the delay counts again from there.
  HeadlessSetKey(56, true);
  for (int f = 0; f < 20; ++f) {
    PollInput();
    TextEntry(2, 6, 55);
  }
  HeadlessSetKey(KEY_LEFT_SHIFT, true);
  for (int f = 0; f < 24; ++f) {
    PollInput();
    TextEntry(2, 6, 55);
  }
  EXPECT_EQ(replayInfo[2], u"!/?:8");
  PollInput();
  TextEntry(2, 6, 55);
  EXPECT_EQ(replayInfo[2], u"!/?:8(");
  HeadlessSetKey(56, false);
  HeadlessSetKey(KEY_LEFT_SHIFT, false);
}

TEST_F(TextEntryTest, TheDescriptionWrapsAndBackspaceWalksBack) {
  replayInfo[2] = Text(55, u'A');
  for (int32_t i = 3; i <= 6; ++i) replayInfo[i].clear();
  Type(2, 6, 55, 66);
  EXPECT_EQ(replayInfo[2], Text(55, u'A'));
  EXPECT_EQ(replayInfo[3], u"B");
  EXPECT_EQ(textEntryLine, 3);
  // Backspace held: one at once, then one a frame from the 25th frame; the
  // emptied line gives way to the one above, never to a line before the block.
  Type(2, 6, 55, 8, 26);
  EXPECT_EQ(replayInfo[3], u"");
  EXPECT_EQ(replayInfo[2].size(), 53u);
  EXPECT_EQ(textEntryLine, 2);
  replayInfo[2] = u"A";
  Type(2, 6, 55, 8, 40);
  EXPECT_EQ(replayInfo[2], u"");
  EXPECT_EQ(textEntryLine, 2);
  // The last line never grows past its length.
  for (int32_t i = 2; i <= 5; ++i) replayInfo[i] = Text(55, u'C');
  replayInfo[6] = Text(54, u'D');
  Type(2, 6, 55, 69, 40);
  EXPECT_EQ(replayInfo[6], Text(54, u'D') + u"E");
  EXPECT_EQ(replayInfo[5], Text(55, u'C'));
  // An edit begun on another block never types into a line outside its own.
  textEntryLine = 4;
  replayInfo[1] = u"N";
  Type(1, 1, 16, 79);
  EXPECT_EQ(replayInfo[1], u"NO");
  EXPECT_EQ(replayInfo[4], Text(55, u'C'));
}

}  // namespace
