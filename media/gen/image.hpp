// A small software painter for the generated pictures: float RGBA images,
// anti-aliased shapes by supersampling, bevel lighting, and PNG output.
#pragma once
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gen {

struct Col {
  float r = 0, g = 0, b = 0, a = 0;
};

inline Col rgb(int r, int g, int b, float a = 1.0f) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}
inline Col mix(Col x, Col y, float t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t,
          x.a + (y.a - x.a) * t};
}
inline Col scaled(Col c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }
inline Col withAlpha(Col c, float a) { return {c.r, c.g, c.b, a}; }
inline float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline float smooth(float e0, float e1, float x) {
  float t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

struct V2 {
  float x = 0, y = 0;
};
inline V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
inline V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
inline V2 operator*(V2 a, float k) { return {a.x * k, a.y * k}; }

// A deterministic random source (the generator never uses the C library's).
struct Rng {
  uint64_t s;
  explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
  uint32_t next() {
    s ^= s >> 12;
    s ^= s << 25;
    s ^= s >> 27;
    return static_cast<uint32_t>((s * 2685821657736338717ull) >> 32);
  }
  float uni() { return (next() >> 8) * (1.0f / 16777216.0f); }
  float range(float a, float b) { return a + (b - a) * uni(); }
  int irange(int a, int b) {
    return a + static_cast<int>(next() % static_cast<uint32_t>(b - a + 1));
  }
};

uint64_t HashName(const std::string& s);

// Smooth value noise in [0, 1], tileable with the given period (0: none).
float ValueNoise(float x, float y, uint32_t seed, int period = 0);
float Fbm(float x, float y, uint32_t seed, int octaves = 4, int period = 0);

class Image {
 public:
  Image() = default;
  Image(int w, int h, Col fill = {}) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, fill) {}
  int w() const { return w_; }
  int h() const { return h_; }
  Col& at(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }
  const Col& at(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  // Paints colour c over pixel (x, y) with the given coverage.
  void blend(int x, int y, Col c, float coverage);
  void add(int x, int y, Col c, float k);
  void fill(Col c) {
    for (auto& p : px_) p = c;
  }
  // Copies src onto this image at (dx, dy), compositing by alpha.
  void draw(const Image& src, int dx, int dy, float alpha = 1.0f);
  // Bilinear sample (clamped), straight colours weighted by alpha.
  Col sample(float x, float y) const;
  Image scaledTo(int w, int h) const;  // area-averaged resampling
  Image crop(int x, int y, int w, int h) const;
  std::vector<Col>& pixels() { return px_; }
  const std::vector<Col>& pixels() const { return px_; }

 private:
  int w_ = 0, h_ = 0;
  std::vector<Col> px_;
};

// Coverage masks: one float (0..1) per pixel.
struct Mask {
  int w = 0, h = 0;
  std::vector<float> v;
  Mask() = default;
  Mask(int w_, int h_) : w(w_), h(h_), v(static_cast<size_t>(w_) * h_, 0.0f) {}
  float& at(int x, int y) { return v[static_cast<size_t>(y) * w + x]; }
  float at(int x, int y) const { return v[static_cast<size_t>(y) * w + x]; }
  float get(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : at(x, y); }
};

// Rasterises an inside test with sub x sub samples per pixel into a mask.
using InsideFn = std::function<bool(float, float)>;
void RasterInto(Mask& m, float x0, float y0, float x1, float y1, const InsideFn& inside,
                int sub = 4, bool subtract = false);

// Shapes, in image pixel coordinates (pixel centres at +0.5).
bool InPolygon(const std::vector<V2>& poly, float x, float y);
float SegDist(V2 p, V2 a, V2 b);

void MaskPolygon(Mask& m, const std::vector<V2>& poly, bool subtract = false);
void MaskEllipse(Mask& m, V2 c, float rx, float ry, bool subtract = false);
void MaskCapsule(Mask& m, V2 a, V2 b, float r, bool subtract = false);
void MaskRect(Mask& m, float x0, float y0, float x1, float y1, bool subtract = false);
void MaskRing(Mask& m, V2 c, float r0, float r1);

// Paints a mask in a flat or computed colour.
void PaintMask(Image& img, const Mask& m, Col c);
void PaintMaskFn(Image& img, const Mask& m, const std::function<Col(int, int)>& colour);

// Inner distance to the mask's edge, in pixels (chamfer, on the 0.5 level).
std::vector<float> InnerDistance(const Mask& m);

struct Material {
  Col base;
  float bevel = 3.0f;  // pixels of rounded edge
  float ambient = 0.45f;
  float diffuse = 0.75f;
  float specular = 0.45f;
  float shininess = 18.0f;
  float dome = 0.0f;  // >0: the whole part bulges like a dome
};

// Paints a mask as a lit, bevelled solid. Light comes from the upper left.
void PaintLit(Image& img, const Mask& m, const Material& mat,
              const std::function<float(int, int)>& tone = nullptr);

void FillRect(Image& img, int x0, int y0, int x1, int y1, Col c);
void Glow(Image& img, V2 c, float radius, Col colour, float strength = 1.0f, float power = 2.0f);
void BoxBlur(Image& img, int radius);
void Outline(Image& img, Col colour, float threshold = 0.5f);

// PNG output. A masked picture writes every pixel whose alpha is below the
// threshold as the mask colour and every other pixel as an opaque colour
// (composited over `over` and kept away from the mask colour).
std::vector<uint8_t> EncodePngMasked(const Image& img, Col mask, Col over = {0, 0, 0, 1},
                                     float threshold = 0.5f);
std::vector<uint8_t> EncodePngAlpha(const Image& img);
std::vector<uint8_t> EncodePngRgb(const Image& img);
// Reads a PNG that this program wrote (RGB or RGBA, 8 bits).
bool DecodePng(const std::vector<uint8_t>& bytes, Image& out);

}  // namespace gen
