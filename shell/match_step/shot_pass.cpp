// The shot pass: one step of every shot.
#include "match/aiming.hpp"
#include "match/collision.hpp"
#include "match/effects.hpp"
#include "match/firing.hpp"
#include "match/match_tables.hpp"
#include "match/records.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/match_step.hpp"

// Shots this far beyond the arena are gone.
constexpr float SHOT_MARGIN = 256.0f;

static void ShotStep() {
  {
    TShot& shot = *currentShot;
    if (shot.stationary != 1) {
      const double a = 180.0 - static_cast<double>(shot.heading);
      shot.x = static_cast<float>(shot.x + SinDegrees(a) * shot.speed);
      shot.y = static_cast<float>(shot.y + CosDegrees(a) * shot.speed);
    }
    shot.hitThisTick = 0;
    if (shot.noShipHits == 0) {
      ShotHitsShips();
      if (shot.destructible == 0) ShotHitsShots();
    }
    if (shot.trail == 1) {
      float px, py;
      ShipPointToArena(shot.x, shot.y, shot.heading, shot.trailOffsetSide, shot.trailOffsetBack, px,
                       py);
      SpawnDebris(px, py, shot.heading, shot.slot, 100);
    }
    if (shot.homingRate > 0.0f && shot.targetChosen == 0) {
      // Chosen once for the shot's whole life.
      shot.target = NearestEnemy(shot.x, shot.y, shot.team);
      shot.targetChosen = 1;
    }
    if (shot.homingRate != 0.0f && shot.target > 0) {
      const float leadSpeed =
          shot.speedChange == 0.0f ? shot.speed : static_cast<float>(shot.speedLimit / 2.0);
      const int32_t r =
          AimShotAtTarget(shot.x, shot.y, shot.heading, leadSpeed, shot.homingRate, shot.target, 0);
      if (r == 1)
        shot.heading = static_cast<float>(static_cast<double>(shot.heading) - shot.homingRate);
      if (r == -1)
        shot.heading = static_cast<float>(static_cast<double>(shot.heading) + shot.homingRate);
      if (r == 2) shot.heading = aimHeading;
    }
    if (shot.speedChange != 0.0f) {
      shot.speed = static_cast<float>(static_cast<double>(shot.speed) + shot.speedChange);
      if (shot.speedChange < 0.0f && shot.speed < shot.speedLimit) shot.speed = shot.speedLimit;
      if (shot.speedChange > 0.0f && shot.speed > shot.speedLimit) shot.speed = shot.speedLimit;
    }
    if (shot.destructible == 1 && shot.hitPoints <= 0.0f) {
      shot.dead = 1;
      if (shot.hitExplosion != 0)
        SpawnExplosion(shot.x, shot.y, 0.0f, shot.hitExplosion, shot.hitSound, 0.0f);
    }
    if (shot.lifetime > 0) {
      shot.age += 1;
      if (shot.age >= shot.lifetime) {
        // Out of time: gone without an explosion.
        shot.dead = 1;
        shot.hitExplosion = 0;
        shot.hitSound = 0;
      }
    }
    if (shot.hasKindCode == 1) ShotKindBehaviour();
  }
  if (!currentShot) return;
  TShot& shot = *currentShot;
  if (shot.x < -SHOT_MARGIN || shot.x > ARENA_WIDTH + SHOT_MARGIN || shot.y < -SHOT_MARGIN ||
      shot.y > ARENA_HEIGHT + SHOT_MARGIN)
    shot.dead = 1;
  if (shot.dead == 1) ListRemoveValue(*shotList, currentShot);
}

void ShotUpdate() {
  TListIterator<TShot> it = ListIterate(*shotList);
  while (IteratorHasMore(it)) {
    currentShot = IteratorNext(it);
    if (!currentShot) continue;
    ShotStep();
  }
}
