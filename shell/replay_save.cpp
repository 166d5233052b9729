// The save dialog of the statistics screen.
#include "shell/replay_save.hpp"

#include <vector>

#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/replay_files.hpp"
#include "match/shell_tables.hpp"
#include "match/text_entry.hpp"
#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "platform/sound.hpp"
#include "shell/replay_info.hpp"
#include "shell/screens.hpp"

int32_t saveDialogOpen = 0;
int32_t saveAccepted = 0;
int32_t replaySaved = 0;
int32_t editedField = EDIT_NONE;
int32_t caretLevel = 0;
int32_t caretRising = 0;
int32_t saveFailed = 0;

Text ReplayTempPath() {
  return ProcessTemporaryPath(JoinText(replayFolder, u"\\", replayTempName));
}

namespace {

// menuGlow rows of the four buttons.
constexpr int32_t GLOW_CHANGE_NAME = 3;
constexpr int32_t GLOW_CHANGE_DESCRIPTION = 4;
constexpr int32_t GLOW_ACCEPT = 5;
constexpr int32_t GLOW_CANCEL = 6;
const HoverBox changeNameBox = {317, 383, 963, 425, false};
const HoverBox changeDescriptionBox = {317, 483, 963, 525, false};
const HoverBox acceptBox = {706, 703, 978, 745, false};
const HoverBox cancelBox = {307, 703, 573, 745, false};

constexpr int32_t CARET_TOP = 75;
constexpr int32_t CARET_STEP = 5;

TReplayInfoFile InfoOfThisMatch() {
  TReplayInfoFile info;
  for (int32_t i = 1; i <= 5; ++i)
    info.descriptionLines[i] = replayInfo[REPLAY_INFO_FIRST_LINE + i - 1];
  info.startDate = matchDateTime[1];
  info.startTime = matchDateTime[2];
  info.lastFrame = matchFrame;
  info.gameMode = gameMode;
  info.matchWinner = matchWinner;
  for (int32_t slot = 1; slot <= 4; ++slot)
    for (int32_t column = REPLAY_CONTROL; column <= REPLAY_START_MONEY; ++column)
      info.slotSetup[slot][column] = replayData[REPLAY_SETUP_FRAME][slot][column];
  return info;
}

std::vector<uint8_t> ReplayDataOfThisMatch() {
  std::vector<uint8_t> bytes;
  bytes.reserve(8 + 160 * (static_cast<size_t>(matchFrame) + 1));
  AppendInt32(bytes, replayDataMagic);
  AppendInt32(bytes, matchFrame);
  const int32_t* cells = &replayData[0][0][0];
  const size_t count = (static_cast<size_t>(matchFrame) + 1) * 5 * 8;
  for (size_t i = 0; i < count; ++i) AppendInt32(bytes, cells[i]);
  return bytes;
}

void CloseDialog() {
  saveDialogOpen = 0;
  saveFailed = 0;
}

void EndEdit() {
  if (KeyPressed(KEY_ENTER) == 1 || KeyPressed(KEY_ESCAPE) == 1) {
    textEntryLine = 0;
    editedField = EDIT_NONE;
  }
}

void AdvanceCaret() {
  if (caretRising == 0) {
    caretLevel += CARET_STEP;
    if (caretLevel >= CARET_TOP) caretRising = 1;
  } else {
    caretLevel -= CARET_STEP;
    if (caretLevel <= 0) caretRising = 0;
  }
}

void DrawButton(int32_t row, float x, float y, const Text& text, bool edited) {
  if (edited)
    SetDrawColour(0, 255, 255);
  else
    SetGlowColour(row);
  DrawTextProp(x, y, text, 1);
}

void DrawCaret() {
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(caretLevel / 100.0f + 0.25f);
  const int32_t n = static_cast<int32_t>(replayInfo[textEntryLine].size());
  if (textEntryLine == REPLAY_INFO_NAME)
    DrawImageFrame(caretImage, 640 + 10 * n / 2, 450, 0);
  else
    DrawImageFrame(caretImage, 364 + 10 * n, 534 + 16 * (textEntryLine - 1), 0);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
}

// The files of the replay of one name, and the names they have while it is
// saved.
struct ReplayPair {
  Text info, replay, infoWaiting, replayWaiting, replayKept;
};

bool ReplayPairOf(const Text& name, ReplayPair& pair) {
  // A name is a file name: one that would reach outside the replay folder is
  // none.
  if (name.find_first_of(u"/\\") != Text::npos) return false;
  const Text base = JoinText(replayFolder, u"\\", name);
  pair.info = JoinText(base, u".inr");
  pair.replay = JoinText(base, u".rep");
  pair.infoWaiting = JoinText(pair.info, pairWaitingSuffix);
  pair.replayWaiting = JoinText(pair.replay, pairWaitingSuffix);
  pair.replayKept = JoinText(pair.replay, replayKeptSuffix);
  return true;
}

// Whether the information file waiting as NAME.inr.new was written for the
// replay file NAME.rep: its last frame gives the replay's unpacked length.
FileRead InfoBelongsToReplay(const ReplayPair& pair, bool& belongs) {
  belongs = false;
  std::vector<uint8_t> info, replay;
  const FileRead infoRead = ReadFileStart(pair.infoWaiting, maxReplayInfoSize, info);
  const FileRead replayRead = ReadFileStart(pair.replay, 8, replay);
  if (infoRead == FileRead::Failed || replayRead == FileRead::Failed) return FileRead::Failed;
  TReplayInfoFile decoded;
  belongs = DecodeReplayInfo(info.data(), info.size(), decoded) && replay.size() == 8 &&
            Int32At(replay.data()) == replayMagic && decoded.lastFrame >= 0 &&
            decoded.lastFrame <= maxReplayFrames &&
            Int32At(replay.data() + 4) == 8 + 160 * (decoded.lastFrame + 1);
  return FileRead::Whole;
}

}  // namespace

