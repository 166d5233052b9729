// Placement of the start-up window, in the manner of the system calls the
// game was written for. Window handles: 0 none, otherwise an open window or
// the desktop.
#pragma once
#include <cstdint>

constexpr int32_t HWND_NOTOPMOST_ = -2;
constexpr int32_t SWP_NOSIZE_ = 1;
constexpr int32_t SW_SHOW_ = 5;

// The open window whose title is the given 8-bit text (className is ignored).
int32_t FindWindowA(const char* className, const char* title);
int32_t GetDesktopWindow();
// Screen rectangle of a window or of the desktop; false for handle 0.
bool GetWindowRect(int32_t window, int32_t& left, int32_t& top, int32_t& right, int32_t& bottom);
// Moves the window to (x, y); with SWP_NOSIZE_ the size is kept.
bool SetWindowPos(int32_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t width,
                  int32_t height, int32_t flags);
bool ShowWindow(int32_t window, int32_t command);
// The pointer in desktop pixels.
bool GetCursorPos(int32_t& x, int32_t& y);
