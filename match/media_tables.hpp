// Image, sound and channel handles of every picture and sound the game loads
// at start-up, kept for the whole run. Handle 0 means nothing loaded; every
// drawing and playing operation skips it. They live here, below the shell,
// because the match draws and plays with them as the screens do.
#pragma once
#include <cstdint>

#include "catalogue/ships.hpp"

// Variants of shipImages.
constexpr int32_t SHIP_IMAGE_BODY = 1;
constexpr int32_t SHIP_IMAGE_PRIMARY = 2;
constexpr int32_t SHIP_IMAGE_SECONDARY = 3;
constexpr int32_t SHIP_IMAGE_SPECIAL = 4;

// shipImages[type][variant][k]; for variants 1-3 [type][variant][0] counts
// the images found among 1 to 20.
extern int32_t shipImages[shipCount + 1][5][51];
extern int32_t shipBigImages[shipCount + 1];
// weaponSounds[type][1][1 primary, 2 secondary]; [type][2][k] extra sound k.
extern int32_t weaponSounds[shipCount + 1][3][6];
extern int32_t explosionImages[51];
extern int32_t explosionSounds[51];
extern int32_t sparkImages[6];
extern int32_t tickImages[3];
extern int32_t arrowImages[5];
extern int32_t targetImages[3];

// Fonts.
extern int32_t fixedFontImage;
extern int32_t medFontSmallImage;
extern int32_t medFontImage;
extern int32_t bigFontImage;

// Start-up window (released when it closes) and its click.
extern int32_t startTitleImage;
extern int32_t startBackImage;
extern int32_t startBorderImage;
extern int32_t tickerImage;
extern int32_t tickSound;

// Single images.
extern int32_t mouseImage;
extern int32_t hudMiniShipsImage;
extern int32_t miniBorderImage;
extern int32_t blackImage;
extern int32_t slicerImage;
extern int32_t versionBarImage;
extern int32_t trashImage;
extern int32_t tickBorderImage;
extern int32_t disabledIconImage;
extern int32_t humanIconImage;
extern int32_t aiIconImage;
extern int32_t teamIconImage;
extern int32_t lampIconImage;
extern int32_t randomIconImage;
extern int32_t moneyIconImage;
extern int32_t infoPlateImage;
extern int32_t pricePlateImage;
extern int32_t replayPlateImage;
extern int32_t textBorder1Image;
extern int32_t textBorder2Image;
extern int32_t textBorder3Image;
extern int32_t secretImage;
extern int32_t titleBackImage;
extern int32_t shipShopImage;
extern int32_t shopHeaderBorderImage;
extern int32_t shipBorderImage;
extern int32_t shipBorder2Image;
extern int32_t shipBorder3Image;
extern int32_t arrowImage;
extern int32_t bigPlateImage;
extern int32_t smallPlateImage;
extern int32_t mainMenuBorderImage;
extern int32_t gameModeBorderImage;
extern int32_t teamsBorderImage;
extern int32_t challengeBorderImage;
extern int32_t optionsBorderImage;
extern int32_t statisticsBorderImage;
extern int32_t lightSmallImage;
extern int32_t caretImage;
extern int32_t titleTextImage;
extern int32_t partTwoImage;
extern int32_t flashImage;
extern int32_t starImage1;
extern int32_t starImage2;
extern int32_t warpImage;
extern int32_t emissionImage;
extern int32_t hudArmourImage;
extern int32_t hudEnergyImage;
extern int32_t hudSlotsImage;
extern int32_t hudReloadImage;
extern int32_t hudReloadBackImage;
extern int32_t statBorderImage;

// Sounds.
extern int32_t warpInSound;
extern int32_t slideSound;
extern int32_t victorySound;
extern int32_t rewardSound;
extern int32_t alarmSound;
extern int32_t deleteSound;
extern int32_t snapSound;
extern int32_t cheatSound;

// Channels; after a play on one of them the handle becomes the channel the
// play returned.
extern int32_t slideChannel;
extern int32_t shipLoopChannel;
extern int32_t shotLoopChannel;

// Every handle back to 0 (tests; the images themselves are not released).
void ResetMediaTables();
