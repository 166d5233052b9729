// Damage resolution: the queue becomes armour loss through the resistances,
// crediting the attackers; next frame's damage moves up.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/records.hpp"
#include "shell/match_step/match_step.hpp"

constexpr float GLOW_LIMIT = 0.85f;

// The blow that empties the armour: only what was left is credited.
static void CreditKill(TShip& ship, int32_t target, int32_t attacker, int32_t member,
                       int32_t column) {
  float* stats = matchStats[attacker][member];
  stats[column] = static_cast<float>(static_cast<double>(stats[column]) + ship.armour);
  stats[STAT_KILLS] += 1.0f;
  if (ship.memberIndex >= 1 && ship.memberIndex <= maxFleetSize) {
    matchStats[target][ship.memberIndex][STAT_KILLER_SLOT] = static_cast<float>(attacker);
    matchStats[target][ship.memberIndex][STAT_KILLER_TYPE] = stats[STAT_SHIP_TYPE];
  }
  ship.armour = 0.0f;
}

static void ApplyBlow(TShip& ship, int32_t target, int32_t attacker, int32_t member, int32_t column,
                      float amount) {
  if (ship.armour > amount) {
    float& dealt = matchStats[attacker][member][column];
    dealt = static_cast<float>(static_cast<double>(dealt) + amount);
    ship.armour = static_cast<float>(static_cast<double>(ship.armour) - amount);
  } else if (ship.armour > 0.0f) {
    CreditKill(ship, target, attacker, member, column);
  }
}

static void ResolveShip(TShip& ship, int32_t t) {
  const float* hull = slotShipValue[t][GROUP_HULL];
  const float resistance[4] = {0.0f, hull[HULL_CANNON_RESISTANCE], hull[HULL_BEAM_RESISTANCE],
                               hull[HULL_MISSILE_RESISTANCE]};
  for (int32_t a = 1; a <= SPECIAL_ATTACKER; ++a) {
    for (int32_t m = 1; m <= maxFleetSize; ++m) {
      float* queue = damageQueue[t][a][m];
      for (int32_t k = DAMAGE_TYPE_CANNON; k <= DAMAGE_TYPE_MISSILE; ++k) {
        const float d = queue[k];
        if (d > 0.0f) {
          const float e =
              static_cast<float>(static_cast<double>(d) - static_cast<double>(d) * resistance[k]);
          ApplyBlow(ship, t, a, m, k, e);
        }
        if (d > 0.0f && resistance[k] > ship.resistGlow[2]) {
          ship.resistGlow[1] = static_cast<float>(resistance[k] + 0.05);
          ship.resistGlow[2] = static_cast<float>(resistance[k] + 0.05);
        }
      }
      if (ship.resistGlow[1] > GLOW_LIMIT) ship.resistGlow[1] = GLOW_LIMIT;
      if (ship.resistGlow[2] > GLOW_LIMIT) ship.resistGlow[2] = GLOW_LIMIT;
      if (queue[DAMAGE_TYPE_SPECIAL] > 0.0f)
        ApplyBlow(ship, t, a, m, DAMAGE_TYPE_SPECIAL, queue[DAMAGE_TYPE_SPECIAL]);
      for (int32_t k = DAMAGE_TYPE_CANNON; k <= DAMAGE_TYPE_SPECIAL; ++k) {
        queue[k] = queue[k + QUEUE_NEXT_FRAME];
        queue[k + QUEUE_NEXT_FRAME] = 0.0f;
      }
    }
  }
  if (ship.resistGlow[2] > 0.0f)
    ship.resistGlow[2] =
        static_cast<float>(ship.resistGlow[2] - static_cast<double>(ship.resistGlow[1]) / 20.0);
  else
    ship.resistGlow[2] = 0.0f;
}

void ResolveDamage() {
  for (int32_t t = 1; t <= 4; ++t) {
    TListIterator<TShip> it = ListIterate(*shipList);
    while (IteratorHasMore(it)) {
      currentShip = IteratorNext(it);
      if (!currentShip) continue;
      if (currentShip->slot != t || currentShip->indestructible != 0) continue;
      ResolveShip(*currentShip, t);
    }
  }
}
