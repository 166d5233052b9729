#include <gtest/gtest.h>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "media/embedded_media.hpp"
#include "media/media_sizes.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "shell/media_load.hpp"
#include "shell/screens.hpp"

namespace {
class ShellMedia : public ::testing::Test {
 protected:
  void SetUp() override {
    UseHeadlessBackend(true);
    ResetPlatformDisplay();
    ResetShell();
    InitShipCatalogue();
    InitExplosionTypes();
    RegisterEmbeddedMedia();
    ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
    LoadFontImages();
    LoadGameMedia();
  }
  void TearDown() override {
    ResetPlatformDisplay();
    ResetShell();
  }
};
}  // namespace

TEST_F(ShellMedia, ShipImagesAreCountedNotNumbered) {
  EXPECT_EQ(shipImages[SHIP_KABATA][3][0], 1);
  EXPECT_EQ(shipImages[SHIP_KABATA][3][1], 0);
  EXPECT_NE(shipImages[SHIP_KABATA][3][2], 0);
  for (int32_t n = 1; n <= shipCount; ++n) {
    const auto& expected = qw2media::kShipPictures[n];
    EXPECT_EQ(shipImages[n][1][0], expected.bodyFrames) << n;
    EXPECT_EQ(shipImages[n][2][0], expected.primaryCount) << n;
    EXPECT_EQ(shipImages[n][3][0], expected.secondaryCount) << n;
    int32_t special = 0;
    for (int32_t k = 1; k <= 50; ++k) special += shipImages[n][4][k] != 0 ? 1 : 0;
    EXPECT_EQ(special, expected.specialCount) << n;
    EXPECT_NE(shipBigImages[n], 0) << n;
    EXPECT_EQ(weaponSounds[n][1][1] != 0, expected.primarySound) << n;
    EXPECT_EQ(weaponSounds[n][1][2] != 0, expected.secondarySound) << n;
    int32_t extra = 0;
    for (int32_t k = 1; k <= 5; ++k) extra += weaponSounds[n][2][k] != 0 ? 1 : 0;
    EXPECT_EQ(extra, expected.extraSounds) << n;
  }
  EXPECT_EQ(weaponSounds[SHIP_URBATRON][1][2], 0);
  EXPECT_EQ(weaponSounds[SHIP_IWOR][1][1], 0);
  EXPECT_EQ(weaponSounds[SHIP_IWOR][1][2], 0);
  EXPECT_EQ(weaponSounds[SHIP_XIAPAS][1][1], 0);
}

TEST_F(ShellMedia, AnchorsAndStrips) {
  // Centred images take the integer halves of their frame.
  const int32_t body = shipImages[SHIP_REGAL][1][1];
  double ax = 0, ay = 0;
  GetImageAnchor(body, ax, ay);
  EXPECT_EQ(ax, ImageFrameWidth(body) / 2);
  EXPECT_EQ(ay, ImageFrameHeight(body) / 2);
  GetImageAnchor(shipImages[SHIP_KALGON][1][2], ax, ay);
  EXPECT_EQ(ax, 15.5);
  EXPECT_EQ(ay, 20.0);
  GetImageAnchor(blackImage, ax, ay);
  EXPECT_EQ(ax, 0.0);
  EXPECT_EQ(ImageFrameCount(mouseImage), 8);
  EXPECT_EQ(ImageFrameWidth(mouseImage), 29);
  EXPECT_EQ(ImageFrameCount(titleTextImage), 5);
  EXPECT_EQ(ImageFrameWidth(titleTextImage), 975);
  EXPECT_EQ(ImageFrameCount(warpImage), 35);
  EXPECT_EQ(ImageFrameCount(hudArmourImage), 101);
  EXPECT_EQ(ImageFrameCount(hudSlotsImage), 50);
  EXPECT_EQ(ImageFrameCount(hudMiniShipsImage), shipCount);
  EXPECT_EQ(ImageFrameCount(fixedFontImage), 256);
  EXPECT_EQ(ImageFrameCount(medFontImage), 54);
  EXPECT_EQ(ImageFrameCount(bigFontImage), 30);
  EXPECT_EQ(ImageFrameWidth(sparkImages[4]), 8);
  EXPECT_EQ(ImageFrameWidth(sparkImages[1]), 16);
  for (int32_t i = 1; i <= explosionTypeCount; ++i) {
    if (i == 19) {
      EXPECT_EQ(explosionImages[i], 0);
      continue;
    }
    ASSERT_NE(explosionImages[i], 0) << i;
    EXPECT_EQ(ImageFrameCount(explosionImages[i]), static_cast<int32_t>(explosionTypeTable[i][1]))
        << i;
    EXPECT_EQ(ImageFrameWidth(explosionImages[i]), static_cast<int32_t>(explosionTypeTable[i][2]))
        << i;
  }
}

