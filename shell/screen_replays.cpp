// Screen 17, the replay browser, and screen 18, the delete question.
#include "shell/screen_replays.hpp"

#include <algorithm>
#include <vector>

#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/replay_files.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "platform/sound.hpp"
#include "shell/match_step/match_step.hpp"
#include "shell/replay_info.hpp"
#include "shell/screens.hpp"
#include "shell/time_format.hpp"

int32_t replayAction = REPLAY_ACTION_NONE;
int32_t savedWheelPosition = 0;
Text loadedReplayDate;
Text loadedReplayTime;
int32_t loadedReplayFrames = 0;
int32_t loadedReplayMode = 0;
int32_t loadedReplayWinner = 0;
int32_t replayHoverX = -1000;
int32_t replayHoverY = -1000;
int32_t replayDeleteFailed = 0;

namespace {

constexpr int32_t VISIBLE_ROWS = 10;
constexpr int32_t ROW_PITCH = 42;
// menuGlow rows of ACCEPT and CANCEL on screen 17.
constexpr int32_t GLOW_ACCEPT = 1;
constexpr int32_t GLOW_CANCEL = 2;

const HoverBox scrollUpBox = {68, 383, 110, 425, false};
const HoverBox scrollDownBox = {68, 758, 110, 800, false};
const HoverBox deleteBox = {68, 570, 110, 612, false};
const HoverBox acceptBox = {706, 841, 978, 883, false};
const HoverBox cancelBox = {307, 841, 573, 883, false};
const HoverBox yesBox = {555, 571, 605, 613, false};
const HoverBox noBox = {675, 571, 725, 613, false};

HoverBox RowBox(int32_t row) {
  const int32_t top = 380 + ROW_PITCH * (row - 1);
  return {128, top, 576, top + 43, false};
}

int32_t ListedCount() { return std::clamp(TextToInt(replayNames[0]), 0, maxListedReplays); }

bool ReplaySelected() { return selectedReplay >= 1 && selectedReplay <= ListedCount(); }

Text SelectedPath(const Text& fileName) { return JoinText(replayFolder, u"\\", fileName); }

Text InfoPathOfSelected() { return SelectedPath(JoinText(replayNames[selectedReplay], u".inr")); }

void ForgetLoadedInfo() {
  loadedInfoMagic = 0;
  for (int32_t i = 1; i <= 5; ++i) loadedReplayInfo[i].clear();
  loadedReplayDate.clear();
  loadedReplayTime.clear();
  loadedReplayFrames = loadedReplayMode = loadedReplayWinner = 0;
}

void RowStep(int32_t row, int32_t count) {
  if (!PointerInBox(RowBox(row))) {
    if (replayRowGlow[row] > 0) replayRowGlow[row] -= 1;
    return;
  }
  // A hovered row past the list keeps its glow.
  if (row + replayScroll > count) return;
  if (replayRowGlow[row] < 10) replayRowGlow[row] += 1;
  if (MousePressed(1) == 1) {
    PlaySoundOnChannel(tickSound, 0);
    loadedInfoMagic = 0;
    replayAction = REPLAY_ACTION_READ_INFO;
    selectedReplay = row + replayScroll;
    replayDeleteFailed = 0;
  }
}

void Hover(int32_t x, int32_t y) {
  replayHoverX = x;
  replayHoverY = y;
}

// Each step of the list is tested again, so no combination of clicks, keys
// and wheel in one frame moves it past either end.
void ScrollStep(int32_t count) {
  if (replayScroll >= 1 && PointerInBox(scrollUpBox)) {
    Hover(89, 404);
    if (MousePressed(1) == 1) {
      replayScroll -= 1;
      PlaySoundOnChannel(tickSound, 0);
    }
    if (IsMouseButtonHeld(2) && replayScroll >= 1) replayScroll -= 1;
  }
  if (KeyPressed(KEY_UP) == 1 && replayScroll >= 1) replayScroll -= 1;
  if (WheelPosition() > savedWheelPosition && replayScroll >= 1) {
    savedWheelPosition = WheelPosition();
    replayScroll -= 1;
  }
  if (replayScroll + VISIBLE_ROWS < count && PointerInBox(scrollDownBox)) {
    Hover(89, 779);
    if (MousePressed(1) == 1) {
      replayScroll += 1;
      PlaySoundOnChannel(tickSound, 0);
    }
    if (IsMouseButtonHeld(2) && replayScroll + VISIBLE_ROWS < count) replayScroll += 1;
  }
  if (KeyPressed(KEY_DOWN) == 1 && replayScroll + VISIBLE_ROWS < count) replayScroll += 1;
  if (WheelPosition() < savedWheelPosition && replayScroll + VISIBLE_ROWS < count) {
    savedWheelPosition = WheelPosition();
    replayScroll += 1;
  }
  savedWheelPosition = WheelPosition();
}

void AcceptStep() {
  if (!ButtonStep(GLOW_ACCEPT, acceptBox)) return;
  // With nothing selected ACCEPT clicks, sounds the alarm and does nothing.
  if (!ReplaySelected()) {
    PlaySoundOnChannel(alarmSound, 0);
    return;
  }
  replayAction = REPLAY_ACTION_PLAY;
  if (loadedInfoMagic == replayInfoMagic) {
    matchDateTime[1] = loadedReplayDate;
    matchDateTime[2] = loadedReplayTime;
    gameMode = loadedReplayMode;
  } else {
    // Without its information nothing of another replay may show: no date,
    // and the banner of a melee, which names the winning team plainly.
    matchDateTime[1].clear();
    matchDateTime[2].clear();
    gameMode = MODE_MELEE;
  }
}

void DrawPlayerLine(int32_t slot, float y) {
  const int32_t* setup = replayData[REPLAY_SETUP_FRAME][slot];
  const Text head = JoinText(u"PLAYER ", IntToText(slot), u"........");
  const int32_t control = setup[REPLAY_CONTROL];
  if (control < CONTROL_HUMAN || control > CONTROL_COMPUTER) {
    DrawTextFixed(616, y, 75, 75, 75, JoinText(head, u"DISABLED"));
    return;
  }
  const int32_t team = std::clamp(setup[REPLAY_TEAM], 1, 4);
  const int32_t kind = std::clamp(setup[REPLAY_FLEET_KIND], FLEET_CUSTOM, FLEET_RANDOM);
  const Text line =
      JoinText(head, kindNames[1][control], u" / ", JoinText(u"TEAM ", teamNames[team]), u" / ",
               kindNames[2][kind], u" / ", IntToText(setup[REPLAY_START_MONEY]));
  DrawTextFixed(616, y, slotColour[slot][1], slotColour[slot][2], slotColour[slot][3], line);
}

void DrawInfoPanel() {
  SetDrawColour(0, 255, 255);
  DrawTextSmall(900, 393, replayNames[selectedReplay], 1);
  SetDrawColour(255, 255, 255);
  const int32_t r = 255, g = 200, b = 100;
  DrawTextFixed(616, 440, r, g, b, JoinText(u"DATE............", loadedReplayDate));
  DrawTextFixed(616, 460, r, g, b, JoinText(u"TIME............", loadedReplayTime));
  DrawTextFixed(
      616, 480, r, g, b,
      JoinText(u"LENGTH..........00:", FormatFrames(loadedReplayFrames, MATCH_LENGTH_ROUNDING)));
  const int32_t mode = std::clamp(loadedReplayMode, MODE_CHALLENGE, MODE_MELEE);
  DrawTextFixed(616, 500, r, g, b, JoinText(u"MODE............", kindNames[3][mode]));
  const int32_t winner = std::clamp(loadedReplayWinner, 1, WINNER_DRAW);
  DrawTextFixed(616, 520, r, g, b,
                winner < WINNER_DRAW ? JoinText(u"WINNER..........TEAM ", teamNames[winner])
                                     : Text(u"WINNER..........THE GAME WAS A DRAW"));
  for (int32_t slot = 1; slot <= 4; ++slot)
    DrawPlayerLine(slot, static_cast<float>(540 + 20 * slot));
  for (int32_t i = 1; i <= 5; ++i)
    DrawTextFixed(616, static_cast<float>(660 + 20 * i), r, g, b, loadedReplayInfo[i]);
}

void DrawMessage(const Text& text) {
  SetDrawColour(255, 0, 0);
  DrawTextSmall(900, 393, text, 1);
  SetDrawColour(255, 255, 255);
}

}  // namespace

