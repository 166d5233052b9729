// Fixed match scenes built straight from records and tables, not from a
// running match, so that a change of the simulation leaves them alone. Shared
// by the drawing tests (golden images) and the drawing benchmark.
#pragma once
#include <cstdint>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "match/shell_tables.hpp"
#include "platform/records.hpp"

namespace scenes {

// A slot taking part, flying ship type `type` as its first member, with the
// catalogue's hull and weapon values as its working copy.
inline void FlyingSlot(int32_t slot, int32_t team, int32_t type, int32_t fleetSize = 3) {
  slotTable[slot][SLOT_CONTROL] = CONTROL_COMPUTER;
  slotTable[slot][SLOT_TEAM] = team;
  slotTable[slot][SLOT_ARENA] = ARENA_FLYING;
  slotTable[slot][SLOT_TARGETABLE] = 1;
  fleetTable[slot][1][0] = 1;
  fleetTable[slot][1][1] = fleetSize;
  for (int32_t m = 1; m <= fleetSize; ++m)
    fleetTable[slot][2][m] = m == 1 ? type : 1 + (type + m) % 40;
  for (int32_t g = 1; g <= 3; ++g)
    for (int32_t v = 1; v <= 50; ++v) slotShipValue[slot][g][v] = shipValue[type][g][v];
  launchTimer[slot] = 225;
}

inline Ref<TShip> AddShip(int32_t slot, int32_t type, float x, float y, float heading) {
  Ref<TShip> ship = NewRecord<TShip>();
  ship->x = x;
  ship->y = y;
  ship->heading = heading;
  ship->slot = slot;
  ship->shipType = type;
  ship->team = slotTable[slot][SLOT_TEAM];
  ship->bodyFrame = 1;
  ship->radius = 20;
  ship->armour = shipValue[type][GROUP_HULL][HULL_MAX_ARMOR] * 0.6f;
  ship->energy = shipValue[type][GROUP_HULL][HULL_MAX_ENERGY] * 0.4f;
  ship->reloadCounters[1] = 1000000;
  ship->reloadCounters[2] =
      static_cast<int32_t>(shipValue[type][GROUP_SECONDARY][WEAPON_RELOAD_TIME] / 3);
  ListAppend(*shipList, ship);
  return ship;
}

// Drawing order by slot, largest first.
inline void Ranks(int32_t a, int32_t b, int32_t c, int32_t d) {
  shipSizeOrder[1][0] = a;
  shipSizeOrder[2][0] = b;
  shipSizeOrder[3][0] = c;
  shipSizeOrder[4][0] = d;
}

inline Ref<TShotPlain> AddShot(int32_t slot, int32_t type, int32_t weapon, float x, float y,
                               float heading) {
  Ref<TShotPlain> shot = NewRecord<TShotPlain>();
  shot->x = x;
  shot->y = y;
  shot->heading = heading;
  shot->slot = slot;
  shot->shipType = type;
  shot->weapon = weapon;
  shot->team = slotTable[slot][SLOT_TEAM];
  shot->imageIndex = 1;
  shot->radius = 8;
  ListAppend(*shotList, Ref<TShot>(shot));
  return shot;
}

inline void AddExplosion(float x, float y, float heading, int32_t type, float size, int32_t tick) {
  Ref<TExplosion> e = NewRecord<TExplosion>();
  e->x = x;
  e->y = y;
  e->heading = heading;
  e->explosionType = type;
  e->size = size;
  e->tick = tick;
  e->frameCount = static_cast<int32_t>(explosionTypeTable[type][EXPLOSION_FRAME_COUNT]);
  e->frameDelay = static_cast<int32_t>(explosionTypeTable[type][EXPLOSION_FRAME_DELAY]);
  ListAppend(*explosionList, e);
}

inline void AddDebrisTrail(float x, float y, float heading, int32_t colourSlot, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    Ref<TDebris> d = NewRecord<TDebris>();
    d->x = x + static_cast<float>(i) * 3.0f;
    d->y = y + static_cast<float>(i % 5) * 2.0f;
    d->heading = heading;
    d->colourSlot = colourSlot;
    d->fadeLeft = 100 - 5 * (i % 20);
    ListAppend(*debrisList, d);
  }
}

inline void AddSparkBurst(float x, float y, int32_t count, int32_t kind) {
  for (int32_t i = 0; i < count; ++i) {
    Ref<TSpark> s = NewRecord<TSpark>();
    s->heading = static_cast<float>(i * 37 % 360);
    s->speed = 4;
    s->age = i % 30;
    s->x = x + static_cast<float>((i * 13) % 60) - 30.0f;
    s->y = y + static_cast<float>((i * 29) % 60) - 30.0f;
    s->kind = kind == 0 ? 1 + i % 5 : kind;
    ListAppend(*sparkList, s);
  }
}

inline void AddWarpIn(int32_t slot, float x, float y, int32_t tick, float size) {
  Ref<TWarpIn> w = NewRecord<TWarpIn>();
  w->x = x;
  w->y = y;
  w->slot = slot;
  w->tick = tick;
  w->kind = 1;
  w->size = size;
  ListAppend(*warpInList, w);
}

