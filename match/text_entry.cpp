#include "match/text_entry.hpp"

#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/shell_tables.hpp"
#include "platform/input.hpp"

int32_t textEntryLine = 0;

namespace {

// The key beside 0 types "?" with Shift; alone it would only type its plain
// name, so a one-line field ignores it.
constexpr int32_t KEY_QUESTION = 187;

bool ShiftHeld() { return IsKeyHeld(KEY_LEFT_SHIFT) || IsKeyHeld(KEY_RIGHT_SHIFT); }

void TypeKey(int32_t key, int32_t lastLine) {
  Text& line = replayInfo[textEntryLine];
  if (keyClass[key] == KEY_PLAIN) {
    if (key == KEY_BACKSPACE) {
      if (!line.empty()) line.pop_back();
    } else if (key == KEY_SPACE) {
      line += u' ';
    } else {
      line += keyNames[key];
    }
  } else if (keyClass[key] == KEY_SHIFTED) {
    line += lastLine > 1 && ShiftHeld() ? shiftedKeyNames[key] : keyNames[key];
  }
}

}  // namespace

int32_t TextEntry(int32_t firstLine, int32_t lastLine, int32_t maxLength) {
  keyClass[KEY_QUESTION] = lastLine > 1 ? KEY_SHIFTED : KEY_IGNORED;
  // A line left over from another block is never typed into.
  if (textEntryLine < firstLine || textEntryLine > lastLine) textEntryLine = 0;
  for (int32_t i = firstLine; i <= lastLine; ++i) {
    if (!replayInfo[i].empty()) textEntryLine = i;
    if (textEntryLine == 0) textEntryLine = firstLine;
  }
  for (int32_t k = 1; k <= KEY_LAST_POLLED; ++k) {
    if (keyClass[k] == KEY_IGNORED) continue;
    const bool pressed = KeyPressed(k) == 1;
    if (pressed) {
      keyRepeat[REPEAT_KEY] = k;
      keyRepeat[REPEAT_FRAMES] = 0;
      keyRepeat[REPEAT_SHIFT] = keyClass[k] == KEY_SHIFTED && ShiftHeld() ? 1 : 0;
    }
    if (k == keyRepeat[REPEAT_KEY]) {
      // Pressing or letting go of Shift starts the delay again.
      if (lastLine > 1 && keyClass[k] == KEY_SHIFTED) {
        const bool shift = ShiftHeld();
        if (keyRepeat[REPEAT_SHIFT] == 1 && !shift) {
          keyRepeat[REPEAT_FRAMES] = 0;
          keyRepeat[REPEAT_SHIFT] = 0;
        } else if (keyRepeat[REPEAT_SHIFT] == 0 && shift) {
          keyRepeat[REPEAT_FRAMES] = 0;
          keyRepeat[REPEAT_SHIFT] = 1;
        }
      }
      if (IsKeyHeld(k)) {
        keyRepeat[REPEAT_FRAMES] += 1;
      } else {
        keyRepeat[REPEAT_FRAMES] = 0;
        keyRepeat[REPEAT_SHIFT] = 0;
      }
    }
    const bool typed =
        keyRepeat[REPEAT_FRAMES] >= KEY_REPEAT_DELAY ? k == keyRepeat[REPEAT_KEY] : pressed;
    if (typed) TypeKey(k, lastLine);
    Text& line = replayInfo[textEntryLine];
    if (textEntryLine < lastLine && static_cast<int32_t>(line.size()) == maxLength + 1) {
      replayInfo[textEntryLine + 1] = line.substr(static_cast<size_t>(maxLength));
      line.resize(static_cast<size_t>(maxLength));
      textEntryLine += 1;
    }
    if (textEntryLine > firstLine && replayInfo[textEntryLine].empty()) textEntryLine -= 1;
  }
  if (static_cast<int32_t>(replayInfo[lastLine].size()) > maxLength)
    replayInfo[lastLine].resize(static_cast<size_t>(maxLength));
  return 0;
}

void ResetTextEntry() { textEntryLine = 0; }
