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

// Removal one element at a time, as the game empties its lists.
template <class T>
static void EmptyList(TList<T>& list) {
  while (list.first) {
    Ref<T> value = list.first->value;
    if (!ListRemoveValue(list, value)) break;
  }
}

void EmptyObjectLists() {
  EmptyList(*shipList);
  EmptyList(*shotList);
  EmptyList(*warpInList);
  EmptyList(*debrisList);
  EmptyList(*explosionList);
  EmptyList(*sparkList);
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
