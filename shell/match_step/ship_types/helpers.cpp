#include "shell/match_step/ship_types/helpers.hpp"

#include "catalogue/ships.hpp"
#include "match/collision.hpp"
#include "match/effects.hpp"
#include "match/firing.hpp"
#include "match/media_lookup.hpp"
#include "match/spawn.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "platform/sound.hpp"

int32_t ShipTouchesShot(const TShip& ship, const TShot& shot) {
  return CirclesOverlap(ship.x, ship.y, ship.radius, shot.x, shot.y, shot.radius);
}

int32_t ShotTouchesShot(const TShot& other, const TShot& shot) {
  return CirclesOverlap(other.x, other.y, other.radius, shot.x, shot.y, shot.radius);
}

Ref<TShip> FirstEnemyShipTouched(const TShot& shot, bool evenWhenDead) {
  Ref<TShip> found;
  WalkShips([&](TShip& ship) {
    if (ship.team == shot.team || (shot.dead != 0 && !evenWhenDead)) return false;
    if (ShipTouchesShot(ship, shot) == 0) return false;
    found = currentShip;
    return true;
  });
  return found;
}

Ref<TShot> FirstEnemyShotTouched(const TShot& shot) {
  Ref<TShot> found;
  WalkSpecialShots([&](TShot& other) {
    if (other.destructible != 1 || other.team == shot.team || shot.dead != 0) return false;
    if (ShotTouchesShot(other, shot) == 0) return false;
    found = newShotSpecial;
    return true;
  });
  return found;
}

void QueueDamage(int32_t targetSlot, int32_t attackerSlot, int32_t attackerMember, int32_t column,
                 double amount) {
  if (!ValidSlot(targetSlot) || attackerSlot < 1 || attackerSlot > SPECIAL_ATTACKER ||
      !ValidMember(attackerMember) || column < 1 || column > QUEUE_COLUMNS)
    return;
  float& cell = damageQueue[targetSlot][attackerSlot][attackerMember][column];
  cell = static_cast<float>(static_cast<double>(cell) + amount);
}

void QueueSpecialDamage(int32_t targetSlot, const TShot& shot, double amount) {
  QueueDamage(targetSlot, shot.slot, shot.memberIndex, QUEUE_SPECIAL_NEXT, amount);
}

void DamageShotWithResistance(TShot& struck, const TShot& attacker) {
  const int32_t type = attacker.damageType;
  const double d = attacker.damage;
  if (type >= DAMAGE_TYPE_CANNON && type <= DAMAGE_TYPE_MISSILE)
    struck.hitPoints = static_cast<float>(struck.hitPoints - (d - d * struck.resistances[type]));
  else if (type == DAMAGE_TYPE_SPECIAL)
    struck.hitPoints = static_cast<float>(struck.hitPoints - d);
}

Ref<TShotPlain> NewSubMunition() {
  newShotPlain = NewRecord<TShotPlain>();
  ListAppend(*shotList, Ref<TShot>(newShotPlain));
  return newShotPlain;
}

Ref<TShotPlain> LeaveBeamPiece(const TShot& head, int32_t image) {
  const Ref<TShotPlain> piece = NewSubMunition();
  piece->x = head.x;
  piece->y = head.y;
  piece->heading = head.heading;
  piece->slot = head.slot;
  piece->memberIndex = head.memberIndex;
  piece->shipType = head.shipType;
  piece->weapon = head.weapon;
  piece->piercing = 1;
  piece->stationary = 1;
  piece->damageType = DAMAGE_TYPE_NONE;
  piece->noShipHits = 1;
  piece->fade = 0.0f;
  piece->imageIndex = image;
  piece->hasKindCode = 1;
  piece->keepOnClear = 1;
  return piece;
}

bool BeyondArena(const TShot& shot, float margin) {
  return shot.x < -margin || shot.x > ARENA_WIDTH + margin || shot.y < -margin ||
         shot.y > ARENA_HEIGHT + margin;
}

float ShotImageRadius(int32_t shipType, int32_t weapon, int32_t imageIndex) {
  const int32_t image = ShipImageHandle(shipType, weapon + 1, imageIndex);
  if (image == 0) return 0.0f;
  return static_cast<float>(RadiusFromSize(static_cast<float>(ImageFrameWidth(image)),
                                           static_cast<float>(ImageFrameHeight(image))));
}

void FireShipWeapon(const TShip& ship, int32_t weapon, float heading) {
  FireWeapon(ship.slot, ship.shipType, weapon, ship.x, ship.y, heading, ship.memberIndex);
}

void MirrorMuzzle(int32_t slot, int32_t weapon) {
  if (!ValidSlot(slot) || weapon < 1 || weapon > 2) return;
  float* point = slotShipPoint[slot][weapon + 1][1];
  point[MUZZLE_ANGLE] = point[MUZZLE_ANGLE] * -1.0f;
  point[MUZZLE_X] = point[MUZZLE_X] * -1.0f;
}

void LimitShipSpeed(TShip& ship, float maxSpeed) {
  if (ship.speed <= maxSpeed) return;
  ship.velocityX = static_cast<float>(static_cast<double>(ship.velocityX) / ship.speed * maxSpeed);
  ship.velocityY = static_cast<float>(static_cast<double>(ship.velocityY) / ship.speed * maxSpeed);
  ship.speed = maxSpeed;
}

void ScaleShipSpeedDown(TShip& ship, float maxSpeed) {
  if (ship.speed <= maxSpeed) return;
  const double factor = static_cast<double>(maxSpeed) / ship.speed;
  ship.velocityX = static_cast<float>(ship.velocityX * factor);
  ship.velocityY = static_cast<float>(ship.velocityY * factor);
  ship.speed = maxSpeed;
}

void ShotHitExplosion(const TShot& shot, float heading, float size) {
  SpawnExplosion(shot.x, shot.y, heading, shot.hitExplosion, shot.hitSound, size);
}

void SparkBurst(float x, float y, int32_t lo, int32_t hi, int32_t kind) {
  const int32_t heading = RandomIntInRange(360, 1);
  const int32_t speed = RandomIntInRange(lo, hi);
  SpawnSpark(x, y, static_cast<float>(heading), static_cast<float>(speed), kind);
}

void PlayExtraSound(int32_t shipType, int32_t n) {
  PlaySoundOnChannel(WeaponSoundHandle(shipType, 2, n));
}

void PlayExtraSoundOnce(int32_t shipType, int32_t n, int32_t& channel) {
  // One channel reused: a fresh one at every start would never be given back.
  if (channel == 0) channel = NewSoundChannel();
  if (SoundChannelBusy(channel)) return;
  const int32_t playing = PlaySoundOnChannel(WeaponSoundHandle(shipType, 2, n), channel);
  if (playing != 0) channel = playing;
}

void PlayExplosionSound(int32_t n) { PlaySoundOnChannel(ExplosionSoundHandle(n)); }

void PointAhead(float x, float y, float a, double d, float& outX, float& outY) {
  const double angle = 180.0 - static_cast<double>(a);
  outX = static_cast<float>(x + SinDegrees(angle) * d);
  outY = static_cast<float>(y + CosDegrees(angle) * d);
}

void PointToRight(float x, float y, float a, double d, float& outX, float& outY) {
  const double angle = 90.0 - static_cast<double>(a);
  outX = static_cast<float>(x + SinDegrees(angle) * d);
  outY = static_cast<float>(y + CosDegrees(angle) * d);
}