void ReadReplayInfo() {
  replayAction = REPLAY_ACTION_NONE;
  ForgetLoadedInfo();
  if (!ReplaySelected()) return;
  std::vector<uint8_t> bytes;
  TReplayInfoFile info;
  if (!ReadFileBounded(InfoPathOfSelected(), maxReplayInfoSize, bytes)) return;
  if (!DecodeReplayInfo(bytes.data(), bytes.size(), info)) return;
  loadedInfoMagic = replayInfoMagic;
  for (int32_t i = 1; i <= 5; ++i) loadedReplayInfo[i] = info.descriptionLines[i];
  loadedReplayDate = info.startDate;
  loadedReplayTime = info.startTime;
  loadedReplayFrames = info.lastFrame;
  loadedReplayMode = info.gameMode;
  loadedReplayWinner = info.matchWinner;
  for (int32_t slot = 1; slot <= 4; ++slot)
    for (int32_t column = REPLAY_CONTROL; column <= REPLAY_START_MONEY; ++column)
      replayData[REPLAY_SETUP_FRAME][slot][column] = info.slotSetup[slot][column];
}

void StartPlayback() {
  replayAction = REPLAY_ACTION_NONE;
  if (!ReplaySelected()) return;
  const Text path = SelectedPath(replayFileNames[selectedReplay]);
  if (replayStream) {
    CloseDataStream(replayStream);
    replayStream.reset();
  }
  bool ready = DecompressReplay(path, playbackTempPath) && ReplayDataFileValid(playbackTempPath);
  if (ready) {
    replayStream = OpenFileForRead(playbackTempPath);
    uint8_t magic[4] = {};
    ready = replayStream && ReadStreamBytes(*replayStream, magic, 4) == 4 &&
            Int32At(magic) == replayDataMagic;
  }
  if (!ready) {
    if (replayStream) CloseDataStream(replayStream);
    replayStream.reset();
    RemoveFile(playbackTempPath);
    PlaySoundOnChannel(alarmSound, 0);
    return;
  }
  // The stream stays open for the match start.
  playbackMode = 1;
  shopPlayer = 4;
  RequestFadingScreen(SCREEN_NEXT_SHOPPER, true);
}

