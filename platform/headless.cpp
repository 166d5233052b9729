// The headless backend: scripted input, a virtual clock, the audio call log
// and the presented-frame count.
#include "platform/headless.hpp"

#include <map>

#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/input.hpp"
#include "platform/platform_internal.hpp"
#include "platform/sound.hpp"
#include "platform/system.hpp"
#include "platform/timing.hpp"

namespace platform_detail {
namespace {

bool headless = false;
int64_t virtualMicros = 0;
int64_t presentedFrames = 0;
bool modeAvailable = true;
bool claimVerticalSync = false;
std::vector<std::string> audioLog;
std::multimap<int64_t, std::function<void()>> frameActions;

}  // namespace

bool Headless() { return headless; }

void AdvanceVirtualClockTo(int64_t micros) {
  if (micros > virtualMicros) virtualMicros = micros;
}

int64_t VirtualClockMicros() { return virtualMicros; }

void NoteFramePresented() {
  ++presentedFrames;
  for (auto it = frameActions.find(presentedFrames);
       it != frameActions.end() && it->first == presentedFrames;
       it = frameActions.find(presentedFrames)) {
    std::function<void()> action = std::move(it->second);
    frameActions.erase(it);
    action();
  }
}

void LogAudioCall(const std::string& line) {
  if (headless) audioLog.push_back(line);
}

bool HeadlessModeAvailable() { return modeAvailable; }
bool HeadlessClaimsVerticalSync() { return claimVerticalSync; }

}  // namespace platform_detail

using namespace platform_detail;

void UseHeadlessBackend(bool on) {
  CloseDisplay();
  if (on && !headless) {
    CloseAudioDevice();
    ResetSound();
  }
  headless = on;
  if (on)
    SetMillisecondSource([] { return int32_t(uint32_t(uint64_t(virtualMicros / 1000))); });
  else
    SetMillisecondSource({});
}

void ResetPlatformDisplay() {
  CloseDisplay();
  ResetDrawState();
  ReleaseAllImages();
  ResetInput();
  ResetTimers();
  ResetSound();
  SelectRenderer(OpenGLRenderer());
  audioLog.clear();
  frameActions.clear();
  presentedFrames = 0;
  virtualMicros = 0;
  modeAvailable = true;
  claimVerticalSync = false;
}

void HeadlessSetKey(int32_t key, bool held) { InputKeyEvent(key, held); }

void HeadlessSetMouse(int32_t x, int32_t y, int32_t buttons) {
  InputPointerEvent(x, y);
  for (int32_t b = 1; b <= 3; ++b) InputButtonEvent(b, (buttons >> (b - 1)) & 1);
}

void HeadlessTapKey(int32_t key) {
  InputKeyEvent(key, true);
  InputKeyEvent(key, false);
}

void HeadlessTapMouse(int32_t x, int32_t y, int32_t button) {
  InputPointerEvent(x, y);
  InputButtonEvent(button, true);
  InputButtonEvent(button, false);
}

void HeadlessMoveWheel(int32_t delta) { InputWheelEvent(delta); }

void HeadlessFocusChange(bool gained) { ReleaseAllInput(); }

void HeadlessRequestClose() { InputCloseEvent(); }

void HeadlessAtFrame(int64_t frame, std::function<void()> action) {
  frameActions.emplace(frame, std::move(action));
}

void HeadlessSetDisplayModeAvailable(bool available) { modeAvailable = available; }
void HeadlessClaimVerticalSync(bool claim) { claimVerticalSync = claim; }

void HeadlessAdvanceClock(int64_t milliseconds) {
  if (milliseconds > 0) virtualMicros += milliseconds * 1000;
}

int64_t HeadlessClockMicroseconds() { return virtualMicros; }
int64_t PresentedFrameCount() { return presentedFrames; }

const std::vector<std::string>& AudioCallLog() { return audioLog; }
void ClearAudioCallLog() { audioLog.clear(); }
