// The explosion types: image strip, animation speed and flash colour of each
// animated explosion. Filled once at start-up, right after the ship catalogue.
#pragma once
#include <cstdint>

constexpr int32_t explosionTypeCount = 29;

// explosionTypeTable[explosion type 1-29][column]; row 0, column 0 and
// column 5 stay 0. Type 19 is empty.
extern float explosionTypeTable[explosionTypeCount + 1][9];

// A ship dies in one of these explosion types, drawn at random.
constexpr int32_t EXPLOSION_SHIP_DEATH_FIRST = 20;
constexpr int32_t EXPLOSION_SHIP_DEATH_LAST = 22;

// Fills the table on the first call; later calls change nothing.
void InitExplosionTypes();

// Columns of explosionTypeTable.
constexpr int32_t EXPLOSION_FRAME_COUNT = 1;  // cells of the strip, played from cell 0
constexpr int32_t EXPLOSION_CELL_WIDTH = 2;   // pixels
constexpr int32_t EXPLOSION_CELL_HEIGHT = 3;  // pixels
constexpr int32_t EXPLOSION_FRAME_DELAY = 4;  // ticks each cell is shown
constexpr int32_t EXPLOSION_FLASH_RED = 6;    // flash colour under the explosion;
constexpr int32_t EXPLOSION_FLASH_GREEN = 7;  // all three 0 means (255, 100, 0)
constexpr int32_t EXPLOSION_FLASH_BLUE = 8;
