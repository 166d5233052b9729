#include "match/records.hpp"

Ref<TList<TShip>> shipList = NewList<TShip>();
Ref<TList<TShot>> shotList = NewList<TShot>();
Ref<TList<TWarpIn>> warpInList = NewList<TWarpIn>();
Ref<TList<TDebris>> debrisList = NewList<TDebris>();
Ref<TList<TExplosion>> explosionList = NewList<TExplosion>();
Ref<TList<TSpark>> sparkList = NewList<TSpark>();

Ref<TShip> currentShip;
Ref<TShot> currentShot;
Ref<TShotPlain> newShotPlain;
Ref<TShotSpecial> newShotSpecial;
Ref<TWarpIn> currentWarpIn;
Ref<TDebris> currentDebris;
Ref<TExplosion> currentExplosion;
Ref<TSpark> currentSpark;

void CreateObjectLists() {
  shipList = NewList<TShip>();
  shotList = NewList<TShot>();
  warpInList = NewList<TWarpIn>();
  debrisList = NewList<TDebris>();
  explosionList = NewList<TExplosion>();
  sparkList = NewList<TSpark>();
}

// Removal one element at a time, each taken into the list's current-object
// variable first, as the game empties its lists: afterwards the variable
// holds the last element removed.
template <class T, class C>
static void EmptyList(TList<T>& list, Ref<C>& current) {
  while (list.first) {
    Ref<T> value = list.first->value;
    current = value;
    if (!ListRemoveValue(list, value)) break;
  }
}

void EmptyObjectLists() {
  EmptyList(*shipList, currentShip);
  EmptyList(*shotList, currentShot);
  EmptyList(*debrisList, currentDebris);
  EmptyList(*explosionList, currentExplosion);
  EmptyList(*warpInList, currentWarpIn);
  EmptyList(*sparkList, currentSpark);
}

void ResetMatchObjects() {
  CreateObjectLists();
  currentShip.reset();
  currentShot.reset();
  newShotPlain.reset();
  newShotSpecial.reset();
  currentWarpIn.reset();
  currentDebris.reset();
  currentExplosion.reset();
  currentSpark.reset();
}
