// The embedded media: the exact set of files the game looks for, their
// picture sizes and transparency, the sound format, the music, and that the
// generator makes the same bytes every time.
#include <gtest/gtest.h>

#if defined(QW2_MEDIA_GEN) && defined(QW2_MEDIA_OUT)

#include <png.h>
#include <unistd.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/ships.hpp"
#include "media/embedded_media.hpp"
#include "media/media_sizes.hpp"
#include "platform/files.hpp"

namespace fs = std::filesystem;

namespace {

enum class Transparency { MaskMagenta, MaskWhite, MaskGreen, MaskBlack, OwnAlpha, Opaque };

struct Expected {
  int width = 0, height = 0;  // 0: any size
  Transparency kind = Transparency::MaskMagenta;
};

std::string S(int v) { return std::to_string(v); }

// The explosions' cells, one row each: frames, width and height, from the
// explosion-type table (19 has no picture).
const int kExplosionCells[30][3] = {
    {0, 0, 0},      {5, 16, 16},  {5, 16, 16},    {5, 16, 16},    {5, 30, 30},    {4, 10, 10},
    {5, 20, 20},    {5, 24, 24},  {4, 16, 16},    {12, 44, 42},   {10, 52, 99},   {9, 60, 64},
    {7, 18, 18},    {12, 44, 42}, {5, 20, 20},    {10, 72, 72},   {5, 16, 16},    {4, 16, 16},
    {6, 24, 24},    {0, 0, 0},    {15, 114, 114}, {15, 123, 123}, {15, 112, 112}, {4, 16, 16},
    {10, 112, 112}, {6, 40, 40},  {10, 80, 80},   {10, 125, 125}, {5, 16, 14},    {1, 14, 14}};

// The media the game loads, written out from its loading rules.
std::map<std::string, Expected> ExpectedPictures() {
  std::map<std::string, Expected> m;
  auto add = [&](const std::string& name, int w = 0, int h = 0,
                 Transparency k = Transparency::MaskMagenta) {
    m["data\\gfx\\" + name] = {w, h, k};
  };
  // Fonts (any number of rows of cells is allowed by the loader; these are one row).
  add("font.png", 2560, 10, Transparency::MaskWhite);
  add("medfont.png", 55 * 54, 42);
  add("bigfont.png", 79 * 30, 56);
  // Start-up window.
  add("StartTitle.png");
  add("StartBack.png");
  add("StartBorder.png", 480, 360);
  add("Ticker.png", 34, 17);
  // Shell pictures.
  add("mouse.png", 232, 29);
  add("minpics.png", 2240, 56);
  add("miniborderx.png", 64, 64);
  add("black.png", 32, 32);
  add("slicer.png");
  add("ver.png");
  add("r_tickno.png");
  add("r_tickyes.png");
  for (int i = 1; i <= 4; ++i) add("r_arrow" + S(i) + ".png");
  add("r_trash.png");
  add("tickbord.png");
  for (const char* n : {"r_disabled", "r_human", "r_ai", "r_team", "r_lamp", "r_random", "r_money"})
    add(std::string(n) + ".png");
  add("infoplate.png", 134, 0);
  add("priceplate.png", 236, 46);
  add("RepPlate.png");
  for (int i = 1; i <= 3; ++i) add("textborder" + S(i) + ".png");
  add("secret.png");
  add("titleback.png");
  add("shipshop.png");
  add("ss_hbord.png", 1280, 32);
  add("ss_shipbord.png", 268, 236);
  add("ss_shipbord2.png", 268, 236);
  add("ss_shipbord3.png");
  add("arrow.png", 84, 230);
  add("ss_bigplate.png");
  add("ss_smallplate.png");
  for (const char* n :
       {"bord_mainmenu", "bord_gamemode", "bord_teams", "bord_chal", "bord_opt", "bord_stat2"})
    add(std::string(n) + ".png");
  add("light_small.png", 60, 60);
  add("caret.png");
  add("titletext.png", 975, 750, Transparency::MaskGreen);
  add("parttwo.png", 650, 150, Transparency::MaskGreen);
  // Explosions, one row of cells each.
  for (int i = 1; i <= 29; ++i) {
    const int* cell = kExplosionCells[i];
    if (i != 19) add("exp" + S(i) + ".png", cell[0] * cell[1], cell[2]);
  }
  add("Flashes\\mainx.png", 0, 0, Transparency::OwnAlpha);
  for (int i = 1; i <= 3; ++i) add("spark" + S(i) + ".png", 80, 16);
  for (int i = 4; i <= 5; ++i) add("spark" + S(i) + ".png", 40, 8);
  add("star1.png");
  add("star2.png");
  add("warp.png", 660, 660, Transparency::OwnAlpha);
  add("emission.png");
  add("targ1.png");
  add("targ2.png");
  add("Gauge_armor.png", 1414, 302, Transparency::MaskBlack);
  add("Gauge_batt.png", 1414, 302, Transparency::MaskBlack);
  add("gauge_slots.png", 700, 302, Transparency::MaskBlack);
  add("reload.png");
  add("relbg.png");
  add("statborderx.png");
  // Ships: body, primary, secondary and special counts per type.
  const int counts[41][4] = {
      {0, 0, 0, 0}, {1, 1, 1, 0}, {1, 1, 2, 0}, {1, 1, 1, 0},  {1, 1, 3, 1}, {1, 1, 2, 0},
      {1, 1, 1, 0}, {1, 2, 0, 6}, {1, 1, 3, 0}, {1, 1, 1, 0},  {1, 1, 1, 0}, {1, 1, 1, 0},
      {1, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, 1, 0},  {2, 1, 1, 0}, {7, 2, 0, 7},
      {1, 1, 0, 0}, {1, 1, 0, 2}, {1, 1, 2, 0}, {1, 2, 1, 0},  {1, 1, 1, 3}, {1, 1, 2, 0},
      {1, 1, 1, 0}, {1, 0, 1, 1}, {5, 1, 0, 0}, {1, 3, -2, 1}, {1, 1, 1, 0}, {1, 1, 2, 0},
      {1, 1, 1, 0}, {4, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, 1, 0},  {1, 1, 1, 0}, {1, 1, 1, 0},
      {1, 1, 1, 0}, {1, 1, 5, 0}, {1, 1, 1, 1}, {1, 3, 1, 8},  {1, 4, 1, 10}};
  for (int t = 1; t <= 40; ++t) {
    add("ship" + S(t) + "-b.png");
    for (int k = 1; k <= counts[t][0]; ++k) add("ship" + S(t) + "_" + S(k) + ".png");
    for (int k = 1; k <= counts[t][1]; ++k) add("ship" + S(t) + "a_" + S(k) + ".png");
    if (counts[t][2] < 0)
      add("ship" + S(t) + "b_" + S(-counts[t][2]) + ".png");
    else
      for (int k = 1; k <= counts[t][2]; ++k) add("ship" + S(t) + "b_" + S(k) + ".png");
    for (int k = 1; k <= counts[t][3]; ++k) add("ship" + S(t) + "s_" + S(k) + ".png");
  }
  add("ship35_1x.png");
  add("ship38b.png");
  return m;
}

std::set<std::string> ExpectedSounds() {
  std::set<std::string> s;
  auto add = [&](const std::string& n) { s.insert("data\\sfx\\" + n); };
  const int extras[41] = {0, 0, 1, 0, 3, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 4, 0, 1, 1,
                          0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2, 0};
  for (int t = 1; t <= 40; ++t) {
    if (t != 17 && t != 39) add("ship" + S(t) + "a.wav");
    if (t != 4 && t != 17) add("ship" + S(t) + "b.wav");
    for (int k = 1; k <= extras[t]; ++k) add("ship" + S(t) + "s_" + S(k) + ".wav");
  }
  for (int n : {1, 2, 4, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 20, 21, 22, 23, 25, 26, 27, 28})
    add("exp" + S(n) + ".wav");
  for (const char* n :
       {"tick", "warpin", "slide", "victory", "reward", "alarm", "delete", "snap", "cheat"})
    add(std::string(n) + ".wav");
  return s;
}

Text ToText(const std::string& s) { return Text(s.begin(), s.end()); }

std::vector<uint8_t> Embedded(const std::string& name) {
  size_t size = 0;
  const uint8_t* p = EmbeddedFileData(ToText(name), &size);
  if (!p) return {};
  return std::vector<uint8_t>(p, p + size);
}

struct Picture {
  int w = 0, h = 0, channels = 0;
  std::vector<uint8_t> px;
  const uint8_t* at(int x, int y) const { return &px[(static_cast<size_t>(y) * w + x) * channels]; }
};

struct ReadState {
  const std::vector<uint8_t>* in;
  size_t pos;
};

void ReadFn(png_structp p, png_bytep out, png_size_t len) {
  auto* r = static_cast<ReadState*>(png_get_io_ptr(p));
  if (r->pos + len > r->in->size()) png_error(p, "truncated");
  std::memcpy(out, r->in->data() + r->pos, len);
  r->pos += len;
}

bool Decode(const std::vector<uint8_t>& bytes, Picture& pic) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
  png_structp p = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(p);
  ReadState rs{&bytes, 0};
  if (setjmp(png_jmpbuf(p))) {
    png_destroy_read_struct(&p, &info, nullptr);
    return false;
  }
  png_set_read_fn(p, &rs, ReadFn);
  png_read_info(p, info);
  png_set_expand(p);
  png_set_strip_16(p);
  png_read_update_info(p, info);
  pic.w = static_cast<int>(png_get_image_width(p, info));
  pic.h = static_cast<int>(png_get_image_height(p, info));
  pic.channels = png_get_channels(p, info);
  pic.px.resize(static_cast<size_t>(pic.w) * pic.h * pic.channels);
  for (int y = 0; y < pic.h; ++y)
    png_read_row(p, pic.px.data() + static_cast<size_t>(y) * pic.w * pic.channels, nullptr);
  png_destroy_read_struct(&p, &info, nullptr);
  return true;
}

