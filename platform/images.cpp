// Images: PNG decoding, the mask processing, strips, anchors, and the
// drawing state.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "platform/maths.hpp"
#include "platform/platform_internal.hpp"

namespace platform_detail {
namespace {

std::map<int32_t, std::unique_ptr<ImageData>> images;
int32_t nextImageHandle = 1;
uint64_t nextSerial = 1;

struct DrawState {
  int32_t red = 255, green = 255, blue = 255;
  double alpha = 1.0;
  int32_t blend = 1;
  double rotation = 0.0;
  double scaleX = 1.0, scaleY = 1.0;
  int32_t maskRed = 0, maskGreen = 0, maskBlue = 0;
  int32_t defaultFlags = 3;
};
DrawState state;
DrawParams params;

int32_t ClampByte(int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

void UpdateParams() {
  params.red = ClampByte(state.red);
  params.green = ClampByte(state.green);
  params.blue = ClampByte(state.blue);
  params.alphaByte = TruncateToInt(state.alpha * 255.0);
  params.blend = state.blend;
  params.rotation = state.rotation;
  params.cosA = CosDegrees(state.rotation);
  params.sinA = SinDegrees(state.rotation);
  params.scaleX = state.scaleX;
  params.scaleY = state.scaleY;
}

struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  bool hasAlpha = false;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB
};

struct PngReadSource {
  const uint8_t* data;
  size_t size;
  size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* src = static_cast<PngReadSource*>(png_get_io_ptr(png));
  if (src->at + count > src->size) png_error(png, "truncated");
  std::memcpy(out, src->data + src->at, count);
  src->at += count;
}

void QuietWarning(png_structp, png_const_charp) {}
void ErrorToJump(png_structp png, png_const_charp) { png_longjmp(png, 1); }

bool DecodePng(const uint8_t* data, size_t size, Picture& out) {
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorToJump, QuietWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  PngReadSource src{data, size, 0};
  std::vector<uint8_t> rgba;
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &src, ReadFromMemory);
  png_read_info(png, info);
  png_uint_32 w = png_get_image_width(png, info);
  png_uint_32 h = png_get_image_height(png, info);
  int colourType = png_get_color_type(png, info);
  int depth = png_get_bit_depth(png, info);
  bool alpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS);
  if (w == 0 || h == 0 || w > 16384 || h > 16384) png_error(png, "size");
  if (depth == 16) png_set_strip_16(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  if (!alpha) png_set_filler(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != w * 4) png_error(png, "format");
  rgba.resize(size_t(w) * h * 4);
  rows.resize(h);
  for (png_uint_32 y = 0; y < h; ++y) rows[y] = rgba.data() + size_t(y) * w * 4;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);

  out.width = int32_t(w);
  out.height = int32_t(h);
  out.hasAlpha = alpha;
  out.pixels.resize(size_t(w) * h);
  for (size_t i = 0; i < out.pixels.size(); ++i) {
    const uint8_t* p = &rgba[i * 4];
    out.pixels[i] = (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
  }
  return true;
}

// Mask pixels become transparent and take the integer mean colour of their
// non-mask neighbours, so filtering does not bleed the mask colour in.
void MaskFrame(std::vector<uint32_t>& px, int32_t w, int32_t h, uint32_t maskRgb) {
  std::vector<uint8_t> isMask(px.size());
  for (size_t i = 0; i < px.size(); ++i) isMask[i] = (px[i] & 0xffffff) == maskRgb;
  std::vector<uint32_t> source = px;
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      size_t i = size_t(y) * w + x;
      if (!isMask[i]) continue;
      uint32_t r = 0, g = 0, b = 0, n = 0;
      for (int32_t dy = -1; dy <= 1; ++dy) {
        for (int32_t dx = -1; dx <= 1; ++dx) {
          if (dx == 0 && dy == 0) continue;
          int32_t nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          size_t j = size_t(ny) * w + nx;
          if (isMask[j]) continue;
          r += (source[j] >> 16) & 0xff;
          g += (source[j] >> 8) & 0xff;
          b += source[j] & 0xff;
          ++n;
        }
      }
      px[i] = n ? (((r / n) << 16) | ((g / n) << 8) | (b / n)) : 0u;
    }
  }
}

void PadLevel(ImageLevel& level) {
  const int32_t w = level.width, h = level.height, pitch = w + 2;
  level.padded.resize(size_t(pitch) * (h + 2));
  for (int32_t y = -1; y <= h; ++y) {
    const uint32_t* src = &level.pixels[size_t(std::clamp(y, 0, h - 1)) * w];
    uint32_t* dst = &level.padded[size_t(y + 1) * pitch];
    dst[0] = src[0];
    std::memcpy(dst + 1, src, size_t(w) * 4);
    dst[w + 1] = src[w - 1];
  }
}

