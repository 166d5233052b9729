// Tick timers. A timer of rate r ticks every trunc(1000 / r) milliseconds.
#pragma once
#include <cstdint>

// Handle of a new timer, 0 when the rate is not above 0.
int32_t StartTickTimer(double rate);
// Blocks, handling window events, until the timer has ticked; returns the
// ticks since the previous wait (or since the start).
int32_t WaitForTicks(int32_t timer);
// Ticks so far, without waiting.
int32_t TimerTicks(int32_t timer);
void ResetTimers();

// The layer's clock in microseconds: real, or the headless virtual clock.
int64_t PlatformMicroseconds();
// Sleeps until the layer's clock reaches the given microsecond (handling window
// events; in headless mode the virtual clock jumps there).
void SleepUntilMicroseconds(int64_t when);
