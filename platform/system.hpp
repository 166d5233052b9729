// Ending the program, errors, clocks and dates.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/text.hpp"

// Prints the message on standard error, shows it where a display is open, and
// ends the program with a non-zero status.
[[noreturn]] void RaiseRuntimeError(const Text& message);
// Ends the program with status 0.
[[noreturn]] void EndProgram();

// The display layer installs this to show an error in a message box.
void SetRuntimeErrorPresenter(std::function<void(const std::string&)> presenter);
// Run at the end of the program, last added first.
void AddExitStep(std::function<void()> step);

// Milliseconds from a fixed point, wrapping like a 32-bit counter.
int32_t SystemMilliseconds();
// Replaces the system clock (tests): returns the milliseconds to report.
void SetMillisecondSource(std::function<int32_t()> source);

// "%d %b %Y" and "%H:%M:%S" of the local time, in English whatever the locale.
Text DateText();
Text TimeOfDayText();
Text FormatDate(int year, int month, int day);
Text FormatTimeOfDay(int hour, int minute, int second);
