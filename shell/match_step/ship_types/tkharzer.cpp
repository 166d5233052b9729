// Tkharzer: the Air Pressure Bomb throws the first enemy ship it meets along
// its own heading, then bursts in a growing blast.
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr double THROW = 2000.0;
constexpr float BURST_SIZE = 20.0f;  // percent, and its growth a frame
constexpr float BLAST_END = 200.0f;

void Burst(TShot& bomb) {
  bomb.kindState[TKHARZER_SHOT_BURST] = 1.0f;
  bomb.stationary = 1;
  bomb.sizePercent = BURST_SIZE;
  bomb.imageIndex = 2;
}

void Throw(TShip& ship, const TShot& bomb) {
  const double along = static_cast<double>(bomb.heading) - 90.0;
  ship.velocityX = static_cast<float>(ship.velocityX + THROW * CosDegrees(along));
  ship.velocityY = static_cast<float>(ship.velocityY + THROW * SinDegrees(along));
  ship.speed = static_cast<float>(
      SquareRoot(RaiseToPower(ship.velocityX, 2) + RaiseToPower(ship.velocityY, 2)));
  if (ValidSlot(ship.slot))
    ScaleShipSpeedDown(ship, slotShipValue[ship.slot][GROUP_HULL][HULL_MAX_SPEED]);
}

}  // namespace

void TkharzerShotKind(TShot& bomb) {
  float* ks = bomb.kindState;
  if (ks[TKHARZER_SHOT_BURST] == 0.0f) {
    // The bomb meets ships however it fares otherwise.
    if (Ref<TShip> ship = FirstEnemyShipTouched(bomb, true)) {
      PlayExtraSound(bomb.shipType, 1);
      QueueDamage(ship->slot, bomb.slot, bomb.memberIndex, DAMAGE_TYPE_CANNON + QUEUE_NEXT_FRAME,
                  bomb.damage);
      Throw(*ship, bomb);
      Burst(bomb);
    }
  }
  if (ks[TKHARZER_SHOT_BURST] == 0.0f) {
    if (Ref<TShot> struck = FirstEnemyShotTouched(bomb)) {
      PlayExtraSound(bomb.shipType, 1);
      DamageShotWithResistance(*struck, bomb);
      Burst(bomb);
    }
  }
  if (ks[TKHARZER_SHOT_BURST] == 1.0f) {
    bomb.sizePercent += BURST_SIZE;
    if (bomb.sizePercent >= BLAST_END) bomb.dead = 1;
  }
}
