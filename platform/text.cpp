#include "platform/text.hpp"

#include <cstdio>
#include <cstring>

Text TextFromBytes(std::string_view bytes) {
  Text out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) out.push_back(static_cast<char16_t>(c));
  return out;
}

std::string TextToBytes(const Text& text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) out.push_back(static_cast<char>(c & 0xff));
  return out;
}

Text JoinText(const Text& a, const Text& b) {
  Text out;
  out.reserve(a.size() + b.size());
  out += a;
  out += b;
  return out;
}

Text IntToText(int32_t value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d", value);
  return TextFromBytes(buf);
}

Text RealToText(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%#.9g", value);
  // The game's runtime writes exponents with at least three digits.
  std::string s = buf;
  size_t e = s.find_first_of("eE");
  if (e != std::string::npos && e + 1 < s.size()) {
    size_t digits = e + 2;  // after the sign
    size_t count = s.size() - digits;
    if (count < 3) s.insert(digits, 3 - count, '0');
  }
  return TextFromBytes(s);
}

int32_t CompareText(const Text& a, const Text& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return static_cast<int32_t>(a[i]) - static_cast<int32_t>(b[i]);
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int32_t TextToInt(const Text& text) {
  size_t i = 0;
  auto isSpace = [](char16_t c) { return c == ' ' || (c >= 9 && c <= 13); };
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Wraps like a 32-bit register rather than overflowing.
  uint32_t value = 0;
  if (i < text.size() && text[i] == '%') {
    for (++i; i < text.size() && (text[i] == '0' || text[i] == '1'); ++i)
      value = value * 2u + static_cast<uint32_t>(text[i] - '0');
  } else if (i < text.size() && text[i] == '$') {
    for (++i; i < text.size(); ++i) {
      char16_t c = text[i];
      uint32_t digit;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else
        break;
      value = value * 16u + digit;
    }
  } else {
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
      value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

Text LowerCaseText(const Text& text) {
  Text out = text;
  for (char16_t& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char16_t>(c + 32);
  return out;
}

int32_t FirstCharCode(const Text& text) {
  return text.empty() ? -1 : static_cast<int32_t>(text[0]);
}

Text TextSlice(const Text& text, int32_t start, int32_t count) {
  int64_t length = static_cast<int64_t>(text.size());
  int64_t from = static_cast<int64_t>(start) - 1;
  if (from >= length) return Text();
  int64_t to = count < 0 ? length : from + count;
  if (from < 0) from = 0;
  if (to > length) to = length;
  if (to <= from) return Text();
  return text.substr(static_cast<size_t>(from), static_cast<size_t>(to - from));
}

Text TextHead(const Text& text, int32_t count) {
  if (count <= 0) return Text();
  if (static_cast<size_t>(count) >= text.size()) return text;
  return text.substr(0, static_cast<size_t>(count));
}

Text TextTail(const Text& text, int32_t count) {
  if (count <= 0) return Text();
  if (static_cast<size_t>(count) >= text.size()) return text;
  return text.substr(text.size() - static_cast<size_t>(count));
}
