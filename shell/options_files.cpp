#include "shell/options_files.hpp"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/replay_files.hpp"
#include "match/shell_tables.hpp"
#include "platform/files.hpp"
#include "shell/match_step/match_step.hpp"
#include "shell/replay_save.hpp"

const Text optionsFilePath = u"data\\options.qv2";
const Text progressFilePath = u"data\\exp.qv2";
Text saveFailureNotice;
Text saveFailureAdvice;
int32_t saveFailureFrames = 0;

const int32_t defaultKeys[5][7] = {
    {0, 0, 0, 0, 0, 0, 0},
    {0, KEY_UP, KEY_LEFT, KEY_RIGHT, KEY_RIGHT_CONTROL, KEY_RIGHT_SHIFT, KEY_OEM_MINUS},
    {0, KEY_W, KEY_A, KEY_D, KEY_Q, KEY_TAB, KEY_1},
    {0, KEY_Y, KEY_G, KEY_J, KEY_R, KEY_F, KEY_T},
    {0, KEY_P, KEY_L, KEY_OEM_6, KEY_I, KEY_K, KEY_O},
};

namespace {

// What could not be read at start, for the main menu's notice.
constexpr int32_t UNREAD_OPTIONS = 1;
constexpr int32_t UNREAD_PROGRESS = 2;
int32_t unreadFiles = 0;

// What the main menu shows for five seconds.
void Tell(const Text& notice, const Text& advice) {
  saveFailureNotice = notice;
  saveFailureAdvice = advice;
  saveFailureFrames = saveFailureShownFrames;
}

const Text unreadHeadlines[4] = {u"", u"UNABLE TO READ THE OPTIONS!",
                                 u"UNABLE TO READ THE PROGRESS!",
                                 u"UNABLE TO READ THE OPTIONS AND THE PROGRESS!"};

// The main menu's notice for the files that cannot be read now.
void TellUnreadFiles() {
  Tell(unreadHeadlines[unreadFiles],
       unreadFiles == UNREAD_OPTIONS + UNREAD_PROGRESS
           ? u"THE FILES ARE KEPT AS THEY ARE, CHECK THE DATA FOLDER AND THE DISK"
           : u"THE FILE IS KEPT AS IT IS, CHECK THE DATA FOLDER AND THE DISK");
}

const Text& PathOf(int32_t file) {
  return file == UNREAD_OPTIONS ? optionsFilePath : progressFilePath;
}

// The player's file is kept as it is, the game goes on with the defaults and
// the main menu tells why.
void TellUnread(int32_t file, const std::string& reason) {
  unreadFiles |= file;
  TellUnreadFiles();
  std::fprintf(stderr, "Could not read %s: %s\n", NativePath(PathOf(file)).c_str(), reason.c_str());
}

// A file that could not be read at start reads now (or is gone): the
// notice, while it still shows, no longer names it.
void ReadAtLast(int32_t file) {
  if ((unreadFiles & file) == 0) return;
  const bool told = saveFailureFrames > 0 && saveFailureNotice == unreadHeadlines[unreadFiles];
  unreadFiles &= ~file;
  if (!told) return;
  if (unreadFiles != 0) {
    const int32_t frames = saveFailureFrames;
    TellUnreadFiles();
    saveFailureFrames = frames;
  } else {
    saveFailureFrames = 0;
  }
}

// A file counts as the game's own only when it is at least as long as its
// layout and begins with the version.
FileRead ReadValidFile(const Text& path, int32_t size, std::vector<uint8_t>& bytes, bool& valid,
                       std::string* reason = nullptr) {
  const FileRead read = ReadFileStart(path, static_cast<size_t>(size), bytes, reason);
  valid = read == FileRead::Whole && bytes.size() == static_cast<size_t>(size) &&
          Int32At(bytes.data()) == progressFileVersion;
  return read;
}

void TakeOptions(const std::vector<uint8_t>& bytes) {
  for (int32_t row = 0; row <= 4; ++row) {
    for (int32_t column = 0; column <= 6; ++column)
      optionTable[row][column] = Int32At(bytes.data() + 4 + 4 * (7 * row + column));
  }
  // A key outside the key tables would index past them: that key goes back
  // to its default.
  for (int32_t slot = 1; slot <= 4; ++slot) {
    for (int32_t control = INPUT_THRUST; control <= INPUT_SNIPING; ++control) {
      const int32_t key = optionTable[slot][control];
      if (key < 1 || key > KEY_LAST_POLLED) optionTable[slot][control] = defaultKeys[slot][control];
    }
  }
}

// A count outside 0 to 30 would reach past shipOrder.
int32_t StoredBonusShips(const std::vector<uint8_t>& bytes) {
  return std::clamp(Int32At(bytes.data() + 4), 0, maxBonusShips);
}

// A failed save keeps the old file; the player is told on the main menu and
// the reason goes to the error output.
bool Save(const Text& path, const std::vector<uint8_t>& bytes, const Text& notice) {
  std::string reason;
  if (SaveWholeFile(path, bytes.data(), bytes.size(), &reason)) {
    // The file is in its place; the folder's sync only makes that last.
    SyncFolderOf(path);
    return true;
  }
  std::fprintf(stderr, "Could not save %s: %s\n", NativePath(path).c_str(), reason.c_str());
  Tell(notice, u"CHECK THE DATA FOLDER AND THE SPACE ON THE DISK");
  return false;
}

template <typename Visit>
void ForEachEntry(const Text& folder, Visit visit) {
  DirectoryRef dir = ListDirectory(folder);
  if (!dir) return;
  for (const Text& entry : dir->entries) visit(entry);
  CloseDirectory(dir);
}

}  // namespace

