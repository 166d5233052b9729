#include "media/gen/image.hpp"

#include <png.h>

#include <algorithm>
#include <cstring>

namespace gen {

uint64_t HashName(const std::string& s) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : s) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

namespace {
float Lattice(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffff) / 16777215.0f;
}
}  // namespace

float ValueNoise(float x, float y, uint32_t seed, int period) {
  float fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  float tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto L = [&](int a, int b) {
    if (period > 0) {
      a = ((a % period) + period) % period;
      b = ((b % period) + period) % period;
    }
    return Lattice(a, b, seed);
  };
  float a = L(ix, iy), b = L(ix + 1, iy), c = L(ix, iy + 1), d = L(ix + 1, iy + 1);
  return a + (b - a) * tx + (c - a) * ty + (a - b - c + d) * tx * ty;
}

float Fbm(float x, float y, uint32_t seed, int octaves, int period) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x, y, seed + i * 101u, period) * amp;
    norm += amp;
    x *= 2;
    y *= 2;
    if (period > 0) period *= 2;
    amp *= 0.5f;
  }
  return sum / norm;
}

void Image::blend(int x, int y, Col c, float coverage) {
  if (!inside(x, y)) return;
  float a = clamp01(c.a * coverage);
  if (a <= 0) return;
  Col& d = at(x, y);
  float outA = a + d.a * (1 - a);
  if (outA <= 0) return;
  d.r = (c.r * a + d.r * d.a * (1 - a)) / outA;
  d.g = (c.g * a + d.g * d.a * (1 - a)) / outA;
  d.b = (c.b * a + d.b * d.a * (1 - a)) / outA;
  d.a = outA;
}

void Image::add(int x, int y, Col c, float k) {
  if (!inside(x, y)) return;
  Col& d = at(x, y);
  // Additive light on a possibly transparent pixel: light also adds alpha.
  float a = clamp01(c.a * k);
  float outA = clamp01(d.a + a);
  if (outA <= 0) return;
  d.r = clamp01((d.r * d.a + c.r * a) / outA);
  d.g = clamp01((d.g * d.a + c.g * a) / outA);
  d.b = clamp01((d.b * d.a + c.b * a) / outA);
  d.a = outA;
}

void Image::draw(const Image& src, int dx, int dy, float alpha) {
  for (int y = 0; y < src.h(); ++y)
    for (int x = 0; x < src.w(); ++x) blend(dx + x, dy + y, src.at(x, y), alpha);
}

Col Image::sample(float x, float y) const {
  x -= 0.5f;
  y -= 0.5f;
  int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  float fx = x - x0, fy = y - y0;
  Col acc{};
  float wsum = 0;
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      int sx = std::clamp(x0 + i, 0, w_ - 1), sy = std::clamp(y0 + j, 0, h_ - 1);
      float w = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
      const Col& c = at(sx, sy);
      acc.r += c.r * c.a * w;
      acc.g += c.g * c.a * w;
      acc.b += c.b * c.a * w;
      acc.a += c.a * w;
      wsum += w;
    }
  if (acc.a > 1e-6f) {
    acc.r /= acc.a;
    acc.g /= acc.a;
    acc.b /= acc.a;
  }
  (void)wsum;
  return acc;
}

Image Image::scaledTo(int w, int h) const {
  Image out(w, h);
  float sx = static_cast<float>(w_) / w, sy = static_cast<float>(h_) / h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float fx0 = x * sx, fx1 = (x + 1) * sx, fy0 = y * sy, fy1 = (y + 1) * sy;
      Col acc{};
      float wsum = 0;
      for (int yy = static_cast<int>(fy0); yy < std::min(h_, static_cast<int>(std::ceil(fy1)));
           ++yy)
        for (int xx = static_cast<int>(fx0); xx < std::min(w_, static_cast<int>(std::ceil(fx1)));
             ++xx) {
          float wx = std::min<float>(fx1, xx + 1) - std::max<float>(fx0, xx);
          float wy = std::min<float>(fy1, yy + 1) - std::max<float>(fy0, yy);
          float wt = std::max(0.0f, wx) * std::max(0.0f, wy);
          const Col& c = at(xx, yy);
          acc.r += c.r * c.a * wt;
          acc.g += c.g * c.a * wt;
          acc.b += c.b * c.a * wt;
          acc.a += c.a * wt;
          wsum += wt;
        }
      if (wsum > 0) {
        if (acc.a > 1e-6f) {
          acc.r /= acc.a;
          acc.g /= acc.a;
          acc.b /= acc.a;
        }
        acc.a /= wsum;
      }
      out.at(x, y) = acc;
    }
  return out;
}

