#include "shell/time_format.hpp"

#include "platform/maths.hpp"

namespace {

Text TwoDigits(int32_t value) {
  return value < 10 ? JoinText(u"0", IntToText(value)) : IntToText(value);
}

}  // namespace

Text FormatFrames(int32_t frames, float rounding) {
  const float seconds = static_cast<float>(frames) / 75.0f + rounding;
  const float minutes = seconds / 60.0f;
  float secondsPart = 0.0f;
  if (minutes > 0.0f) {
    const float fraction = minutes - static_cast<float>(TruncateToInt(minutes));
    secondsPart = fraction * 60.0f + 0.5f;
  } else {
    secondsPart = static_cast<float>(TruncateToInt(seconds));
  }
  int32_t mm = TruncateToInt(minutes);
  int32_t ss = TruncateToInt(secondsPart);
  if (ss >= 60) {
    ss -= 60;
    mm += 1;
  }
  return JoinText(TwoDigits(mm), u":", TwoDigits(ss));
}
