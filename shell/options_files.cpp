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
int32_t saveFailureFrames = 0;

const int32_t defaultKeys[5][7] = {
    {0, 0, 0, 0, 0, 0, 0},
    {0, KEY_UP, KEY_LEFT, KEY_RIGHT, KEY_RIGHT_CONTROL, KEY_RIGHT_SHIFT, KEY_OEM_MINUS},
    {0, KEY_W, KEY_A, KEY_D, KEY_Q, KEY_TAB, KEY_1},
    {0, KEY_Y, KEY_G, KEY_J, KEY_R, KEY_F, KEY_T},
    {0, KEY_P, KEY_L, KEY_OEM_6, KEY_I, KEY_K, KEY_O},
};

namespace {

// A file is read only when it is at least as long as its layout and begins
// with the version; anything else counts as missing.
StreamRef OpenValidFile(const Text& path, int32_t size) {
  if (PathKind(path) != PATH_FILE || FileByteSize(path) < size) return nullptr;
  StreamRef stream = OpenFileForRead(path);
  if (!stream) return nullptr;
  if (ReadInt32(*stream) != progressFileVersion) {
    CloseDataStream(stream);
    return nullptr;
  }
  return stream;
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
  saveFailureNotice = notice;
  saveFailureFrames = saveFailureShownFrames;
  return false;
}

template <typename Visit>
void ForEachReplayEntry(Visit visit) {
  DirectoryRef dir = ListDirectory(replayFolder);
  if (!dir) return;
  for (const Text& entry : dir->entries) visit(entry);
  CloseDirectory(dir);
}

}  // namespace

void LoadOptionsFile() {
  StreamRef stream = OpenValidFile(optionsFilePath, optionsFileSize);
  if (stream) {
    for (int32_t row = 0; row <= 4; ++row) {
      for (int32_t column = 0; column <= 6; ++column) optionTable[row][column] = ReadInt32(*stream);
    }
    CloseDataStream(stream);
    // A key outside the key tables would index past them: that key goes back
    // to its default.
    for (int32_t slot = 1; slot <= 4; ++slot) {
      for (int32_t control = INPUT_THRUST; control <= INPUT_SNIPING; ++control) {
        const int32_t key = optionTable[slot][control];
        if (key < 1 || key > KEY_LAST_POLLED)
          optionTable[slot][control] = defaultKeys[slot][control];
      }
    }
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
  WriteOptionsFile();
  filesLoaded = 2;
}

void LoadProgressFile() {
  bonusShipsUnlocked = 0;
  StreamRef stream = OpenValidFile(progressFilePath, progressFileSize);
  if (!stream) return;
  // A count outside 0 to 30 would reach past shipOrder.
  bonusShipsUnlocked = std::clamp(ReadInt32(*stream), 0, maxBonusShips);
  CloseDataStream(stream);
}

bool WriteOptionsFile() {
  std::vector<uint8_t> bytes;
  AppendInt32(bytes, progressFileVersion);
  for (int32_t row = 0; row <= 4; ++row) {
    for (int32_t column = 0; column <= 6; ++column) AppendInt32(bytes, optionTable[row][column]);
  }
  return Save(optionsFilePath, bytes, u"UNABLE TO SAVE THE OPTIONS!");
}

bool SaveProgressFile() {
  std::vector<uint8_t> bytes;
  AppendInt32(bytes, progressFileVersion);
  AppendInt32(bytes, bonusShipsUnlocked);
  return Save(progressFilePath, bytes, u"UNABLE TO SAVE THE PROGRESS!");
}

void ResetOptionsFiles() {
  saveFailureNotice.clear();
  saveFailureFrames = 0;
}

void RemoveSaveLeftovers() {
  auto removeFile = [](const Text& path) {
    if (PathKind(path) == PATH_FILE) RemoveFile(path);
  };
  const Text playbackData = playbackTempPath;
  for (const Text& path : {optionsFilePath, progressFilePath, replayTempPath, playbackData})
    removeFile(JoinText(path, saveTemporarySuffix));
  removeFile(replayTempPath);
  removeFile(playbackData);
  // The game's own endings, in its own letter case: a replay save cut short
  // is settled first, then the temporary files go.
  const Text infoWaiting = JoinText(u".inr", pairWaitingSuffix);
  const Text replayWaiting = JoinText(u".rep", pairWaitingSuffix);
  const Text replayKept = JoinText(u".rep", replayKeptSuffix);
  const Text temporary = saveTemporarySuffix;
  ForEachReplayEntry([&](const Text& entry) {
    for (const Text& ending : {infoWaiting, replayWaiting, replayKept})
      if (entry.ends_with(ending)) {
        SettleReplayPair(entry.substr(0, entry.size() - ending.size()));
        return;
      }
  });
  ForEachReplayEntry([&](const Text& entry) {
    // Packing into a name that ends in ".rep" in any case adds no ".rep".
    const bool leftover = entry.ends_with(JoinText(infoWaiting, temporary)) ||
                          entry.ends_with(JoinText(replayWaiting, temporary)) ||
                          (entry.ends_with(temporary) && entry.size() >= 8 &&
                           LowerCaseText(entry.substr(entry.size() - 8, 4)) == u".rep");
    if (leftover) removeFile(JoinText(replayFolder, u"\\", entry));
  });
}
