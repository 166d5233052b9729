// Checked reads of the media handle tables for the match routines: an index
// that comes from match state and lies outside its table gives handle 0,
// which every drawing and playing operation skips.
#pragma once
#include <cstdint>

#include "catalogue/ships.hpp"
#include "match/media_tables.hpp"

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
