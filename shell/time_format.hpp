// Frame counts shown to the player as minutes and seconds.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// Rounding of the seconds: a match length and a flying time.
constexpr float MATCH_LENGTH_ROUNDING = 0.5f;
constexpr float FLYING_TIME_ROUNDING = 0.4f;

// "MM:SS" of a count of frames at 75 a second, worked in single precision:
// rounding is added to the seconds first. Each part has two digits at least;
// seconds that round up to 60 carry into the next minute.
Text FormatFrames(int32_t frames, float rounding);
