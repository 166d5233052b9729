// The purchase of a random fleet.
#include "shell/random_fleet.hpp"

#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

namespace {
float Price(int32_t shipType) { return shipValue[shipType][GROUP_HULL][HULL_PRICE]; }
}  // namespace

void BuyRandomFleet(int32_t slot) {
  const int32_t available = AvailableShipCount();
  int32_t& money = fleetTable[slot][FLEET_HEAD][FLEET_MONEY];
  int32_t& size = fleetTable[slot][FLEET_HEAD][FLEET_SIZE];

  // Money kept back so that the fleet is not spent on a few dear ships: what
  // is left over after thirty ships of the middle of the range.
  int32_t reserve = money - TruncateToInt(Price(shipOrder[available / 2]) * 30.0f);
  if (reserve < 0) reserve = 0;

  for (int32_t purchase = 0; purchase < maxFleetSize; ++purchase) {
    // A full fleet has no place left to fill.
    if (size >= maxFleetSize) break;
    // Candidates: affordable, and dear enough that the free places can use
    // up the spendable money.
    int32_t count = 0;
    for (int32_t k = 1; k <= available; ++k) {
      const int32_t shipType = shipOrder[k];
      const float price = Price(shipType);
      if (static_cast<float>(money - reserve) <= price * static_cast<float>(maxFleetSize - size) &&
          price <= static_cast<float>(money)) {
        count += 1;
        affordableShips[count] = shipType;
      }
    }
    if (count == 0) break;
    const int32_t shipType = affordableShips[RandomIntInRange(count, 1)];
    fleetTable[slot][FLEET_MEMBER_TYPES][size + 1] = shipType;
    money = TruncateToInt(static_cast<float>(money) - Price(shipType));
    size += 1;
  }
}