// Two ships fighting: aiming dots, shots, exhaust, a hit, both panels.
inline void Duel() {
  FlyingSlot(1, 1, SHIP_SPETH);
  FlyingSlot(2, 2, SHIP_GROK);
  Ranks(2, 1, 0, 0);
  Ref<TShip> a = AddShip(1, SHIP_SPETH, 400, 600, 60);
  Ref<TShip> b = AddShip(2, SHIP_GROK, 820, 430, 250);
  b->sniping = 1;
  b->resistGlow[2] = 0.6f;
  AddDebrisTrail(360, 620, 60, 1, 12);
  for (int32_t i = 0; i < 5; ++i)
    AddShot(1, SHIP_SPETH, 1, 480.0f + 60.0f * i, 570.0f - 25.0f * i, 68);
  for (int32_t i = 0; i < 3; ++i)
    AddShot(2, SHIP_GROK, 1, 740.0f - 70.0f * i, 470.0f + 30.0f * i, 250);
  AddExplosion(800, 440, 0, 1, 0, 3);
  AddSparkBurst(800, 440, 6, 0);
}

// The effects: explosions of several types and ages, sparks, warp-ins and
// every HUD state (choosing with the texts, flying, out).
inline void Effects() {
  FlyingSlot(1, 1, SHIP_SERAX);
  AddShip(1, SHIP_SERAX, 300, 300, 135);
  Ranks(1, 0, 0, 0);
  slotTable[2][SLOT_CONTROL] = CONTROL_HUMAN;
  slotTable[2][SLOT_TEAM] = 2;
  slotTable[2][SLOT_ARENA] = ARENA_CHOOSING;
  fleetTable[2][1][0] = 12;
  fleetTable[2][1][1] = 30;
  for (int32_t m = 1; m <= 30; ++m) fleetTable[2][2][m] = m;
  launchTimer[2] = 5 * 75 + 10;
  selectBlink[2][1] = 24;
  slotTable[3][SLOT_CONTROL] = CONTROL_COMPUTER;
  slotTable[3][SLOT_TEAM] = 3;
  slotTable[3][SLOT_ARENA] = ARENA_CHOOSING;
  fleetTable[3][1][0] = 2;
  fleetTable[3][1][1] = 2;
  fleetTable[3][2][1] = SHIP_AVRAX;
  fleetTable[3][2][2] = SHIP_TKHARZER;
  launchTimer[3] = 30;
  slotTable[4][SLOT_ARENA] = ARENA_OUT;
  AddExplosion(640, 300, 0, 20, 120, 10);
  AddExplosion(900, 700, 45, 21, 80, 30);
  AddExplosion(500, 800, 0, 5, 0, 2);
  AddExplosion(1000, 250, 0, 12, 40, 6);
  AddSparkBurst(640, 300, 30, 0);
  AddSparkBurst(900, 700, 12, 5);
  AddWarpIn(2, 700, 520, 20, 75.5f);
  AddWarpIn(3, 1100, 880, 34, 200);
  AddDebrisTrail(200, 900, 90, 3, 20);
}

// Ship types that draw their own looks, each in the state that shows it.
inline void Looks() {
  struct Look {
    int32_t type;
    float state[6];
  };
  const Look looks[] = {
      {SHIP_COBOTH, {1, 0, 0, 0, 0.3f, 0}}, {SHIP_URBATRON, {0, 1, 0, 0, 8, 0}},
      {SHIP_AVRAX, {0, 9, 0, 0, 0, 0}},     {SHIP_QOUL, {1, 0, 0, 0, 60, 0}},
      {SHIP_EREBOS, {1, 0, 0, 45, 0, 0}},   {SHIP_GRATES, {0, 70, 0, 0, 0, 0}},
      {SHIP_SCALUS, {0, 1, 60, 0, 0, 0}},   {SHIP_IWOR, {0, 0, 2, 0, 30, 0}},
      {SHIP_ARUBAWI, {0, 1, 100, 3, 0, 0}}, {SHIP_PAX, {0, 1, 40, 0, 0, 0}},
      {SHIP_SJUOG, {0, 1, 0, 1, 0, 0}},     {SHIP_OTROS, {0, 0, 1, 1, 25, 0}},
      {SHIP_KABATA, {0, 2, 7, 0, 0, 0}},    {SHIP_URNOX, {0, 1, 0, 200, 0, 0}},
      {SHIP_BIRKEN, {0, 4, 0, 0, 0, 0}},    {SHIP_GARM, {0, 0, 0, 0, 0, 0}},
  };
  // Four slots show four looks at a time; the rest stand in as extra ships
  // of slot 1's team drawn through the same slot.
  int32_t i = 0;
  for (const Look& look : looks) {
    const int32_t slot = 1 + i % 4;
    if (i < 4) FlyingSlot(slot, slot, look.type);
    const float x = 140.0f + static_cast<float>(i % 6) * 200.0f;
    const float y = 180.0f + static_cast<float>(i / 6) * 300.0f;
    Ref<TShip> ship = AddShip(slot, look.type, x, y, static_cast<float>(i * 23 % 360));
    for (int32_t k = 0; k < 6; ++k) ship->specialState[k] = look.state[k];
    if (look.type == SHIP_EREBOS) {
      ship->specialState[1] = x + 40;
      ship->specialState[2] = y - 30;
    }
    ++i;
  }
  // The looks draw from specialState, the body from the slot's chosen member.
  for (int32_t slot = 1; slot <= 4; ++slot)
    slotShipValue[slot][GROUP_HULL][HULL_HAS_OWN_BODY_DRAWING] = 0;
  slotEffectState[4][1] = 1;  // slot 4's ships carry the sticky bolt
  Ranks(1, 2, 3, 4);
  optionTable[OPTIONS_GENERAL][OPTION_HIGH_DETAIL] = OPTION_OFF;
}

}  // namespace scenes