Image Image::crop(int x, int y, int w, int h) const {
  Image out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (inside(x + i, y + j)) out.at(i, j) = at(x + i, y + j);
  return out;
}

void RasterInto(Mask& m, float x0, float y0, float x1, float y1, const InsideFn& inside, int sub,
                bool subtract) {
  int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
  int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
  int ix1 = std::min(m.w - 1, static_cast<int>(std::ceil(x1)) + 1);
  int iy1 = std::min(m.h - 1, static_cast<int>(std::ceil(y1)) + 1);
  float step = 1.0f / sub;
  for (int y = iy0; y <= iy1; ++y)
    for (int x = ix0; x <= ix1; ++x) {
      int n = 0;
      for (int j = 0; j < sub; ++j)
        for (int i = 0; i < sub; ++i)
          if (inside(x + (i + 0.5f) * step, y + (j + 0.5f) * step)) ++n;
      if (n == 0) continue;
      float c = static_cast<float>(n) / (sub * sub);
      float& d = m.at(x, y);
      if (subtract)
        d = std::max(0.0f, d - c);
      else
        d = std::max(d, c);
    }
}

bool InPolygon(const std::vector<V2>& poly, float x, float y) {
  bool in = false;
  size_t n = poly.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const V2& a = poly[i];
    const V2& b = poly[j];
    if ((a.y > y) != (b.y > y)) {
      float xi = (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x;
      if (x < xi) in = !in;
    }
  }
  return in;
}

float SegDist(V2 p, V2 a, V2 b) {
  V2 ab = b - a, ap = p - a;
  float len2 = ab.x * ab.x + ab.y * ab.y;
  float t = len2 > 0 ? clamp01((ap.x * ab.x + ap.y * ab.y) / len2) : 0;
  V2 q = a + ab * t;
  float dx = p.x - q.x, dy = p.y - q.y;
  return std::sqrt(dx * dx + dy * dy);
}

void MaskPolygon(Mask& m, const std::vector<V2>& poly, bool subtract) {
  if (poly.size() < 3) return;
  float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
  for (auto& p : poly) {
    x0 = std::min(x0, p.x);
    y0 = std::min(y0, p.y);
    x1 = std::max(x1, p.x);
    y1 = std::max(y1, p.y);
  }
  RasterInto(
      m, x0, y0, x1, y1, [&](float x, float y) { return InPolygon(poly, x, y); }, 4, subtract);
}

void MaskEllipse(Mask& m, V2 c, float rx, float ry, bool subtract) {
  if (rx <= 0 || ry <= 0) return;
  RasterInto(
      m, c.x - rx, c.y - ry, c.x + rx, c.y + ry,
      [&](float x, float y) {
        float dx = (x - c.x) / rx, dy = (y - c.y) / ry;
        return dx * dx + dy * dy <= 1.0f;
      },
      4, subtract);
}

void MaskCapsule(Mask& m, V2 a, V2 b, float r, bool subtract) {
  RasterInto(
      m, std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
      std::max(a.y, b.y) + r,
      [&](float x, float y) {
        return SegDist({x, y}, a, b) <= r;
      },
      4, subtract);
}

void MaskRect(Mask& m, float x0, float y0, float x1, float y1, bool subtract) {
  RasterInto(
      m, x0, y0, x1, y1, [&](float x, float y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; },
      4, subtract);
}

void MaskRing(Mask& m, V2 c, float r0, float r1) {
  RasterInto(m, c.x - r1, c.y - r1, c.x + r1, c.y + r1, [&](float x, float y) {
    float d = std::sqrt((x - c.x) * (x - c.x) + (y - c.y) * (y - c.y));
    return d >= r0 && d <= r1;
  });
}

