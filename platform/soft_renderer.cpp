// The software renderer: draws images into a 32-bit framebuffer in memory
// by the drawing rules (see draw.hpp). Pixel centres are sampled; a pixel
// belongs to an image when its centre maps inside the image's frame.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/draw.hpp"
#include "platform/platform_internal.hpp"

namespace platform_detail {
namespace {

inline uint32_t Div255(uint32_t x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

// The draw colour and alpha that tint every drawn texel.
struct Tint {
  uint32_t red, green, blue;
  uint32_t alphaByte;
  // Blend 1 leaves out pixels whose alpha is below 0.5: a texel alpha t under
  // the draw alpha byte a gives t a / 255^2, at least 1/2 when t >= 65025 /
  // (2 a). This is the least such t, rounded up (256, none, when a is 0).
  uint32_t minMaskAlpha;
};

// Rounded division by 255 of two 16-bit lanes at once (each lane at most
// 65025 + 128 with the rounding already added).
inline uint32_t Div255Lanes(uint32_t x) {
  return ((x + ((x >> 8) & 0x00ff00ff)) >> 8) & 0x00ff00ff;
}

template <int Blend, bool Modulate, bool Alpha>
inline void Put(uint32_t& d, uint32_t t, const Tint& tint) {
  uint32_t ta = t >> 24;
  if constexpr (Blend == BLEND_ALPHA || Blend == BLEND_ADD) {
    uint32_t sa = Alpha ? Div255(ta * tint.alphaByte) : ta;
    if (sa == 0) return;
    uint32_t rb = t & 0x00ff00ff, g = (t >> 8) & 0xff;
    if constexpr (Modulate) {
      rb = Div255Lanes(((rb >> 16) * tint.red << 16 | (rb & 0xff) * tint.blue) + 0x00800080);
      g = Div255(g * tint.green);
    }
    if constexpr (Blend == BLEND_ALPHA) {
      uint32_t inv = 255 - sa;
      uint32_t outRb = Div255Lanes((d & 0x00ff00ff) * inv + rb * sa + 0x00800080);
      uint32_t outG = Div255(((d >> 8) & 0xff) * inv + g * sa);
      d = outRb | (outG << 8);
    } else {
      uint32_t addRb = Div255Lanes(rb * sa + 0x00800080);
      uint32_t sumRb = (d & 0x00ff00ff) + addRb;
      uint32_t over = sumRb & 0x01000100;
      sumRb = (sumRb | (over - (over >> 8))) & 0x00ff00ff;
      uint32_t sumG = ((d >> 8) & 0xff) + Div255(g * sa);
      d = sumRb | ((sumG > 255 ? 255 : sumG) << 8);
    }
    return;
  }
  uint32_t tr = (t >> 16) & 0xff, tg = (t >> 8) & 0xff, tb = t & 0xff;
  if constexpr (Modulate) {
    tr = Div255(tr * tint.red);
    tg = Div255(tg * tint.green);
    tb = Div255(tb * tint.blue);
  }
  if constexpr (Blend == BLEND_MASK) {
    // Without a branch: edges of masked sprites are not predictable.
    uint32_t c = (tr << 16) | (tg << 8) | tb;
    d = ta >= tint.minMaskAlpha ? c : d;
  } else if constexpr (Blend == BLEND_SOLID) {
    d = (tr << 16) | (tg << 8) | tb;
  } else {
    uint32_t dr = (d >> 16) & 0xff, dg = (d >> 8) & 0xff, db = d & 0xff;
    d = (Div255(tr * dr) << 16) | (Div255(tg * dg) << 8) | Div255(tb * db);
  }
}

// One texel over a run of pixels (enlarged nearest drawing). Every branch
// must give exactly what Put gives pixel by pixel; the alpha branch is Put's
// blend written out again byte by byte only so that it vectorises.
template <int Blend, bool Modulate, bool Alpha>
inline void PutRun(uint32_t* d, int32_t n, uint32_t t, const Tint& tint) {
  if constexpr (Blend == BLEND_ALPHA) {
    uint32_t sa = Alpha ? Div255((t >> 24) * tint.alphaByte) : (t >> 24);
    if (sa == 0) return;
    uint32_t rb = t & 0x00ff00ff, g = (t >> 8) & 0xff;
    if constexpr (Modulate) {
      rb = Div255Lanes(((rb >> 16) * tint.red << 16 | (rb & 0xff) * tint.blue) + 0x00800080);
      g = Div255(g * tint.green);
    }
    // Byte by byte in 16-bit arithmetic, which the compiler vectorises; the
    // unused top byte stays 0 (0 * inv + 128 rounds to 0).
    const uint16_t inv = uint16_t(255 - sa);
    const uint16_t addB = uint16_t((rb & 0xff) * sa + 128), addG = uint16_t(g * sa + 128),
                   addR = uint16_t((rb >> 16) * sa + 128), addX = 128;
    uint8_t* bytes = reinterpret_cast<uint8_t*>(d);
    for (int32_t i = 0; i < n * 4; i += 4) {
      uint16_t b = uint16_t(bytes[i] * inv + addB), gg = uint16_t(bytes[i + 1] * inv + addG),
               r = uint16_t(bytes[i + 2] * inv + addR), x = uint16_t(bytes[i + 3] * inv + addX);
      bytes[i] = uint8_t((b + (b >> 8)) >> 8);
      bytes[i + 1] = uint8_t((gg + (gg >> 8)) >> 8);
      bytes[i + 2] = uint8_t((r + (r >> 8)) >> 8);
      bytes[i + 3] = uint8_t((x + (x >> 8)) >> 8);
    }
  } else if constexpr (Blend == BLEND_MASK || Blend == BLEND_SOLID) {
    if (Blend == BLEND_MASK && (t >> 24) < tint.minMaskAlpha) return;
    uint32_t v = 0;
    Put<Blend, Modulate, Alpha>(v, t, tint);
    std::fill(d, d + n, v);
  } else {
    for (int32_t i = 0; i < n; ++i) Put<Blend, Modulate, Alpha>(d[i], t, tint);
  }
}

// Texture sampling for one span. U and V are 32.32 fixed-point texel
// coordinates of the first pixel centre.
struct Span {
  uint32_t* dst;
  int32_t count;
  int64_t u, v, du, dv;
};

struct Texture {
  const uint32_t* pixels;
  const uint32_t* padded;
  int32_t width, height;
};

inline int32_t ClampIndex(int64_t i, int32_t size) {
  return i < 0 ? 0 : (i >= size ? size - 1 : int32_t(i));
}

// Bilinear sampling from the frame with its one-texel clamped border, so
// the four texels need no clamping of their own. Gives false, sampling
// nothing, when all four texels are fully transparent.
template <bool SkipClear>
inline bool Bilinear(const Texture& tex, int64_t u, int64_t v, uint32_t& out) {
  constexpr int64_t half = int64_t(1) << 31;
  u -= half;
  v -= half;
  int64_t iu = u >> 32, iv = v >> 32;
  iu = iu < -1 ? -1 : (iu > tex.width - 1 ? tex.width - 1 : iu);
  iv = iv < -1 ? -1 : (iv > tex.height - 1 ? tex.height - 1 : iv);
  const int32_t pitch = tex.width + 2;
  const uint32_t* p = tex.padded + (iv + 1) * pitch + (iu + 1);
  uint32_t p00 = p[0], p01 = p[1], p10 = p[pitch], p11 = p[pitch + 1];
  if constexpr (SkipClear) {
    if (((p00 | p01 | p10 | p11) >> 24) == 0) return false;
  }
  uint32_t fu = uint32_t(u >> 24) & 0xff, fv = uint32_t(v >> 24) & 0xff;
  // Four weights adding up to 256; two channels per lane (red and blue,
  // then alpha and green).
  uint32_t w11 = (fu * fv) >> 8, w01 = fu - w11, w10 = fv - w11, w00 = 256 - fu - fv + w11;
  uint32_t rb = ((p00 & 0x00ff00ff) * w00 + (p01 & 0x00ff00ff) * w01 + (p10 & 0x00ff00ff) * w10 +
                 (p11 & 0x00ff00ff) * w11) >>
                8;
  uint32_t ag = ((p00 >> 8) & 0x00ff00ff) * w00 + ((p01 >> 8) & 0x00ff00ff) * w01 +
                ((p10 >> 8) & 0x00ff00ff) * w10 + ((p11 >> 8) & 0x00ff00ff) * w11;
  out = (rb & 0x00ff00ff) | (ag & 0xff00ff00);
  return true;
}

template <int Blend, bool Modulate, bool Alpha, bool Filter>
void DrawSpan(const Span& span, const Texture& tex, const Tint& tint) {
  int64_t u = span.u, v = span.v;
  uint32_t* d = span.dst;
  if constexpr (Filter) {
    // Fully transparent texels change nothing in the blending modes.
    constexpr bool skip = Blend == BLEND_MASK || Blend == BLEND_ALPHA || Blend == BLEND_ADD;
    for (int32_t i = 0; i < span.count; ++i, u += span.du, v += span.dv) {
      uint32_t t;
      if (Bilinear<skip>(tex, u, v, t)) Put<Blend, Modulate, Alpha>(d[i], t, tint);
    }
  } else if (span.dv == 0) {
    const uint32_t* row = tex.pixels + size_t(ClampIndex(v >> 32, tex.height)) * tex.width;
    constexpr int64_t half = int64_t(1) << 31;
    if (span.du > 0 && span.du <= half) {
      // Enlarged at least twice: whole runs of pixels show one texel.
      int32_t i = 0;
      while (i < span.count) {
        int64_t texel = u >> 32;
        int64_t next = (texel + 1) << 32;
        int64_t steps = (next - u + span.du - 1) / span.du;
        int32_t n = int32_t(std::min<int64_t>(steps, span.count - i));
        PutRun<Blend, Modulate, Alpha>(d + i, n, row[ClampIndex(texel, tex.width)], tint);
        i += n;
        u += span.du * n;
      }
      return;
    }
    for (int32_t i = 0; i < span.count; ++i, u += span.du)
      Put<Blend, Modulate, Alpha>(d[i], row[ClampIndex(u >> 32, tex.width)], tint);
  } else {
    for (int32_t i = 0; i < span.count; ++i, u += span.du, v += span.dv)
      Put<Blend, Modulate, Alpha>(d[i],
                                  tex.pixels[size_t(ClampIndex(v >> 32, tex.height)) * tex.width +
                                             ClampIndex(u >> 32, tex.width)],
                                  tint);
  }
}

template <int Blend, bool Modulate, bool Alpha>
void CopyRows(uint32_t* dst, int32_t dstPitch, const uint32_t* src, int32_t srcPitch, int32_t w,
              int32_t h, const Tint& tint) {
  for (int32_t y = 0; y < h; ++y, dst += dstPitch, src += srcPitch)
    for (int32_t x = 0; x < w; ++x) Put<Blend, Modulate, Alpha>(dst[x], src[x], tint);
}

using SpanFn = void (*)(const Span&, const Texture&, const Tint&);
using CopyFn = void (*)(uint32_t*, int32_t, const uint32_t*, int32_t, int32_t, int32_t,
                        const Tint&);

template <int Blend>
SpanFn PickSpan(bool modulate, bool alpha, bool filter) {
  if (filter) {
    if (modulate)
      return alpha ? DrawSpan<Blend, true, true, true> : DrawSpan<Blend, true, false, true>;
    return alpha ? DrawSpan<Blend, false, true, true> : DrawSpan<Blend, false, false, true>;
  }
  if (modulate)
    return alpha ? DrawSpan<Blend, true, true, false> : DrawSpan<Blend, true, false, false>;
  return alpha ? DrawSpan<Blend, false, true, false> : DrawSpan<Blend, false, false, false>;
}

template <int Blend>
CopyFn PickCopy(bool modulate, bool alpha) {
  if (modulate) return alpha ? CopyRows<Blend, true, true> : CopyRows<Blend, true, false>;
  return alpha ? CopyRows<Blend, false, true> : CopyRows<Blend, false, false>;
}

SpanFn SpanFor(int32_t blend, bool modulate, bool alpha, bool filter) {
  switch (blend) {
    case BLEND_MASK:
      return PickSpan<BLEND_MASK>(modulate, false, filter);
    case BLEND_SOLID:
      return PickSpan<BLEND_SOLID>(modulate, false, filter);
    case BLEND_ALPHA:
      return PickSpan<BLEND_ALPHA>(modulate, alpha, filter);
    case BLEND_ADD:
      return PickSpan<BLEND_ADD>(modulate, alpha, filter);
    case BLEND_MULTIPLY:
      return PickSpan<BLEND_MULTIPLY>(modulate, false, filter);
    default:
      return nullptr;
  }
}

CopyFn CopyFor(int32_t blend, bool modulate, bool alpha) {
  switch (blend) {
    case BLEND_MASK:
      return PickCopy<BLEND_MASK>(modulate, false);
    case BLEND_SOLID:
      return PickCopy<BLEND_SOLID>(modulate, false);
    case BLEND_ALPHA:
      return PickCopy<BLEND_ALPHA>(modulate, alpha);
    case BLEND_ADD:
      return PickCopy<BLEND_ADD>(modulate, alpha);
    case BLEND_MULTIPLY:
      return PickCopy<BLEND_MULTIPLY>(modulate, false);
    default:
      return nullptr;
  }
}

constexpr double kLimit = 1.0e9;
inline double Bound(double v) { return v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v); }

inline int64_t FloorInt(double v) {
  v = Bound(v);
  int64_t t = int64_t(v);
  return t - (double(t) > v);
}

inline int64_t CeilInt(double v) {
  v = Bound(v);
  int64_t t = int64_t(v);
  return t + (double(t) < v);
}

// The pixels X of row Y for which 0 <= a0 + a1 Y + k X < limit, as
// [lo, hi): the two bounds are linear in Y, so each row costs two
// multiply-adds and no division.
struct RowRange {
  int32_t kind = 0;                       // 1 k > 0, -1 k < 0, 0 k == 0
  double p0 = 0, p1 = 0, q0 = 0, q1 = 0;  // -a / k and (limit - a) / k
  double a0 = 0, a1 = 0, limit = 0;

