// What the ship types' own code shares: walks of the lists by the game's
// list rules, contact tests, damage, sub-munitions, effects, sounds and
// offsets.
#pragma once
#include <cstdint>
#include <type_traits>

#include "match/match_tables.hpp"
#include "match/records.hpp"

// Walks. Each hands the elements out first to last by the list rules (an
// element appended during the walk is reached unless the last one was being
// stepped; removed entries are skipped) and sets the walk's variable to each
// before its step. A step returning true stops the walk on that element;
// otherwise the variable is left on the last element visited. The step gets
// the element itself, kept alive for the step.
template <class T, class V, class F>
bool WalkListAs(const TList<T>& list, Ref<V>& variable, int32_t shotKind, F&& step) {
  TListIterator<T> it = ListIterate(list);
  while (IteratorHasMore(it)) {
    Ref<T> entry = IteratorNext(it);
    if (!entry) continue;
    if constexpr (std::is_base_of_v<TShot, T>) {
      if (shotKind != 0 && entry->shotKind != shotKind) continue;
      variable = std::static_pointer_cast<V>(entry);
    } else {
      variable = entry;
    }
    if constexpr (std::is_same_v<std::invoke_result_t<F, V&>, bool>) {
      if (step(static_cast<V&>(*entry))) return true;
    } else {
      step(static_cast<V&>(*entry));
    }
  }
  return false;
}
// shipList with currentShip. The shot pass's code walks ships; the ship
// pass's code never does (the pass's own currentShip is the ship stepped).
template <class F>
bool WalkShips(F&& step) {
  return WalkListAs(*shipList, currentShip, 0, step);
}
// shotList with currentShot: the ship pass's code only (in the shot pass
// currentShot is the shot being stepped).
template <class F>
bool WalkShots(F&& step) {
  return WalkListAs(*shotList, currentShot, 0, step);
}
// The TShotSpecial records of shotList with newShotSpecial, and the
// TShotPlain records with newShotPlain.
template <class F>
bool WalkSpecialShots(F&& step) {
  return WalkListAs(*shotList, newShotSpecial, SHOT_KIND_SPECIAL, step);
}
template <class F>
bool WalkPlainShots(F&& step) {
  return WalkListAs(*shotList, newShotPlain, SHOT_KIND_PLAIN, step);
}

// Contact of a ship or shot with a shot (the shared circle test).
int32_t ShipTouchesShot(const TShip& ship, const TShot& shot);
int32_t ShotTouchesShot(const TShot& other, const TShot& shot);
// Every ship whose slot is the given one (the own ship of a shot is that of
// the shot's slot), over the whole of shipList; the number found.
template <class F>
int32_t ForEachShipOfSlot(int32_t slot, F&& step) {
  int32_t found = 0;
  WalkShips([&](TShip& ship) {
    if (ship.slot != slot) return;
    ++found;
    step(ship);
  });
  return found;
}
// The first ship of another team that the shot touches, the walk stopping
// there (currentShip); nothing when none does. A dead shot touches nothing
// unless evenWhenDead.
Ref<TShip> FirstEnemyShipTouched(const TShot& shot, bool evenWhenDead = false);
// The first destructible shot of another team that the live shot touches
// (newShotSpecial); nothing when none does.
Ref<TShot> FirstEnemyShotTouched(const TShot& shot);

// Damage queued in damageQueue[target][attacker slot][attacker member]
// [column]; indices out of range queue nothing. One expression in double
// precision, stored as a Float.
void QueueDamage(int32_t targetSlot, int32_t attackerSlot, int32_t attackerMember, int32_t column,
                 double amount);
// Special damage by the shot's owner, applied in the next frame.
void QueueSpecialDamage(int32_t targetSlot, const TShot& shot, double amount);
// The attacking shot's damage taken from a struck destructible shot through
// its resistance (types 1-3; special damage unreduced).
void DamageShotWithResistance(TShot& struck, const TShot& attacker);

// A new TShotPlain appended to shotList at once and held in newShotPlain;
// every field 0 (its team too) until the caller sets it.
Ref<TShotPlain> NewSubMunition();
// A piece of a beam left where its head stands: the head's place, heading,
// owner and weapon, still, hitting no ship and doing no damage, at full
// strength with the given image and kept when the shots are cleared.
Ref<TShotPlain> LeaveBeamPiece(const TShot& head, int32_t image);
// Whether the shot is more than margin outside the arena.
bool BeyondArena(const TShot& shot, float margin);
// The radius of a weapon's shot image (weapon 1 or 2, image k) as the
// firing gives it from the picture's size; 0 without a picture.
float ShotImageRadius(int32_t shipType, int32_t weapon, int32_t imageIndex);
// FireWeapon for the ship's weapon from the ship's position, slot, type and
// member, along the heading given (draws two reals per shot).
void FireShipWeapon(const TShip& ship, int32_t weapon, float heading);
// The angle and the x of the slot's muzzle point 1 of the weapon times -1:
// the next shot leaves from the other side.
void MirrorMuzzle(int32_t slot, int32_t weapon);
// Above maxSpeed the velocity is scaled down to it, as thrust does.
void LimitShipSpeed(TShip& ship, float maxSpeed);
// The same with the factor maxSpeed / speed formed first (the code that
// changes a ship's speed from outside its thrust); it rounds apart.
void ScaleShipSpeedDown(TShip& ship, float maxSpeed);

// The shot's hit explosion and sound at its position (size 0 = default).
void ShotHitExplosion(const TShot& shot, float heading, float size);
// A spark with a random heading, then a random speed lo to hi.
void SparkBurst(float x, float y, int32_t lo, int32_t hi, int32_t kind);
// Extra sound n of a ship type, on a fresh channel.
void PlayExtraSound(int32_t shipType, int32_t n);
// Extra sound n on a channel of its own, kept for the whole run (made here
// when the handle is still 0) and started again only once it has gone quiet;
// the handle becomes the channel that plays, if any.
void PlayExtraSoundOnce(int32_t shipType, int32_t n, int32_t& channel);
// Explosion sound n on a fresh channel.
void PlayExplosionSound(int32_t n);

// The point d ahead of (x, y) along heading a, and d to its right (negative:
// left); each stored as a Float. Cases whose offsets take another form write
// it out themselves: the forms round differently.
void PointAhead(float x, float y, float a, double d, float& outX, float& outY);
void PointToRight(float x, float y, float a, double d, float& outX, float& outY);