void PaintMask(Image& img, const Mask& m, Col c) {
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.at(x, y) > 0) img.blend(x, y, c, m.at(x, y));
}

void PaintMaskFn(Image& img, const Mask& m, const std::function<Col(int, int)>& colour) {
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.at(x, y) > 0) img.blend(x, y, colour(x, y), m.at(x, y));
}

std::vector<float> InnerDistance(const Mask& m) {
  const float big = 1e6f;
  std::vector<float> d(m.v.size());
  for (size_t i = 0; i < d.size(); ++i) {
    // Sub-pixel start: a pixel half covered sits on the edge.
    float c = m.v[i];
    d[i] = c <= 0.0f ? 0.0f : (c >= 1.0f ? big : c);
  }
  const float a = 1.0f, b = 1.4142f;
  auto D = [&](int x, int y) -> float& { return d[static_cast<size_t>(y) * m.w + x]; };
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x) {
      float& v = D(x, y);
      if (v == 0) continue;
      float best = v;
      best = std::min(best, (x > 0 ? D(x - 1, y) : 0.0f) + a);
      best = std::min(best, (y > 0 ? D(x, y - 1) : 0.0f) + a);
      best = std::min(best, (x > 0 && y > 0 ? D(x - 1, y - 1) : 0.0f) + b);
      best = std::min(best, (x < m.w - 1 && y > 0 ? D(x + 1, y - 1) : 0.0f) + b);
      v = best;
    }
  for (int y = m.h - 1; y >= 0; --y)
    for (int x = m.w - 1; x >= 0; --x) {
      float& v = D(x, y);
      if (v == 0) continue;
      float best = v;
      best = std::min(best, (x < m.w - 1 ? D(x + 1, y) : 0.0f) + a);
      best = std::min(best, (y < m.h - 1 ? D(x, y + 1) : 0.0f) + a);
      best = std::min(best, (x < m.w - 1 && y < m.h - 1 ? D(x + 1, y + 1) : 0.0f) + b);
      best = std::min(best, (x > 0 && y < m.h - 1 ? D(x - 1, y + 1) : 0.0f) + b);
      v = best;
    }
  return d;
}

void PaintLit(Image& img, const Mask& m, const Material& mat,
              const std::function<float(int, int)>& tone) {
  std::vector<float> dist = InnerDistance(m);
  float bevel = std::max(0.5f, mat.bevel);
  float maxd = 0;
  for (float v : dist) maxd = std::max(maxd, std::min(v, 1e5f));
  auto height = [&](int x, int y) -> float {
    if (x < 0 || y < 0 || x >= m.w || y >= m.h) return 0.0f;
    float d = dist[static_cast<size_t>(y) * m.w + x];
    float h = smooth(0.0f, bevel, d) * bevel;
    if (mat.dome > 0 && maxd > 0) {
      float t = clamp01(d / maxd);
      h += mat.dome * maxd * std::sqrt(1 - (1 - t) * (1 - t));
    }
    return h;
  };
  const float lx = -0.55f, ly = -0.65f, lz = 0.52f;
  float ll = std::sqrt(lx * lx + ly * ly + lz * lz);
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x) {
      float cov = m.at(x, y);
      if (cov <= 0) continue;
      float gx = (height(x + 1, y) - height(x - 1, y)) * 0.5f;
      float gy = (height(x, y + 1) - height(x, y - 1)) * 0.5f;
      float nx = -gx, ny = -gy, nz = 1.0f;
      float nl = std::sqrt(nx * nx + ny * ny + nz * nz);
      nx /= nl;
      ny /= nl;
      nz /= nl;
      float ndl = (nx * lx + ny * ly + nz * lz) / ll;
      float diff = std::max(0.0f, ndl);
      // Half vector between light and the viewer (0, 0, 1).
      float hx = lx / ll, hy = ly / ll, hz = lz / ll + 1.0f;
      float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
      float ndh = std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl);
      float shine = mat.specular * std::pow(ndh, mat.shininess);
      float k = mat.ambient + mat.diffuse * diff;
      if (tone) k *= tone(x, y);
      Col c = mat.base;
      Col out{clamp01(c.r * k + shine), clamp01(c.g * k + shine), clamp01(c.b * k + shine), c.a};
      img.blend(x, y, out, cov);
    }
}