  RowRange(double a0_, double a1_, double k, double limit_) : a0(a0_), a1(a1_), limit(limit_) {
    kind = k > 0 ? 1 : (k < 0 ? -1 : 0);
    if (kind) {
      p0 = -a0 / k;
      p1 = -a1 / k;
      q0 = (limit - a0) / k;
      q1 = p1;
    }
  }

  void Clip(int64_t y, int64_t& lo, int64_t& hi) const {
    double yy = double(y);
    if (kind > 0) {
      lo = std::max(lo, CeilInt(p0 + p1 * yy));
      hi = std::min(hi, CeilInt(q0 + q1 * yy));
    } else if (kind < 0) {
      lo = std::max(lo, FloorInt(q0 + q1 * yy) + 1);
      hi = std::min(hi, FloorInt(p0 + p1 * yy) + 1);
    } else {
      double a = a0 + a1 * yy;
      if (!(a >= 0 && a < limit)) hi = lo;
    }
  }
};

inline int64_t ToFixed(double v) { return int64_t(Bound(v) * 4294967296.0); }

// What a draw keeps from its set-up: the tint, the inner loops' variant and
// the texture level it samples.
struct DrawSetup {
  Tint tint{};
  bool modulate = false, alpha = false, filter = false;
  bool baseLevel = true;
  double levelScale = 1.0;
  Texture tex{};
};

// False when the draw shows nothing.
bool SetUpDraw(const ImageData& image, int32_t frame, double x, double y, const DrawParams& p,
               DrawSetup& setup) {
  if (frame < 0 || frame >= int32_t(image.frames.size())) return false;
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  double sx = p.scaleX, sy = p.scaleY;
  if (!(sx != 0.0 && sy != 0.0 && std::isfinite(sx) && std::isfinite(sy))) return false;
  if (!std::isfinite(p.cosA) || !std::isfinite(p.sinA)) return false;

  Tint& tint = setup.tint;
  tint.red = uint32_t(p.red);
  tint.green = uint32_t(p.green);
  tint.blue = uint32_t(p.blue);
  tint.alphaByte = uint32_t(p.alphaByte);
  tint.minMaskAlpha =
      p.alphaByte > 0 ? uint32_t((65025 + 2 * p.alphaByte - 1) / (2 * p.alphaByte)) : 256u;
  if (p.blend == BLEND_MASK && tint.minMaskAlpha > 255) return false;
  if ((p.blend == BLEND_ALPHA || p.blend == BLEND_ADD) && p.alphaByte == 0) return false;
  setup.modulate = !(p.red == 255 && p.green == 255 && p.blue == 255);
  setup.alpha = p.alphaByte != 255;

  const std::vector<ImageLevel>& levels = image.frames[size_t(frame)];
  const ImageLevel* level = &levels[0];
  double minScale = std::min(std::fabs(sx), std::fabs(sy));
  double maxScale = std::max(std::fabs(sx), std::fabs(sy));
  bool filtered = (image.flags & IMAGE_FILTERED) != 0;
  // Smoothed only when enlarged (shrunk in no direction), or when shrunk and
  // mipmapped; at scale 1 the nearest texel shows.
  bool filter = filtered && minScale >= 1.0 && maxScale > 1.0;
  double levelScale = 1.0;
  if (filtered && minScale < 1.0 && (image.flags & IMAGE_MIPMAPPED) && levels.size() > 1) {
    // Nearest mipmap level, filtered within it.
    int32_t n = int32_t(std::ceil(std::log2(1.0 / minScale) + 0.5)) - 1;
    n = std::clamp<int32_t>(n, 0, int32_t(levels.size()) - 1);
    level = &levels[size_t(n)];
    levelScale = double(level->width) / image.frameWidth;
    filter = true;
  }
  setup.filter = filter;
  setup.baseLevel = level == &levels[0];
  setup.levelScale = levelScale;
  setup.tex = Texture{level->pixels.data(), level->padded.data(), level->width, level->height};
  return true;
}

// Unrotated and unscaled: texels map to pixels one to one. (x0, y0) is the
// image's top left corner.
bool OneToOne(const DrawParams& p, const DrawSetup& setup, double x0, double y0) {
  return p.cosA == 1.0 && p.sinA == 0.0 && p.scaleX == 1.0 && p.scaleY == 1.0 && setup.baseLevel &&
         (!setup.filter || (x0 == std::floor(x0) && y0 == std::floor(y0)));
}

void CopyOneToOne(SoftTarget& target, const ImageData& image, double x0, double y0, int32_t blend,
                  const DrawSetup& setup) {
  if (std::fabs(x0) > kLimit || std::fabs(y0) > kLimit) return;
  const int32_t w = image.frameWidth, h = image.frameHeight;
  int64_t ox = int64_t(std::floor(0.5 - x0)), oy = int64_t(std::floor(0.5 - y0));
  int64_t xa = std::max<int64_t>(-ox, 0), xb = std::min<int64_t>(w - ox, target.width);
  int64_t ya = std::max<int64_t>(-oy, 0), yb = std::min<int64_t>(h - oy, target.height);
  if (xa >= xb || ya >= yb) return;
  CopyFn copy = CopyFor(blend, setup.modulate, setup.alpha);
  if (!copy) return;
  copy(target.pixels + size_t(ya) * target.width + xa, target.width,
       setup.tex.pixels + size_t(ya + oy) * w + size_t(xa + ox), w, int32_t(xb - xa),
       int32_t(yb - ya), setup.tint);
}

// Rotated or scaled: row by row, each row clipped to the pixels
// whose centres map inside the frame.
void DrawTransformed(SoftTarget& target, const ImageData& image, double x, double y,
                     const DrawParams& p, const DrawSetup& setup) {
  SpanFn span = SpanFor(p.blend, setup.modulate, setup.alpha, setup.filter);
  if (!span) return;
  const double c = p.cosA, s = p.sinA, sx = p.scaleX, sy = p.scaleY, levelScale = setup.levelScale;
  const int32_t w = image.frameWidth, h = image.frameHeight;
  // Screen to texel: u = (c dx + s dy) / sx + ax, v = (-s dx + c dy) / sy + ay.
  const double dudx = c / sx * levelScale, dudy = s / sx * levelScale;
  const double dvdx = -s / sy * levelScale, dvdy = c / sy * levelScale;
  const double tw = w * levelScale, th = h * levelScale;
  const double au = image.anchorX * levelScale, av = image.anchorY * levelScale;

  // Bounding box of the four corners.
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (int32_t k = 0; k < 4; ++k) {
    double px = ((k & 1) ? w : 0) - image.anchorX;
    double py = ((k & 2) ? h : 0) - image.anchorY;
    double X = x + px * c * sx - py * s * sy;
    double Y = y + px * s * sx + py * c * sy;
    minX = std::min(minX, X);
    maxX = std::max(maxX, X);
    minY = std::min(minY, Y);
    maxY = std::max(maxY, Y);
  }
  int64_t rowA = std::max<int64_t>(0, int64_t(std::floor(Bound(minY))) - 1);
  int64_t rowB = std::min<int64_t>(target.height, int64_t(std::ceil(Bound(maxY))) + 1);
  int64_t colA = std::max<int64_t>(0, int64_t(std::floor(Bound(minX))) - 1);
  int64_t colB = std::min<int64_t>(target.width, int64_t(std::ceil(Bound(maxX))) + 1);
  if (rowA >= rowB || colA >= colB) return;

  const int64_t du = ToFixed(dudx), dv = ToFixed(dvdx);
  // u and v at the centre of pixel (0, row): a0 + a1 * row.
  const double u0 = au + dudx * (0.5 - x) + dudy * (0.5 - y);
  const double v0 = av + dvdx * (0.5 - x) + dvdy * (0.5 - y);
  const RowRange uRange(u0, dudy, dudx, tw), vRange(v0, dvdy, dvdx, th);
  for (int64_t Y = rowA; Y < rowB; ++Y) {
    int64_t lo = colA, hi = colB;
    uRange.Clip(Y, lo, hi);
    vRange.Clip(Y, lo, hi);
    if (lo >= hi) continue;
    double uRow = u0 + dudy * double(Y);
    double vRow = v0 + dvdy * double(Y);
    Span sp;
    sp.dst = target.pixels + size_t(Y) * target.width + lo;
    sp.count = int32_t(hi - lo);
    sp.u = ToFixed(uRow + dudx * double(lo));
    sp.v = ToFixed(vRow + dvdx * double(lo));
    sp.du = du;
    sp.dv = dv;
    span(sp, setup.tex, setup.tint);
  }
}

}  // namespace

void SoftClear(SoftTarget& target, uint32_t rgb) {
  std::fill(target.pixels, target.pixels + size_t(target.width) * target.height, rgb & 0xffffff);
}

void SoftDraw(SoftTarget& target, const ImageData& image, int32_t frame, double x, double y,
              const DrawParams& p) {
  DrawSetup setup;
  if (!SetUpDraw(image, frame, x, y, p, setup)) return;
  const double x0 = x - image.anchorX, y0 = y - image.anchorY;
  if (OneToOne(p, setup, x0, y0))
    CopyOneToOne(target, image, x0, y0, p.blend, setup);
  else
    DrawTransformed(target, image, x, y, p, setup);
}

}  // namespace platform_detail
