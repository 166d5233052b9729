#include "match/firing.hpp"

#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/media_lookup.hpp"
#include "match/records.hpp"
#include "match/spawn.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "platform/sound.hpp"

void ShipPointToArena(float x, float y, float heading, float px, float py, float& outX,
                      float& outY) {
  double side = 360.0 - static_cast<double>(heading) + 90.0;
  double back = 360.0 - static_cast<double>(heading);
  float ax = static_cast<float>(x + SinDegrees(side) * px);
  float ay = static_cast<float>(y + CosDegrees(side) * px);
  outX = static_cast<float>(ax + SinDegrees(back) * py);
  outY = static_cast<float>(ay + CosDegrees(back) * py);
}

int32_t TryFireWeapon(int32_t slot, int32_t shipType, int32_t weapon) {
  TShip* ship = currentShip.get();
  if (!ship || weapon < 1 || weapon > 2 || !ValidSlot(slot)) return 0;
  if (!ValidSlot(ship->slot)) return 0;
  const float* v = slotShipValue[slot][weapon + 1];
  if (playerInput[ship->slot][weapon + 3] == 0) return 0;
  if (static_cast<double>(ship->reloadCounters[weapon]) < v[WEAPON_RELOAD_TIME]) return 0;
  if (ship->energy < v[WEAPON_ENERGY_DRAIN]) return 0;
  if (v[WEAPON_FIRE_SOUND] == 0.0f) {
    int32_t sound = WeaponSoundHandle(shipType, 1, weapon);
    if (sound != 0) PlaySoundOnChannel(sound);
  } else {
    PlaySoundOnChannel(WeaponSoundHandle(shipType, 2, TruncateToInt(v[WEAPON_FIRE_SOUND])));
  }
  ship->reloadCounters[weapon] = 0;
  ship->energy = static_cast<float>(static_cast<double>(ship->energy) - v[WEAPON_ENERGY_DRAIN]);
  if (!(ship->energy >= 0.0f)) ship->energy = 0.0f;
  weaponFired[weapon] = 1;
  return 0;
}

int32_t FireWeapon(int32_t slot, int32_t shipType, int32_t weapon, float x, float y, float heading,
                   int32_t memberIndex) {
  if (!ValidSlot(slot) || weapon < 1 || weapon > 2) return 0;
  const float* v = slotShipValue[slot][weapon + 1];
  const int32_t shots = TruncateToInt(v[WEAPON_SHOT_COUNT]);
  for (int32_t i = 1; i <= shots && i <= 50; ++i) {
    const float* m = slotShipPoint[slot][weapon + 1][i];
    Ref<TShot> shot;
    if (v[WEAPON_DESTRUCTIBLE] != 0.0f) {
      newShotSpecial = NewRecord<TShotSpecial>();
      shot = newShotSpecial;
    } else {
      newShotPlain = NewRecord<TShotPlain>();
      shot = newShotPlain;
    }
    ListAppend(*shotList, shot);
    currentShot = shot;
    TShot& s = *shot;

    ShipPointToArena(x, y, heading, m[MUZZLE_X], m[MUZZLE_Y], s.x, s.y);
    s.heading = static_cast<float>(static_cast<double>(heading) + m[MUZZLE_ANGLE]);
    // Both spreads are drawn even when 0: replays count the draws.
    double spread = v[WEAPON_ANGLE_SPREAD];
    s.heading = static_cast<float>(s.heading - spread + RandomRealInRange(spread * 2.0, 0.0));
    s.speed = v[WEAPON_PROJECTILE_SPEED];
    double speedSpread = v[WEAPON_SPEED_SPREAD];
    s.speed = static_cast<float>(s.speed - speedSpread + RandomRealInRange(speedSpread * 2.0, 0.0));
    s.damage = v[WEAPON_DAMAGE];
    s.damageType = TruncateToInt(v[WEAPON_DAMAGE_TYPE]);
    s.slot = slot;
    s.shipType = shipType;
    s.weapon = weapon;
    s.muzzle = i;
    s.team = slotTable[slot][SLOT_TEAM];
    s.hasKindCode = TruncateToInt(v[WEAPON_HAS_KIND_CODE]);
    s.noShipHits = TruncateToInt(v[WEAPON_NO_SHIP_HITS]);
    s.piercing = TruncateToInt(v[WEAPON_PIERCING]);
    s.hidden = TruncateToInt(v[WEAPON_HIDDEN]);
    s.hitExplosion = TruncateToInt(v[WEAPON_HIT_EXPLOSION]);
    s.hitSound = TruncateToInt(v[WEAPON_HIT_SOUND]);
    s.imageIndex = TruncateToInt(v[WEAPON_IMAGE_INDEX]);
    int32_t image = ShipImageHandle(shipType, weapon + 1, s.imageIndex);
    if (image != 0)
      s.radius = static_cast<float>(RadiusFromSize(static_cast<float>(ImageFrameWidth(image)),
                                                   static_cast<float>(ImageFrameHeight(image))));
    if (v[WEAPON_SIZE_PERCENT] > 0.0f)
      s.radius =
          static_cast<float>(s.radius * (static_cast<double>(v[WEAPON_SIZE_PERCENT]) / 100.0));
    s.destructible = TruncateToInt(v[WEAPON_DESTRUCTIBLE]);
    s.homingRate = v[WEAPON_HOMING_RATE];
    s.speedChange = v[WEAPON_SPEED_CHANGE];
    s.speedLimit = v[WEAPON_SPEED_LIMIT];
    s.trail = TruncateToInt(v[WEAPON_TRAIL]);
    s.trailOffsetSide = v[WEAPON_TRAIL_OFFSET_SIDE];
    s.trailOffsetBack = v[WEAPON_TRAIL_OFFSET_BACK];
    s.stationary = TruncateToInt(v[WEAPON_STATIONARY]);
    s.fade = v[WEAPON_FADE];
    s.sizePercent = v[WEAPON_SIZE_PERCENT];
    s.hitPoints = v[WEAPON_HIT_POINTS];
    s.maxHitPoints = s.hitPoints;
    s.lifetime = TruncateToInt(static_cast<double>(v[WEAPON_LIFETIME]) + 0.5);
    s.age = 0;
    s.resistances[1] = v[WEAPON_SHOT_CANNON_RESISTANCE];
    s.resistances[2] = v[WEAPON_SHOT_BEAM_RESISTANCE];
    s.resistances[3] = v[WEAPON_SHOT_MISSILE_RESISTANCE];
    s.memberIndex = memberIndex;
  }
  return 0;
}
