// The X server's real screen as a person at it sees and uses it, from outside
// the game: its size and pixels, the real pointer and a real button press.
// Without an X server of one monitor (or without the XTest extension's
// library at build time) RealScreenOpen is false.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

bool RealScreenOpen();
void CloseRealScreen();
int32_t RealScreenWidth();
int32_t RealScreenHeight();
// The whole screen as 0x00RRGGBB, row by row.
std::vector<uint32_t> RealScreenPixels();
bool WriteRealScreenPng(const std::string& path);
void RealPointerMoveTo(int32_t x, int32_t y);
void RealPointerPosition(int32_t& x, int32_t& y);
// A press or release of the left button where the pointer is.
void RealLeftButton(bool down);

// Where a 1280 x 1024 picture sits on a screen of this size when scaled with
// its aspect kept and centred: position and size in screen pixels.
struct ScreenLetterbox {
  int32_t x, y, w, h;
};
ScreenLetterbox LetterboxOnScreen(int32_t screenWidth, int32_t screenHeight);
