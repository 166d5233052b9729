// TO BE FILLED by the match-drawing work: every renderer is deliberately
// empty for now.
#include "match/renderers.hpp"

int32_t DrawWarpIns(int32_t) { return 0; }
int32_t DrawShotOverlays() { return 0; }
int32_t DrawShipGlows() { return 0; }
int32_t DrawDebris(int32_t) { return 0; }
int32_t DrawShips() { return 0; }
int32_t DrawExplosions() { return 0; }
int32_t DrawSparks() { return 0; }
int32_t DrawShots() { return 0; }
int32_t DrawShipLabels() { return 0; }
int32_t DrawHud(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
