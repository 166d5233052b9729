#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/media_tables.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "shell/screens.hpp"
#include "tests/shell_harness.hpp"

namespace {

class InputText : public ::testing::Test {
 protected:
  void SetUp() override {
    shellharness::ResetHeadlessShell();
    ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
  }
  void TearDown() override {
    ResetPlatformDisplay();
    ResetShell();
  }

  // A font strip whose every glyph is a 2 x 2 white mark in its top-left corner.
  static int32_t MarkFont(int32_t cellWidth, int32_t cellHeight, int32_t cells) {
    const int32_t width = cellWidth * cells;
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * cellHeight * 4, 0);
    for (int32_t c = 0; c < cells; ++c) {
      for (int32_t dy = 0; dy < 2; ++dy) {
        for (int32_t dx = 0; dx < 2; ++dx) {
          uint8_t* p = &rgba[(static_cast<size_t>(dy) * width + c * cellWidth + dx) * 4];
          p[0] = p[1] = p[2] = p[3] = 255;
        }
      }
    }
    return ImageFromPixels(rgba.data(), width, cellHeight, true, cellWidth, cellHeight, cells, 1);
  }

  // The x of every left edge of a lit run on row y.
  static std::vector<int32_t> MarksOnRow(int32_t y) {
    std::vector<int32_t> xs;
    for (int32_t x = 0; x < 1280; ++x) {
      const bool lit = FramebufferPixel(x, y) != 0;
      const bool before = x > 0 && FramebufferPixel(x - 1, y) != 0;
      if (lit && !before) xs.push_back(x);
    }
    return xs;
  }
};

}  // namespace

TEST_F(InputText, KeyPressCountsInItsFirstFrameOnly) {
  PollInput();
  HeadlessSetKey(65, true);
  PollInput();
  EXPECT_EQ(KeyPressed(65), 1);
  EXPECT_EQ(KeyPressed(65), 1) << "reading does not consume";
  PollInput();
  EXPECT_EQ(KeyPressed(65), 0);
  HeadlessSetKey(65, false);
  PollInput();
  EXPECT_EQ(KeyPressed(65), 0);
  HeadlessSetKey(65, true);
  PollInput();
  EXPECT_EQ(KeyPressed(65), 1);
}

TEST_F(InputText, HeldAtStartGivesNoPressUntilReleased) {
  HeadlessSetKey(KEY_ESCAPE, true);
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_ESCAPE), 0);
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_ESCAPE), 0);
  HeadlessSetKey(KEY_ESCAPE, false);
  PollInput();
  HeadlessSetKey(KEY_ESCAPE, true);
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_ESCAPE), 1);
}

TEST_F(InputText, TwoKeysAndAButtonInOneFrameAndTheFlush) {
  PollInput();
  HeadlessSetKey(KEY_LEFT, true);
  HeadlessSetKey(163, true);
  HeadlessSetMouse(10, 10, 1 | 2);
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_LEFT), 1);
  EXPECT_EQ(KeyPressed(163), 1);
  EXPECT_EQ(MousePressed(1), 1);
  EXPECT_EQ(MousePressed(2), 1);
  FlushPressed();
  EXPECT_EQ(KeyPressed(KEY_LEFT), 0);
  EXPECT_EQ(KeyPressed(163), 0);
  EXPECT_EQ(MousePressed(1), 0);
  EXPECT_EQ(MousePressed(2), 0);
  // Still held: the next poll reports nothing either.
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_LEFT), 0);
  EXPECT_EQ(MousePressed(1), 0);
  // A press and release between two polls counts once.
  HeadlessSetKey(KEY_DOWN, true);
  HeadlessSetKey(KEY_DOWN, false);
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_DOWN), 1);
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_DOWN), 0);
  // Codes outside the tables are never pressed.
  EXPECT_EQ(KeyPressed(0), 0);
  EXPECT_EQ(KeyPressed(251), 0);
  EXPECT_EQ(MousePressed(3), 0);
}

TEST_F(InputText, ClearMenuHoverKeepsPositions) {
  for (int32_t i = 1; i <= 10; ++i) {
    menuGlow[i][0] = i;
    menuGlow[i][1] = 100 + i;
    menuGlow[i][2] = 200 + i;
  }
  ClearMenuHover();
  for (int32_t i = 1; i <= 10; ++i) {
    EXPECT_EQ(menuGlow[i][0], 0);
    EXPECT_EQ(menuGlow[i][1], 100 + i);
    EXPECT_EQ(menuGlow[i][2], 200 + i);
  }
}