bool IsMask(const uint8_t* c, int r, int g, int b) { return c[0] == r && c[1] == g && c[2] == b; }

class MediaTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterEmbeddedMedia(); }
};

TEST_F(MediaTest, EmbeddedSetIsExactlyTheGamesList) {
  auto pictures = ExpectedPictures();
  auto sounds = ExpectedSounds();
  EXPECT_EQ(pictures.size(), 333u);
  EXPECT_EQ(sounds.size(), 123u);
  EXPECT_EQ(EmbeddedMediaFileCount(), 456);
  for (auto& [name, e] : pictures) EXPECT_TRUE(EmbeddedFileExists(ToText(name))) << name;
  for (auto& name : sounds) EXPECT_TRUE(EmbeddedFileExists(ToText(name))) << name;
  // The generator's output folder holds exactly the same names.
  std::set<std::string> onDisk;
  for (const char* folder : {"gfx", "sfx"})
    for (auto& entry : fs::recursive_directory_iterator(fs::path(QW2_MEDIA_OUT) / folder)) {
      if (!entry.is_regular_file()) continue;
      std::string rel = fs::relative(entry.path(), fs::path(QW2_MEDIA_OUT)).generic_string();
      for (char& c : rel)
        if (c == '/') c = '\\';
      onDisk.insert("data\\" + rel);
    }
  std::set<std::string> expected;
  for (auto& [name, e] : pictures) expected.insert(name);
  expected.insert(sounds.begin(), sounds.end());
  EXPECT_EQ(onDisk, expected);
}

