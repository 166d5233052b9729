// The save dialog of the statistics screen: the replay's name and five
// description lines, then the information file and the packed replay.
//
// The statistics screen opens it (saveDialogOpen = 1, after setting
// replayInfo to its defaults and replaySaved to 0 on entry) and, while it is
// open, calls SaveDialogInput in place of its own input and draws its
// backdrop then SaveDialogDraw.
#pragma once
#include <cstdint>

#include "platform/text.hpp"
#include "shell/replay_info.hpp"  // maxDescriptionLength

extern int32_t saveDialogOpen;
extern int32_t saveAccepted;
extern int32_t replaySaved;
// The field being typed into: EDIT_NONE, EDIT_NAME or EDIT_DESCRIPTION.
extern int32_t editedField;
// The caret's pulse: caretLevel 0 to 75, rising while caretRising is 0.
extern int32_t caretLevel;
extern int32_t caretRising;
// 1 after a save that could not be written: the dialog stays open and says so.
extern int32_t saveFailed;

constexpr int32_t EDIT_NONE = 0;
constexpr int32_t EDIT_NAME = 1;
constexpr int32_t EDIT_DESCRIPTION = 2;
// replayInfo rows: the name, then the five description lines.
constexpr int32_t REPLAY_INFO_NAME = 1;
constexpr int32_t REPLAY_INFO_FIRST_LINE = 2;
constexpr int32_t REPLAY_INFO_LAST_LINE = 6;
constexpr int32_t maxReplayNameLength = 16;

// Where the replay data is written before it is packed: the replay folder's
// "qvw2", this process's id and ".tmp" (ProcessTemporaryPath), so that two
// copies of the game saving at once pack each its own match.
constexpr const char16_t* replayTempName = u"qvw2";
Text ReplayTempPath();
// While the replay NAME is saved, the new information file waits as
// NAME.inr.new, the new replay file as NAME.rep.new, and the old replay file
// as NAME.rep.old.
constexpr const char16_t* pairWaitingSuffix = u".new";
constexpr const char16_t* replayKeptSuffix = u".old";

// One frame of the dialog's input while it is open, in place of the
// statistics screen's own input.
void SaveDialogInput();
// The dialog's drawing, after the statistics backdrop.
void SaveDialogDraw();

// Writes the replay named replayInfo[1]: its information file and its packed
// replay data. True when both were written; otherwise an old pair of that
// name is left as it was. A name holding "/" or "\" is refused.
bool WriteReplayFiles();

// Undoes a save of that name that did not get done, or removes what a done
// one left, so that a whole pair (or nothing) stands under the name. At
// start, a replay file alone beside a waiting information file is kept, and
// made a pair with it when that file was written for it; after this run's
// own failed save it is that save's new replay and is undone. False when a
// file call failed and something is still left.
enum SettleMode { SETTLE_AT_START, SETTLE_OWN_SAVE };
bool SettleReplayPair(const Text& name, SettleMode mode);

// The dialog back to its program-start state (tests).
void ResetReplaySave();
