#include "match/collision.hpp"

#include "match/effects.hpp"
#include "match/match_tables.hpp"
#include "match/records.hpp"
#include "platform/maths.hpp"

int32_t CirclesOverlap(float x1, float y1, float r1, float x2, float y2, float r2) {
  if (!(r1 >= 8.0f)) r1 = 8.0f;
  if (!(r2 >= 8.0f)) r2 = 8.0f;
  float sum = r1 + r2;
  float contact = static_cast<float>(static_cast<double>(sum) / 1.5);
  double dx = static_cast<double>(x1) - x2;
  double dy = static_cast<double>(y1) - y2;
  return SquareRoot(dx * dx + dy * dy) <= contact ? 1 : 0;
}

int32_t BoxesOverlap(int32_t x1, int32_t y1, int32_t w1, int32_t h1, int32_t x2, int32_t y2,
                     int32_t w2, int32_t h2) {
  if (x1 > x2 + w2 || x1 + w1 < x2 || y1 > y2 + h2 || y1 + h1 < y2) return 0;
  return 1;
}

int32_t ShotHitsShips() {
  lastHitSlot = 0;
  Ref<TShot> held = currentShot;
  if (!held) return 0;
  TShot& shot = *held;
  TListIterator<TShip> it = ListIterate(*shipList);
  while (IteratorHasMore(it)) {
    currentShip = IteratorNext(it);
    if (!currentShip) continue;
    TShip& ship = *currentShip;
    if (ship.team == shot.team || shot.dead != 0) continue;
    if (CirclesOverlap(ship.x, ship.y, ship.radius, shot.x, shot.y, shot.radius) == 0) continue;
    lastHitSlot = ship.slot;
    shot.hitThisTick = 1;
    if (shot.damageType < 5) {
      // Next frame's column of the damage type: resolved one frame later.
      if (ship.slot >= 1 && ship.slot <= 4 && shot.slot >= 1 && shot.slot <= 5 &&
          shot.memberIndex >= 1 && shot.memberIndex <= maxFleetSize && shot.damageType >= 1) {
        float& cell =
            damageQueue[ship.slot][shot.slot][shot.memberIndex][shot.damageType + QUEUE_NEXT_FRAME];
        cell = static_cast<float>(static_cast<double>(cell) + shot.damage);
      }
      if (shot.piercing == 0) shot.dead = 1;
      if (shot.hitExplosion > 0)
        SpawnExplosion(shot.x, shot.y, shot.heading, shot.hitExplosion, shot.hitSound, 0.0f);
    }
    if (shot.singleHit == 1) break;
  }
  return 0;
}

int32_t ShotHitsShots() {
  lastHitSlot = 0;
  Ref<TShot> held = currentShot;
  if (!held) return 0;
  TShot& shot = *held;
  // Nothing here changes shotList, so the walk can follow the links directly.
  for (TListLink<TShot>* link = shotList->first.get(); link; link = link->succ.get()) {
    TShot* raw = link->value.get();
    if (!raw || raw->shotKind != SHOT_KIND_SPECIAL) continue;
    newShotSpecial = std::static_pointer_cast<TShotSpecial>(link->value);
    TShot& target = *raw;
    if (target.destructible != 1) continue;
    if (target.team == shot.team || shot.dead != 0) continue;
    if (CirclesOverlap(target.x, target.y, target.radius, shot.x, shot.y, shot.radius) == 0)
      continue;
    lastHitSlot = 1;
    shot.hitThisTick = 1;
    int32_t d = shot.damageType;
    if (d >= 1 && d <= 3) {
      double damage = shot.damage;
      target.hitPoints =
          static_cast<float>(target.hitPoints - (damage - damage * target.resistances[d]));
      if (shot.piercing == 0) shot.dead = 1;
    } else if (d == 4) {
      target.hitPoints = static_cast<float>(static_cast<double>(target.hitPoints) - shot.damage);
      if (shot.piercing == 0) shot.dead = 1;
    }
    if (d < 5 && shot.hitExplosion > 0)
      SpawnExplosion(shot.x, shot.y, shot.heading, shot.hitExplosion, shot.hitSound, 0.0f);
    if (shot.singleHit == 1) break;
  }
  return 0;
}