void BuildMipmaps(std::vector<ImageLevel>& levels) {
  while (levels.back().width > 1 || levels.back().height > 1) {
    const ImageLevel& src = levels.back();
    ImageLevel dst;
    dst.width = src.width > 1 ? src.width / 2 : 1;
    dst.height = src.height > 1 ? src.height / 2 : 1;
    dst.pixels.resize(size_t(dst.width) * dst.height);
    for (int32_t y = 0; y < dst.height; ++y) {
      for (int32_t x = 0; x < dst.width; ++x) {
        uint32_t sum[4] = {0, 0, 0, 0};
        for (int32_t k = 0; k < 4; ++k) {
          int32_t sx = std::min(x * 2 + (k & 1), src.width - 1);
          int32_t sy = std::min(y * 2 + (k >> 1), src.height - 1);
          uint32_t p = src.pixels[size_t(sy) * src.width + sx];
          for (int32_t c = 0; c < 4; ++c) sum[c] += (p >> (c * 8)) & 0xff;
        }
        uint32_t v = 0;
        for (int32_t c = 0; c < 4; ++c) v |= ((sum[c] + 2) / 4) << (c * 8);
        dst.pixels[size_t(y) * dst.width + x] = v;
      }
    }
    levels.push_back(std::move(dst));
  }
}

int32_t MakeImage(const Picture& pic, int32_t cellWidth, int32_t cellHeight, int32_t firstCell,
                  int32_t cellCount, int32_t flags) {
  if (flags == -1) flags = state.defaultFlags;
  if (cellWidth <= 0 || cellHeight <= 0 || cellCount <= 0 || firstCell < 0) return 0;
  if (cellWidth > pic.width || cellHeight > pic.height) return 0;
  int32_t across = pic.width / cellWidth;
  int32_t down = pic.height / cellHeight;
  if (int64_t(firstCell) + cellCount > int64_t(across) * down) return 0;
  auto image = std::make_unique<ImageData>();
  image->frameWidth = cellWidth;
  image->frameHeight = cellHeight;
  image->flags = flags;
  image->serial = nextSerial++;
  uint32_t mask = (uint32_t(ClampByte(state.maskRed)) << 16) |
                  (uint32_t(ClampByte(state.maskGreen)) << 8) | uint32_t(ClampByte(state.maskBlue));
  for (int32_t cell = firstCell; cell < firstCell + cellCount; ++cell) {
    int32_t ox = (cell % across) * cellWidth;
    int32_t oy = (cell / across) * cellHeight;
    ImageLevel level;
    level.width = cellWidth;
    level.height = cellHeight;
    level.pixels.resize(size_t(cellWidth) * cellHeight);
    for (int32_t y = 0; y < cellHeight; ++y)
      std::memcpy(&level.pixels[size_t(y) * cellWidth],
                  &pic.pixels[size_t(oy + y) * pic.width + ox], size_t(cellWidth) * 4);
    if ((flags & IMAGE_MASKED) && !pic.hasAlpha)
      MaskFrame(level.pixels, cellWidth, cellHeight, mask);
    std::vector<ImageLevel> levels;
    levels.push_back(std::move(level));
    if (flags & IMAGE_MIPMAPPED) BuildMipmaps(levels);
    if (flags & IMAGE_FILTERED)
      for (ImageLevel& l : levels) PadLevel(l);
    image->frames.push_back(std::move(levels));
  }
  int32_t handle = nextImageHandle++;
  images[handle] = std::move(image);
  return handle;
}

int32_t LoadUrl(const Text& url, int32_t cellWidth, int32_t cellHeight, int32_t firstCell,
                int32_t cellCount, int32_t flags, bool wholePicture) {
  std::vector<uint8_t> bytes;
  const uint8_t* data = nullptr;
  size_t size = 0;
  if (!ReadWholeUrl(url, bytes, data, size)) return 0;
  Picture pic;
  if (!DecodePng(data, size, pic)) return 0;
  if (wholePicture) {
    cellWidth = pic.width;
    cellHeight = pic.height;
    firstCell = 0;
    cellCount = 1;
  }
  return MakeImage(pic, cellWidth, cellHeight, firstCell, cellCount, flags);
}

}  // namespace

ImageData* FindImage(int32_t handle) {
  if (handle == 0) return nullptr;
  auto it = images.find(handle);
  return it == images.end() ? nullptr : it->second.get();
}

void ReleaseAllImages() {
  images.clear();
  nextImageHandle = 1;
}

const DrawParams& CurrentDrawParams() { return params; }