TEST_F(MediaTest, NamesTheGameProbesForAreAbsent) {
  for (const char* n :
       {"data\\gfx\\exp19.png", "data\\gfx\\ship27b_1.png", "data\\sfx\\ship4b.wav",
        "data\\sfx\\ship17a.wav", "data\\sfx\\ship17b.wav", "data\\sfx\\ship39a.wav",
        "data\\gfx\\ship1_2.png", "data\\gfx\\ship16_3.png", "data\\gfx\\ship17_8.png",
        "data\\gfx\\ship7b_1.png", "data\\gfx\\ship25a_1.png", "data\\gfx\\ship40s_11.png",
        "data\\sfx\\exp3.wav", "data\\sfx\\exp19.wav", "data\\sfx\\exp29.wav",
        "data\\sfx\\ship4s_4.wav", "data\\gfx\\flashes\\mainx.png", "data\\gfx\\gauge_armor.png"})
    EXPECT_FALSE(EmbeddedFileExists(ToText(n))) << n;
}

TEST_F(MediaTest, PicturesHaveTheirSizesAndTransparency) {
  for (auto& [name, e] : ExpectedPictures()) {
    Picture pic;
    ASSERT_TRUE(Decode(Embedded(name), pic)) << name;
    if (e.width) {
      EXPECT_EQ(pic.w, e.width) << name;
    }
    if (e.height) {
      EXPECT_EQ(pic.h, e.height) << name;
    }
    if (e.kind == Transparency::OwnAlpha) {
      EXPECT_EQ(pic.channels, 4) << name;
      continue;
    }
    // A masked picture has no alpha of its own: the mask colour is its only
    // transparency, and no visible pixel may come near that colour.
    EXPECT_EQ(pic.channels, 3) << name;
    int mr = 255, mg = 0, mb = 255;
    if (e.kind == Transparency::MaskWhite) mg = 255;
    if (e.kind == Transparency::MaskGreen) mr = 0, mg = 255, mb = 0;
    if (e.kind == Transparency::MaskBlack) mr = 0, mb = 0;
    int visible = 0, nearMask = 0;
    for (int y = 0; y < pic.h; ++y)
      for (int x = 0; x < pic.w; ++x) {
        const uint8_t* c = pic.at(x, y);
        if (IsMask(c, mr, mg, mb)) continue;
        ++visible;
        if (std::abs(c[0] - mr) + std::abs(c[1] - mg) + std::abs(c[2] - mb) < 24) ++nearMask;
      }
    EXPECT_GT(visible, 0) << name;
    EXPECT_EQ(nearMask, 0) << name;
  }
}