void FillRect(Image& img, int x0, int y0, int x1, int y1, Col c) {
  for (int y = std::max(0, y0); y < std::min(img.h(), y1); ++y)
    for (int x = std::max(0, x0); x < std::min(img.w(), x1); ++x) img.blend(x, y, c, 1.0f);
}

void Glow(Image& img, V2 c, float radius, Col colour, float strength, float power) {
  int x0 = std::max(0, static_cast<int>(c.x - radius) - 1),
      x1 = std::min(img.w() - 1, static_cast<int>(c.x + radius) + 1);
  int y0 = std::max(0, static_cast<int>(c.y - radius) - 1),
      y1 = std::min(img.h() - 1, static_cast<int>(c.y + radius) + 1);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float dx = x + 0.5f - c.x, dy = y + 0.5f - c.y;
      float d = std::sqrt(dx * dx + dy * dy) / radius;
      if (d >= 1) continue;
      float k = std::pow(1 - d, power) * strength;
      img.add(x, y, colour, k);
    }
}

void BoxBlur(Image& img, int radius) {
  if (radius <= 0) return;
  Image tmp = img;
  for (int pass = 0; pass < 2; ++pass) {
    const Image& src = pass == 0 ? img : tmp;
    Image dst(img.w(), img.h());
    for (int y = 0; y < img.h(); ++y)
      for (int x = 0; x < img.w(); ++x) {
        Col acc{};
        int n = 0;
        for (int k = -radius; k <= radius; ++k) {
          int sx = pass == 0 ? x + k : x, sy = pass == 0 ? y : y + k;
          if (sx < 0 || sy < 0 || sx >= img.w() || sy >= img.h()) {
            ++n;
            continue;
          }
          const Col& c = src.at(sx, sy);
          acc.r += c.r * c.a;
          acc.g += c.g * c.a;
          acc.b += c.b * c.a;
          acc.a += c.a;
          ++n;
        }
        if (acc.a > 1e-6f) {
          acc.r /= acc.a;
          acc.g /= acc.a;
          acc.b /= acc.a;
        }
        acc.a /= n;
        dst.at(x, y) = acc;
      }
    if (pass == 0)
      tmp = dst;
    else
      img = dst;
  }
}

void Outline(Image& img, Col colour, float threshold) {
  Image src = img;
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      if (src.at(x, y).a >= threshold) continue;
      bool near = false;
      for (int j = -1; j <= 1 && !near; ++j)
        for (int i = -1; i <= 1; ++i)
          if (src.inside(x + i, y + j) && src.at(x + i, y + j).a >= threshold) {
            near = true;
            break;
          }
      if (near) img.blend(x, y, colour, 1.0f);
    }
}