bool WritePng(const std::string& path, const uint32_t* xrgb, int32_t width, int32_t height) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorToJump, QuietWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    if (png) png_destroy_write_struct(&png, nullptr);
    std::fclose(f);
    return false;
  }
  std::vector<uint8_t> row(size_t(width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      uint32_t p = xrgb[size_t(y) * width + x];
      row[size_t(x) * 3] = uint8_t(p >> 16);
      row[size_t(x) * 3 + 1] = uint8_t(p >> 8);
      row[size_t(x) * 3 + 2] = uint8_t(p);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}

}  // namespace platform_detail

using namespace platform_detail;

void SetDrawColour(int32_t red, int32_t green, int32_t blue) {
  state.red = red;
  state.green = green;
  state.blue = blue;
  UpdateParams();
}

void GetDrawColour(int32_t& red, int32_t& green, int32_t& blue) {
  red = state.red;
  green = state.green;
  blue = state.blue;
}

void SetDrawAlpha(double alpha) {
  if (std::isnan(alpha)) alpha = 0.0;
  state.alpha = alpha < 0.0 ? 0.0 : (alpha > 1.0 ? 1.0 : alpha);
  UpdateParams();
}

double GetDrawAlpha() { return state.alpha; }

void SetBlendMode(int32_t mode) {
  state.blend = mode;
  UpdateParams();
}

int32_t GetBlendMode() { return state.blend; }

void SetDrawRotation(double degrees) {
  state.rotation = degrees;
  UpdateParams();
}

double GetDrawRotation() { return state.rotation; }

void SetDrawScale(double scaleX, double scaleY) {
  state.scaleX = scaleX;
  state.scaleY = scaleY;
  UpdateParams();
}

void GetDrawScale(double& scaleX, double& scaleY) {
  scaleX = state.scaleX;
  scaleY = state.scaleY;
}

void SetImageMaskColour(int32_t red, int32_t green, int32_t blue) {
  state.maskRed = red;
  state.maskGreen = green;
  state.maskBlue = blue;
}

void SetDefaultImageFlags(int32_t flags) { state.defaultFlags = flags; }

void ResetDrawState() {
  state = DrawState{};
  UpdateParams();
}

int32_t LoadImageFile(const Text& url, int32_t flags) {
  return LoadUrl(url, 0, 0, 0, 1, flags, true);
}

int32_t LoadImageStrip(const Text& url, int32_t cellWidth, int32_t cellHeight, int32_t firstCell,
                       int32_t cellCount, int32_t flags) {
  return LoadUrl(url, cellWidth, cellHeight, firstCell, cellCount, flags, false);
}

int32_t ImageFromPixels(const uint8_t* rgba, int32_t width, int32_t height, bool hasAlpha,
                        int32_t cellWidth, int32_t cellHeight, int32_t cellCount, int32_t flags) {
  if (!rgba || width <= 0 || height <= 0) return 0;
  Picture pic;
  pic.width = width;
  pic.height = height;
  pic.hasAlpha = hasAlpha;
  pic.pixels.resize(size_t(width) * height);
  for (size_t i = 0; i < pic.pixels.size(); ++i) {
    const uint8_t* p = rgba + i * 4;
    uint32_t a = hasAlpha ? p[3] : 255;
    pic.pixels[i] = (a << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
  }
  return MakeImage(pic, cellWidth, cellHeight, 0, cellCount, flags);
}

void ReleaseImage(int32_t image) { images.erase(image); }

bool ImageExists(int32_t image) { return FindImage(image) != nullptr; }

int32_t ImageFrameCount(int32_t image) {
  ImageData* img = FindImage(image);
  return img ? int32_t(img->frames.size()) : 0;
}

void SetImageAnchor(int32_t image, double x, double y) {
  if (ImageData* img = FindImage(image)) {
    img->anchorX = x;
    img->anchorY = y;
  }
}

void CentreImageAnchor(int32_t image) {
  if (ImageData* img = FindImage(image)) {
    img->anchorX = img->frameWidth / 2.0;
    img->anchorY = img->frameHeight / 2.0;
  }
}

void GetImageAnchor(int32_t image, double& x, double& y) {
  ImageData* img = FindImage(image);
  x = img ? img->anchorX : 0.0;
  y = img ? img->anchorY : 0.0;
}

int32_t ImageFrameWidth(int32_t image) {
  ImageData* img = FindImage(image);
  return img ? img->frameWidth : 0;
}

int32_t ImageFrameHeight(int32_t image) {
  ImageData* img = FindImage(image);
  return img ? img->frameHeight : 0;
}

uint32_t ImagePixel(int32_t image, int32_t frame, int32_t x, int32_t y) {
  ImageData* img = FindImage(image);
  if (!img || frame < 0 || frame >= int32_t(img->frames.size())) return 0;
  if (x < 0 || y < 0 || x >= img->frameWidth || y >= img->frameHeight) return 0;
  return img->frames[size_t(frame)][0].pixels[size_t(y) * img->frameWidth + x];
}
