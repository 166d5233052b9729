// Random fleets: bought by the set-up screens for every slot whose fleet kind
// is random, before the match starts.
#pragma once
#include <cstdint>

// Buys ships for the slot from the available ship types with its money left
// (fleetTable[slot][FLEET_HEAD][FLEET_MONEY]), appending them after its fleet size
// (fleetTable[slot][FLEET_HEAD][FLEET_SIZE]). Draws from the random generator once per ship.
void BuyRandomFleet(int32_t slot);
