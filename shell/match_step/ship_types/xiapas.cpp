// Xiapas: the Toaster Lasers cross the arena in one frame, leaving a beam of
// short segments up to the first thing they hit; the Energy Station feeds
// energy to every ship of its team in reach.
// Elsewhere: its tactic in AiSpecialTactics; the station's two looks in match/renderers.cpp.
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/collision.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/random.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

// The laser: 16 steps of 18 pixels, ended beyond a margin around the arena.
constexpr int32_t LASER_STEPS = 16;
constexpr double LASER_STEP_LENGTH = 18.0;
constexpr float LASER_MARGIN = 64.0f;
constexpr float SEGMENT_FRAMES = 2.0f;
constexpr int32_t LASER_SPARK = 4;
// The station.
constexpr float STATION_RADIUS = 75.0f;
constexpr float STATION_SIZE_PERCENT = 200.0f;
constexpr float STATION_REACH = 128.0f;
constexpr float FEED_INTERVAL = 4.0f;  // frames
constexpr float FEED_ENERGY = 1.0f;
constexpr float ANIMATION_WRAP = 7.0f;  // frames 1 to 6

// The head runs the whole beam in its first step (it is the shot being
// stepped, so the hit tests work on it) and ends.
void LaserHead(TShot& head) {
  head.singleHit = 1;
  lastHitSlot = 0;
  const int32_t image = RandomIntInRange(1, 3);
  for (int32_t step = 1; step <= LASER_STEPS; ++step) {
    ShotHitsShips();
    ShotHitsShots();
    if (head.hitThisTick == 1) {
      head.hitThisTick = 0;
      SparkBurst(head.x, head.y, 1, 3, LASER_SPARK);
    }
    if (BeyondArena(head, LASER_MARGIN)) head.dead = 1;
    // A segment, shown for its frames.
    if (head.dead == 0) LeaveBeamPiece(head, image)->kindState[XIAPAS_SHOT_LASER_SEGMENT] = 1.0f;
    PointAhead(head.x, head.y, head.heading, LASER_STEP_LENGTH, head.x, head.y);
  }
  head.dead = 1;
}

void Laser(TShot& shot) {
  shot.keepOnClear = 1;
  float* ks = shot.kindState;
  if (ks[XIAPAS_SHOT_LASER_SEGMENT] == 0.0f) {
    LaserHead(shot);
  } else if (ks[XIAPAS_SHOT_LASER_SEGMENT] == 1.0f) {
    ks[XIAPAS_SHOT_LASER_FRAMES_SHOWN] += 1.0f;
    if (ks[XIAPAS_SHOT_LASER_FRAMES_SHOWN] == SEGMENT_FRAMES) shot.dead = 1;
  }
}

void Station(TShot& station) {
  float* ks = station.kindState;
  station.radius = STATION_RADIUS;
  station.sizePercent = STATION_SIZE_PERCENT;
  ks[XIAPAS_SHOT_STATION_FEED_TIMER] += 1.0f;
  if (ks[XIAPAS_SHOT_STATION_FEED_TIMER] == FEED_INTERVAL)
    ks[XIAPAS_SHOT_STATION_FEED_TIMER] = 0.0f;
  if (ks[XIAPAS_SHOT_STATION_FEED_TIMER] == 0.0f) {
    ks[XIAPAS_SHOT_STATION_FED] = 0.0f;
    // The station's own dead is not tested: it feeds in its last step too.
    WalkShips([&](TShip& ship) {
      if (ship.team != station.team || !ValidSlot(ship.slot)) return;
      if (CirclesOverlap(ship.x, ship.y, ship.radius, station.x, station.y, STATION_REACH) == 0)
        return;
      const float maxEnergy = slotShipValue[ship.slot][GROUP_HULL][HULL_MAX_ENERGY];
      ship.energy += FEED_ENERGY;
      if (ship.energy > maxEnergy) ship.energy = maxEnergy;
      ks[XIAPAS_SHOT_STATION_FED] = 1.0f;
    });
  }
  if (ks[XIAPAS_SHOT_STATION_FED] == 1.0f) PlayExtraSoundOnce(station.shipType, 2, shotLoopChannel);
  if (ks[XIAPAS_SHOT_STATION_ANIMATION] == 0.0f) ks[XIAPAS_SHOT_STATION_ANIMATION] = 1.0f;
  if (ks[XIAPAS_SHOT_STATION_FEED_TIMER] == 0.0f) {
    ks[XIAPAS_SHOT_STATION_ANIMATION] += 1.0f;
    if (ks[XIAPAS_SHOT_STATION_ANIMATION] == ANIMATION_WRAP)
      ks[XIAPAS_SHOT_STATION_ANIMATION] = 1.0f;
  }
}

}  // namespace

// The laser's sound and the station's hum each keep one channel for the
// whole run, shared by every Xiapas, and start again only once it is quiet.
void XiapasSpecialWeapon(TShip& ship) {
  if (weaponFired[1] == 1) PlayExtraSoundOnce(ship.shipType, 1, shipLoopChannel);
}

void XiapasShotKind(TShot& shot) {
  if (shot.weapon == 1) Laser(shot);
  if (shot.weapon == 2) Station(shot);
}
