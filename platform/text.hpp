// Text as the game keeps it: a sequence of 16-bit code units.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

using Text = std::u16string;

// One byte becomes one code unit (how text comes back from files and the system).
Text TextFromBytes(std::string_view bytes);
// The low byte of each code unit (how text goes to files and the system).
std::string TextToBytes(const Text& text);

Text JoinText(const Text& a, const Text& b);
template <class... More>
Text JoinText(const Text& a, const Text& b, const More&... more) {
  return JoinText(JoinText(a, b), more...);
}
Text IntToText(int32_t value);
// "%#.9g" of the value widened to double, exponents written with three digits.
Text RealToText(double value);
// Negative, zero or positive by the first differing code unit; a prefix sorts first.
int32_t CompareText(const Text& a, const Text& b);
int32_t TextToInt(const Text& text);
Text LowerCaseText(const Text& text);
// The code of the first unit, -1 for the empty text.
int32_t FirstCharCode(const Text& text);
// count units from the 1-based position start; a negative count takes the rest.
Text TextSlice(const Text& text, int32_t start, int32_t count);
Text TextHead(const Text& text, int32_t count);
Text TextTail(const Text& text, int32_t count);