void LoadOptionsFile() {
  std::vector<uint8_t> bytes;
  bool valid = false;
  std::string reason;
  const FileRead read = ReadValidFile(optionsFilePath, optionsFileSize, bytes, valid, &reason);
  if (valid) {
    TakeOptions(bytes);
    filesLoaded = 1;
    return;
  }
  optionTable[OPTIONS_GENERAL][OPTION_FRAME_MARK] = 0;
  optionTable[OPTIONS_GENERAL][OPTION_MUSIC] = OPTION_ON;
  optionTable[OPTIONS_GENERAL][OPTION_TEAM_INDICATORS] = OPTION_ON;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    for (int32_t control = INPUT_THRUST; control <= INPUT_SNIPING; ++control) {
      optionTable[slot][control] = defaultKeys[slot][control];
    }
  }
  // A file that is there but could not be read may hold the player's keys:
  // only a change made on the options screen writes over it.
  if (read == FileRead::Failed)
    TellUnread(UNREAD_OPTIONS, reason);
  else
    WriteOptionsFile();
  filesLoaded = 2;
}

void LoadProgressFile() {
  bonusShipsUnlocked = 0;
  std::vector<uint8_t> bytes;
  bool valid = false;
  std::string reason;
  if (ReadValidFile(progressFilePath, progressFileSize, bytes, valid, &reason) == FileRead::Failed)
    TellUnread(UNREAD_PROGRESS, reason);
  if (valid) bonusShipsUnlocked = StoredBonusShips(bytes);
}

namespace {

// A file the start could not read, read again: take gets its bytes when it
// is whole now. False while it still cannot be read.
template <typename Take>
bool ReadAgain(int32_t file, int32_t size, Take take) {
  if ((unreadFiles & file) == 0) return true;
  std::vector<uint8_t> bytes;
  bool valid = false;
  if (ReadValidFile(PathOf(file), size, bytes, valid) == FileRead::Failed) return false;
  // Read now, or no longer the player's: what a start would have found.
  if (valid) take(bytes);
  ReadAtLast(file);
  return true;
}

}  // namespace

bool ReadOptionsAgain() { return ReadAgain(UNREAD_OPTIONS, optionsFileSize, TakeOptions); }

