#include "shell/media_load.hpp"

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "match/spawn.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"
#include "platform/sound.hpp"

Text GfxUrl(const Text& file) { return JoinText(u"incbin::data\\gfx\\", file); }
Text SfxUrl(const Text& file) { return JoinText(u"incbin::data\\sfx\\", file); }

namespace {

constexpr bool CENTRED = true;

int32_t Centre(int32_t image, bool centred) {
  if (centred && image != 0) AnchorImageAtCentre(image);
  return image;
}

int32_t Image(const Text& file, int32_t flags = IMAGE_MASKED, bool centred = false) {
  return Centre(LoadImageFile(GfxUrl(file), flags), centred);
}

int32_t Strip(const Text& file, int32_t width, int32_t height, int32_t cells, int32_t flags,
              bool centred = false) {
  return Centre(LoadImageStrip(GfxUrl(file), width, height, 0, cells, flags), centred);
}

int32_t Sound(const Text& file) { return LoadSoundFile(SfxUrl(file), 0); }

Text Num(int32_t n) { return IntToText(n); }

void LoadSingleImages() {
  SetImageMaskColour(255, 0, 255);
  mouseImage = Strip(u"mouse.png", 29, 29, 8, IMAGE_MASKED);
  hudMiniShipsImage = Strip(u"minpics.png", 56, 56, shipCount, IMAGE_DEFAULT_FLAGS);
  miniBorderImage = Image(u"miniborderx.png");
  blackImage = Image(u"black.png");
  slicerImage = Image(u"slicer.png", IMAGE_MASKED, CENTRED);
  versionBarImage = Image(u"ver.png");
  tickImages[1] = Image(u"r_tickno.png", IMAGE_MASKED, CENTRED);
  tickImages[2] = Image(u"r_tickyes.png", IMAGE_MASKED, CENTRED);
  for (int32_t i = 1; i <= 4; ++i) {
    arrowImages[i] = Image(JoinText(u"r_arrow", Num(i), u".png"), IMAGE_MASKED, CENTRED);
  }
  trashImage = Image(u"r_trash.png", IMAGE_MASKED, CENTRED);
  tickBorderImage = Image(u"tickbord.png", IMAGE_MASKED, CENTRED);
  disabledIconImage = Image(u"r_disabled.png", IMAGE_MASKED, CENTRED);
  humanIconImage = Image(u"r_human.png", IMAGE_MASKED, CENTRED);
  aiIconImage = Image(u"r_ai.png", IMAGE_MASKED, CENTRED);
  teamIconImage = Image(u"r_team.png", IMAGE_MASKED, CENTRED);
  lampIconImage = Image(u"r_lamp.png", IMAGE_MASKED, CENTRED);
  randomIconImage = Image(u"r_random.png", IMAGE_MASKED, CENTRED);
  moneyIconImage = Image(u"r_money.png", IMAGE_MASKED, CENTRED);
  infoPlateImage = Image(u"infoplate.png");
  pricePlateImage = Image(u"priceplate.png");
  replayPlateImage = Image(u"RepPlate.png");
  textBorder1Image = Image(u"textborder1.png");
  textBorder2Image = Image(u"textborder2.png");
  textBorder3Image = Image(u"textborder3.png");
  secretImage = Image(u"secret.png", IMAGE_MASKED, CENTRED);
  titleBackImage = Image(u"titleback.png");
  shipShopImage = Image(u"shipshop.png");
  shopHeaderBorderImage = Image(u"ss_hbord.png");
  shipBorderImage = Image(u"ss_shipbord.png");
  shipBorder2Image = Image(u"ss_shipbord2.png");
  shipBorder3Image = Image(u"ss_shipbord3.png", IMAGE_MASKED, CENTRED);
  for (int32_t n = 1; n <= shipCount; ++n) {
    shipBigImages[n] = Image(JoinText(u"ship", Num(n), u"-b.png"), IMAGE_MASKED, CENTRED);
  }
  arrowImage = Image(u"arrow.png", IMAGE_MASKED, CENTRED);
  bigPlateImage = Image(u"ss_bigplate.png");
  smallPlateImage = Image(u"ss_smallplate.png");
  mainMenuBorderImage = Image(u"bord_mainmenu.png", IMAGE_MASKED, CENTRED);
  gameModeBorderImage = Image(u"bord_gamemode.png", IMAGE_MASKED, CENTRED);
  teamsBorderImage = Image(u"bord_teams.png", IMAGE_MASKED, CENTRED);
  challengeBorderImage = Image(u"bord_chal.png", IMAGE_MASKED, CENTRED);
  optionsBorderImage = Image(u"bord_opt.png", IMAGE_MASKED, CENTRED);
  statisticsBorderImage = Image(u"bord_stat2.png", IMAGE_MASKED, CENTRED);
  lightSmallImage = Image(u"light_small.png");
  caretImage = Image(u"caret.png");

  SetImageMaskColour(0, 255, 0);
  titleTextImage = Strip(u"titletext.png", 975, 150, 5, IMAGE_MASKED, CENTRED);
  partTwoImage = Strip(u"parttwo.png", 130, 150, 5, IMAGE_MASKED, CENTRED);
}

// Every name is tried; the ones that load are centred, and for the first
// three variants counted.
void LoadShipImages() {
  SetImageMaskColour(255, 0, 255);
  static const char16_t* const variantNames[4] = {u"_", u"a_", u"b_", u"s_"};
  for (int32_t n = 1; n <= shipCount; ++n) {
    for (int32_t variant = 1; variant <= 3; ++variant) {
      int32_t found = 0;
      for (int32_t k = 1; k <= 20; ++k) {
        const Text file = JoinText(u"ship", Num(n), variantNames[variant - 1], Num(k), u".png");
        const int32_t image = Image(file, IMAGE_DEFAULT_FLAGS, CENTRED);
        shipImages[n][variant][k] = image;
        if (image != 0) ++found;
      }
      shipImages[n][variant][0] = found;
    }
    for (int32_t k = 1; k <= 50; ++k) {
      const Text file = JoinText(u"ship", Num(n), u"s_", Num(k), u".png");
      shipImages[n][SHIP_IMAGE_SPECIAL][k] = Image(file, IMAGE_DEFAULT_FLAGS, CENTRED);
    }
  }
}

void LoadEffectImages() {
  for (int32_t i = 1; i <= explosionTypeCount; ++i) {
    explosionImages[i] = Strip(JoinText(u"exp", Num(i), u".png"),
                               TruncateToInt(explosionTypeTable[i][EXPLOSION_CELL_WIDTH]),
                               TruncateToInt(explosionTypeTable[i][EXPLOSION_CELL_HEIGHT]),
                               TruncateToInt(explosionTypeTable[i][EXPLOSION_FRAME_COUNT]),
                               IMAGE_DEFAULT_FLAGS, CENTRED);
  }
  flashImage = Image(u"Flashes\\mainx.png", IMAGE_MASKED, CENTRED);
  for (int32_t i = 1; i <= 5; ++i) {
    const int32_t size = i <= 3 ? 16 : 8;
    sparkImages[i] = Strip(JoinText(u"spark", Num(i), u".png"), size, size, 5, IMAGE_DEFAULT_FLAGS);
    CentreImageAnchor(sparkImages[i]);
  }
  SetImageAnchor(shipImages[SHIP_KALGON][SHIP_IMAGE_BODY][2], 15.5, 20.0);
  starImage1 = Image(u"star1.png", IMAGE_MASKED, CENTRED);
  starImage2 = Image(u"star2.png", IMAGE_MASKED, CENTRED);
  warpImage = Strip(u"warp.png", 110, 110, 35, IMAGE_DEFAULT_FLAGS, CENTRED);
  emissionImage = Image(u"emission.png", IMAGE_MASKED, CENTRED);
  targetImages[1] = Image(u"targ1.png", IMAGE_DEFAULT_FLAGS, CENTRED);
  targetImages[2] = Image(u"targ2.png", IMAGE_DEFAULT_FLAGS, CENTRED);

  SetImageMaskColour(0, 0, 0);
  hudArmourImage = Strip(u"Gauge_armor.png", 14, 302, 101, IMAGE_MASKED);
  hudEnergyImage = Strip(u"Gauge_batt.png", 14, 302, 101, IMAGE_MASKED);
  hudSlotsImage = Strip(u"gauge_slots.png", 14, 302, 50, IMAGE_DEFAULT_FLAGS);

  SetImageMaskColour(255, 0, 255);
  hudReloadImage = Image(u"reload.png");
  hudReloadBackImage = Image(u"relbg.png", IMAGE_MASKED, CENTRED);
  statBorderImage = Image(u"statborderx.png");
}

void LoadSounds() {
  for (int32_t n = 1; n <= shipCount; ++n) {
    weaponSounds[n][1][1] = Sound(JoinText(u"ship", Num(n), u"a.wav"));
    weaponSounds[n][1][2] = Sound(JoinText(u"ship", Num(n), u"b.wav"));
    for (int32_t k = 1; k <= 5; ++k) {
      weaponSounds[n][2][k] = Sound(JoinText(u"ship", Num(n), u"s_", Num(k), u".wav"));
    }
  }
  for (int32_t i = 1; i <= 50; ++i) explosionSounds[i] = Sound(JoinText(u"exp", Num(i), u".wav"));
  warpInSound = Sound(u"warpin.wav");
  slideSound = Sound(u"slide.wav");
  victorySound = Sound(u"victory.wav");
  rewardSound = Sound(u"reward.wav");
  slideChannel = NewSoundChannel();
  shipLoopChannel = NewSoundChannel();
  shotLoopChannel = NewSoundChannel();
  alarmSound = Sound(u"alarm.wav");
  deleteSound = Sound(u"delete.wav");
  snapSound = Sound(u"snap.wav");
  cheatSound = Sound(u"cheat.wav");
}

}  // namespace