TEST_F(ShellMedia, SoundsChannelsAndLists) {
  const int32_t withSound[] = {1,  2,  4,  6,  7,  8,  9,  11, 12, 13, 14,
                               15, 16, 17, 20, 21, 22, 23, 25, 26, 27, 28};
  int32_t count = 0;
  for (int32_t i = 1; i <= 50; ++i) count += explosionSounds[i] != 0 ? 1 : 0;
  EXPECT_EQ(count, 22);
  for (int32_t i : withSound) EXPECT_NE(explosionSounds[i], 0) << i;
  EXPECT_EQ(explosionSounds[3], 0);
  EXPECT_EQ(explosionSounds[29], 0);
  for (int32_t sound : {warpInSound, slideSound, victorySound, rewardSound, alarmSound, deleteSound,
                        snapSound, cheatSound}) {
    EXPECT_NE(sound, 0);
  }
  EXPECT_NE(slideChannel, 0);
  EXPECT_NE(shipLoopChannel, slideChannel);
  EXPECT_NE(shotLoopChannel, shipLoopChannel);
  ASSERT_TRUE(shipList);
  EXPECT_EQ(ListCount(*shipList), 0);
  // Every single image named by the load table exists.
  for (int32_t image : {mouseImage,         miniBorderImage,  blackImage,
                        slicerImage,        versionBarImage,  tickImages[1],
                        tickImages[2],      arrowImages[1],   arrowImages[4],
                        trashImage,         tickBorderImage,  moneyIconImage,
                        replayPlateImage,   textBorder3Image, secretImage,
                        titleBackImage,     shipShopImage,    shipBorder3Image,
                        arrowImage,         smallPlateImage,  statisticsBorderImage,
                        caretImage,         partTwoImage,     flashImage,
                        starImage2,         emissionImage,    targetImages[1],
                        targetImages[2],    hudEnergyImage,   hudReloadImage,
                        hudReloadBackImage, statBorderImage}) {
    EXPECT_NE(image, 0);
  }
  EXPECT_EQ(EmbeddedMediaFileCount(), 456);
}

// What exists per ship type, as the game's loader finds it: body, primary,
// secondary and special images, then the primary and secondary sounds and
// the extra sounds. Images and extra sounds are numbered from 1 without gaps,
// except type 27's one secondary image, which is number 2.
TEST_F(ShellMedia, EveryShipTypeHasItsOwnMedia) {
  static const int32_t media[shipCount + 1][7] = {
      {0, 0, 0, 0, 0, 0, 0},  {1, 1, 1, 0, 1, 1, 0}, {1, 1, 2, 0, 1, 1, 1}, {1, 1, 1, 0, 1, 1, 0},
      {1, 1, 3, 1, 1, 0, 3},  {1, 1, 2, 0, 1, 1, 0}, {1, 1, 1, 0, 1, 1, 0}, {1, 2, 0, 6, 1, 1, 0},
      {1, 1, 3, 0, 1, 1, 0},  {1, 1, 1, 0, 1, 1, 0}, {1, 1, 1, 0, 1, 1, 0}, {1, 1, 1, 0, 1, 1, 1},
      {1, 1, 1, 0, 1, 1, 0},  {1, 1, 1, 0, 1, 1, 0}, {1, 1, 1, 0, 1, 1, 0}, {1, 1, 1, 0, 1, 1, 0},
      {2, 1, 1, 0, 1, 1, 0},  {7, 2, 0, 7, 0, 0, 4}, {1, 1, 0, 0, 1, 1, 0}, {1, 1, 0, 2, 1, 1, 1},
      {1, 1, 2, 0, 1, 1, 1},  {1, 2, 1, 0, 1, 1, 0}, {1, 1, 1, 3, 1, 1, 1}, {1, 1, 2, 0, 1, 1, 0},
      {1, 1, 1, 0, 1, 1, 0},  {1, 0, 1, 1, 1, 1, 0}, {5, 1, 0, 0, 1, 1, 0}, {1, 3, 1, 1, 1, 1, 0},
      {1, 1, 1, 0, 1, 1, 0},  {1, 1, 2, 0, 1, 1, 1}, {1, 1, 1, 0, 1, 1, 0}, {4, 1, 1, 0, 1, 1, 0},
      {1, 1, 1, 0, 1, 1, 0},  {1, 1, 1, 0, 1, 1, 0}, {1, 1, 1, 0, 1, 1, 0}, {1, 1, 1, 0, 1, 1, 0},
      {1, 1, 1, 0, 1, 1, 0},  {1, 1, 5, 0, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 0}, {1, 3, 1, 8, 0, 1, 2},
      {1, 4, 1, 10, 1, 1, 0},
  };
  for (int32_t n = 1; n <= shipCount; ++n) {
    SCOPED_TRACE(n);
    const int32_t* m = media[n];
    for (int32_t variant = 1; variant <= 4; ++variant) {
      const int32_t count = m[variant - 1];
      if (variant <= 3) {
        EXPECT_EQ(shipImages[n][variant][0], count) << "variant " << variant;
      }
      const int32_t limit = variant <= 3 ? 20 : 50;
      for (int32_t k = 1; k <= limit; ++k) {
        bool present = k <= count;
        if (n == 27 && variant == 3) present = k == 2;
        EXPECT_EQ(shipImages[n][variant][k] != 0, present) << "variant " << variant << " k " << k;
      }
    }
    EXPECT_EQ(weaponSounds[n][1][1] != 0, m[4] == 1);
    EXPECT_EQ(weaponSounds[n][1][2] != 0, m[5] == 1);
    for (int32_t k = 1; k <= 5; ++k)
      EXPECT_EQ(weaponSounds[n][2][k] != 0, k <= m[6]) << "sound " << k;
  }
}