void DeleteReplayFiles() {
  if (ReplaySelected()) {
    const Text replayPath = SelectedPath(replayFileNames[selectedReplay]);
    RemoveFile(InfoPathOfSelected());
    RemoveFile(replayPath);
    replayDeleteFailed = PathKind(replayPath) != PATH_NONE ? 1 : 0;
  }
  selectedReplay = 0;
  replayScroll = 0;
  loadedInfoMagic = 0;
  RequestScreen(SCREEN_REPLAYS);
}

void ReplaysEnter() {
  replayAction = REPLAY_ACTION_NONE;
  ListReplayFiles();
  savedWheelPosition = WheelPosition();
  // The list may have shrunk since the selection was made.
  const int32_t count = ListedCount();
  if (selectedReplay > count) {
    selectedReplay = 0;
    loadedInfoMagic = 0;
  }
  replayScroll = std::clamp(replayScroll, 0, std::max(0, count - VISIBLE_ROWS));
}

void ReplaysBlock() {
  const int32_t count = ListedCount();
  for (int32_t row = 1; row <= VISIBLE_ROWS; ++row) RowStep(row, count);
  Hover(-1000, -1000);
  ScrollStep(count);
  if (ReplaySelected()) {
    if (PointerInBox(deleteBox)) {
      Hover(89, 591);
      if (MousePressed(1) == 1) {
        PlaySoundOnChannel(tickSound, 0);
        RequestScreen(SCREEN_CONFIRM_DELETE_REPLAY);
      }
    }
    if (KeyPressed(KEY_DELETE) == 1) RequestScreen(SCREEN_CONFIRM_DELETE_REPLAY);
  }
  if (replayAction == REPLAY_ACTION_READ_INFO) ReadReplayInfo();
  AcceptStep();
  if (replayAction == REPLAY_ACTION_PLAY) StartPlayback();
  if (ButtonStep(GLOW_CANCEL, cancelBox) || KeyPressed(KEY_ESCAPE) == 1) {
    replayDeleteFailed = 0;
    // A playback started in this same frame is given up, leaving nothing.
    if (replayStream) {
      CloseDataStream(replayStream);
      replayStream.reset();
      RemoveFile(playbackTempPath);
      playbackMode = 0;
      shopPlayer = 0;
    }
    RequestScreen(SCREEN_MAIN_MENU);
  }
  AdvancePulse();
  ReplaysDraw();
}

