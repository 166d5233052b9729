// Key and mouse presses as edges: a key counts as pressed in exactly one
// frame, the first poll that sees it down, or sees that it went down, after
// a poll that saw it up. Also
// the hover glow of the current screen's menu items.
#pragma once
#include <cstdint>

// The highest key code the poll tracks, so the highest a control may be
// bound to.
constexpr int32_t KEY_LAST_POLLED = 250;
// keyHitState[key 1-250][1] pressed this frame, [2] seen up since the last press.
extern int32_t keyHitState[KEY_LAST_POLLED + 1][3];
// mouseHitState[button 1-2][1], [2] as above.
extern int32_t mouseHitState[3][3];
// menuGlow[item 1-10][0] glow 0-10, [1] and [2] the item's reference x and y.
extern int32_t menuGlow[11][3];

// Once per frame, before the screen runs.
int32_t PollInput();
int32_t KeyPressed(int32_t key);
// 1 while the key is held, and in the frame of its press even when it was
// let go again before the frame began (a quick tap still acts once).
int32_t KeyDown(int32_t key);
int32_t MousePressed(int32_t button);
// Every press of this frame is forgotten; held keys stay latched down.
int32_t FlushPressed();
int32_t ClearMenuHover();

// All three tables back to 0 (tests).
void ResetInputEdges();
