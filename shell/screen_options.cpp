// Screen 9: the options. Page 0 switches music, team indicators and
// high-detail effects; pages 1 to 4 bind the six keys of each slot. Leaving
// for the main menu writes the options file.
#include "shell/screen_options.hpp"

#include <cstring>

#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/input.hpp"
#include "platform/sound.hpp"
#include "shell/frame_internal.hpp"
#include "shell/options_files.hpp"
#include "shell/screens.hpp"

int32_t optionsPage = 0;
int32_t awaitedBinding = 0;

namespace {

constexpr int32_t OPTIONS_DONE = 1;

// Where tickBorderImage is drawn over a hovered page arrow; far off screen
// when none is.
constexpr int32_t noHighlight = -1000;
int32_t highlightX = noHighlight;
int32_t highlightY = noHighlight;

// The boxes take 330 <= x < 371 and 384 <= y < 425 (arrows), 318 <= x < 967
// and 723 <= y < 764 (DONE), 321 <= x < 960 and 410 + 40 row < y < 451 + 40
// row (rows): as strict boxes, one less on the inclusive sides.
constexpr int32_t leftArrowX = 350;
constexpr int32_t rightArrowX = 930;
constexpr int32_t arrowY = 404;
const HoverBox leftArrowBox = {329, 383, 371, 425, false};
const HoverBox rightArrowBox = {909, 383, 951, 425, false};
const HoverBox doneBox = {317, 722, 967, 764, false};
HoverBox RowBox(int32_t row) { return {320, 410 + 40 * row, 960, 451 + 40 * row, false}; }
float RowY(int32_t row) { return static_cast<float>(423 + 40 * row); }

const Text generalLabels[4] = {u"", u"MUSIC PLAYBACK................................. ",
                               u"INGAME TEAM INDICATORS........... ",
                               u"HIGH DETAIL EFFECTS.......................... "};
// Rows 1 to 3 of page 0, as the columns of optionTable's general row.
constexpr int32_t generalOptions[4] = {0, OPTION_MUSIC, OPTION_TEAM_INDICATORS, OPTION_HIGH_DETAIL};
// Rows 1 to 6 of a player page are the columns INPUT_THRUST to INPUT_SNIPING.
const Text bindingLabels[7] = {u"",
                               u"THRUST...........................",
                               u"TURN LEFT....................",
                               u"TURN RIGHT.................",
                               u"FIRE PRIMARY...........",
                               u"FIRE SECONDARY...",
                               u"SNIPING MODE............"};

// The mouse buttons' key codes (left, right, middle and the two side
// buttons): never bound, like Escape.
bool Bindable(int32_t key) {
  return key != KEY_ESCAPE && key != 1 && key != 2 && key != 4 && key != 5 && key != 6;
}

void Tick() { PlaySoundOnChannel(tickSound, 0); }

// The options file could not be read, then or now: the defaults shown are
// written over it only when the player changes something.
bool optionsFileKept = false;
int32_t optionsShown[5][7] = {};

bool OptionsChanged() {
  for (int32_t row = 0; row <= 4; ++row)
    for (int32_t column = 0; column <= 6; ++column) {
      // The frame head's mark is set on every frame: no choice of the player.
      if (row == OPTIONS_GENERAL && column == OPTION_FRAME_MARK) continue;
      if (optionTable[row][column] != optionsShown[row][column]) return true;
    }
  return false;
}

void Paging() {
  if (awaitedBinding != 0) return;
  if (KeyPressed(KEY_LEFT) == 1 && optionsPage >= 1) optionsPage -= 1;
  if (KeyPressed(KEY_RIGHT) == 1 && optionsPage < 4) optionsPage += 1;
  if (optionsPage >= 1 && PointerInBox(leftArrowBox)) {
    highlightX = leftArrowX;
    highlightY = arrowY;
    if (MousePressed(1) == 1) {
      Tick();
      optionsPage -= 1;
    }
  }
  if (optionsPage < 4 && PointerInBox(rightArrowBox)) {
    highlightX = rightArrowX;
    highlightY = arrowY;
    if (MousePressed(1) == 1) {
      Tick();
      optionsPage += 1;
    }
  }
}

void GeneralRows() {
  for (int32_t row = 1; row <= 3; ++row) {
    if (!ButtonStep(row + 1, RowBox(row))) continue;
    int32_t& option = optionTable[OPTIONS_GENERAL][generalOptions[row]];
    option = option == OPTION_ON ? OPTION_OFF : OPTION_ON;
    // The stream stops at once; the music test of the next frame opens
    // the menu track again when music is now on.
    if (generalOptions[row] == OPTION_MUSIC) {
      StopMusicStream();
      musicTrack = TRACK_NONE;
    }
  }
}

void BindingRows() {
  for (int32_t row = INPUT_THRUST; row <= INPUT_SNIPING; ++row) {
    // While a key is awaited a hovered row keeps its glow and takes no click.
    if (awaitedBinding != 0 && PointerInBox(RowBox(row))) continue;
    if (ButtonStep(row + 1, RowBox(row))) awaitedBinding = row;
  }
}

// The lowest key down binds (a quick tap counts); also in the frame of the
// click that began the wait, so a key held while clicking binds at once.
void KeyWait() {
  if (awaitedBinding == 0) return;
  for (int32_t key = 1; key <= KEY_LAST_POLLED; ++key) {
    if (!Bindable(key) || KeyDown(key) != 1) continue;
    optionTable[optionsPage][awaitedBinding] = key;
    awaitedBinding = 0;
    return;
  }
}

const Text& ValueText(int32_t row) {
  static const Text on = u"ON";
  static const Text off = u"OFF";
  static const Text pressAKey = u"(PRESS A KEY)";
  if (optionsPage == OPTIONS_GENERAL) {
    return optionTable[OPTIONS_GENERAL][generalOptions[row]] == OPTION_ON ? on : off;
  }
  if (awaitedBinding == row) return pressAKey;
  const int32_t key = optionTable[optionsPage][row];
  static const Text none;
  return key >= 0 && key <= 300 ? keyNames[key] : none;
}

}  // namespace

