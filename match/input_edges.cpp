#include "match/input_edges.hpp"

#include <cstring>

#include "platform/input.hpp"

int32_t keyHitState[251][3];
int32_t mouseHitState[3][3];
int32_t menuGlow[11][3];

namespace {
void PollOne(int32_t (&row)[3], bool held) {
  row[1] = 0;
  if (!held) {
    row[2] = 1;
  } else if (row[2] == 1) {
    row[1] = 1;
    row[2] = 0;
  }
}
}  // namespace

int32_t PollInput() {
  for (int32_t k = 1; k <= 250; ++k) PollOne(keyHitState[k], IsKeyHeld(k));
  for (int32_t b = 1; b <= 2; ++b) PollOne(mouseHitState[b], IsMouseButtonHeld(b));
  return 0;
}

// Codes outside the tables count as never pressed.
int32_t KeyPressed(int32_t key) {
  if (key < 1 || key > 250) return 0;
  return keyHitState[key][1] == 1 ? 1 : 0;
}

int32_t MousePressed(int32_t button) {
  if (button < 1 || button > 2) return 0;
  return mouseHitState[button][1] == 1 ? 1 : 0;
}

int32_t FlushPressed() {
  for (int32_t k = 1; k <= 250; ++k) keyHitState[k][1] = 0;
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
}
