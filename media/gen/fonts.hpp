// FreeType rasterising shared by the fonts and the title pictures.
#pragma once
#include "media/gen/image.hpp"

namespace gen {

struct GlyphMask {
  Mask mask;
  int left = 0, top = 0;  // bitmap offset from the pen (top is above the baseline)
  float advance = 0;
  float ascender = 0;
};

// fontFile is a DejaVu file name, such as "DejaVuSans-Bold.ttf".
GlyphMask RasterGlyph(const char* fontFile, char32_t code, int pixelSize, bool hinted,
                      int pixelWidth = 0);
Mask InkOnly(const Mask& m, int* x0, int* y0);
Mask ResampleMask(const Mask& m, int w, int h);

// Coverage of a text line at a pixel size; the baseline is at `baseline`.
Mask RasterText(const char* fontFile, const std::u32string& text, int pixelSize, float tracking,
                int* width, int* baseline);

const int* MediumFontWidths();
const int* BigFontWidths();

}  // namespace gen
