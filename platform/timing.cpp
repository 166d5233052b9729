// Tick timers and the layer's clock.
#include "platform/timing.hpp"

#include <SDL.h>

#include <chrono>
#include <map>
#include <thread>

#include "platform/input.hpp"
#include "platform/platform_internal.hpp"

namespace {

struct TickTimer {
  int64_t start = 0;
  int64_t period = 0;  // microseconds
  int64_t seen = 0;    // ticks reported by the last wait
};

std::map<int32_t, TickTimer> timers;
int32_t nextTimer = 1;

int64_t RealMicros() {
  static const auto origin = std::chrono::steady_clock::now();
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                               origin)
      .count();
}

}  // namespace

int64_t PlatformMicroseconds() {
  return platform_detail::Headless() ? platform_detail::VirtualClockMicros() : RealMicros();
}

void SleepUntilMicroseconds(int64_t when) {
  if (platform_detail::Headless()) {
    platform_detail::AdvanceVirtualClockTo(when);
    return;
  }
  // Sleep coarsely, handling window events, then wait out the last
  // millisecond precisely.
  for (;;) {
    int64_t left = when - RealMicros();
    if (left <= 0) return;
    PumpWindowEvents();
    if (left > 2000)
      std::this_thread::sleep_for(std::chrono::microseconds(left - 1500));
    else if (left > 200)
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    else
      std::this_thread::yield();
  }
}

int32_t StartTickTimer(double rate) {
  if (!(rate > 0.0)) return 0;
  int64_t ms = int64_t(1000.0 / rate);
  if (ms < 1) ms = 1;
  TickTimer t;
  t.start = PlatformMicroseconds();
  t.period = ms * 1000;
  int32_t handle = nextTimer++;
  timers[handle] = t;
  return handle;
}

int32_t TimerTicks(int32_t timer) {
  auto it = timers.find(timer);
  if (it == timers.end()) return 0;
  return int32_t((PlatformMicroseconds() - it->second.start) / it->second.period);
}

int32_t WaitForTicks(int32_t timer) {
  auto it = timers.find(timer);
  if (it == timers.end()) return 0;
  TickTimer& t = it->second;
  int64_t ticks = (PlatformMicroseconds() - t.start) / t.period;
  if (ticks <= t.seen) {
    SleepUntilMicroseconds(t.start + (t.seen + 1) * t.period);
    ticks = (PlatformMicroseconds() - t.start) / t.period;
  }
  PumpWindowEvents();
  int32_t passed = int32_t(ticks - t.seen);
  t.seen = ticks;
  return passed;
}

void ResetTimers() {
  timers.clear();
  nextTimer = 1;
}
