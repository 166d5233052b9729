// Serger: the Attack Drones weave from side to side and every 50 frames fire
// a beam shot to each of their four sides.
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float FRAMES_PER_VOLLEY = 50.0f;
constexpr float FRAMES_PER_SWING = 90.0f;
constexpr float SWING_STEP = 2.0f;  // degrees a frame
constexpr double MUZZLE_DISTANCE = 16.0;
constexpr float VOLLEY_SPEED = 60.0f / 4.5f;
constexpr float VOLLEY_DAMAGE = 2.0f;
constexpr int32_t VOLLEY_EXPLOSION = 3;
constexpr int32_t VOLLEY_IMAGE = 2;

// Ahead, right, behind and left of the drone, each shot 16 pixels out.
void FireVolley(const TShot& drone) {
  PlayExtraSound(drone.shipType, 1);
  for (int32_t i = 1; i <= 4; ++i) {
    const Ref<TShotPlain> shot = NewSubMunition();
    shot->team = drone.team;
    shot->slot = drone.slot;
    shot->shipType = drone.shipType;
    shot->memberIndex = drone.memberIndex;
    shot->heading = static_cast<float>(static_cast<double>(drone.heading) + 90.0 * i - 90.0);
    PointAhead(drone.x, drone.y, shot->heading, MUZZLE_DISTANCE, shot->x, shot->y);
    shot->speed = VOLLEY_SPEED;
    shot->damage = VOLLEY_DAMAGE;
    shot->damageType = DAMAGE_TYPE_BEAM;
    shot->hitExplosion = VOLLEY_EXPLOSION;
    shot->weapon = 2;
    shot->imageIndex = VOLLEY_IMAGE;
    shot->radius = ShotImageRadius(drone.shipType, 2, VOLLEY_IMAGE);
  }
}

}  // namespace

void SergerShotKind(TShot& drone) {
  float* ks = drone.kindState;
  ks[SERGER_SHOT_FRAMES_SINCE_VOLLEY] += 1.0f;
  if (ks[SERGER_SHOT_FRAMES_SINCE_VOLLEY] == FRAMES_PER_VOLLEY) {
    ks[SERGER_SHOT_FRAMES_SINCE_VOLLEY] = 0.0f;
    FireVolley(drone);
  }
  // Two tests in a row: the frame that ends the swing to the right already
  // takes the first step to the left; the other turn waits for the next frame.
  if (ks[SERGER_SHOT_SWING] == 0.0f) {
    drone.heading += SWING_STEP;
    ks[SERGER_SHOT_FRAMES_SWUNG] += 1.0f;
    if (ks[SERGER_SHOT_FRAMES_SWUNG] == FRAMES_PER_SWING) {
      ks[SERGER_SHOT_SWING] = 1.0f;
      ks[SERGER_SHOT_FRAMES_SWUNG] = 0.0f;
    }
  }
  if (ks[SERGER_SHOT_SWING] == 1.0f) {
    drone.heading -= SWING_STEP;
    ks[SERGER_SHOT_FRAMES_SWUNG] += 1.0f;
    if (ks[SERGER_SHOT_FRAMES_SWUNG] == FRAMES_PER_SWING) {
      ks[SERGER_SHOT_SWING] = 0.0f;
      ks[SERGER_SHOT_FRAMES_SWUNG] = 0.0f;
    }
  }
}
