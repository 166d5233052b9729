#include "shell/match_reset.hpp"

#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/records.hpp"

void ClearMatchState(bool keepShipTypes) {
  EmptyObjectLists();
  for (int32_t slot = 1; slot <= 5; ++slot) {
    for (int32_t effect = 1; effect <= 50; ++effect) slotEffectState[slot][effect] = 0;
  }
  for (int32_t slot = 1; slot <= 4; ++slot) {
    fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN] = 1;
    fleetTable[slot][FLEET_HEAD][FLEET_SIZE] = 0;
    fleetTable[slot][FLEET_HEAD][FLEET_MONEY] = 10000;
    for (int32_t k = 1; k <= maxFleetSize; ++k) fleetTable[slot][FLEET_MEMBER_TYPES][k] = 0;
    for (int32_t group = 1; group <= 3; ++group) {
      for (int32_t v = 1; v <= 50; ++v) {
        slotShipValue[slot][group][v] = 0;
        for (int32_t c = 1; c <= 5; ++c) slotShipPoint[slot][group][v][c] = 0;
      }
    }
    slotTable[slot][SLOT_TARGETABLE] = 0;
  }
  // The special attacker's row is left here; StartMatch clears the whole
  // queue, so no special damage reaches a later match.
  for (int32_t target = 1; target <= 4; ++target) {
    for (int32_t attacker = 1; attacker <= 4; ++attacker) {
      for (int32_t member = 1; member <= maxFleetSize; ++member) {
        for (int32_t c = 1; c <= QUEUE_COLUMNS; ++c) damageQueue[target][attacker][member][c] = 0;
      }
    }
  }
  const int32_t firstColumn = keepShipTypes ? DAMAGE_TYPE_CANNON : STAT_SHIP_TYPE;
  for (int32_t slot = 1; slot <= 5; ++slot) {
    for (int32_t member = 1; member <= maxFleetSize; ++member) {
      for (int32_t c = firstColumn; c <= STAT_KILLER_TYPE; ++c) matchStats[slot][member][c] = 0;
    }
  }
  for (int32_t slot = 1; slot <= 4; ++slot) {
    cpuChoiceTimer[slot] = 0;
    teamAlive[slot] = 0;
  }
  matchOverDelay = 0;
  matchOver = 0;
  matchWinner = 0;
}