TEST_F(MediaTest, StripCellsAllHaveContent) {
  auto cellsVisible = [](const std::string& name, int cw, int ch, int cells, int mr, int mg, int mb,
                         int first = 0) {
    Picture pic;
    EXPECT_TRUE(Decode(Embedded(name), pic)) << name;
    int perRow = pic.w / cw;
    for (int i = first; i < cells; ++i) {
      int ox = (i % perRow) * cw, oy = (i / perRow) * ch;
      bool any = false;
      for (int y = 0; y < ch && !any; ++y)
        for (int x = 0; x < cw; ++x) {
          const uint8_t* c = pic.at(ox + x, oy + y);
          if (pic.channels == 4 ? c[3] > 0 : !IsMask(c, mr, mg, mb)) {
            any = true;
            break;
          }
        }
      EXPECT_TRUE(any) << name << " cell " << i;
    }
  };
  cellsVisible("data\\gfx\\mouse.png", 29, 29, 8, 255, 0, 255);
  cellsVisible("data\\gfx\\minpics.png", 56, 56, 40, 255, 0, 255);
  cellsVisible("data\\gfx\\titletext.png", 975, 150, 5, 0, 255, 0);
  cellsVisible("data\\gfx\\parttwo.png", 130, 150, 5, 0, 255, 0);
  cellsVisible("data\\gfx\\warp.png", 110, 110, 35, 0, 0, 0);
  cellsVisible("data\\gfx\\Gauge_armor.png", 14, 302, 101, 0, 0, 0, 1);  // frame 0 shows nothing
  cellsVisible("data\\gfx\\gauge_slots.png", 14, 302, 50, 0, 0, 0);
  cellsVisible("data\\gfx\\Ticker.png", 17, 17, 2, 255, 0, 255);
  for (int i = 1; i <= 29; ++i) {
    const int* cell = kExplosionCells[i];
    if (i != 19)
      cellsVisible("data\\gfx\\exp" + S(i) + ".png", cell[1], cell[2], cell[0], 255, 0, 255);
  }
  for (int i = 1; i <= 5; ++i)
    cellsVisible("data\\gfx\\spark" + S(i) + ".png", i <= 3 ? 16 : 8, i <= 3 ? 16 : 8, 5, 255, 0,
                 255);
}

