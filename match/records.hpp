// The match's records and their six lists.
//
// Records are plain data. Each list has one loop-and-creation variable; a
// routine that works on the current ship or shot reads that variable, which
// its caller has set while walking. Spawn routines append and leave the
// variable on the new record.
#pragma once
#include <cstdint>

#include "platform/records.hpp"

struct TShip : TRecord {
  float x = 0, y = 0;
  float heading = 0;
  float speed = 0;
  float velocityX = 0, velocityY = 0;
  float armour = 0;
  float radius = 0;
  int32_t reloadCounters[3] = {};  // [1] primary, [2] secondary: ticks since firing
  float energy = 0;
  int32_t rechargeTimer = 0;
  int32_t indestructible = 0;
  int32_t slot = 0;
  int32_t shipType = 0;  // set by the ship pass at the start of each step
  int32_t team = 0;
  int32_t sniping = 0;
  int32_t aiTarget = 0;
  int32_t memberIndex = 0;
  int32_t bodyFrame = 0;
  float resistGlow[3] = {};  // [1] start strength, [2] current strength
  // The ship type's own cells, named in match/state_cells.hpp.
  float specialState[6] = {};
  int32_t launchTicks = 0;
  int32_t aiDecisionTimer = 0;
  int32_t aiDecisionInterval = 0;
  int32_t aimOption = 0;
  int32_t aiThrust = 0;
};

// The two kinds of shot. The kind is fixed by the record made; shotKind only
// lets the hit tests tell them apart without a cast.
constexpr int32_t SHOT_KIND_PLAIN = 1;
constexpr int32_t SHOT_KIND_SPECIAL = 2;

struct TShot : TRecord {
  float x = 0, y = 0;
  float heading = 0;
  float speed = 0;
  float damage = 0;
  int32_t damageType = 0;
  float resistances[4] = {};  // [1] cannon, [2] beam, [3] missile
  float radius = 0;
  int32_t slot = 0, shipType = 0, weapon = 0, muzzle = 0;
  int32_t memberIndex = 0;
  int32_t team = 0;
  int32_t target = 0;
  int32_t hasKindCode = 0;
  int32_t noShipHits = 0;
  int32_t hitExplosion = 0;
  int32_t hitSound = 0;
  int32_t hidden = 0;
  int32_t piercing = 0;
  int32_t singleHit = 0;
  int32_t stationary = 0;
  float fade = 0;
  int32_t destructible = 0;
  float sizePercent = 0;
  int32_t keepOnClear = 0;
  int32_t hitThisTick = 0;
  float homingRate = 0;
  int32_t targetChosen = 0;
  float speedChange = 0;
  float speedLimit = 0;
  int32_t trail = 0;
  float trailOffsetSide = 0, trailOffsetBack = 0;
  float hitPoints = 0;
  float maxHitPoints = 0;
  int32_t age = 0;
  int32_t lifetime = 0;
  int32_t imageIndex = 0;
  int32_t dead = 0;
  // The ship type's own cells, named in match/state_cells.hpp.
  float kindState[6] = {};

  const int32_t shotKind;

 protected:
  explicit TShot(int32_t kind) : shotKind(kind) {}
};

struct TShotPlain : TShot {
  TShotPlain() : TShot(SHOT_KIND_PLAIN) {}
};

struct TShotSpecial : TShot {
  TShotSpecial() : TShot(SHOT_KIND_SPECIAL) {}
};

struct TExplosion : TRecord {
  float x = 0, y = 0, heading = 0;
  int32_t explosionType = 0;
  float size = 0;
  int32_t tick = 0;
  int32_t frameDelay = 0;
  int32_t frameCount = 0;
};

struct TDebris : TRecord {
  float x = 0, y = 0, heading = 0;
  int32_t colourSlot = 0;
  int32_t fadeLeft = 0;
  int32_t life = 0;  // drawn at creation, read by nothing
};

struct TWarpIn : TRecord {
  float x = 0, y = 0;
  int32_t slot = 0;
  int32_t tick = 0;
  int32_t kind = 0;   // 1 a launch (creates the ship), 0 placed by ship-type code
  int32_t phase = 0;  // 0 counting up, 1 counting down
  float size = 0;
};

struct TSpark : TRecord {
  float x = 0, y = 0, heading = 0, speed = 0;
  int32_t age = 0;
  int32_t kind = 0;  // 1-5
};

struct TWinRect : TRecord {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct TWinPoint : TRecord {
  int32_t x = 0, y = 0;
};

extern Ref<TList<TShip>> shipList;
extern Ref<TList<TShot>> shotList;
extern Ref<TList<TWarpIn>> warpInList;
extern Ref<TList<TDebris>> debrisList;
extern Ref<TList<TExplosion>> explosionList;
extern Ref<TList<TSpark>> sparkList;

extern Ref<TShip> currentShip;
extern Ref<TShot> currentShot;
extern Ref<TShotPlain> newShotPlain;
extern Ref<TShotSpecial> newShotSpecial;
extern Ref<TWarpIn> currentWarpIn;
extern Ref<TDebris> currentDebris;
extern Ref<TExplosion> currentExplosion;
extern Ref<TSpark> currentSpark;

// Makes the six lists afresh, empty, in the order ship, shot, warp-in,
// debris, explosion, spark (the lists exist from program start too).
void CreateObjectLists();
// Empties every list, element by element (entering the main menu, leaving
// the statistics).
void EmptyObjectLists();
// Fresh empty lists and every current-object variable cleared (tests).
void ResetMatchObjects();

// A walk of a list by the list rules, with the walker's variable set to each
// element in turn; an empty (removed) entry sets it to nothing and is skipped.
template <class T, class F>
void WalkList(const TList<T>& list, Ref<T>& variable, F&& step) {
  TListIterator<T> it = ListIterate(list);
  while (IteratorHasMore(it)) {
    variable = IteratorNext(it);
    if (variable) step();
  }
}
