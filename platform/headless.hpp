// The headless backend for tests: no window, the software renderer into
// memory, scripted input, a virtual clock and silent logged audio.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Selecting it closes any open display; displays opened afterwards never
// touch the video system. Also installs the virtual millisecond clock.
void UseHeadlessBackend(bool headless);
// Closes the display and resets drawing state, images, input, timers, sound,
// music, the audio log, the frame count and the virtual clock.
void ResetPlatformDisplay();

// The back buffer (software renderer): 0x00RRGGBB per pixel, row by row.
int32_t FramebufferWidth();
int32_t FramebufferHeight();
uint32_t FramebufferPixel(int32_t x, int32_t y);
const uint32_t* FramebufferData();
// The picture last presented (what the screen shows).
uint32_t PresentedPixel(int32_t x, int32_t y);
// The back buffer of either renderer as 0x00RRGGBB (read back from GL).
std::vector<uint32_t> CaptureBackBuffer();
bool WriteFramebufferPng(const std::string& path);

// Scripted input, taking effect at once.
void HeadlessSetKey(int32_t key, bool held);
// buttons: bit 0 left, bit 1 right, bit 2 middle. (x, y) is the pointer's
// place in the window as it stands now; the pointer keeps its desktop place
// when the window is moved (SetWindowPos), so its place in the window changes.
void HeadlessSetMouse(int32_t x, int32_t y, int32_t buttons);
// A press and its release back to back, before the next frame (a quick key
// tap, or a click as a touchpad or a remote desktop sends it); button 1 left,
// 2 right, 3 middle.
void HeadlessTapKey(int32_t key);
void HeadlessTapMouse(int32_t x, int32_t y, int32_t button);
// Raw wheel units (120 per notch).
void HeadlessMoveWheel(int32_t delta);
void HeadlessFocusChange(bool gained);
void HeadlessRequestClose();
// Runs the action when the given presented-frame count is reached (after
// that present), for input scripted per frame.
void HeadlessAtFrame(int64_t frame, std::function<void()> action);
// Whether DisplayModeAvailable answers yes (default true).
void HeadlessSetDisplayModeAvailable(bool available);
// Full-screen displays opened afterwards claim vertical sync, but presenting
// takes no time, as with a driver that ignores it (default false).
void HeadlessClaimVerticalSync(bool claim);

// The virtual clock (starts at 0 after a reset).
void HeadlessAdvanceClock(int64_t milliseconds);
int64_t HeadlessClockMicroseconds();
int64_t PresentedFrameCount();

// Every sound and music call with its arguments, e.g.
// "FSOUND_Stream_Open data/music/menu.ogg 2".
const std::vector<std::string>& AudioCallLog();
void ClearAudioCallLog();
