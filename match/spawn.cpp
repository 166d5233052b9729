// Reals: where the rules name no precision, one expression is evaluated in
// double precision and rounded to 32 bits when it is stored in a Float field
// or variable. The match routines all follow this.
#include "match/spawn.hpp"

#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/media_lookup.hpp"
#include "match/records.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

int32_t SpawnShip(float x, float y, int32_t slot) {
  if (!ValidSlot(slot)) return 0;
  int32_t member = fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN];
  int32_t type =
      (member >= 1 && member <= maxFleetSize) ? fleetTable[slot][FLEET_MEMBER_TYPES][member] : 0;
  slotTable[slot][SLOT_TARGETABLE] = 1;

  Ref<TShip> ship = NewRecord<TShip>();
  currentShip = ship;
  ship->heading = static_cast<float>(RandomIntInRange(360, 1));
  ship->x = x;
  ship->y = y;
  ship->slot = slot;
  ship->bodyFrame = 1;
  ship->launchTicks = 2;
  ship->team = slotTable[slot][SLOT_TEAM];
  bool known = ValidShipType(type);
  if (known) {
    ship->armour = shipValue[type][GROUP_HULL][HULL_MAX_ARMOR];
    ship->energy = shipValue[type][GROUP_HULL][HULL_MAX_ENERGY];
    // The catalogue's milliseconds, not ticks: both weapons are ready at once.
    ship->reloadCounters[1] = TruncateToInt(shipValue[type][GROUP_PRIMARY][WEAPON_RELOAD_TIME]);
    ship->reloadCounters[2] = TruncateToInt(shipValue[type][GROUP_SECONDARY][WEAPON_RELOAD_TIME]);
  }
  if (member >= 1 && member <= maxFleetSize)
    ship->memberIndex = fleetTable[slot][FLEET_MEMBER_STATS][member];
  int32_t body = ShipImageHandle(type, 1, 1);
  if (body != 0)
    ship->radius = static_cast<float>(RadiusFromSize(static_cast<float>(ImageFrameWidth(body)),
                                                     static_cast<float>(ImageFrameHeight(body))));
  if (type == SHIP_BIRKEN) ship->radius = 140.0f;  // whatever its picture's size
  shipSizeOrder[0][slot] = TruncateToInt(ship->radius);
  ListAppend(*shipList, ship);

  for (int32_t k = 1; k <= hullValueCount; ++k)
    slotShipValue[slot][GROUP_HULL][k] = known ? shipValue[type][GROUP_HULL][k] : 0.0f;
  NormaliseShipStats(slot);
  for (int32_t group = GROUP_PRIMARY; group <= GROUP_SECONDARY; ++group)
    for (int32_t k = 1; k <= weaponValueCount; ++k)
      slotShipValue[slot][group][k] = known ? shipValue[type][group][k] : 0.0f;
  NormaliseWeaponStats(slot, 1);
  NormaliseWeaponStats(slot, 2);
  for (int32_t group = 1; group <= 3; ++group)
    for (int32_t point = 1; point <= 50; ++point)
      for (int32_t c = 1; c <= 5; ++c)
        slotShipPoint[slot][group][point][c] = known ? shipPoint[type][group][point][c] : 0.0f;
  return 0;
}

static float Divided(float value, float divisor) {
  return static_cast<float>(static_cast<double>(value) / static_cast<double>(divisor));
}

int32_t NormaliseShipStats(int32_t slot) {
  if (!ValidSlot(slot)) return 0;
  float* v = slotShipValue[slot][GROUP_HULL];
  for (int32_t k = 1; k <= hullValueCount; ++k) {
    switch (k) {
      case HULL_MAX_SPEED:
        v[k] = Divided(v[k], 13.0f);
        break;
      case HULL_ACCELERATION:
        v[k] = static_cast<float>(RaiseToPower(v[k], 1.25) / 1300.0);
        break;
      case HULL_TURN_RATE:
        v[k] = Divided(v[k], 14.0f);
        break;
      case HULL_RECHARGE_TIME:
        v[k] = Divided(v[k], MS_PER_TICK);
        break;
      case HULL_CANNON_RESISTANCE:
      case HULL_BEAM_RESISTANCE:
      case HULL_MISSILE_RESISTANCE:
        v[k] = Divided(v[k], 100.0f);
        break;
      default:
        break;
    }
  }
  return 0;
}

int32_t NormaliseWeaponStats(int32_t slot, int32_t weapon) {
  if (!ValidSlot(slot) || weapon < 1 || weapon > 2) return 0;
  float* v = slotShipValue[slot][weapon + 1];
  for (int32_t k = 1; k <= weaponValueCount; ++k) {
    switch (k) {
      case WEAPON_RELOAD_TIME:
        v[k] = Divided(v[k], MS_PER_TICK);
        break;
      case WEAPON_PROJECTILE_SPEED:
        v[k] = Divided(v[k], 4.5f);
        break;
      case WEAPON_HOMING_RATE:
        v[k] = Divided(v[k], 36.0f);
        break;
      case WEAPON_SPEED_SPREAD:
        v[k] = Divided(v[k], 3.0f);
        break;
      case WEAPON_SPEED_CHANGE:
        v[k] = static_cast<float>(RaiseToPower(v[k], 1.25) / 600.0);
        break;
      case WEAPON_SPEED_LIMIT:
        v[k] = Divided(v[k], 3.0f);
        break;
      case WEAPON_FADE:
        v[k] = Divided(v[k], 100.0f);
        break;
      case WEAPON_SHOT_CANNON_RESISTANCE:
      case WEAPON_SHOT_BEAM_RESISTANCE:
      case WEAPON_SHOT_MISSILE_RESISTANCE:
        v[k] = Divided(v[k], 100.0f);
        break;
      case WEAPON_LIFETIME:
        v[k] = Divided(v[k], MS_PER_TICK);
        break;
      default:
        break;
    }
  }
  return 0;
}

int32_t RadiusFromSize(float width, float height) {
  return TruncateToInt((static_cast<double>(width) + static_cast<double>(height)) / 2.0);
}

int32_t RankBySize() {
  for (int32_t s = 1; s <= 4; ++s) shipSizeOrder[5][s] = 1;
  for (int32_t rank = 1; rank <= 4; ++rank) {
    int32_t best = 0, chosen = 0;
    for (int32_t s = 1; s <= 4; ++s) {
      // Equal radii: the higher slot wins.
      if (shipSizeOrder[0][s] >= best && shipSizeOrder[0][s] > 0 && shipSizeOrder[5][s] == 1) {
        best = shipSizeOrder[0][s];
        chosen = s;
      }
    }
    shipSizeOrder[rank][0] = chosen;
    shipSizeOrder[5][chosen] = 0;  // chosen 0 marks the unused column 0
  }
  return 0;
}

int32_t AnchorImageAtCentre(int32_t image) {
  SetImageAnchor(image, ImageFrameWidth(image) / 2, ImageFrameHeight(image) / 2);
  return image;
}
