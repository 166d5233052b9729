// Checked reads of the media handle tables for the match routines: an index
// that comes from match state and lies outside its table gives handle 0,
// which every drawing and playing operation skips.
#pragma once
#include <cstdint>

#if __has_include("match/media_tables.hpp")
#include "match/media_tables.hpp"
#else
#include "catalogue/ships.hpp"
// Until the shell's media tables are in the tree.
extern int32_t shipImages[shipCount + 1][5][51];
extern int32_t weaponSounds[shipCount + 1][3][6];
extern int32_t explosionImages[51];
extern int32_t explosionSounds[51];
extern int32_t sparkImages[6];
extern int32_t warpInSound, victorySound, alarmSound;
#define QW2_MEDIA_TABLES_FALLBACK 1
#endif

#include "catalogue/ships.hpp"

inline bool ValidShipType(int32_t type) { return type >= 1 && type <= shipCount; }

// shipImages[type][variant 1-4][k 0-50].
inline int32_t ShipImageHandle(int32_t type, int32_t variant, int32_t k) {
  if (!ValidShipType(type) || variant < 1 || variant > 4 || k < 0 || k > 50) return 0;
  return shipImages[type][variant][k];
}
// weaponSounds[type][group 1-2][k 1-5].
inline int32_t WeaponSoundHandle(int32_t type, int32_t group, int32_t k) {
  if (!ValidShipType(type) || group < 1 || group > 2 || k < 1 || k > 5) return 0;
  return weaponSounds[type][group][k];
}
inline int32_t ExplosionSoundHandle(int32_t sound) {
  if (sound < 1 || sound > 50) return 0;
  return explosionSounds[sound];
}
