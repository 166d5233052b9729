// The ship shop's own state and what its questions share with it.
#pragma once
#include <cstdint>

// 1 in the frames in which the carousel neither slides nor starts to.
extern int32_t carouselAtRest;
// The hover light over a card or a fleet cell; x and y -2000 when nothing is
// hovered.
extern int32_t hoverLightX;
extern int32_t hoverLightY;
extern float hoverLightScaleX;
extern float hoverLightScaleY;

// The shopper's fleet as a grid of 3 rows of 10 cells from (left, top), the
// ship pictures drawn in pictureBlend.
void DrawShopperFleet(int32_t left, int32_t top, int32_t pictureBlend);

// Ends the shopping for good: every slot's fleet emptied (the money left is
// kept) and the next-shopper screen back to its start.
void AbandonShopping();

// The shop's state back to its program-start values (tests).
void ResetShopScreens();
