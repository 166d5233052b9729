// What the ship-type cases share: the two dispatchers live in
// ship_type_code.cpp, the cases by ship type in their own files.
#pragma once
#include <cstdint>

#include "match/records.hpp"

// Contact of a ship or shot with a shot (the shared circle test).
int32_t ShipTouchesShot(const TShip& ship, const TShot& shot);
int32_t ShotTouchesShot(const TShot& other, const TShot& shot);
// Special damage by the shot's owner, applied in the next frame.
void QueueSpecialDamage(int32_t targetSlot, const TShot& shot, float amount);
// The attacking shot's damage taken from a struck destructible shot through
// its resistance (types 1-3; special damage unreduced).
void DamageShotWithResistance(TShot& struck, const TShot& attacker);
// The shot's hit explosion and sound at its position (size 0 = default).
void ShotHitExplosion(const TShot& shot, float heading, float size);
// A new TShotPlain appended to shotList at once and held in newShotPlain.
Ref<TShotPlain> NewSubMunition();
// Extra sound n of a ship type, on a fresh channel.
void PlayExtraSound(int32_t shipType, int32_t n);
// Extra sound n on a channel of its own, started again only when the channel
// has gone quiet; the handle becomes the channel that plays.
void PlayExtraSoundOnce(int32_t shipType, int32_t n, int32_t& channel);
// The point d ahead of (x, y) along heading a, and d to its right (negative:
// left); each stored as a Float.
void PointAhead(float x, float y, float a, float d, float& outX, float& outY);
void PointToRight(float x, float y, float a, float d, float& outX, float& outY);
// A spark with a random heading, then a random speed lo to hi.
void SparkBurst(float x, float y, int32_t lo, int32_t hi, int32_t kind);
