// The replay browser's state (screens 17 and 18) beyond what the main menu
// resets (replayScroll, selectedReplay, loadedInfoMagic in shell_tables).
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// What the browser does later in this frame.
constexpr int32_t REPLAY_ACTION_NONE = 0;
constexpr int32_t REPLAY_ACTION_READ_INFO = 1;
constexpr int32_t REPLAY_ACTION_PLAY = 2;
extern int32_t replayAction;
// The last WheelPosition seen.
extern int32_t savedWheelPosition;
// The information file read last (valid while loadedInfoMagic is 101).
extern Text loadedReplayDate;
extern Text loadedReplayTime;
extern int32_t loadedReplayFrames;
extern int32_t loadedReplayMode;
extern int32_t loadedReplayWinner;
// Where tickBorderImage is drawn; (-1000, -1000) when no side button is hovered.
extern int32_t replayHoverX;
extern int32_t replayHoverY;
// 1 after a replay could not be deleted, until another row is chosen or the
// browser is left for the main menu.
extern int32_t replayDeleteFailed;

// The selected replay's information file into the loaded values.
void ReadReplayInfo();
// Unpacks the selected replay and, when it can be played, starts the fade
// to the match; otherwise the alarm sounds and nothing else changes.
void StartPlayback();
// Removes the selected replay's two files and lists the folder again.
void DeleteReplayFiles();

// Everything above back to its program-start state (tests).
void ResetReplayBrowser();
