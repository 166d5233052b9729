#include "match/bitmap_text.hpp"

#include <cstring>

#include "match/media_tables.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"

int32_t glyphMap[251];
int32_t glyphWidths[55];
int32_t bigFontWidths[30];

void FillGlyphTables() {
  std::memset(glyphMap, 0, sizeof glyphMap);
  for (int32_t i = 0; i < 26; ++i) {
    glyphMap[65 + i] = 1 + i;
    glyphMap[97 + i] = 1 + i;
  }
  glyphMap[197] = glyphMap[229] = 27;
  glyphMap[196] = glyphMap[228] = 28;
  glyphMap[214] = glyphMap[246] = 29;
  for (int32_t i = 0; i < 10; ++i) glyphMap[48 + i] = 30 + i;
  const char* punctuation = "?/:.;,-_()!%'";
  for (int32_t i = 0; punctuation[i] != 0; ++i) {
    glyphMap[static_cast<unsigned char>(punctuation[i])] = 40 + i;
  }

  static const int32_t widths[55] = {22,                                      // space
                                     55, 42, 42, 42, 35, 35, 42, 42, 12, 27,  // A-J
                                     42, 35, 54, 42, 42, 42, 42, 42, 42, 42,  // K-T
                                     42, 55, 55, 46, 48, 42,                  // U-Z
                                     55, 55, 42,                              // Å Ä Ö
                                     42, 42, 42, 42, 42, 42, 42, 42, 42, 42,  // 0-9
                                     30, 34, 12, 12, 12, 12, 29, 34, 17, 17,
                                     11, 42, 12,  // ? / : . ; , - _ ( ) ! % '
                                     0,  0};
  std::memcpy(glyphWidths, widths, sizeof glyphWidths);
}

void FillBigFontWidths() {
  static const int32_t widths[30] = {30,                                      // space
                                     49, 49, 49, 49, 49, 49, 49, 49, 19, 27,  // A-J
                                     49, 49, 79, 49, 49, 49, 52, 49, 49, 49,  // K-T
                                     49, 49, 79, 49, 49, 49,                  // U-Z
                                     0,  0,  0};
  std::memcpy(bigFontWidths, widths, sizeof bigFontWidths);
}

int32_t GlyphFrame(int32_t code) {
  if (code < 0 || code > 250) return 0;
  return glyphMap[code];
}

namespace {
int32_t CodeAt(const Text& text, size_t i) { return static_cast<int32_t>(text[i]); }

// The big font has glyphs only for space and the letters; anything else is a space.
int32_t BigFrame(int32_t code) {
  int32_t f = GlyphFrame(code);
  return f < 30 ? f : 0;
}

// Where x + 0.5 lands as the routines place the first glyph.
double Origin(float x) { return static_cast<double>(static_cast<float>(x + 0.5f)); }
}  // namespace

int32_t DrawTextFixed(float x, float y, int32_t r, int32_t g, int32_t b, const Text& text) {
  SetDrawColour(r, g, b);
  const int32_t left = TruncateToInt(static_cast<double>(x) + 0.5);
  const int32_t top = TruncateToInt(y);
  for (size_t i = 0; i < text.size(); ++i) {
    const int32_t k = static_cast<int32_t>(i) + 1;
    DrawImageFrame(fixedFontImage, left + 10 * k, top, CodeAt(text, i) - 32);
  }
  SetDrawColour(255, 255, 255);
  return 0;
}

int32_t TextPropWidth(const Text& text) {
  int32_t w = 0;
  for (size_t i = 0; i < text.size(); ++i) w += glyphWidths[GlyphFrame(CodeAt(text, i))];
  return w;
}

int32_t TextSmallWidth(const Text& text) {
  int32_t w = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    w = TruncateToInt(w + glyphWidths[GlyphFrame(CodeAt(text, i))] * 0.5);
  }
  return w;
}

int32_t TextProp2Width(const Text& text) {
  int32_t w = 0;
  for (size_t i = 0; i < text.size(); ++i) w += bigFontWidths[BigFrame(CodeAt(text, i))] + 1;
  return w;
}

int32_t DrawTextProp(float x, float y, const Text& text, int32_t centred) {
  int32_t o = centred == 1 ? -(TextPropWidth(text) / 2) : 0;
  const double origin = Origin(x);
  for (size_t i = 0; i < text.size(); ++i) {
    const int32_t f = GlyphFrame(CodeAt(text, i));
    DrawImageFrame(medFontImage, origin + o, y, f);
    o += glyphWidths[f];
  }
  return 0;
}

int32_t DrawTextSmall(float x, float y, const Text& text, int32_t centred) {
  int32_t o = centred == 1 ? -(TextSmallWidth(text) / 2) : 0;
  const double origin = Origin(x);
  for (size_t i = 0; i < text.size(); ++i) {
    const int32_t f = GlyphFrame(CodeAt(text, i));
    SetDrawScale(0.5, 0.5);
    DrawImageFrame(medFontSmallImage, origin + o, y, f);
    SetDrawScale(1, 1);
    o = TruncateToInt(o + glyphWidths[f] * 0.5);
  }
  return 0;
}

int32_t DrawTextProp2(float x, float y, const Text& text, int32_t centred) {
  int32_t o = centred == 1 ? -(TextProp2Width(text) / 2) : 0;
  const double origin = Origin(x);
  for (size_t i = 0; i < text.size(); ++i) {
    const int32_t f = BigFrame(CodeAt(text, i));
    DrawImageFrame(bigFontImage, origin + o, y, f);
    o += bigFontWidths[f] + 1;
  }
  return 0;
}

void ResetBitmapText() {
  std::memset(glyphMap, 0, sizeof glyphMap);
  std::memset(glyphWidths, 0, sizeof glyphWidths);
  std::memset(bigFontWidths, 0, sizeof bigFontWidths);
}
