#include "match/input_edges.hpp"

#include <cstring>

#include "platform/input.hpp"

int32_t keyHitState[KEY_LAST_POLLED + 1][3];
int32_t mouseHitState[3][3];
int32_t menuGlow[11][3];

namespace {
// Whether a poll has run: a key that went down before the first one counts
// as held at start, which gives no press.
bool polledBefore = false;

// wentDown: the key went down since the last poll. It was up just before,
// so its press counts even when it is already up again (a quick tap or a
// click sent as press and release back to back).
void PollOne(int32_t (&row)[3], bool held, bool wentDown) {
  row[1] = 0;
  if (wentDown && polledBefore) row[2] = 1;
  if (!held && !wentDown) {
    row[2] = 1;
  } else if (row[2] == 1) {
    row[1] = 1;
    row[2] = 0;
  }
}
}  // namespace

int32_t PollInput() {
  // Held first: asking handles the waiting events, whose presses are then taken.
  for (int32_t k = 1; k <= KEY_LAST_POLLED; ++k) {
    const bool held = IsKeyHeld(k);
    PollOne(keyHitState[k], held, TakeKeyWentDown(k));
  }
  for (int32_t b = 1; b <= 2; ++b) {
    const bool held = IsMouseButtonHeld(b);
    PollOne(mouseHitState[b], held, TakeMouseButtonWentDown(b));
  }
  polledBefore = true;
  return 0;
}

// Codes outside the tables count as never pressed.
int32_t KeyPressed(int32_t key) {
  if (key < 1 || key > KEY_LAST_POLLED) return 0;
  return keyHitState[key][1] == 1 ? 1 : 0;
}

int32_t KeyDown(int32_t key) { return KeyPressed(key) == 1 || IsKeyHeld(key) ? 1 : 0; }

int32_t MousePressed(int32_t button) {
  if (button < 1 || button > 2) return 0;
  return mouseHitState[button][1] == 1 ? 1 : 0;
}

int32_t FlushPressed() {
  for (int32_t k = 1; k <= KEY_LAST_POLLED; ++k) keyHitState[k][1] = 0;
  for (int32_t b = 1; b <= 2; ++b) mouseHitState[b][1] = 0;
  return 0;
}

int32_t ClearMenuHover() {
  for (int32_t i = 1; i <= 10; ++i) menuGlow[i][0] = 0;
  return 0;
}

void ResetInputEdges() {
  std::memset(keyHitState, 0, sizeof keyHitState);
  std::memset(mouseHitState, 0, sizeof mouseHitState);
  std::memset(menuGlow, 0, sizeof menuGlow);
  polledBefore = false;
}
