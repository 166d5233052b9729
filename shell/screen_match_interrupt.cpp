// Screens 12, 13 and 14: the match interrupt, the abort question and the
// result banner. Screens 13 and 14 keep the match on screen, frozen: they
// draw it again each frame from the unchanged objects and darken it.
#include "shell/screen_match_interrupt.hpp"

#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/timing.hpp"
#include "shell/match_step/match_step.hpp"
#include "shell/screens.hpp"

int32_t abortConfirmed = 0;
int32_t dimLevel = 0;
int32_t resultTimer = 0;
Text resultText;

namespace {

// The two answers.
const HoverBox yesBox = {555, 531, 605, 573, false};
const HoverBox noBox = {675, 531, 725, 573, false};

constexpr int32_t RESULT_FRAMES = 300;
constexpr int32_t DIM_LIMIT = 80;

void Darken() {
  if (dimLevel < DIM_LIMIT) dimLevel += 2;
}

void DrawQuestion() {
  DrawFrozenMatch();
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, 451, playbackMode == 1 ? u"ABORT PLAYBACK?" : u"ABORT GAME?", 1);
  DrawYesNoLetters(531);
}

// Always a text of this match's winner: a challenge's own words for its two
// teams, otherwise the winning team named plainly (a replay whose information
// says challenge may still have been won by team 3 or 4).
void ChooseResultText() {
  if (matchWinner == WINNER_DRAW) {
    resultText = u"THE GAME ENDED IN A DRAW";
  } else if (gameMode == MODE_CHALLENGE && matchWinner == 1) {
    resultText = u"CHALLENGE WON";
  } else if (gameMode == MODE_CHALLENGE && matchWinner == 2) {
    resultText = u"CHALLENGE LOST";
  } else if (matchWinner >= 1 && matchWinner <= 4) {
    resultText = JoinText(u"TEAM ", teamNames[matchWinner], u" HAS WON");
  } else {
    resultText.clear();
  }
}

void DrawResult() {
  DrawFrozenMatch();
  ChooseResultText();
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, 491, resultText, 1);
  SetDrawColour(255, 255, 255);
}

}  // namespace

void DrawFrozenMatch() {
  MatchDraw();
  SetDrawScale(40, 32);
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(dimLevel / 100.0);
  DrawImageFrame(blackImage, 0, 0, 0);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
  SetDrawScale(1, 1);
}

void ResetMatchScreens() {
  abortConfirmed = dimLevel = resultTimer = 0;
  resultText.clear();
}

// Screen 12 spends one timer tick and hands over; it draws nothing and the
// loop neither presents nor clears, so the last match frame stays visible.
void MatchInterruptEnter() {}

void MatchInterruptBlock() {
  WaitForTicks(frameTimer);
  RequestScreen(matchOver == 1 ? SCREEN_MATCH_RESULT : SCREEN_CONFIRM_ABORT_MATCH);
}

void ConfirmAbortMatchEnter() { dimLevel = 0; }

void ConfirmAbortMatchBlock() {
  if (KeyPressed(KEY_Y) == 1) abortConfirmed = 1;
  if (KeyPressed(KEY_N) == 1 || KeyPressed(KEY_ESCAPE) == 1) RequestScreen(SCREEN_MATCH);
  if (ButtonStep(GLOW_YES, yesBox)) abortConfirmed = 1;
  if (ButtonStep(GLOW_NO, noBox)) RequestScreen(SCREEN_MATCH);
  Darken();
  DrawQuestion();
  if (abortConfirmed == 1) {
    // The music fades out with the picture.
    RequestFadingScreen(SCREEN_MAIN_MENU, true);
    abortConfirmed = 0;
  }
}

void ConfirmAbortMatchDraw() { DrawQuestion(); }

void MatchResultEnter() {
  resultTimer = 0;
  matchOver = 0;
  dimLevel = 0;
}

void MatchResultBlock() {
  resultTimer += 1;
  if (resultTimer >= RESULT_FRAMES) RequestFadingScreen(SCREEN_STATISTICS, false);
  Darken();
  DrawResult();
}

void MatchResultDraw() { DrawResult(); }
