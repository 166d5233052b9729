// Drawing state and images.
//
// A draw with rotation a and scale (sx, sy) maps a point (px, py) of the
// image, measured from its anchor, to (x + px cos a sx - py sin a sy,
// y + px sin a sx + py cos a sy): positive angles turn clockwise on screen.
// A drawn pixel is the image colour times the draw colour / 255 (clamped to
// 0..255) with the image alpha times trunc(alpha x 255) / 255. Blend modes:
// 1 masked (no blending, pixels with alpha below 0.5 left out), 2 solid,
// 3 alpha, 4 additive, 5 multiply.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

constexpr int32_t BLEND_MASK = 1;
constexpr int32_t BLEND_SOLID = 2;
constexpr int32_t BLEND_ALPHA = 3;
constexpr int32_t BLEND_ADD = 4;
constexpr int32_t BLEND_MULTIPLY = 5;

constexpr int32_t IMAGE_MASKED = 1;
constexpr int32_t IMAGE_FILTERED = 2;
constexpr int32_t IMAGE_MIPMAPPED = 4;
// Flags -1 take the default flags (3: masked and filtered).
constexpr int32_t IMAGE_DEFAULT_FLAGS = -1;

// Kept as set; clamped only when drawing.
void SetDrawColour(int32_t red, int32_t green, int32_t blue);
void GetDrawColour(int32_t& red, int32_t& green, int32_t& blue);
// Clamped to 0..1, NaN counts as 0.
void SetDrawAlpha(double alpha);
double GetDrawAlpha();
void SetBlendMode(int32_t mode);
int32_t GetBlendMode();
// Degrees, clockwise.
void SetDrawRotation(double degrees);
double GetDrawRotation();
void SetDrawScale(double scaleX, double scaleY);
void GetDrawScale(double& scaleX, double& scaleY);
// The colour that masked images load transparent.
void SetImageMaskColour(int32_t red, int32_t green, int32_t blue);
// The flags that -1 stands for.
void SetDefaultImageFlags(int32_t flags);
// Back to the start values of an opened display.
void ResetDrawState();

// A PNG file or "incbin::" name; handle 0 when it cannot be loaded.
int32_t LoadImageFile(const Text& url, int32_t flags = IMAGE_DEFAULT_FLAGS);
// The picture cut into cells of cellWidth x cellHeight, row by row, left to
// right; frames are the cells firstCell .. firstCell + cellCount - 1.
int32_t LoadImageStrip(const Text& url, int32_t cellWidth, int32_t cellHeight, int32_t firstCell,
                       int32_t cellCount, int32_t flags = IMAGE_DEFAULT_FLAGS);
// An image from RGBA bytes (4 per pixel, row by row), for tools and tests.
int32_t ImageFromPixels(const uint8_t* rgba, int32_t width, int32_t height, bool hasAlpha,
                        int32_t cellWidth, int32_t cellHeight, int32_t cellCount,
                        int32_t flags = IMAGE_DEFAULT_FLAGS);
void ReleaseImage(int32_t image);
bool ImageExists(int32_t image);
int32_t ImageFrameCount(int32_t image);

void SetImageAnchor(int32_t image, double x, double y);
// Half the frame width and height (real halves).
void CentreImageAnchor(int32_t image);
void GetImageAnchor(int32_t image, double& x, double& y);
int32_t ImageFrameWidth(int32_t image);
int32_t ImageFrameHeight(int32_t image);
// The pixel of a frame after the mask processing, as 0xAARRGGBB; 0 outside.
uint32_t ImagePixel(int32_t image, int32_t frame, int32_t x, int32_t y);

// Handle 0 and frames out of range draw nothing.
void DrawImageFrame(int32_t image, double x, double y, int32_t frame = 0);
// Covers the whole display with the frame repeated, one copy with its anchor
// at (x, y), in the current drawing state.
void TileViewportWithImage(int32_t image, double x, double y, int32_t frame = 0);
