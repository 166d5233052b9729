// Typing into a block of lines of replayInfo: the typed characters are added
// to the end of the current line and Backspace takes the last one away; a
// full line overflows into the next. Keys repeat while held.
#pragma once
#include <cstdint>

// The line being edited; 0 until the first call of an edit chooses one. The
// caller sets it back to 0 when an edit ends.
extern int32_t textEntryLine;

// Frames a key is held before it repeats (the frame of the press is the first).
constexpr int32_t KEY_REPEAT_DELAY = 25;
// keyRepeat cells.
constexpr int32_t REPEAT_KEY = 1;
constexpr int32_t REPEAT_FRAMES = 2;
constexpr int32_t REPEAT_SHIFT = 3;
// keyClass values.
constexpr int32_t KEY_IGNORED = 0;
constexpr int32_t KEY_PLAIN = 1;
constexpr int32_t KEY_SHIFTED = 2;

// One frame of typing into replayInfo[firstLine..lastLine], each line at most
// maxLength characters; after PollInput. Returns 0.
int32_t TextEntry(int32_t firstLine, int32_t lastLine, int32_t maxLength);

// textEntryLine back to 0 (tests).
void ResetTextEntry();