TEST_F(InputText, GlyphTables) {
  FillGlyphTables();
  FillBigFontWidths();
  EXPECT_EQ(GlyphFrame('A'), 1);
  EXPECT_EQ(GlyphFrame('z'), 26);
  EXPECT_EQ(GlyphFrame(197), 27);
  EXPECT_EQ(GlyphFrame(229), 27);
  EXPECT_EQ(GlyphFrame(196), 28);
  EXPECT_EQ(GlyphFrame(246), 29);
  EXPECT_EQ(GlyphFrame('0'), 30);
  EXPECT_EQ(GlyphFrame('9'), 39);
  EXPECT_EQ(GlyphFrame('?'), 40);
  EXPECT_EQ(GlyphFrame(':'), 42);
  EXPECT_EQ(GlyphFrame('_'), 47);
  EXPECT_EQ(GlyphFrame('%'), 51);
  EXPECT_EQ(GlyphFrame('\''), 52);
  EXPECT_EQ(GlyphFrame('+'), 0);
  EXPECT_EQ(GlyphFrame('#'), 0);
  EXPECT_EQ(GlyphFrame(300), 0);
  EXPECT_EQ(glyphWidths[13], 54);
  EXPECT_EQ(glyphWidths[9], 12);
  EXPECT_EQ(glyphWidths[50], 11);
  EXPECT_EQ(glyphWidths[53], 0);
  EXPECT_EQ(bigFontWidths[13], 79);
  EXPECT_EQ(bigFontWidths[17], 52);
  EXPECT_EQ(bigFontWidths[29], 0);
  EXPECT_EQ(TextPropWidth(u"MAIN MENU"), 358);
  EXPECT_EQ(TextPropWidth(u"main menu"), 358);
  EXPECT_EQ(TextSmallWidth(u"AB"), 48);
  EXPECT_EQ(TextSmallWidth(u"I"), 6);
  EXPECT_EQ(TextProp2Width(u"AB"), 100);
}

TEST_F(InputText, ProportionalLayoutPositions) {
  FillGlyphTables();
  FillBigFontWidths();
  medFontImage = MarkFont(55, 42, 54);
  medFontSmallImage = MarkFont(55, 42, 54);
  bigFontImage = MarkFont(79, 56, 30);
  SetClearColour(0, 0, 0);
  ClearBackBuffer();

  // Centred: 640 - 358 / 2 = 461 for the first glyph, then the advances.
  DrawTextProp(639.5f, 100, u"MAIN MENU", 1);
  EXPECT_EQ(MarksOnRow(100), (std::vector<int32_t>{461, 515, 570, 582, 624, 646, 700, 735, 777}));
  // Lower case draws as upper case; left-aligned from x + 0.5.
  DrawTextProp(99.5f, 200, u"main", 0);
  EXPECT_EQ(MarksOnRow(200), (std::vector<int32_t>{100, 154, 209, 221}));
  // A character without a glyph is a space; any centred value but 1 is left-aligned.
  DrawTextProp(9.5f, 300, u"A+B", 2);
  EXPECT_EQ(MarksOnRow(300), (std::vector<int32_t>{10, 65, 87}));
  // Half size: "AB" is 48 wide, the first glyph 24 left of x + 0.5.
  DrawTextSmall(99.5f, 400, u"AB", 1);
  EXPECT_EQ(MarksOnRow(400), (std::vector<int32_t>{76, 103}));
  // Big font: advance is the width plus one.
  DrawTextProp2(199.5f, 500, u"AB", 1);
  EXPECT_EQ(MarksOnRow(500), (std::vector<int32_t>{150, 200}));
  DrawTextProp2(99.5f, 600, u"WIM", 0);
  EXPECT_EQ(MarksOnRow(600), (std::vector<int32_t>{100, 180, 200}));
  // Nothing for an empty text.
  DrawTextProp(500, 700, u"", 1);
  EXPECT_TRUE(MarksOnRow(700).empty());
}

TEST_F(InputText, FixedFontAdvancesTenAndLeavesTheColourWhite) {
  fixedFontImage = MarkFont(10, 10, 256);
  SetClearColour(0, 0, 0);
  ClearBackBuffer();
  SetDrawColour(10, 20, 30);
  DrawTextFixed(4.6f, 50.9f, 0, 255, 0, u"v1.15");
  EXPECT_EQ(MarksOnRow(50), (std::vector<int32_t>{15, 25, 35, 45, 55}));
  EXPECT_EQ(FramebufferPixel(15, 50), 0x00ff00u);
  int32_t r = 0, g = 0, b = 0;
  GetDrawColour(r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 255);
  EXPECT_EQ(b, 255);
  // The proportional routines leave the colour as it was.
  FillGlyphTables();
  medFontImage = MarkFont(55, 42, 54);
  SetDrawColour(1, 2, 3);
  DrawTextProp(0, 0, u"AB", 0);
  GetDrawColour(r, g, b);
  EXPECT_EQ(r, 1);
  EXPECT_EQ(b, 3);
}
