#include "platform/system.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {
std::function<void(const std::string&)> errorPresenter;
std::vector<std::function<void()>> exitSteps;
std::function<int32_t()> millisecondSource;

void RunExitSteps() {
  while (!exitSteps.empty()) {
    auto step = std::move(exitSteps.back());
    exitSteps.pop_back();
    if (step) step();
  }
}

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return parts;
}
}  // namespace

void SetRuntimeErrorPresenter(std::function<void(const std::string&)> presenter) {
  errorPresenter = std::move(presenter);
}

void AddExitStep(std::function<void()> step) { exitSteps.push_back(std::move(step)); }

void RaiseRuntimeError(const Text& message) {
  std::string bytes = TextToBytes(message);
  std::fprintf(stderr, "%s\n", bytes.c_str());
  std::fflush(stderr);
  if (errorPresenter) errorPresenter(bytes);
  RunExitSteps();
  std::_Exit(1);
}

void EndProgram() {
  RunExitSteps();
  std::fflush(nullptr);
  std::exit(0);
}

int32_t SystemMilliseconds() {
  if (millisecondSource) return millisecondSource();
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now();
  int64_t ms = duration_cast<milliseconds>(steady_clock::now() - start).count();
  // Counts from an arbitrary point, like an uptime counter.
  return static_cast<int32_t>(static_cast<uint32_t>(ms + 1000));
}

void SetMillisecondSource(std::function<int32_t()> source) {
  millisecondSource = std::move(source);
}

Text FormatDate(int year, int month, int day) {
  char buf[32];
  const char* name = (month >= 1 && month <= 12) ? kMonths[month - 1] : "???";
  std::snprintf(buf, sizeof buf, "%02d %s %d", day, name, year);
  return TextFromBytes(buf);
}

Text FormatTimeOfDay(int hour, int minute, int second) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hour, minute, second);
  return TextFromBytes(buf);
}

Text DateText() {
  std::tm now = LocalNow();
  return FormatDate(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
}

Text TimeOfDayText() {
  std::tm now = LocalNow();
  return FormatTimeOfDay(now.tm_hour, now.tm_min, now.tm_sec);
}
