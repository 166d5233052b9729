// The explosion types: image strip (cells, cell size), ticks per cell and the
// colour of the flash drawn under the explosion.
#include "catalogue/explosions.hpp"

#include <algorithm>

#include "catalogue/fill.hpp"

float explosionTypeTable[explosionTypeCount + 1][9];

namespace {

bool explosionTypesFilled = false;

// Explosion type, then columns 1 frame count, 2 cell width, 3 cell height,
// 4 frame delay, 6, 7, 8 flash red, green, blue (column 5 is unused).
// All three flash columns 0: the default flash colour. Type 19 has no image.
// clang-format off
const float explosionRows[explosionTypeCount][8] = {
  //t   1    2    3  4    6    7    8
  { 1,  5,  16,  16, 3,   0,   0,   0},
  { 2,  5,  16,  16, 3,  50, 200, 255},
  { 3,  5,  16,  16, 3, 255, 255, 200},
  { 4,  5,  30,  30, 3, 175, 255, 255},
  { 5,  4,  10,  10, 3,   0,   0,   0},
  { 6,  5,  20,  20, 3,  50, 200, 255},
  { 7,  5,  24,  24, 3,   0,   0,   0},
  { 8,  4,  16,  16, 3, 255, 200, 200},
  { 9, 12,  44,  42, 2,   0,   0,   0},
  {10, 10,  52,  99, 3,   0,   0,   0},
  {11,  9,  60,  64, 3,   0,   0,   0},
  {12,  7,  18,  18, 3, 225, 225, 255},
  {13, 12,  44,  42, 2,  50, 255,  50},
  {14,  5,  20,  20, 3, 255,  50,  50},
  {15, 10,  72,  72, 3,   0,   0,   0},
  {16,  5,  16,  16, 3, 200,   0, 200},
  {17,  4,  16,  16, 3,  50, 200,  50},
  {18,  6,  24,  24, 3,  50, 255,  50},
  {19,  0,   0,   0, 0,   0,   0,   0},
  {20, 15, 114, 114, 2,   0,   0,   0},
  {21, 15, 123, 123, 2,   0,   0,   0},
  {22, 15, 112, 112, 2,   0,   0,   0},
  {23,  4,  16,  16, 3,  50, 255,  50},
  {24, 10, 112, 112, 3,  50,  50, 255},
  {25,  6,  40,  40, 3, 200, 150, 225},
  {26, 10,  80,  80, 2, 225,  50, 225},
  {27, 10, 125, 125, 2,   0,   0,   0},
  {28,  5,  16,  14, 3,  50, 255,  50},
  {29,  1,  14,  14, 2, 255,  50, 255},
};
// clang-format on

constexpr int32_t explosionColumns[8] = {0,
                                         EXPLOSION_FRAME_COUNT,
                                         EXPLOSION_CELL_WIDTH,
                                         EXPLOSION_CELL_HEIGHT,
                                         EXPLOSION_FRAME_DELAY,
                                         EXPLOSION_FLASH_RED,
                                         EXPLOSION_FLASH_GREEN,
                                         EXPLOSION_FLASH_BLUE};

}  // namespace

void InitExplosionTypes() {
  if (explosionTypesFilled) return;
  explosionTypesFilled = true;
  for (const auto& row : explosionRows) {
    const int32_t type = static_cast<int32_t>(row[0]);
    for (int32_t i = 1; i < 8; ++i) {
      explosionTypeTable[type][explosionColumns[i]] = row[i];
    }
  }
}

void ClearExplosionTypes() {
  std::fill(&explosionTypeTable[0][0],
            &explosionTypeTable[0][0] + sizeof(explosionTypeTable) / sizeof(float), 0.0f);
  explosionTypesFilled = false;
}