bool SettleReplayPair(const Text& name, SettleMode mode) {
  ReplayPair pair;
  if (!ReplayPairOf(name, pair)) return false;
  auto present = [](const Text& path) { return PathKind(path) == PATH_FILE; };
  if (present(pair.infoWaiting)) {
    const bool lone = !present(pair.replayWaiting) && present(pair.replay) &&
                      !present(pair.replayKept) && !present(pair.info);
    // A replay file alone beside the waiting information file: this game's
    // save under a new name cut short before its last rename, or an earlier
    // release's, whose replay may be the player's only copy of an older one.
    // It is never removed at start: the pair is completed when the waiting
    // file belongs to it. Only a save of this run, which knows the replay is
    // its own new one, undoes it.
    if (lone && mode == SETTLE_AT_START) {
      bool belongs = false;
      if (InfoBelongsToReplay(pair, belongs) == FileRead::Failed) return false;
      if (belongs) {
        if (!RenameFile(pair.infoWaiting, pair.info)) return false;
        SyncFolderOf(pair.info);
        return true;
      }
      return RemoveFile(pair.infoWaiting);
    }
    // Not done: undone step by step, last first, and every state on the way
    // is one this same rule undoes further. Once NAME.rep.new is gone, the
    // new replay stands in the replay's place when the old one is kept
    // aside, or when there is no information file (there was no old pair);
    // otherwise the replay there is still the old one.
    if (!present(pair.replayWaiting) && present(pair.replay) &&
        (present(pair.replayKept) || !present(pair.info)) &&
        !RenameFile(pair.replay, pair.replayWaiting))
      return false;
    if (present(pair.replayKept) && !RenameFile(pair.replayKept, pair.replay)) return false;
    if (!RemoveFile(pair.infoWaiting)) return false;
  }
  // Done, or undone: the rest is no longer needed.
  bool settled = true;
  for (const Text& path : {pair.replayWaiting, pair.replayKept})
    if (present(path) && !RemoveFile(path)) settled = false;
  return settled;
}

// The old pair stays whole until one rename puts the new information file
// in its place; that rename is the save. Before it:
//   1. the replay data is packed into NAME.rep.new (written whole);
//   2. the information file is written whole as NAME.inr.new;
//   3. the old replay file steps aside as NAME.rep.old;
//   4. NAME.rep.new takes the replay file's place;
//   5. NAME.inr.new takes the information file's place: done.
// A failure before 5 undoes what was done, and so does the next start after
// a kill there (SettleReplayPair): while NAME.inr.new is waiting, the files
// present tell exactly how far the save came; only a save under a new name
// killed between 4 and 5 is completed instead, its replay being kept. After
// 5 only NAME.rep.old is left to remove. Each file is on the disk before its rename, and the
// folder is synced after the last.
bool WriteReplayFiles() {
  const Text& name = replayInfo[REPLAY_INFO_NAME];
  ReplayPair pair;
  if (!ReplayPairOf(name, pair)) return false;
  // A folder of either name would take the replay, but not its partner.
  if (PathKind(pair.info) == PATH_FOLDER || PathKind(pair.replay) == PATH_FOLDER) return false;
  // Another copy of the game saving into the folder is waited for: the
  // names a save goes through are the same for every copy. One that does
  // not end its save in ten seconds leaves this one told as failed.
  const FolderLock lock(replayFolder, 10000);
  if (lock.Busy()) return false;
  // What an earlier save of this name left is settled first. An information
  // file without its replay is half a pair, no replay, and would make the
  // new replay look like an old one.
  if (!SettleReplayPair(name, SETTLE_AT_START)) return false;
  if (PathKind(pair.replay) != PATH_FILE && PathKind(pair.info) == PATH_FILE &&
      !RemoveFile(pair.info))
    return false;
  const std::vector<uint8_t> data = ReplayDataOfThisMatch();
  const Text replayTempPath = ReplayTempPath();
  if (!SaveWholeFile(replayTempPath, data.data(), data.size())) return false;
  PlaySoundOnChannel(snapSound, 0);
  const std::vector<uint8_t> info = EncodeReplayInfo(InfoOfThisMatch());
  const bool done =
      PackReplayFile(replayTempPath, pair.replayWaiting) &&
      SaveWholeFile(pair.infoWaiting, info.data(), info.size()) &&
      (PathKind(pair.replay) != PATH_FILE || RenameFile(pair.replay, pair.replayKept)) &&
      RenameFile(pair.replayWaiting, pair.replay) && RenameFile(pair.infoWaiting, pair.info);
  RemoveFile(replayTempPath);
  if (!done) {
    SettleReplayPair(name, SETTLE_OWN_SAVE);
    return false;
  }
  RemoveFile(pair.replayKept);
  SyncFolderOf(pair.info);
  return true;
}

