// Nalen: the Spiral Bomb bursts after 40 frames into 20 fragments that fly
// out in every direction and curl away as they slow down.
// Elsewhere: its tactic in AiSpecialTactics.
#include "catalogue/ships.hpp"
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
    fragment.kindState[2] = 1.0f;
    fragment.radius = radius;
  }
}

}  // namespace

// kindState: [1] frames flown, [2] 0 for the bomb, 1 for a fragment.
void NalenShotKind(TShot& shot) {
  float* ks = shot.kindState;
  if (ks[2] == 0.0f) {
    ks[1] += 1.0f;
    if (ks[1] >= BURST_FRAME) {
      shot.dead = 1;
      Burst(shot);
    }
  } else if (ks[2] == 1.0f) {
    shot.heading -= 3.0f;
    if (shot.speed > 0.0f) shot.speed -= 0.2f;
    ks[1] += 1.0f;
    if (ks[1] >= FRAGMENT_END) shot.dead = 1;
  }
}
