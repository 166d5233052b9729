// The match renderers and the HUD. Drawing only: none of them changes the
// simulation or draws random numbers.
#pragma once
#include <cstdint>

int32_t DrawWarpIns(int32_t image);
int32_t DrawShotOverlays();
int32_t DrawShipGlows();
int32_t DrawDebris(int32_t image);
int32_t DrawShips();
int32_t DrawExplosions();
int32_t DrawSparks();
int32_t DrawShots();
int32_t DrawShipLabels();
int32_t DrawHud(int32_t slotsImage, int32_t armourImage, int32_t energyImage,
                int32_t miniShipsImage, int32_t reloadBackImage, int32_t reloadImage);