bool ReadProgressAgain() {
  return ReadAgain(UNREAD_PROGRESS, progressFileSize, [](const std::vector<uint8_t>& bytes) {
    bonusShipsUnlocked = std::max(bonusShipsUnlocked, StoredBonusShips(bytes));
  });
}

bool WriteOptionsFile() {
  std::vector<uint8_t> bytes;
  AppendInt32(bytes, progressFileVersion);
  for (int32_t row = 0; row <= 4; ++row) {
    for (int32_t column = 0; column <= 6; ++column) AppendInt32(bytes, optionTable[row][column]);
  }
  if (!Save(optionsFilePath, bytes, u"UNABLE TO SAVE THE OPTIONS!")) return false;
  // The file holds what the table does: the player's again.
  ReadAtLast(UNREAD_OPTIONS);
  return true;
}

bool SaveProgressFile() {
  std::vector<uint8_t> bytes;
  bool valid = false;
  // Never lower what the file holds: this start may not have read it, or
  // another has raised it since. One that cannot be read is not written over.
  std::string reason;
  if (ReadValidFile(progressFilePath, progressFileSize, bytes, valid, &reason) ==
      FileRead::Failed) {
    std::fprintf(stderr, "Could not read %s: %s\n", NativePath(progressFilePath).c_str(),
                 reason.c_str());
    Tell(u"UNABLE TO SAVE THE PROGRESS!", u"CHECK THE DATA FOLDER AND THE DISK");
    return false;
  }
  if (valid) bonusShipsUnlocked = std::max(bonusShipsUnlocked, StoredBonusShips(bytes));
  bytes.clear();
  AppendInt32(bytes, progressFileVersion);
  AppendInt32(bytes, bonusShipsUnlocked);
  if (!Save(progressFilePath, bytes, u"UNABLE TO SAVE THE PROGRESS!")) return false;
  ReadAtLast(UNREAD_PROGRESS);
  return true;
}

void ResetOptionsFiles() {
  unreadFiles = 0;
  saveFailureNotice.clear();
  saveFailureAdvice.clear();
  saveFailureFrames = 0;
}

void RemoveSaveLeftovers() {
  auto removeFile = [](const Text& path) {
    if (PathKind(path) == PATH_FILE) RemoveFile(path);
  };
  const Text dataFolder = u"data";
  removeFile(playbackTempPath);
  ForEachEntry(dataFolder, [&](const Text& entry) {
    Text base;
    if (LeftoverTemporary(entry, base) &&
        (base == u"options.qv2" || base == u"exp.qv2" || base == u"qvw2.tmp"))
      removeFile(JoinText(dataFolder, u"\\", entry));
  });
  // Another copy of the game saving a replay now: what it has in the folder
  // is not left over.
  const FolderLock lock(replayFolder, 0);
  if (lock.Busy()) return;
  // The game's own endings, in its own letter case: a replay save cut short
  // is settled first, then the temporary files go.
  const Text infoWaiting = JoinText(u".inr", pairWaitingSuffix);
  const Text replayWaiting = JoinText(u".rep", pairWaitingSuffix);
  const Text replayKept = JoinText(u".rep", replayKeptSuffix);
  ForEachEntry(replayFolder, [&](const Text& entry) {
    for (const Text& ending : {infoWaiting, replayWaiting, replayKept})
      if (entry.ends_with(ending)) {
        SettleReplayPair(entry.substr(0, entry.size() - ending.size()), SETTLE_AT_START);
        return;
      }
  });
  // The replay data of a save and the files a save packs into; NAME.rep.tmp
  // is what an earlier release packed a replay into.
  ForEachEntry(replayFolder, [&](const Text& entry) {
    Text base, inner;
    if (!LeftoverTemporary(entry, base)) return;
    const bool replayData =
        base == replayTempName || (LeftoverTemporary(base, inner) && inner == replayTempName);
    if (replayData || base.ends_with(infoWaiting) || base.ends_with(replayWaiting) ||
        base.ends_with(u".rep"))
      removeFile(JoinText(replayFolder, u"\\", entry));
  });
}
