// Jerboafa: the Pulsar Trap holds every enemy ship it touches on its own
// spot, draining it, until the trap's time is up.
// Elsewhere: its tactic in AiSpecialTactics; the trap in DrawShotOverlays (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float ANIMATION_STEP = 0.5f;
constexpr float ANIMATION_END = 4.0f;

}  // namespace

void JerboafaShotKind(TShot& trap) {
  trap.keepOnClear = 1;
  WalkShips([&](TShip& ship) {
    if (ship.team == trap.team || !ValidSlot(ship.slot)) return;
    if (ShipTouchesShot(ship, trap) == 0) return;
    int32_t& held = slotEffectState[ship.slot][EFFECT_TRAPPED];
    if (trap.dead != 0) {
      held = 0;  // the trap's last step lets go
      return;
    }
    if (held == 0) PlayExtraSound(trap.shipType, 1);
    held = 1;
    QueueSpecialDamage(ship.slot, trap, trap.damage);
    ship.x = trap.x;
    ship.y = trap.y;
  });
  trap.kindState[JERBOAFA_SHOT_ANIMATION] += ANIMATION_STEP;
  if (trap.kindState[JERBOAFA_SHOT_ANIMATION] > ANIMATION_END)
    trap.kindState[JERBOAFA_SHOT_ANIMATION] = 0.0f;
}