void SaveDialogInput() {
  if (editedField == EDIT_NONE) {
    if (ButtonStep(GLOW_CHANGE_NAME, changeNameBox)) {
      menuGlow[GLOW_CHANGE_NAME][0] = 10;
      editedField = EDIT_NAME;
    }
    if (ButtonStep(GLOW_CHANGE_DESCRIPTION, changeDescriptionBox)) {
      menuGlow[GLOW_CHANGE_DESCRIPTION][0] = 10;
      editedField = EDIT_DESCRIPTION;
    }
    if (ButtonStep(GLOW_ACCEPT, acceptBox)) saveAccepted = 1;
    if (ButtonStep(GLOW_CANCEL, cancelBox)) CloseDialog();
    if (KeyPressed(KEY_ESCAPE) == 1) CloseDialog();
    // ACCEPT saves even when Escape closed the dialog in the same frame.
    if (saveAccepted == 1) {
      if (WriteReplayFiles()) {
        saveDialogOpen = 0;
        replaySaved = 1;
        saveFailed = 0;
      } else {
        // Nothing was replaced; the dialog stays open and says so, and the
        // player may try another name or cancel.
        PlaySoundOnChannel(alarmSound, 0);
        saveDialogOpen = 1;
        saveFailed = 1;
        saveAccepted = 0;
      }
    }
    if (saveDialogOpen == 0) {
      ClearMenuHover();
      FlushPressed();
    }
  }
  if (editedField == EDIT_NAME) {
    saveFailed = 0;
    TextEntry(REPLAY_INFO_NAME, REPLAY_INFO_NAME, maxReplayNameLength);
    EndEdit();
  } else if (editedField == EDIT_DESCRIPTION) {
    saveFailed = 0;
    TextEntry(REPLAY_INFO_FIRST_LINE, REPLAY_INFO_LAST_LINE, maxDescriptionLength);
    EndEdit();
  }
  if (editedField != EDIT_NONE) AdvanceCaret();
}

void SaveDialogDraw() {
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.66);
  DrawImageFrame(challengeBorderImage, 640, 512, 0);
  SetDrawScale(5.82, 1.03);
  DrawImageFrame(blackImage, 547, 438, 0);
  SetDrawScale(18, 3.03);
  DrawImageFrame(blackImage, 352, 538, 0);
  SetDrawScale(1, 1);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
  SetDrawColour(255, 150, 0);
  DrawImageFrame(textBorder2Image, 547, 438, 0);
  DrawImageFrame(textBorder3Image, 352, 538, 0);
  SetDrawColour(255, 255, 255);
  static const Text title = u"SAVE REPLAY";
  DrawTextProp2(640, 276, title, 1);
  static const Text changeName = u"CHANGE NAME";
  static const Text changeDescription = u"CHANGE DESCRIPTION";
  static const Text accept = u"ACCEPT";
  static const Text cancel = u"CANCEL";
  DrawButton(GLOW_CHANGE_NAME, 640, 383, changeName, editedField == EDIT_NAME);
  DrawButton(GLOW_CHANGE_DESCRIPTION, 640, 483, changeDescription, editedField == EDIT_DESCRIPTION);
  DrawButton(GLOW_ACCEPT, 842, 703, accept, false);
  DrawButton(GLOW_CANCEL, 440, 703, cancel, false);
  SetDrawColour(255, 255, 255);
  const Text& name = replayInfo[REPLAY_INFO_NAME];
  const int32_t n = static_cast<int32_t>(name.size());
  DrawTextFixed(static_cast<float>(640 - (10 * n / 2 + 10)), 450, 255, 255, 255, name);
  for (int32_t i = REPLAY_INFO_FIRST_LINE; i <= REPLAY_INFO_LAST_LINE; ++i)
    DrawTextFixed(354, static_cast<float>(550 + 16 * (i - REPLAY_INFO_FIRST_LINE)), 255, 255, 255,
                  replayInfo[i]);
  if (editedField != EDIT_NONE && textEntryLine >= REPLAY_INFO_NAME &&
      textEntryLine <= REPLAY_INFO_LAST_LINE)
    DrawCaret();
  if (saveFailed == 1) {
    static const Text failed = u"UNABLE TO SAVE REPLAY!";
    static const Text reason = u"CHECK THE REPLAY FOLDER AND THE SPACE ON THE DISK";
    DrawFailureNotice(645, failed, reason);
  }
}

void ResetReplaySave() {
  saveDialogOpen = 0;
  saveAccepted = 0;
  replaySaved = 0;
  editedField = EDIT_NONE;
  caretLevel = 0;
  caretRising = 0;
  saveFailed = 0;
}
