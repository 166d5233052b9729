#include "match/effects.hpp"

#include "catalogue/explosions.hpp"
#include "match/media_lookup.hpp"
#include "match/records.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "platform/sound.hpp"

int32_t SpawnDebris(float x, float y, float heading, int32_t colourSlot, int32_t fadeLeft) {
  Ref<TDebris> debris = NewRecord<TDebris>();
  currentDebris = debris;
  debris->x = x;
  debris->y = y;
  debris->heading = static_cast<float>(static_cast<double>(heading) - 180.0 - 45.0 +
                                       RandomRealInRange(90.0, 0.0));
  debris->life = RandomIntInRange(6, 16);
  debris->colourSlot = colourSlot;
  debris->fadeLeft = fadeLeft;
  ListAppend(*debrisList, debris);
  return 0;
}

int32_t SpawnWarpIn(int32_t slot, float size, int32_t kind) {
  Ref<TWarpIn> warp = NewRecord<TWarpIn>();
  currentWarpIn = warp;
  warp->slot = slot;
  warp->size = size;
  warp->kind = kind;
  ListAppend(*warpInList, warp);
  return 0;
}

int32_t SpawnExplosion(float x, float y, float heading, int32_t explosionType, int32_t sound,
                       float size) {
  if (sound != 0) PlaySoundOnChannel(ExplosionSoundHandle(sound));
  Ref<TExplosion> explosion = NewRecord<TExplosion>();
  currentExplosion = explosion;
  explosion->x = x;
  explosion->y = y;
  explosion->heading = heading;
  explosion->explosionType = explosionType;
  explosion->size = size;
  // An unknown type lives no frames and is removed by its first update.
  if (explosionType >= 1 && explosionType <= explosionTypeCount) {
    explosion->frameCount = TruncateToInt(explosionTypeTable[explosionType][EXPLOSION_FRAME_COUNT]);
    explosion->frameDelay = TruncateToInt(explosionTypeTable[explosionType][EXPLOSION_FRAME_DELAY]);
  }
  ListAppend(*explosionList, explosion);
  return 0;
}

int32_t SpawnSpark(float x, float y, float heading, float speed, int32_t kind) {
  Ref<TSpark> spark = NewRecord<TSpark>();
  currentSpark = spark;
  ListAppend(*sparkList, spark);
  spark->x = x;
  spark->y = y;
  spark->heading = heading;
  spark->speed = speed;
  spark->kind = kind;
  return 0;
}
