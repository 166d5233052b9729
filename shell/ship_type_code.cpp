// The ship-type special code: the two dispatchers and their shared helpers.
// Each case selects on the ship type; a type without a case does nothing.
#include "shell/ship_type_code.hpp"

#include "match/collision.hpp"
#include "match/effects.hpp"
#include "match/match_tables.hpp"
#include "match/media_lookup.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "platform/sound.hpp"
#include "shell/match_step.hpp"

void ShipSpecialWeapon() {
  if (!currentShip) return;
  switch (currentShip->shipType) {
    // The special weapons of types 1, 3, 4, 7, 9, 10, 12, 13, 14, 16, 17,
    // 18, 19, 21, 22, 23, 26, 27, 31, 32, 33, 36, 38, 39 and 40 come with
    // the per-type code.
    default: break;
  }
}

void ShotKindBehaviour() {
  if (!currentShot) return;
  switch (currentShot->shipType) {
    // The shot kinds of types 2, 3, 5-12, 14, 16, 19-23, 27-31 and 36-40
    // come with the per-type code; type 13 has none.
    default: break;
  }
}

int32_t ShipTouchesShot(const TShip& ship, const TShot& shot) {
  return CirclesOverlap(ship.x, ship.y, ship.radius, shot.x, shot.y, shot.radius);
}

int32_t ShotTouchesShot(const TShot& other, const TShot& shot) {
  return CirclesOverlap(other.x, other.y, other.radius, shot.x, shot.y, shot.radius);
}

void QueueSpecialDamage(int32_t targetSlot, const TShot& shot, float amount) {
  if (targetSlot < 1 || targetSlot > 4 || shot.slot < 1 || shot.slot > SPECIAL_ATTACKER ||
      shot.memberIndex < 1 || shot.memberIndex > maxFleetSize)
    return;
  float& cell = damageQueue[targetSlot][shot.slot][shot.memberIndex][QUEUE_SPECIAL_NEXT];
  cell = static_cast<float>(static_cast<double>(cell) + amount);
}

void DamageShotWithResistance(TShot& struck, const TShot& attacker) {
  const int32_t type = attacker.damageType;
  const double d = attacker.damage;
  if (type >= 1 && type <= 3)
    struck.hitPoints = static_cast<float>(struck.hitPoints - (d - d * struck.resistances[type]));
  else if (type == 4)
    struck.hitPoints = static_cast<float>(struck.hitPoints - d);
}

void ShotHitExplosion(const TShot& shot, float heading, float size) {
  SpawnExplosion(shot.x, shot.y, heading, shot.hitExplosion, shot.hitSound, size);
}

Ref<TShotPlain> NewSubMunition() {
  newShotPlain = NewRecord<TShotPlain>();
  ListAppend(*shotList, Ref<TShot>(newShotPlain));
  return newShotPlain;
}

void PlayExtraSound(int32_t shipType, int32_t n) {
  PlaySoundOnChannel(WeaponSoundHandle(shipType, 2, n));
}

void PlayExtraSoundOnce(int32_t shipType, int32_t n, int32_t& channel) {
  if (channel != 0 && SoundChannelBusy(channel)) return;
  channel = PlaySoundOnChannel(WeaponSoundHandle(shipType, 2, n), channel);
}

void PointAhead(float x, float y, float a, float d, float& outX, float& outY) {
  const double angle = 180.0 - static_cast<double>(a);
  outX = static_cast<float>(x + SinDegrees(angle) * d);
  outY = static_cast<float>(y + CosDegrees(angle) * d);
}

void PointToRight(float x, float y, float a, float d, float& outX, float& outY) {
  const double angle = 90.0 - static_cast<double>(a);
  outX = static_cast<float>(x + SinDegrees(angle) * d);
  outY = static_cast<float>(y + CosDegrees(angle) * d);
}

void SparkBurst(float x, float y, int32_t lo, int32_t hi, int32_t kind) {
  const int32_t heading = RandomIntInRange(360, 1);
  const int32_t speed = RandomIntInRange(lo, hi);
  SpawnSpark(x, y, static_cast<float>(heading), static_cast<float>(speed), kind);
}