TEST_F(MediaTest, GaugesFillInStepsOfTheirValue) {
  // Frame a of the armour gauge lights 3 pixels per point from the bottom;
  // frame n of the slots shows n + 1 six-pixel pips.
  Picture armour, slots;
  ASSERT_TRUE(Decode(Embedded("data\\gfx\\Gauge_armor.png"), armour));
  ASSERT_TRUE(Decode(Embedded("data\\gfx\\gauge_slots.png"), slots));
  auto litRows = [](const Picture& p, int frame) {
    int top = p.h;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < 14; ++x)
        if (!IsMask(p.at(frame * 14 + x, y), 0, 0, 0)) top = std::min(top, y);
    return p.h - 1 - top;
  };
  EXPECT_EQ(litRows(armour, 0), -1);
  for (int a : {1, 10, 50, 100}) EXPECT_NEAR(litRows(armour, a), 3 * a, 2) << a;
  for (int n : {0, 9, 49}) EXPECT_NEAR(litRows(slots, n), 6 * (n + 1), 2) << n;
}

TEST_F(MediaTest, FontGlyphsFitTheirCellsAndWidths) {
  const int medWidths[54] = {22, 55, 42, 42, 42, 35, 35, 42, 42, 12, 27, 42, 35, 54, 42, 42, 42, 42,
                             42, 42, 42, 42, 55, 55, 46, 48, 42, 55, 55, 42, 42, 42, 42, 42, 42, 42,
                             42, 42, 42, 42, 30, 34, 12, 12, 12, 12, 29, 34, 17, 17, 11, 42, 12, 0};
  Picture med, big, fixed;
  ASSERT_TRUE(Decode(Embedded("data\\gfx\\medfont.png"), med));
  ASSERT_TRUE(Decode(Embedded("data\\gfx\\bigfont.png"), big));
  ASSERT_TRUE(Decode(Embedded("data\\gfx\\font.png"), fixed));
  auto inkRange = [](const Picture& p, int cw, int cell, int mr, int mg, int mb, int* minX,
                     int* maxX) {
    *minX = cw;
    *maxX = -1;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < cw; ++x)
        if (!IsMask(p.at(cell * cw + x, y), mr, mg, mb)) {
          *minX = std::min(*minX, x);
          *maxX = std::max(*maxX, x);
        }
  };
  for (int f = 0; f < 54; ++f) {
    int lo, hi;
    inkRange(med, 55, f, 255, 0, 255, &lo, &hi);
    if (f == 0 || f == 53) {
      EXPECT_EQ(hi, -1) << "medium glyph " << f << " should be empty";
      continue;
    }
    EXPECT_GE(hi, 0) << "medium glyph " << f << " is empty";
    EXPECT_LT(hi, medWidths[f]) << "medium glyph " << f << " is wider than its advance";
    // Letters and digits fill their advance, leaving the same gap after each
    // (a pixel more where a slanted edge fades out).
    if (f <= 39) {
      EXPECT_LE(lo, 1) << "medium glyph " << f;
      EXPECT_TRUE(medWidths[f] - hi == 3 || medWidths[f] - hi == 4) << "medium glyph " << f;
    }
  }
  const int bigWidths[27] = {30, 49, 49, 49, 49, 49, 49, 49, 49, 19, 27, 49, 49, 79,
                             49, 49, 49, 52, 49, 49, 49, 49, 49, 79, 49, 49, 49};
  for (int f = 1; f < 30; ++f) {
    int lo, hi;
    inkRange(big, 79, f, 255, 0, 255, &lo, &hi);
    EXPECT_GE(hi, 0) << "big glyph " << f << " is empty";
    if (f < 27) {
      EXPECT_LE(hi, bigWidths[f]) << "big glyph " << f << " is wider than its advance";
      EXPECT_LE(lo, 1) << "big glyph " << f;
      EXPECT_TRUE(bigWidths[f] + 1 - hi == 4 || bigWidths[f] + 1 - hi == 5) << "big glyph " << f;
    }
  }
  // The fixed font: every printable ASCII character has a glyph, and no
  // visible pixel is white (white is its mask) or dark enough to vanish when tinted.
  for (int code = 33; code < 127; ++code) {
    int lo, hi;
    inkRange(fixed, 10, code - 32, 255, 255, 255, &lo, &hi);
    EXPECT_GE(hi, 0) << "fixed glyph " << code;
  }
  int brightest = 0;
  for (int y = 0; y < fixed.h; ++y)
    for (int x = 0; x < fixed.w; ++x) {
      const uint8_t* c = fixed.at(x, y);
      if (!IsMask(c, 255, 255, 255)) brightest = std::max(brightest, static_cast<int>(c[0]));
    }
  EXPECT_GE(brightest, 200);
  EXPECT_LT(brightest, 255);
}

