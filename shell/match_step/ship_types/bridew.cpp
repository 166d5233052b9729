// Bridew: the Sabotage Troop homes in on a ship and boards it; it is lost on
// the first enemy destructible shot it meets, and gives up after 500 frames.
// Its cells are named in match/state_cells.hpp.
#include "match/collision.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr float TROOP_END = 500.0f;
// The boarding itself is silent; the troop's explosion is this one after.
constexpr int32_t TROOP_EXPLOSION = 17;
}  // namespace

void BridewShotKind(TShot& troop) {
  float* ks = troop.kindState;
  ks[BRIDEW_SHOT_FRAMES_FLOWN] += 1.0f;
  if (ks[BRIDEW_SHOT_FRAMES_FLOWN] >= TROOP_END) {
    ShotHitExplosion(troop, 0.0f, 0.0f);
    troop.dead = 1;
  }
  troop.hitExplosion = 0;
  ShotHitsShips();
  troop.hitExplosion = TROOP_EXPLOSION;
  if (lastHitSlot >= 1) PlayExtraSound(troop.shipType, 1);
  if (troop.dead != 0) return;
  if (FirstEnemyShotTouched(troop)) {
    ShotHitExplosion(troop, 0.0f, 0.0f);
    troop.dead = 1;
  }
}
