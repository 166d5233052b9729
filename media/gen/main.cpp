// qw2_media_gen: makes every picture, sound and music piece of the game.
//
//   qw2_media_gen --media DIR     pictures and sounds into DIR/gfx, DIR/sfx, plus
//                                 DIR/media_blob.bin, DIR/media_blob.S and
//                                 DIR/embedded_media_index.cpp for embedding
//   qw2_media_gen --music DIR     menu.ogg, shipshop.ogg, ingame.ogg into DIR
//   qw2_media_gen --sheet FILE    one contact sheet of every picture
//
// The output is the same, byte for byte, on every run.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "catalogue/ships.hpp"
#include "media/gen/fonts.hpp"
#include "media/gen/media.hpp"

namespace fs = std::filesystem;

namespace {

template <class T, class F>
void ParallelFor(const std::vector<T>& items, F f) {
  std::atomic<size_t> next{0};
  unsigned n = std::max(1u, std::min(16u, std::thread::hardware_concurrency()));
  std::vector<std::thread> pool;
  for (unsigned i = 0; i < n; ++i)
    pool.emplace_back([&] {
      for (size_t k; (k = next++) < items.size();) f(k);
    });
  for (auto& t : pool) t.join();
}

bool WriteFile(const fs::path& p, const std::vector<uint8_t>& bytes, bool always = false) {
  fs::create_directories(p.parent_path());
  // Unchanged files are left alone so that their times stay.
  std::ifstream in(p, std::ios::binary);
  if (in && !always) {
    std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    if (old == bytes) return true;
  }
  in.close();
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool WriteText(const fs::path& p, const std::string& s) {
  return WriteFile(p, std::vector<uint8_t>(s.begin(), s.end()), true);
}

fs::path DiskPath(const fs::path& root, const std::string& name) {
  std::string n = name;
  std::replace(n.begin(), n.end(), '\\', '/');
  return root / n;
}

std::string CppU16(const std::string& name) {
  std::string s = "u\"data\\\\";
  for (char c : name) {
    if (c == '\\')
      s += "\\\\";
    else
      s += c;
  }
  return s + "\"";
}

int MakeMedia(const fs::path& dir) {
  gen::MediaList list = gen::AllMediaFiles();
  std::vector<std::vector<uint8_t>> data(list.size());
  ParallelFor(list, [&](size_t i) { data[i] = list[i].make(); });
  std::vector<uint8_t> blob;
  std::string index;
  index += "// Made by qw2_media_gen. Do not edit.\n";
  index += "#include \"media/embedded_media.hpp\"\n#include \"platform/files.hpp\"\n\n";
  index += "extern \"C\" const unsigned char qw2_media_blob[];\n\nnamespace {\n";
  index +=
      "struct EmbeddedEntry {\n  const char16_t* name;\n  unsigned offset;\n  unsigned size;\n};\n";
  index += "const EmbeddedEntry kEmbedded[] = {\n";
  for (size_t i = 0; i < list.size(); ++i) {
    if (data[i].empty()) {
      std::fprintf(stderr, "qw2_media_gen: %s came out empty\n", list[i].name.c_str());
      return 1;
    }
    if (!WriteFile(DiskPath(dir, list[i].name), data[i])) {
      std::fprintf(stderr, "qw2_media_gen: cannot write %s\n", list[i].name.c_str());
      return 1;
    }
    while (blob.size() % 16) blob.push_back(0);
    index += "    {" + CppU16(list[i].name) + ", " + std::to_string(blob.size()) + "u, " +
             std::to_string(data[i].size()) + "u},\n";
    blob.insert(blob.end(), data[i].begin(), data[i].end());
  }
  index += "};\n}  // namespace\n\n";
  index += "void RegisterEmbeddedMedia() {\n";
  index += "  for (const EmbeddedEntry& e : kEmbedded)\n";
  index += "    RegisterEmbeddedFile(e.name, qw2_media_blob + e.offset, e.size);\n}\n\n";
  index +=
      "int EmbeddedMediaFileCount() { "
      "return static_cast<int>(sizeof kEmbedded / sizeof kEmbedded[0]); }\n";
  std::string blobPath = fs::absolute(dir / "media_blob.bin").string();
  std::string asmText;
  asmText += "// The bytes of every file, one after another, 16-byte aligned.\n";
  asmText += "__asm__(\n";
  asmText += "    \".section .rodata\\n\"\n    \".balign 16\\n\"\n";
  asmText += "    \".globl qw2_media_blob\\n\"\n    \".type qw2_media_blob, @object\\n\"\n";
  asmText += "    \"qw2_media_blob:\\n\"\n";
  asmText += "    \".incbin \\\"" + blobPath + "\\\"\\n\"\n";
  asmText += "    \".size qw2_media_blob, . - qw2_media_blob\\n\"\n";
  asmText += "    \".previous\\n\");\n";
  index += "\n" + asmText;
  // These two are always rewritten: the build knows them as the command's outputs.
  if (!WriteFile(dir / "media_blob.bin", blob, true) ||
      !WriteText(dir / "embedded_media_index.cpp", index))
    return 1;
  std::printf("qw2_media_gen: %zu files, %zu bytes\n", list.size(), blob.size());
  return 0;
}

int MakeMusic(const fs::path& dir) {
  auto music = gen::MusicFiles();
  std::vector<std::vector<uint8_t>> data(music.size());
  ParallelFor(music, [&](size_t i) { data[i] = music[i].make(); });
  for (size_t i = 0; i < music.size(); ++i)
    if (data[i].empty() || !WriteFile(dir / music[i].name, data[i], true)) {
      std::fprintf(stderr, "qw2_media_gen: cannot make %s\n", music[i].name.c_str());
      return 1;
    }
  return 0;
}

gen::Col MaskFor(const std::string& name) {
  if (name == "gfx\\font.png") return gen::kWhite;
  if (name == "gfx\\titletext.png" || name == "gfx\\parttwo.png") return gen::kGreenMask;
  if (name == "gfx\\Gauge_armor.png" || name == "gfx\\Gauge_batt.png" ||
      name == "gfx\\gauge_slots.png")
    return gen::kBlack;
  return gen::kMagenta;
}

// Makes the pixels of the mask colour transparent, as the game's loader does
// (only the opaque ones, when onlyOpaque).
void ClearMask(gen::Image& img, gen::Col mask, bool onlyOpaque = false) {
  for (auto& c : img.pixels())
    if ((!onlyOpaque || c.a >= 1) && std::lround(c.r * 255) == std::lround(mask.r * 255) &&
        std::lround(c.g * 255) == std::lround(mask.g * 255) &&
        std::lround(c.b * 255) == std::lround(mask.b * 255))
      c.a = 0;
}

// The names of a comma-separated list.
std::vector<std::string> SplitNames(const std::string& names) {
  std::vector<std::string> list;
  size_t start = 0;
  while (start < names.size()) {
    size_t comma = names.find(',', start);
    list.push_back(
        names.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    start = comma == std::string::npos ? names.size() : comma + 1;
  }
  return list;
}

int MakeSheet(const fs::path& file) {
  gen::MediaList all = gen::AllMediaFiles();
  gen::MediaList list;
  for (auto& f : all)
    if (f.name.size() > 4 && f.name.substr(f.name.size() - 4) == ".png") list.push_back(f);
  std::vector<gen::Image> pics(list.size());
  ParallelFor(list, [&](size_t i) {
    gen::Image img;
    gen::DecodePng(list[i].make(), img);
    bool ownAlpha = list[i].name == "gfx\\Flashes\\mainx.png" || list[i].name == "gfx\\warp.png";
    if (!ownAlpha) ClearMask(img, MaskFor(list[i].name));
    pics[i] = img;
  });
  // Shelf packing, widest rows first in list order.
  const int width = 3000, gap = 6;
  std::vector<std::pair<int, int>> pos(pics.size());
  int x = gap, y = gap, rowH = 0;
  for (size_t i = 0; i < pics.size(); ++i) {
    int w = pics[i].w(), h = pics[i].h();
    if (x + w + gap > width) {
      x = gap;
      y += rowH + gap;
      rowH = 0;
    }
    pos[i] = {x, y};
    x += w + gap;
    rowH = std::max(rowH, h);
  }
  int height = y + rowH + gap;
  gen::Image sheet(width, height, gen::rgb(96, 96, 104));
  for (size_t i = 0; i < pics.size(); ++i) sheet.draw(pics[i], pos[i].first, pos[i].second);
  if (!WriteFile(file, gen::EncodePngRgb(sheet))) return 1;
  std::printf("qw2_media_gen: contact sheet %s (%d x %d, %zu pictures)\n", file.string().c_str(),
              width, height, pics.size());
  return 0;
}

// A magnified sheet of a few pictures, for looking at details.
int MakeView(const fs::path& file, int scale, const std::string& names) {
  gen::MediaList all = gen::AllMediaFiles();
  std::vector<gen::Image> pics;
  for (const std::string& n : SplitNames(names))
    for (auto& f : all)
      if (f.name == n) {
        gen::Image img;
        gen::DecodePng(f.make(), img);
        ClearMask(img, MaskFor(f.name), true);
        pics.push_back(img);
      }
  int w = 8, h = 0;
  for (auto& p : pics) {
    w += p.w() * scale + 8;
    h = std::max(h, p.h() * scale);
  }
  gen::Image sheet(std::min(w, 4000), h + 16, gen::rgb(60, 60, 68));
  int x = 8;
  for (auto& p : pics) {
    for (int yy = 0; yy < p.h() * scale; ++yy)
      for (int xx = 0; xx < p.w() * scale; ++xx)
        sheet.blend(x + xx, 8 + yy, p.at(xx / scale, yy / scale), 1.0f);
    x += p.w() * scale + 8;
  }
  return WriteFile(file, gen::EncodePngRgb(sheet)) ? 0 : 1;
}

// A picture of the generated media, its mask colour made transparent.
gen::Image Strip(const std::string& name) {
  for (auto& f : gen::AllMediaFiles())
    if (f.name == name) {
      gen::Image img;
      gen::DecodePng(f.make(), img);
      ClearMask(img, MaskFor(name));
      return img;
    }
  return {};
}

// Draws the (sx, sy, w, h) cell of src at (dx, dy), scaled and tinted.
void Tinted(gen::Image& dst, const gen::Image& src, int sx, int sy, int w, int h, float dx,
            float dy, float scale, gen::Col tint) {
  for (int y = 0; y < static_cast<int>(h * scale); ++y)
    for (int x = 0; x < static_cast<int>(w * scale); ++x) {
      // Shrinking without mipmaps shows the nearest pixel, as the game's
      // renderer does for the half-size font.
      gen::Col c = src.at(sx + static_cast<int>((x + 0.5f) / scale),
                          sy + static_cast<int>((y + 0.5f) / scale));
      if (c.a < 0.5f) continue;
      c = {c.r * tint.r, c.g * tint.g, c.b * tint.b, c.a};
      dst.blend(static_cast<int>(dx) + x, static_cast<int>(dy) + y, c, 1.0f);
    }
}

// Text set in the game's three fonts the way the game sets it, for review.
class TextSetter {
 public:
  TextSetter()
      : medium_(Strip("gfx\\medfont.png")),
        big_(Strip("gfx\\bigfont.png")),
        fixed_(Strip("gfx\\font.png")),
        mediumWidths_(gen::MediumFontWidths()),
        bigWidths_(gen::BigFontWidths()) {}

  // The proportional medium font, whole or at half size (the half-size
  // advances are truncated, as the game does), from x or centred on it.
  void Medium(gen::Image& out, const std::string& t, float x, float y, gen::Col c, bool centre,
              float scale = 1.0f) const {
    int w = 0;
    for (char ch : t) w = Advance(w, ch, scale);
    float o = centre ? -(w / 2) : 0;
    for (char ch : t) {
      int f = GlyphFrame(ch);
      Tinted(out, medium_, f * 55, 0, 55, 42, x + 0.5f + o, y, scale, c);
      o = scale == 1.0f ? o + mediumWidths_[f] : std::trunc(o + mediumWidths_[f] * 0.5f);
    }
  }

  // The proportional big font (letters only), from x or centred on it.
  void Big(gen::Image& out, const std::string& t, float x, float y, gen::Col c, bool centre) const {
    int w = 0;
    for (char ch : t) w += bigWidths_[BigFrame(ch)] + 1;
    float o = centre ? -(w / 2) : 0;
    for (char ch : t) {
      int f = BigFrame(ch);
      Tinted(out, big_, f * 79, 0, 79, 56, x + 0.5f + o, y, 1.0f, c);
      o += bigWidths_[f] + 1;
    }
  }

  // The fixed 10-pixel font, its first character one cell right of x.
  void Fixed(gen::Image& out, const std::string& t, float x, float y, gen::Col c) const {
    for (size_t k = 0; k < t.size(); ++k) {
      int f = static_cast<unsigned char>(t[k]) - 32;
      Tinted(out, fixed_, f * 10, 0, 10, 10, x + 10 * (k + 1), y, 1.0f, c);
    }
  }

 private:
  static int GlyphFrame(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    if (c >= 'a' && c <= 'z') return c - 'a' + 1;
    if (c >= '0' && c <= '9') return 30 + c - '0';
    const char* p = "?/:.;,-_()!%'";
    for (int i = 0; p[i]; ++i)
      if (p[i] == c) return 40 + i;
    return 0;
  }
  static int BigFrame(char c) {
    int f = GlyphFrame(c);
    return f >= 30 ? 0 : f;
  }
  int Advance(int w, char ch, float scale) const {
    int adv = mediumWidths_[GlyphFrame(ch)];
    return scale == 1.0f ? w + adv : static_cast<int>(w + adv * 0.5f);
  }

  gen::Image medium_, big_, fixed_;
  const int* mediumWidths_;
  const int* bigWidths_;
};

int MakeTextDemo(const fs::path& file) {
  TextSetter text;
  gen::Image out(1280, 560, gen::rgb(8, 10, 20));
  const gen::Col white = gen::rgb(255, 255, 255), gold = gen::rgb(255, 200, 100);
  const gen::Col green = gen::rgb(0, 255, 0), cyan = gen::rgb(0, 255, 255);
  const gen::Col yellow = gen::rgb(255, 255, 0), dim = gen::rgb(0, 200, 0);
  text.Big(out, "MAIN MENU", 20, 10, white, false);
  text.Big(out, "STATISTICS WAX QUORVEX", 20, 70, gold, false);
  text.Medium(out, "NEW GAME SHIP DATABASE 0123456789", 20, 140, green, false);
  text.Medium(out, "ACCEPT THIS WEXLOR? (Y/N) 100% !", 20, 190, gold, false);
  text.Medium(out, "RUN GAME  GRAPHICS DRIVER  QUIT  OPENGL", 20, 240, green, false, 0.5f);
  text.Medium(out, "SAVE REPLAY: 12:30 - PLAYER 1, TEAM A. JUMP_IT'S", 20, 270, cyan, false, 0.5f);
  text.Fixed(out, "SHIP.......................Regal", 20, 310, yellow);
  text.Fixed(out, "MAXIMUM SPEED (1-100)......60", 20, 326, dim);
  text.Fixed(out, "The regal can launch moderately powerful missiles; 3/12 {x} #@", 20, 342, dim);
  text.Fixed(out, "Unable to set screen mode. Please make sure:", 20, 358, gen::rgb(255, 0, 0));
  text.Fixed(out, "CHEAT MODE ACTIVE v1.15", 20, 374, gold);
  return WriteFile(file, gen::EncodePngRgb(out)) ? 0 : 1;
}

// Mock screens made of the pictures, placed as the game places them, so the
// whole can be judged before the game itself draws them.
struct Canvas {
  gen::Image img{1280, 1024, gen::rgb(0, 0, 0)};
  void put(const gen::Image& src, int fx, int fy, int fw, int fh, float x, float y, bool centre,
           float alpha = 1, gen::Col tint = {1, 1, 1, 1}, bool additive = false) {
    int ox = static_cast<int>(x) - (centre ? fw / 2 : 0);
    int oy = static_cast<int>(y) - (centre ? fh / 2 : 0);
    for (int j = 0; j < fh; ++j)
      for (int i = 0; i < fw; ++i) {
        gen::Col c = src.at(fx + i, fy + j);
        if (c.a < 0.5f && src.w() > 0) {
          if (c.a <= 0) continue;
        }
        c = {c.r * tint.r, c.g * tint.g, c.b * tint.b, c.a};
        if (additive)
          img.add(ox + i, oy + j, c, alpha);
        else
          img.blend(ox + i, oy + j, c, alpha);
      }
  }
  void whole(const gen::Image& src, float x, float y, bool centre, float alpha = 1,
             gen::Col tint = {1, 1, 1, 1}) {
    put(src, 0, 0, src.w(), src.h(), x, y, centre, alpha, tint);
  }
  void tile(const gen::Image& src) {
    for (int y = 0; y < 1024; y += src.h())
      for (int x = 0; x < 1280; x += src.w())
        whole(src, static_cast<float>(x), static_cast<float>(y), false);
  }
};

void MockMainMenu(Canvas& c, const TextSetter& text) {
  c.tile(Strip("gfx\\titleback.png"));
  gen::Image title = Strip("gfx\\titletext.png"), two = Strip("gfx\\parttwo.png");
  c.put(title, 0, 0, 975, 150, 640, 80, true);
  c.put(two, 0, 0, 130, 150, 640, 140, true);
  c.whole(Strip("gfx\\bord_mainmenu.png"), 640, 512, true, 0.66f);
  text.Big(c.img, "MAIN MENU", 640, 276, gen::rgb(255, 255, 255), true);
  const char* items[5] = {"NEW GAME", "SHIP DATABASE", "REPLAYS", "OPTIONS", "QUIT"};
  for (int i = 0; i < 5; ++i)
    text.Medium(c.img, items[i], 640, 383 + 80 * i, gen::rgb(0, i == 1 ? 255 : 100, 0), true);
  c.whole(Strip("gfx\\secret.png"), 1046, 931, true);
  c.whole(Strip("gfx\\ver.png"), 0, 1010, false, 0.5f);
  text.Fixed(c.img, "v1.15", 2, 1012, gen::rgb(0, 255, 0));
  c.put(Strip("gfx\\mouse.png"), 58, 0, 29, 29, 700, 480, false);
}

// The start-up window, in the top-left corner.
void MockStartup(Canvas& c, const TextSetter& text) {
  gen::Image back = Strip("gfx\\StartBack.png");
  for (int y = 0; y < 360; y += back.h())
    for (int x = 0; x < 480; x += back.w())
      c.put(back, 0, 0, std::min(back.w(), 480 - x), std::min(back.h(), 360 - y), x, y, false);
  c.whole(Strip("gfx\\StartBorder.png"), 0, 0, false);
  c.put(Strip("gfx\\Ticker.png"), 0, 0, 17, 17, 457, 6, false);
  c.whole(Strip("gfx\\StartTitle.png"), 240, 60, true);
  text.Medium(c.img, "RUN GAME", 240, 182, gen::rgb(0, 255, 0), true, 0.5f);
  text.Medium(c.img, "GRAPHICS DRIVER", 240, 232, gen::rgb(0, 150, 0), true, 0.5f);
  text.Medium(c.img, "OpenGL", 240, 262, gen::rgb(0, 255, 255), true, 0.5f);
  text.Medium(c.img, "Quit", 240, 312, gen::rgb(0, 150, 0), true, 0.5f);
  text.Fixed(c.img, "Unable to set screen mode. Please make sure:", 8, 128, gen::rgb(255, 0, 0));
  text.Fixed(c.img, "-Your system supports 1280 x 1024 x 32", 8, 143, gen::rgb(255, 0, 0));
}

void MockShop(Canvas& c, const TextSetter& text) {
  c.tile(Strip("gfx\\shipshop.png"));
  gen::Image card = Strip("gfx\\ss_shipbord.png"), plate = Strip("gfx\\priceplate.png");
  const int types[8] = {0,          SHIP_EREBOS, SHIP_SJUOG, SHIP_BIRKEN,
                        SHIP_NALEN, SHIP_QOUL,   SHIP_SERAX, SHIP_REGAL};
  for (int i = 1; i <= 7; ++i) {
    float x = 252.0f * i - 502;
    c.whole(card, x, 219, false, 1, i == 1 ? gen::rgb(255, 255, 0) : gen::Col{1, 1, 1, 1});
    c.whole(Strip("gfx\\ship" + std::to_string(types[i]) + "-b.png"), x + 134, 337, true);
    c.whole(plate, x + 16, 219, false, 0.5f);
    text.Medium(c.img, std::to_string(types[i] * 3 % 50), x + 134, 221, gen::rgb(255, 200, 100),
                true);
  }
  c.whole(Strip("gfx\\ss_shipbord2.png"), 506, 219, false, 1, gen::rgb(0, 255, 0));
  gen::Image arrow = Strip("gfx\\arrow.png");
  c.whole(arrow, 43, 336, true, 0.25f);
  c.whole(Strip("gfx\\ss_hbord.png"), 0, 189, false);
  c.whole(Strip("gfx\\ss_hbord.png"), 0, 451, false);
  gen::Image mini = Strip("gfx\\miniborderx.png"), pics = Strip("gfx\\minpics.png");
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 10; ++k) {
      c.whole(mini, 607 + 66.0f * k, 500 + 66.0f * r, false, 0.5f, gen::rgb(255, 200, 100));
      int t = (r * 10 + k) % 40 + 1;
      if (r * 10 + k < 17)
        c.put(pics, (t - 1) * 56, 0, 56, 56, 611 + 66.0f * k, 504 + 66.0f * r, false);
    }
  c.whole(Strip("gfx\\ss_bigplate.png"), 26, 499, false);
  const gen::Col yellow = gen::rgb(255, 255, 0), green = gen::rgb(0, 200, 0);
  text.Fixed(c.img, "SHIP.......................Sjuog", 32, 515, yellow);
  text.Fixed(c.img, "NICKNAME...................Flagship", 32, 531, yellow);
  text.Fixed(c.img, "MAXIMUM SPEED (1-100)......20", 32, 563, green);
  text.Fixed(c.img, "ACCELERATION (1-100).......35", 32, 579, green);
  c.whole(Strip("gfx\\ss_smallplate.png"), 764, 739, false);
  text.Fixed(c.img, "SPECIAL WEAPON DESCRIPTION", 876, 754, yellow);
  text.Fixed(c.img, "The annihilator cannon charges for two", 770, 786, green);
}

// A match: stars, ships, shots, effects and the HUD of slots 1 and 3.
void MockMatch(Canvas& c, const TextSetter& text) {
  gen::Rng rng(2475492);
  gen::Image s1 = Strip("gfx\\star1.png"), s2 = Strip("gfx\\star2.png");
  for (int i = 0; i < 33; ++i) c.whole(s1, rng.irange(1, 1280), rng.irange(1, 1024), true);
  for (int i = 0; i < 100; ++i) c.whole(s2, rng.irange(1, 1280), rng.irange(1, 1024), true);
  const int ships[6] = {SHIP_SJUOG,  SHIP_URBATRON, SHIP_EREBOS,
                        SHIP_ANATOS, SHIP_BIRKEN,   SHIP_IWOR};
  const float pos[6][2] = {{400, 500}, {700, 380}, {880, 640}, {560, 760}, {1000, 300}, {300, 250}};
  for (int i = 0; i < 6; ++i)
    c.whole(Strip("gfx\\ship" + std::to_string(ships[i]) + "_1.png"), pos[i][0], pos[i][1], true);
  c.whole(Strip("gfx\\ship4s_1.png"), 700, 351, true, 1, gen::rgb(255, 60, 40));
  for (int i = 0; i < 6; ++i) c.whole(Strip("gfx\\ship12a_1.png"), 880, 560 - i * 22.0f, true);
  for (int i = 0; i < 4; ++i)
    c.whole(Strip("gfx\\ship1b_1.png"), 300 + i * 30.0f, 200 - i * 15.0f, true);
  c.put(Strip("gfx\\exp20.png"), 114 * 5, 0, 114, 114, 760, 560, true);
  c.put(Strip("gfx\\exp9.png"), 44 * 3, 0, 44, 42, 620, 420, true);
  c.put(Strip("gfx\\warp.png"), 110 * 2, 110 * 3, 110, 110, 1050, 820, true, 1,
        gen::rgb(0, 160, 255));
  for (int i = 0; i < 5; ++i)
    c.put(Strip("gfx\\spark2.png"), 16 * i, 0, 16, 16, 600 + 18.0f * i, 300, true);
  gen::Image targ = Strip("gfx\\targ1.png");
  for (int d = 1; d <= 35; ++d)
    c.whole(targ, 700, 380 - 41 - 8.0f * d, true, 1 - std::max(d / 45.0f, 0.33f),
            gen::rgb(255, 60, 60));
  text.Medium(c.img, "A", 700, 380 - 44 - 36, gen::rgb(255, 60, 60), true, 0.5f);
  for (int slot : {1, 3}) {
    float px = slot == 1 ? 0 : 1208;
    gen::Col col = slot == 1 ? gen::rgb(255, 60, 60) : gen::rgb(60, 120, 255);
    c.whole(Strip("gfx\\statborderx.png"), px, 0, false, 0.33f, col);
    c.whole(Strip("gfx\\miniborderx.png"), px + 4, 342, false, 0.33f, gen::rgb(255, 200, 100));
    c.put(Strip("gfx\\minpics.png"), (slot == 1 ? 3 : 11) * 56, 0, 56, 56, px + 8, 346, false);
    c.put(Strip("gfx\\gauge_slots.png"), 29 * 14, 0, 14, 302, px + 16, 4, false);
    c.put(Strip("gfx\\Gauge_armor.png"), 41 * 14, 0, 14, 302, px + 16, 4, false);
    c.put(Strip("gfx\\gauge_slots.png"), 39 * 14, 0, 14, 302, px + 42, 4, false);
    c.put(Strip("gfx\\Gauge_batt.png"), 66 * 14, 0, 14, 302, px + 42, 4, false);
    c.whole(Strip("gfx\\relbg.png"), px + 36, 326, true);
    gen::Image rel = Strip("gfx\\reload.png");
    c.put(rel, 0, 0, 58, 6, px + 7, 320, false, 1, gen::rgb(0, 255, 0));
    c.put(rel, 0, 0, 30, 6, px + 7, 330, false, 1, gen::rgb(255, 0, 0));
  }
}

// which: 1 the main menu, 2 the shop, 4 the start-up window, else a match.
int MakeMock(const fs::path& file, int which) {
  Canvas c;
  TextSetter text;
  if (which == 1)
    MockMainMenu(c, text);
  else if (which == 4)
    MockStartup(c, text);
  else if (which == 2)
    MockShop(c, text);
  else
    MockMatch(c, text);
  return WriteFile(file, gen::EncodePngRgb(c.img)) ? 0 : 1;
}

// Spectrograms of a few sounds, one row each (time across, pitch up).
int MakeSpectro(const fs::path& file, const std::string& names) {
  gen::MediaList all = gen::AllMediaFiles();
  std::vector<std::vector<float>> sounds;
  for (const std::string& n : SplitNames(names))
    for (auto& f : all)
      if (f.name == n) {
        std::vector<uint8_t> b = f.make();
        std::vector<float> x;
        for (size_t i = 44; i + 1 < b.size(); i += 2)
          x.push_back(static_cast<int16_t>(b[i] | (b[i + 1] << 8)) / 32768.0f);
        sounds.push_back(x);
      }
  const int H = 128, hop = 64, win = 256;
  int W = 0;
  for (auto& x : sounds) W = std::max(W, static_cast<int>(x.size()) / hop);
  gen::Image img(std::min(W, 2000), H * static_cast<int>(sounds.size()), gen::rgb(0, 0, 0));
  for (size_t k = 0; k < sounds.size(); ++k) {
    auto& x = sounds[k];
    for (int c = 0; c * hop + win < static_cast<int>(x.size()) && c < img.w(); ++c)
      for (int f = 0; f < H; ++f) {
        float re = 0, im = 0;
        for (int i = 0; i < win; ++i) {
          float wv = 0.5f - 0.5f * std::cos(6.2831853f * i / win);
          float ph = 6.2831853f * f * i / win;
          re += x[c * hop + i] * wv * std::cos(ph);
          im += x[c * hop + i] * wv * std::sin(ph);
        }
        float mag = std::sqrt(re * re + im * im);
        float v = gen::clamp01((20 * std::log10(mag + 1e-6f) + 30) / 50);
        img.at(c, static_cast<int>(k) * H + (H - 1 - f)) =
            gen::rgb(static_cast<int>(v * 255), static_cast<int>(v * v * 255),
                     static_cast<int>(std::sqrt(v) * 120));
      }
  }
  return WriteFile(file, gen::EncodePngRgb(img)) ? 0 : 1;
}

}  // namespace

int MakeMusicSpectro(const fs::path& file, const std::string& which) {
  std::vector<float> x = gen::MusicPreview(which);
  // 24 seconds, 2048-point frames every 1470 samples, log-frequency rows.
  const int W = 720, H = 256, win = 2048;
  gen::Image img(W, H, gen::rgb(0, 0, 0));
  for (int c = 0; c < W; ++c) {
    size_t at = static_cast<size_t>(c) * 1470 + 44100 * 20;
    if (at + win >= x.size()) break;
    for (int r = 0; r < H; ++r) {
      float hz = 40.0f * std::pow(2.0f, r / 256.0f * 9.0f);  // 40 Hz .. 20 kHz
      float re = 0, im = 0;
      for (int i = 0; i < win; i += 2) {
        float wv = 0.5f - 0.5f * std::cos(6.2831853f * i / win);
        float ph = 6.2831853f * hz * i / 44100.0f;
        re += x[at + i] * wv * std::cos(ph);
        im += x[at + i] * wv * std::sin(ph);
      }
      float v = gen::clamp01((20 * std::log10(std::sqrt(re * re + im * im) + 1e-6f) + 10) / 50);
      img.at(c, H - 1 - r) = gen::rgb(static_cast<int>(v * 255), static_cast<int>(v * v * 255),
                                      static_cast<int>(std::sqrt(v) * 120));
    }
  }
  return WriteFile(file, gen::EncodePngRgb(img)) ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--musicspectro")
    return MakeMusicSpectro(argv[2], argv[3]);
  if (argc == 4 && std::string(argv[1]) == "--spectro") return MakeSpectro(argv[2], argv[3]);
  if (argc == 4 && std::string(argv[1]) == "--mock") return MakeMock(argv[2], std::atoi(argv[3]));
  if (argc == 3 && std::string(argv[1]) == "--textdemo") return MakeTextDemo(argv[2]);
  if (argc == 5 && std::string(argv[1]) == "--view")
    return MakeView(argv[2], std::atoi(argv[3]), argv[4]);
  int rc = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string opt = argv[i];
    fs::path arg = argv[i + 1];
    if (opt == "--media")
      rc |= MakeMedia(arg);
    else if (opt == "--music")
      rc |= MakeMusic(arg);
    else if (opt == "--sheet")
      rc |= MakeSheet(arg);
    else {
      std::fprintf(stderr, "qw2_media_gen: unknown option %s\n", opt.c_str());
      return 2;
    }
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: qw2_media_gen [--media DIR] [--music DIR] [--sheet FILE]\n");
    return 2;
  }
  return rc;
}