void LoadFontImages() {
  SetImageMaskColour(255, 255, 255);
  fixedFontImage = Strip(u"font.png", 10, 10, 256, IMAGE_MASKED);
  SetImageMaskColour(255, 0, 255);
  medFontSmallImage = Strip(u"medfont.png", 55, 42, 54, IMAGE_MASKED | IMAGE_FILTERED);
  medFontImage = Strip(u"medfont.png", 55, 42, 54, IMAGE_MASKED);
  bigFontImage = Strip(u"bigfont.png", 79, 56, 30, IMAGE_MASKED);
}

void LoadStartupWindowMedia() {
  SetImageMaskColour(255, 0, 255);
  startTitleImage = Image(u"StartTitle.png");
  CentreImageAnchor(startTitleImage);
  startBackImage = Image(u"StartBack.png");
  startBorderImage = Image(u"StartBorder.png");
  tickerImage = Strip(u"Ticker.png", 17, 17, 2, IMAGE_MASKED);
  tickSound = Sound(u"tick.wav");
}

void ReleaseStartupWindowMedia() {
  for (int32_t* image : {&startTitleImage, &startBackImage, &startBorderImage, &tickerImage}) {
    ReleaseImage(*image);
    *image = 0;
  }
}

void LoadGameMedia() {
  LoadSingleImages();
  LoadShipImages();
  LoadEffectImages();
  LoadSounds();
  CreateObjectLists();
}
