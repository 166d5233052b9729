// What the screens share: buttons, switches, music and the menu backdrop.
#include <algorithm>

#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "platform/sound.hpp"
#include "shell/frame_internal.hpp"
#include "shell/screens.hpp"

namespace {
// The fade phase at the frame head, and whether a fading switch was asked for
// in this frame: a later plain request then takes the fade back.
int32_t fadePhaseAtHead = FADE_NONE;
bool fadeRequestedThisFrame = false;
}  // namespace

bool PointerInBox(const HoverBox& box) {
  const int32_t x = PointerX();
  const int32_t y = PointerY();
  if (box.inclusive) {
    return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
  }
  return box.left < x && x < box.right && box.top < y && y < box.bottom;
}

bool ButtonStep(int32_t row, const HoverBox& box, bool playTick) {
  if (PointerInBox(box)) {
    if (menuGlow[row][0] < 10) menuGlow[row][0] += 1;
    if (MousePressed(1) == 1) {
      if (playTick) PlaySoundOnChannel(tickSound, 0);
      return true;
    }
  } else if (menuGlow[row][0] > 0) {
    menuGlow[row][0] -= 1;
  }
  return false;
}

int32_t GlowGreen(int32_t row) { return 100 + TruncateToInt(menuGlow[row][0] * 15.5); }

void SetGlowColour(int32_t row) { SetDrawColour(0, GlowGreen(row), 0); }

void BeginFrameRequests() {
  fadePhaseAtHead = fadePhase;
  fadeRequestedThisFrame = false;
}

// When two requests meet in one frame the last one wins, and it also decides
// the fade: a plain switch after a fading one takes the fade-out (and its
// music fade) back, so the music is never left silenced for a screen that
// keeps the same track.
void RequestScreen(int32_t screen) {
  pendingScreen = screen;
  if (fadeRequestedThisFrame) {
    fadePhase = fadePhaseAtHead;
    musicFadeVolume = 0;
    fadeRequestedThisFrame = false;
  }
}

void RequestFadingScreen(int32_t screen, bool fadeMusic) {
  pendingScreen = screen;
  fadePhase = FADE_OUT;
  musicFadeVolume = fadeMusic ? 255 : 0;
  fadeRequestedThisFrame = true;
}

Text MusicFile(int32_t track) {
  switch (track) {
    case TRACK_MENU:
      return u"data\\music\\menu.ogg";
    case TRACK_SHIPSHOP:
      return u"data\\music\\shipshop.ogg";
    case TRACK_INGAME:
      return u"data\\music\\ingame.ogg";
    default:
      return u"";
  }
}

void StopMusicStream() {
  if (musicStream != 0) {
    FSOUND_Stream_Stop(musicStream);
    FSOUND_Stream_Close(musicStream);
    musicStream = 0;
  }
}

void ScreenMusic(int32_t track, bool fullVolumeOnChange) {
  if (musicTrack == track) return;
  StopMusicStream();
  if (optionTable[OPTIONS_GENERAL][OPTION_MUSIC] == OPTION_ON) {
    musicStream = FSOUND_Stream_Open(MusicFile(track), FSOUND_LOOP_NORMAL, 0, 0);
    FSOUND_Stream_Play(1, musicStream);
  }
  if (fullVolumeOnChange) FSOUND_SetVolume(1, 255);
  musicTrack = track;
}

void DrawTitleBackdrop() {
  TileViewportWithImage(titleBackImage, 0, 0, 0);
  const int32_t frame = TruncateToInt(pulseTimer / 4.0f);
  DrawImageFrame(titleTextImage, 640, 80, frame);
  DrawImageFrame(partTwoImage, 640, 140, frame);
}

void DrawMenuBorder(int32_t image, float x, float y) {
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.66);
  DrawImageFrame(image, x, y, 0);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
}

void DrawMenuPage(int32_t borderImage, float borderY, const Text& title, float titleY) {
  DrawTitleBackdrop();
  DrawMenuBorder(borderImage, 640, borderY);
  DrawTextProp2(640, titleY, title, 1);
}

void DrawFailureNotice(float y, const Text& headline, const Text& advice) {
  SetDrawColour(255, 0, 0);
  DrawTextSmall(640, y, headline, 1);
  SetDrawColour(255, 255, 255);
  const int32_t n = static_cast<int32_t>(advice.size());
  DrawTextFixed(static_cast<float>(640 - (10 * n / 2 + 10)), y + 29, 255, 0, 0, advice);
}

void DrawCheatModeText() {
  if (cheatModeActive != 1) return;
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(1.0f - pulseTimer / 100.0f * 3.0f);
  static const Text cheatText = u"CHEAT MODE ACTIVE";
  DrawTextFixed(0, 0, 255, 200, 100, cheatText);
  SetBlendMode(BLEND_MASK);
  SetDrawAlpha(1);
  SetDrawColour(255, 255, 255);
}

void DrawYesNoLetters(float y) {
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, y, u"/", 1);
  SetGlowColour(GLOW_YES);
  DrawTextProp(580, y, u"Y", 1);
  SetGlowColour(GLOW_NO);
  DrawTextProp(700, y, u"N", 1);
  SetDrawColour(255, 255, 255);
}

void AdvancePulse() {
  pulseTimer += 1.0f;
  if (pulseTimer == 20.0f) pulseTimer = 0.0f;
}

bool NoTakingPartCustomFleet() {
  for (int32_t slot = 1; slot <= 4; ++slot) {
    if (slotTable[slot][SLOT_CONTROL] != CONTROL_DISABLED &&
        slotTable[slot][SLOT_FLEET_KIND] == FLEET_CUSTOM) {
      return false;
    }
  }
  return true;
}

void ResetScreenCommon() {
  fadePhaseAtHead = FADE_NONE;
  fadeRequestedThisFrame = false;
}
