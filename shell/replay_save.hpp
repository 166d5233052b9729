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

// Where the replay data is written before it is packed.
extern const Text replayTempPath;
// The information file waits under its name followed by this until the
// replay itself is written.
constexpr const char16_t* infoWaitingSuffix = u".new";

// One frame of the dialog's input while it is open, in place of the
// statistics screen's own input.
void SaveDialogInput();
// The dialog's drawing, after the statistics backdrop.
void SaveDialogDraw();

// Writes the replay named replayInfo[1]: its information file and its packed
// replay data, each whole or not at all. True when both were written.
bool WriteReplayFiles();

// The dialog back to its program-start state (tests).
void ResetReplaySave();