void OptionsEnter() {
  optionsPage = OPTIONS_GENERAL;
  const int32_t music = optionTable[OPTIONS_GENERAL][OPTION_MUSIC];
  optionsFileKept = !ReadOptionsAgain();
  // The player's own options, read only now, may turn the music off.
  if (optionTable[OPTIONS_GENERAL][OPTION_MUSIC] != music) {
    StopMusicStream();
    musicTrack = TRACK_NONE;
  }
  std::memcpy(optionsShown, optionTable, sizeof optionsShown);
}

void OptionsBlock() {
  highlightX = highlightY = noHighlight;
  Paging();
  if (KeyPressed(KEY_ESCAPE) == 1) {
    if (awaitedBinding != 0) {
      awaitedBinding = 0;
    } else {
      RequestScreen(SCREEN_MAIN_MENU);
    }
  }
  // While a key is awaited a hovered DONE keeps its glow and takes no click.
  const bool doneHeld = awaitedBinding != 0 && PointerInBox(doneBox);
  if (!doneHeld && ButtonStep(OPTIONS_DONE, doneBox)) RequestScreen(SCREEN_MAIN_MENU);
  if (optionsPage == OPTIONS_GENERAL) {
    GeneralRows();
  } else {
    BindingRows();
  }
  KeyWait();
  if (pendingScreen == SCREEN_MAIN_MENU) {
    // Escape in the frame of a row's click leaves with that wait still
    // open; it must not carry over to the next visit's general page.
    awaitedBinding = 0;
    if (!optionsFileKept || OptionsChanged()) WriteOptionsFile();
  }
  AdvancePulse();
  OptionsDraw();
}

void OptionsDraw() {
  static const Text title = u"OPTIONS";
  DrawMenuPage(optionsBorderImage, 522, title);
  if (optionsPage == OPTIONS_GENERAL) {
    static const Text general = u"GENERAL";
    SetDrawColour(255, 200, 100);
    DrawTextProp(640, 383, general, 1);
  } else {
    static const Text playerTexts[5] = {u"", u"PLAYER 1", u"PLAYER 2", u"PLAYER 3", u"PLAYER 4"};
    const int32_t* colour = slotColour[optionsPage];
    SetDrawColour(colour[1], colour[2], colour[3]);
    DrawTextProp(640, 383, playerTexts[optionsPage], 1);
  }
  const int32_t rows = optionsPage == OPTIONS_GENERAL ? 3 : INPUT_SNIPING;
  const float valueX = optionsPage == OPTIONS_GENERAL ? 866.0f : 670.0f;
  for (int32_t row = 1; row <= rows; ++row) {
    if (optionsPage != OPTIONS_GENERAL && awaitedBinding == row) {
      SetDrawColour(0, 255, 255);
    } else {
      SetGlowColour(row + 1);
    }
    DrawTextSmall(364, RowY(row),
                  optionsPage == OPTIONS_GENERAL ? generalLabels[row] : bindingLabels[row], 0);
    DrawTextSmall(valueX, RowY(row), ValueText(row), 0);
  }
  SetDrawColour(255, 255, 255);
  if (optionsPage >= 1) DrawImageFrame(arrowImages[1], leftArrowX, arrowY, 0);
  if (optionsPage <= 3) DrawImageFrame(arrowImages[2], rightArrowX, arrowY, 0);
  DrawImageFrame(tickBorderImage, static_cast<float>(highlightX), static_cast<float>(highlightY),
                 0);
  static const Text done = u"DONE";
  SetGlowColour(OPTIONS_DONE);
  DrawTextProp(640, 722, done, 1);
  SetDrawColour(255, 255, 255);
  DrawCheatModeText();
  SetDrawColour(255, 255, 255);
}

void ResetOptionsScreen() {
  optionsPage = 0;
  awaitedBinding = 0;
  highlightX = highlightY = noHighlight;
  optionsFileKept = false;
}