namespace {

struct PngBuf {
  std::vector<uint8_t>* out;
};

void PngWrite(png_structp p, png_bytep data, png_size_t len) {
  auto* b = static_cast<PngBuf*>(png_get_io_ptr(p));
  b->out->insert(b->out->end(), data, data + len);
}
void PngFlush(png_structp) {}

std::vector<uint8_t> WritePng(int w, int h, int channels, const std::vector<uint8_t>& rows) {
  std::vector<uint8_t> out;
  png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(p);
  if (setjmp(png_jmpbuf(p))) {
    png_destroy_write_struct(&p, &info);
    return {};
  }
  PngBuf buf{&out};
  png_set_write_fn(p, &buf, PngWrite, PngFlush);
  png_set_compression_level(p, 9);
  png_set_IHDR(p, info, w, h, 8, channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(p, info);
  for (int y = 0; y < h; ++y)
    png_write_row(p, const_cast<png_bytep>(rows.data() + static_cast<size_t>(y) * w * channels));
  png_write_end(p, info);
  png_destroy_write_struct(&p, &info);
  return out;
}

inline uint8_t To8(float v) { return static_cast<uint8_t>(std::lround(clamp01(v) * 255.0f)); }

}  // namespace

std::vector<uint8_t> EncodePngMasked(const Image& img, Col mask, Col over, float threshold) {
  std::vector<uint8_t> rows(static_cast<size_t>(img.w()) * img.h() * 3);
  uint8_t mr = To8(mask.r), mg = To8(mask.g), mb = To8(mask.b);
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      const Col& c = img.at(x, y);
      uint8_t* o = &rows[(static_cast<size_t>(y) * img.w() + x) * 3];
      if (c.a < threshold) {
        o[0] = mr;
        o[1] = mg;
        o[2] = mb;
        continue;
      }
      // Soft edges are darkened toward the backdrop they will be seen on.
      float a = clamp01(c.a);
      o[0] = To8(c.r * a + over.r * (1 - a));
      o[1] = To8(c.g * a + over.g * (1 - a));
      o[2] = To8(c.b * a + over.b * (1 - a));
      // A visible pixel must never read as (or close to) the mask colour:
      // pull it toward grey until it is clearly apart.
      for (int k = 0; k < 64; ++k) {
        int d = std::abs(o[0] - mr) + std::abs(o[1] - mg) + std::abs(o[2] - mb);
        if (d >= 32) break;
        for (int ch = 0; ch < 3; ++ch) o[ch] = static_cast<uint8_t>(o[ch] + (o[ch] < 128 ? 4 : -4));
      }
    }
  return WritePng(img.w(), img.h(), 3, rows);
}

std::vector<uint8_t> EncodePngAlpha(const Image& img) {
  std::vector<uint8_t> rows(static_cast<size_t>(img.w()) * img.h() * 4);
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      const Col& c = img.at(x, y);
      uint8_t* o = &rows[(static_cast<size_t>(y) * img.w() + x) * 4];
      o[3] = To8(c.a);
      if (o[3] == 0) {
        o[0] = o[1] = o[2] = 0;
      } else {
        o[0] = To8(c.r);
        o[1] = To8(c.g);
        o[2] = To8(c.b);
      }
    }
  return WritePng(img.w(), img.h(), 4, rows);
}

std::vector<uint8_t> EncodePngRgb(const Image& img) {
  std::vector<uint8_t> rows(static_cast<size_t>(img.w()) * img.h() * 3);
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      const Col& c = img.at(x, y);
      uint8_t* o = &rows[(static_cast<size_t>(y) * img.w() + x) * 3];
      o[0] = To8(c.r * c.a);
      o[1] = To8(c.g * c.a);
      o[2] = To8(c.b * c.a);
    }
  return WritePng(img.w(), img.h(), 3, rows);
}

namespace {
struct PngRead {
  const std::vector<uint8_t>* in;
  size_t pos;
};
void PngReadFn(png_structp p, png_bytep data, png_size_t len) {
  auto* r = static_cast<PngRead*>(png_get_io_ptr(p));
  if (r->pos + len > r->in->size()) png_error(p, "short");
  std::memcpy(data, r->in->data() + r->pos, len);
  r->pos += len;
}
}  // namespace

bool DecodePng(const std::vector<uint8_t>& bytes, Image& out) {
  png_structp p = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(p);
  PngRead r{&bytes, 0};
  if (setjmp(png_jmpbuf(p))) {
    png_destroy_read_struct(&p, &info, nullptr);
    return false;
  }
  png_set_read_fn(p, &r, PngReadFn);
  png_read_info(p, info);
  int w = png_get_image_width(p, info), h = png_get_image_height(p, info);
  int ch = png_get_channels(p, info);
  std::vector<uint8_t> rows(static_cast<size_t>(w) * h * ch);
  for (int y = 0; y < h; ++y)
    png_read_row(p, rows.data() + static_cast<size_t>(y) * w * ch, nullptr);
  png_destroy_read_struct(&p, &info, nullptr);
  out = Image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* s = &rows[(static_cast<size_t>(y) * w + x) * ch];
      out.at(x, y) = {s[0] / 255.0f, s[1] / 255.0f, s[2] / 255.0f, ch == 4 ? s[3] / 255.0f : 1.0f};
    }
  return true;
}

}  // namespace gen
