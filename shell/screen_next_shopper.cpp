// Screen 4: the next slot to shop, and the match start.
#include "match/bitmap_text.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/sound.hpp"
#include "shell/match_step/match_step.hpp"
#include "shell/screens.hpp"

constexpr int32_t ANNOUNCE_FRAMES = 75;

void NextShopperEnter() {}

static void DrawAnnouncement() {
  TileViewportWithImage(shipShopImage, 0, 0, 0);
  SetDrawColour(slotColour[shopPlayer][1], slotColour[shopPlayer][2], slotColour[shopPlayer][3]);
  DrawTextProp(640, 491, JoinText(u"PLAYER ", IntToText(shopPlayer)), 1);
  SetDrawColour(255, 255, 255);
}

void NextShopperBlock() {
  bool customFleet = false;
  for (int32_t slot = 1; slot <= 4; ++slot)
    if (slotTable[slot][SLOT_CONTROL] != CONTROL_DISABLED &&
        slotTable[slot][SLOT_FLEET_KIND] == FLEET_CUSTOM)
      customFleet = true;
  if (customFleet && playbackMode == 0) ScreenMusic(TRACK_SHIPSHOP, false);

  ResetShipCarousel();

  if (shopperChosen == 0) {
    shopperChosen = 1;
    shopPlayer += 1;
    // The next slot in order that takes part with a custom fleet.
    for (int32_t i = 0; i < 4; ++i) {
      if (shopPlayer >= 5) break;
      if (shopPlayer < 1 || slotTable[shopPlayer][SLOT_CONTROL] == CONTROL_DISABLED ||
          slotTable[shopPlayer][SLOT_FLEET_KIND] == FLEET_RANDOM)
        shopPlayer += 1;
    }
  }
  if (shopPlayer >= 5 && !StartMatch()) {
    // The disk failed the replay between the browser and here.
    playbackMode = 0;
    PlaySoundOnChannel(alarmSound, 0);
    RequestScreen(SCREEN_REPLAYS);
  }
  if (shopPlayer >= 1 && shopPlayer <= 4) {
    DrawAnnouncement();
    announceTimer += 1;
    if (announceTimer == ANNOUNCE_FRAMES) {
      RequestScreen(SCREEN_SHIP_SHOP);
      announceTimer = 0;
      shopperChosen = 0;
    }
  }
}

void NextShopperDraw() {
  if (shopPlayer >= 1 && shopPlayer <= 4) DrawAnnouncement();
}
