// Nalen: the Spiral Bomb bursts after 40 frames into 20 fragments that fly
// out in every direction and curl away as they slow down.
// Elsewhere: its tactic in AiSpecialTactics.
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float BURST_FRAME = 40.0f;
constexpr int32_t FRAGMENTS = 20;
constexpr float FRAGMENT_END = 50.0f;

void Burst(const TShot& bomb) {
  const float radius = ShotImageRadius(SHIP_NALEN, 2, 2);
  for (int32_t i = 1; i <= FRAGMENTS; ++i) {
    TShot& fragment = *NewSubMunition();
    fragment.x = bomb.x;
    fragment.y = bomb.y;
    fragment.team = bomb.team;
    fragment.slot = bomb.slot;
    fragment.memberIndex = bomb.memberIndex;
    fragment.heading = static_cast<float>(18 * i);
    fragment.speed = 10.0f;
    fragment.damage = 1.5f;
    fragment.damageType = DAMAGE_TYPE_CANNON;
    fragment.hitExplosion = 5;
    fragment.shipType = SHIP_NALEN;
    fragment.weapon = 2;
    fragment.imageIndex = 2;
    fragment.hasKindCode = 1;
    fragment.kindState[NALEN_SHOT_FRAGMENT] = 1.0f;
    fragment.radius = radius;
  }
}

}  // namespace

void NalenShotKind(TShot& shot) {
  float* ks = shot.kindState;
  if (ks[NALEN_SHOT_FRAGMENT] == 0.0f) {
    ks[NALEN_SHOT_FRAMES_FLOWN] += 1.0f;
    if (ks[NALEN_SHOT_FRAMES_FLOWN] >= BURST_FRAME) {
      shot.dead = 1;
      Burst(shot);
    }
  } else if (ks[NALEN_SHOT_FRAGMENT] == 1.0f) {
    shot.heading -= 3.0f;
    if (shot.speed > 0.0f) shot.speed -= 0.2f;
    ks[NALEN_SHOT_FRAMES_FLOWN] += 1.0f;
    if (ks[NALEN_SHOT_FRAMES_FLOWN] >= FRAGMENT_END) shot.dead = 1;
  }
}
