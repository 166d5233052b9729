// Between two ships: the fleet choice, the launch and the warp-ins; and the
// ship snapshot that aiming reads.
#include "match/effects.hpp"
#include "match/match_tables.hpp"
#include "match/media_lookup.hpp"
#include "match/records.hpp"
#include "match/spawn.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "platform/sound.hpp"
#include "shell/match_step/match_step.hpp"

constexpr int32_t LAUNCH_LOCK = 75;     // choice controls work above this
constexpr int32_t LAUNCH_FORCED = 750;  // launch forced from here
constexpr int32_t CPU_CHOICE_DELAY = 150;
constexpr int32_t WARP_PEAK = 34;

void NextShipChoice() {
  for (int32_t slot = 1; slot <= 4; ++slot) {
    if (slotTable[slot][SLOT_ARENA] != ARENA_CHOOSING) continue;
    int32_t chosen = fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN];
    const int32_t size = fleetTable[slot][FLEET_HEAD][FLEET_SIZE];
    int32_t* input = playerInput[slot];

    if (selectBlink[slot][2] == 0) {
      selectBlink[slot][1] += 1;
      if (selectBlink[slot][1] >= 36) selectBlink[slot][2] = 1;
    } else {
      selectBlink[slot][1] -= 1;
      if (selectBlink[slot][1] <= 12) selectBlink[slot][2] = 0;
    }

    if (slotTable[slot][SLOT_CONTROL] == CONTROL_COMPUTER) {
      input[INPUT_TURN_LEFT] = input[INPUT_TURN_RIGHT] = input[INPUT_FIRE_PRIMARY] = 0;
      if (cpuChoiceTimer[slot] < CPU_CHOICE_DELAY) cpuChoiceTimer[slot] += 1;
      if (cpuChoiceTimer[slot] == CPU_CHOICE_DELAY) {
        cpuChoiceTimer[slot] = 0;
        chosen = RandomIntInRange(1, size);
        input[INPUT_FIRE_PRIMARY] = 1;
      }
    }

    launchTimer[slot] += 1;
    if (launchTimer[slot] > LAUNCH_LOCK) {
      if (input[INPUT_TURN_LEFT] == 1) {
        chosen -= 1;
        if (chosen < 1) chosen = size;
      }
      if (input[INPUT_TURN_RIGHT] == 1) {
        chosen += 1;
        if (chosen > size) chosen = 1;
      }
    }
    if (launchTimer[slot] >= LAUNCH_FORCED) input[INPUT_FIRE_PRIMARY] = 1;
    fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN] = chosen;

    if (launchTimer[slot] > LAUNCH_LOCK && input[INPUT_FIRE_PRIMARY] == 1) {
      int32_t type =
          chosen >= 0 && chosen <= maxFleetSize ? fleetTable[slot][FLEET_MEMBER_TYPES][chosen] : 0;
      slotTable[slot][SLOT_ARENA] = ARENA_FLYING;
      int32_t body = ShipImageHandle(type, 1, 1);
      int32_t sum = body != 0 ? ImageFrameWidth(body) + ImageFrameHeight(body) : 0;
      SpawnWarpIn(slot, static_cast<float>(sum / 2.0), 1);
    }
  }
}

void WarpInUpdate() {
  TListIterator<TWarpIn> it = ListIterate(*warpInList);
  while (IteratorHasMore(it)) {
    currentWarpIn = IteratorNext(it);
    if (!currentWarpIn) continue;
    TWarpIn& warp = *currentWarpIn;
    if (warp.tick == 0) {
      PlaySoundOnChannel(warpInSound);
      if (warp.kind == 1) {
        warp.x = static_cast<float>(RandomIntInRange(1, ARENA_WIDTH));
        warp.y = static_cast<float>(RandomIntInRange(1, ARENA_HEIGHT));
      }
    }
    if (warp.phase == 0) {
      warp.tick += 1;
      if (warp.tick == WARP_PEAK) {
        warp.phase = 1;
        if (warp.kind == 1) {
          SpawnShip(warp.x, warp.y, warp.slot);
          RankBySize();
        }
      }
    } else {
      warp.tick -= 1;
      if (warp.tick < 1) ListRemoveValue(*warpInList, currentWarpIn);
    }
  }
}

void TakeShipSnapshot() {
  for (int32_t slot = 1; slot <= 4; ++slot) shipSizeOrder[0][slot] = 0;
  TListIterator<TShip> it = ListIterate(*shipList);
  while (IteratorHasMore(it)) {
    currentShip = IteratorNext(it);
    if (!currentShip) continue;
    const TShip& ship = *currentShip;
    if (ship.slot < 1 || ship.slot > 4) continue;
    float* row = shipSnapshot[ship.slot];
    row[1] = ship.x;
    row[2] = ship.y;
    row[3] = ship.velocityX;
    row[4] = ship.velocityY;
    row[5] = ship.speed;
    row[6] = static_cast<float>(ship.team);
    shipSizeOrder[0][ship.slot] = TruncateToInt(ship.radius);
  }
}