TEST_F(MediaTest, ShipBodiesMatchTheSizeTableAndTheirMountPoints) {
  for (int t = 1; t <= 40; ++t) {
    const auto& sz = qw2media::kShipPictures[t];
    for (int k = 1; k <= sz.bodyFrames; ++k) {
      Picture pic;
      ASSERT_TRUE(Decode(Embedded("data\\gfx\\ship" + S(t) + "_" + S(k) + ".png"), pic));
      EXPECT_EQ(pic.w, sz.body.width) << t;
      EXPECT_EQ(pic.h, sz.body.height) << t;
    }
    auto checkShots = [&](const char* letter, int count, const qw2media::PictureSize* sizes) {
      for (int k = 1; k <= count; ++k) {
        int number = (t == SHIP_KABATA && letter[0] == 'b') ? 2 : k;
        Picture pic;
        ASSERT_TRUE(
            Decode(Embedded("data\\gfx\\ship" + S(t) + letter + "_" + S(number) + ".png"), pic));
        EXPECT_EQ(pic.w, sizes[k - 1].width) << t << letter << k;
        EXPECT_EQ(pic.h, sizes[k - 1].height) << t << letter << k;
      }
    };
    checkShots("a", sz.primaryCount, sz.primary);
    checkShots("b", sz.secondaryCount, sz.secondary);
    checkShots("s", sz.specialCount, sz.special);
  }
  // The nose (the aiming line's start, on the centre line) and each engine
  // point lie on the hull of the first body picture.
  const int noseY[41] = {0,   -12, -23, -13, -41, -8,  -22, -32, -9,  -14, -11, -37, -19, -12,
                         -23, -26, -10, -2,  -24, -29, -23, -22, -68, -16, -20, -17, -15, -26,
                         -15, -18, -5,  -9,  -16, -15, -8,  -70, -12, -29, -30, -28, -74};
  for (int t = 1; t <= 40; ++t) {
    Picture pic;
    ASSERT_TRUE(Decode(Embedded("data\\gfx\\ship" + S(t) + "_1.png"), pic));
    int cx = pic.w / 2, cy = pic.h / 2;
    bool noseOnHull = false;
    for (int dy = 0; dy <= 2; ++dy)
      for (int dx = -1; dx <= 0; ++dx)
        if (!IsMask(pic.at(cx + dx, cy + noseY[t] + dy), 255, 0, 255)) noseOnHull = true;
    EXPECT_TRUE(noseOnHull) << "ship " << t << " has no hull at its nose";
  }
}