void ReplaysDraw() {
  static const Text title = u"REPLAYS";
  DrawMenuPage(teamsBorderImage, 580, title);
  const int32_t count = ListedCount();
  for (int32_t row = 1; row <= VISIBLE_ROWS; ++row) {
    const int32_t index = row + replayScroll;
    const float top = static_cast<float>(383 + ROW_PITCH * (row - 1));
    SetDrawColour(255, 150, 0);
    DrawImageFrame(replayPlateImage, 128, top, 0);
    if (index == selectedReplay)
      SetDrawColour(0, 255, 255);
    else
      SetDrawColour(0, 100 + TruncateToInt(replayRowGlow[row] * 15.5), 0);
    if (index <= count) DrawTextSmall(136, top + 8, replayNames[index], 0);
  }
  SetDrawColour(255, 255, 255);
  if (replayScroll >= 1) DrawImageFrame(arrowImages[3], 89, 404, 0);
  if (replayScroll + VISIBLE_ROWS < count) DrawImageFrame(arrowImages[4], 89, 779, 0);
  if (selectedReplay != 0) DrawImageFrame(trashImage, 89, 591, 0);
  DrawImageFrame(tickBorderImage, static_cast<float>(replayHoverX),
                 static_cast<float>(replayHoverY), 0);

  SetDrawScale(17.75, 13);
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.66);
  DrawImageFrame(blackImage, 616, 383, 0);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
  SetDrawScale(1, 1);
  SetDrawColour(255, 150, 0);
  DrawImageFrame(textBorder1Image, 613, 383, 0);
  SetDrawColour(255, 255, 255);

  if (ReplaySelected()) {
    static const Text unreadable = u"UNABLE TO LOAD INFO FILE!";
    if (loadedInfoMagic == replayInfoMagic)
      DrawInfoPanel();
    else
      DrawMessage(unreadable);
  } else if (replayDeleteFailed == 1) {
    static const Text notDeleted = u"UNABLE TO DELETE REPLAY!";
    DrawMessage(notDeleted);
  }
  static const Text accept = u"ACCEPT";
  static const Text cancel = u"CANCEL";
  SetGlowColour(GLOW_ACCEPT);
  DrawTextProp(842, 841, accept, 1);
  SetGlowColour(GLOW_CANCEL);
  DrawTextProp(440, 841, cancel, 1);
  SetDrawColour(255, 255, 255);
  DrawCheatModeText();
}

void ConfirmDeleteReplayEnter() {}

void ConfirmDeleteReplayBlock() {
  if (ButtonStep(GLOW_YES, yesBox)) DeleteReplayFiles();
  if (KeyPressed(KEY_Y) == 1) DeleteReplayFiles();
  if (ButtonStep(GLOW_NO, noBox)) RequestScreen(SCREEN_REPLAYS);
  if (KeyPressed(KEY_ESCAPE) == 1 || KeyPressed(KEY_N) == 1) RequestScreen(SCREEN_REPLAYS);
  AdvancePulse();
  ConfirmDeleteReplayDraw();
}

void ConfirmDeleteReplayDraw() {
  DrawTitleBackdrop();
  static const Text question = u"DELETE REPLAY?";
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, 411, question, 1);
  if (ReplaySelected()) {
    SetDrawColour(0, 255, 255);
    DrawTextProp(640, 491, replayNames[selectedReplay], 1);
  }
  DrawYesNoLetters(571);
}

void ResetReplayBrowser() {
  replayAction = REPLAY_ACTION_NONE;
  savedWheelPosition = 0;
  loadedReplayDate.clear();
  loadedReplayTime.clear();
  loadedReplayFrames = loadedReplayMode = loadedReplayWinner = 0;
  replayHoverX = replayHoverY = -1000;
  replayDeleteFailed = 0;
  for (Text& name : replayFileNames) name.clear();
}
