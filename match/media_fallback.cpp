// Definitions of the media tables while the shell's own are not in the tree.
#include "match/media_lookup.hpp"

#ifdef QW2_MEDIA_TABLES_FALLBACK
int32_t shipImages[shipCount + 1][5][51];
int32_t weaponSounds[shipCount + 1][3][6];
int32_t explosionImages[51];
int32_t explosionSounds[51];
int32_t sparkImages[6];
int32_t warpInSound, victorySound, alarmSound;
#endif