TEST_F(MediaTest, EnginesAndMuzzlesSitOnTheHull) {
  // Every engine point and every muzzle a weapon fires from (by the
  // catalogue's own points) has hull within a few pixels.
  ResetCatalogue();
  InitShipCatalogue();
  auto nearHull = [](const Picture& pic, float x, float y, int reach) {
    int cx = pic.w / 2 + static_cast<int>(std::lround(x)),
        cy = pic.h / 2 + static_cast<int>(std::lround(y));
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx) {
        int px = cx + dx, py = cy + dy;
        if (px >= 0 && py >= 0 && px < pic.w && py < pic.h && !IsMask(pic.at(px, py), 255, 0, 255))
          return true;
      }
    return false;
  };
  for (int t = 1; t <= 40; ++t) {
    Picture pic;
    ASSERT_TRUE(Decode(Embedded("data\\gfx\\ship" + S(t) + "_1.png"), pic));
    int engines = static_cast<int>(shipValue[t][GROUP_HULL][HULL_ENGINE_POINT_COUNT]);
    for (int k = 1; k <= engines; ++k)
      EXPECT_TRUE(nearHull(pic, shipPoint[t][GROUP_HULL][k][ENGINE_X],
                           shipPoint[t][GROUP_HULL][k][ENGINE_Y], 3))
          << "ship " << t << " engine " << k;
    for (int group : {GROUP_PRIMARY, GROUP_SECONDARY}) {
      int shots = static_cast<int>(shipValue[t][group][WEAPON_SHOT_COUNT]);
      for (int k = 1; k <= shots; ++k)
        EXPECT_TRUE(
            nearHull(pic, shipPoint[t][group][k][MUZZLE_X], shipPoint[t][group][k][MUZZLE_Y], 4))
            << "ship " << t << " group " << group << " muzzle " << k;
    }
  }
}

TEST_F(MediaTest, InfoPanelTextClearsThePlateBrackets) {
  // The panel's fixed-font cells (10 x 10, from one cell right of the text's
  // x), in the plates' own coordinates, and a pixel round them hold none of
  // the light-blue corner brackets.
  auto clear = [](const char* name, int left, int columns, const std::vector<int>& tops) {
    Picture pic;
    ASSERT_TRUE(Decode(Embedded(std::string("data\\gfx\\") + name), pic));
    for (int top : tops) {
      int touching = 0;
      for (int y = top - 1; y <= top + 10; ++y)
        for (int x = left - 1; x <= left + 10 * columns; ++x) touching += pic.at(x, y)[2] >= 120;
      EXPECT_EQ(touching, 0) << name << ", text row at plate row " << top;
    }
  };
  // The value plate lies at (26, 499); its rows of at most 47 characters
  // are written at x 32, from the ship's name at y 515 to the price at 947.
  std::vector<int> values;
  for (int y : {515, 531, 563, 579, 595, 627, 643, 659, 675, 707, 723,
                755, 771, 787, 803, 819, 851, 867, 883, 899, 915, 947})
    values.push_back(y - 499);
  clear("ss_bigplate.png", 42 - 26, 47, values);
  // The description plate lies 15 (shop) or 16 (database) rows above its
  // heading, at x 764: the heading of 26 characters at x 876, the eleven
  // lines of at most 47 from 32 rows below it, at x 770.
  clear("ss_smallplate.png", 886 - 764, 26, {15, 16});
  std::vector<int> lines;
  for (int above : {15, 16})
    for (int i = 0; i < 11; ++i) lines.push_back(above + 32 + 16 * i);
  clear("ss_smallplate.png", 780 - 764, 47, lines);
}

