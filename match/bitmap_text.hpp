// Text drawn with the game's three bitmap fonts: a small fixed-pitch font in
// a given colour, a medium proportional font (also at half size) and a big
// proportional font for titles. One image frame per glyph.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// glyphMap[character code 0-250]: the glyph frame of the proportional fonts.
extern int32_t glyphMap[251];
// glyphWidths[frame]: advance of each medium-font glyph at full size.
extern int32_t glyphWidths[55];
// bigFontWidths[frame]: width of each big-font glyph; the advance is one more.
extern int32_t bigFontWidths[30];

// Fills glyphMap and glyphWidths (before the fonts are loaded).
void FillGlyphTables();
// Fills bigFontWidths (later in start-up).
void FillBigFontWidths();

// Fixed font: character k lands at trunc(x + 0.5) + 10k, in (r, g, b); the
// draw colour is white afterwards.
int32_t DrawTextFixed(float x, float y, int32_t r, int32_t g, int32_t b, const Text& text);
// Medium font, full size, in the current drawing state. centred 1 centres on x.
int32_t DrawTextProp(float x, float y, const Text& text, int32_t centred);
// Medium font at half size.
int32_t DrawTextSmall(float x, float y, const Text& text, int32_t centred);
// Big font.
int32_t DrawTextProp2(float x, float y, const Text& text, int32_t centred);

// The glyph frame of a character code (0 for codes without a glyph).
int32_t GlyphFrame(int32_t code);
// Widths as the routines count them when centring.
int32_t TextPropWidth(const Text& text);
int32_t TextSmallWidth(const Text& text);
int32_t TextProp2Width(const Text& text);

// The three tables back to 0 (tests).
void ResetBitmapText();