TEST_F(MediaTest, SoundsAreMonoPcmWav) {
  auto le16 = [](const std::vector<uint8_t>& b, size_t i) { return b[i] | (b[i + 1] << 8); };
  auto le32 = [](const std::vector<uint8_t>& b, size_t i) {
    return static_cast<uint32_t>(b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) |
                                 (static_cast<uint32_t>(b[i + 3]) << 24));
  };
  for (auto& name : ExpectedSounds()) {
    std::vector<uint8_t> b = Embedded(name);
    ASSERT_GE(b.size(), 44u) << name;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << name;
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << name;
    EXPECT_EQ(le16(b, 20), 1) << name << " is not PCM";
    EXPECT_EQ(le16(b, 22), 1) << name << " is not mono";
    EXPECT_EQ(le16(b, 34), 16) << name;
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << name;
    uint32_t data = le32(b, 40);
    EXPECT_EQ(data + 44u, b.size()) << name;
    EXPECT_GT(data, 1000u) << name;
    // Not silent.
    int peak = 0;
    for (size_t i = 44; i + 1 < b.size(); i += 2)
      peak = std::max(peak, std::abs(static_cast<int16_t>(le16(b, i))));
    EXPECT_GT(peak, 8000) << name;
  }
}

TEST_F(MediaTest, MusicDecodesAndRunsAtLeastAMinute) {
  for (const char* n : {"menu.ogg", "shipshop.ogg", "ingame.ogg"}) {
    std::string path = std::string(QW2_MUSIC_DIR) + "/" + n;
    OggVorbis_File vf;
    ASSERT_EQ(ov_fopen(path.c_str(), &vf), 0) << path;
    EXPECT_GE(ov_time_total(&vf, -1), 60.0) << n;
    // Decode the first few seconds: real sound, not silence.
    char buf[4096];
    int section = 0;
    long total = 0;
    int peak = 0;
    while (total < 44100 * 4 * 4) {
      long got = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section);
      ASSERT_GE(got, 0) << n;
      if (got == 0) break;
      for (long i = 0; i + 1 < got; i += 2) {
        int16_t s;
        std::memcpy(&s, buf + i, 2);
        peak = std::max(peak, std::abs(static_cast<int>(s)));
      }
      total += got;
    }
    EXPECT_GT(peak, 3000) << n;
    ov_clear(&vf);
  }
}

std::vector<uint8_t> ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
}

TEST_F(MediaTest, GeneratorMakesTheSameBytesEveryRun) {
  fs::path tmp = fs::temp_directory_path() / ("qw2_media_test_" + std::to_string(::getpid()));
  fs::remove_all(tmp);
  std::string cmd = std::string("\"") + QW2_MEDIA_GEN + "\" --media \"" + (tmp / "media").string() +
                    "\" --music \"" + (tmp / "music").string() + "\" > /dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  int compared = 0;
  for (auto& entry : fs::recursive_directory_iterator(tmp / "media")) {
    if (!entry.is_regular_file()) continue;
    std::string ext = entry.path().extension().string();
    if (ext != ".png" && ext != ".wav" && ext != ".bin") continue;
    fs::path rel = fs::relative(entry.path(), tmp / "media");
    EXPECT_EQ(ReadAll(entry.path()), ReadAll(fs::path(QW2_MEDIA_OUT) / rel)) << rel;
    ++compared;
  }
  EXPECT_EQ(compared, 457);  // the 456 files and the blob
  for (const char* n : {"menu.ogg", "shipshop.ogg", "ingame.ogg"})
    EXPECT_EQ(ReadAll(tmp / "music" / n), ReadAll(fs::path(QW2_MUSIC_DIR) / n)) << n;
  // The embedded bytes are the generator's bytes.
  EXPECT_EQ(Embedded("data\\gfx\\ship12_1.png"), ReadAll(tmp / "media" / "gfx" / "ship12_1.png"));
  EXPECT_EQ(Embedded("data\\sfx\\exp4.wav"), ReadAll(tmp / "media" / "sfx" / "exp4.wav"));
  EXPECT_EQ(Embedded("data\\gfx\\Flashes\\mainx.png"),
            ReadAll(tmp / "media" / "gfx" / "Flashes" / "mainx.png"));
  fs::remove_all(tmp);
}

}  // namespace

#endif
