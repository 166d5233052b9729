// A headless fixture for the ship types' own code: ships and shots put
// straight into the lists, controls held, the generator seeded, and the
// match frame's passes stepped one frame at a time.
//
//   class Regal : public shiptypes::ShipTypeFixture {};
//   TEST_F(Regal, MissilesAlternateSides) {
//     Ref<TShip> ship = PlaceShip(1, SHIP_REGAL, 400, 300, 90);
//     Hold(1, INPUT_FIRE_SECONDARY);
//     Seed(77);
//     StepShips();
//     EXPECT_EQ(RandomDrawsSinceMark(), 2);  // one missile: direction, speed
//   }
//
// Placing ships and shots draws nothing from the generator, so a test can
// seed before or after. Every weapon, extra and explosion sound stands for a
// number of its own, so SoundsPlayed() tells which one played.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "match/firing.hpp"
#include "match/spawn.hpp"
#include "platform/files.hpp"
#include "platform/sound.hpp"
#include "tests/match_harness.hpp"

namespace shiptypes {

class ShipTypeFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    harness::ResetMatchWorld();
    std::memcpy(savedWeaponSounds_, weaponSounds, sizeof weaponSounds);
    std::memcpy(savedExplosionSounds_, explosionSounds, sizeof explosionSounds);
    for (int32_t t = 1; t <= shipCount; ++t) {
      for (int32_t w = 1; w <= 2; ++w) weaponSounds[t][1][w] = WeaponSound(t, w);
      for (int32_t n = 1; n <= 5; ++n) weaponSounds[t][2][n] = ExtraSound(t, n);
    }
    for (int32_t n = 1; n <= 50; ++n) explosionSounds[n] = ExplosionSound(n);
    ClearAudioCallLog();
    MarkRandom();
  }
  void TearDown() override {
    std::memcpy(weaponSounds, savedWeaponSounds_, sizeof weaponSounds);
    std::memcpy(explosionSounds, savedExplosionSounds_, sizeof explosionSounds);
  }

  // Ships. A ship of the type flying for the slot at (x, y) with the heading,
  // as a warp-in leaves it: the slot's control and team (0: the slot's own
  // number, so every slot is an enemy of every other), a fleet of that one
  // member (statistics member 1), a fresh working copy of the catalogue
  // values, and shipType already set. currentShip is left on it.
  Ref<TShip> PlaceShip(int32_t slot, int32_t type, float x, float y, float heading,
                       int32_t team = 0, int32_t control = CONTROL_HUMAN) {
    slotTable[slot][SLOT_CONTROL] = control;
    slotTable[slot][SLOT_TEAM] = team != 0 ? team : slot;
    slotTable[slot][SLOT_ARENA] = ARENA_FLYING;
    slotTable[slot][SLOT_FLEET_KIND] = FLEET_CUSTOM;
    fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN] = 1;
    fleetTable[slot][FLEET_HEAD][FLEET_SIZE] = 1;
    fleetTable[slot][FLEET_MEMBER_TYPES][1] = type;
    fleetTable[slot][FLEET_MEMBER_STATS][1] = 1;
    matchStats[slot][1][STAT_SHIP_TYPE] = static_cast<float>(type);
    matchStats[slot][1][STAT_STATUS] = static_cast<float>(STATUS_OK);
    const int32_t state = GetRandomSeed();
    SpawnShip(x, y, slot);
    SetRandomSeed(state);  // the spawn's heading is replaced
    Ref<TShip> ship = currentShip;
    ship->heading = heading;
    ship->shipType = type;
    RankBySize();
    return ship;
  }
  // The ship taken out of the arena without a death (no draws, no effects);
  // the slot's working copy stays.
  void RemoveShip(const Ref<TShip>& ship) {
    slotTable[ship->slot][SLOT_TARGETABLE] = 0;
    slotTable[ship->slot][SLOT_ARENA] = ARENA_CHOOSING;
    ListRemoveValue(*shipList, ship);
  }

  // Shots. One shot of the slot's weapon (1 or 2) exactly at (x, y), flying
  // along the heading at the weapon's speed, otherwise as the generic firing
  // fills it from the slot's working copy; draws nothing. The slot needs a
  // placed ship (its ship may be removed afterwards).
  Ref<TShot> PlaceShot(int32_t slot, int32_t weapon, float x, float y, float heading) {
    float* values = slotShipValue[slot][weapon + 1];
    float* muzzle = slotShipPoint[slot][weapon + 1][1];
    const float count = values[WEAPON_SHOT_COUNT];
    const float point[3] = {muzzle[MUZZLE_ANGLE], muzzle[MUZZLE_X], muzzle[MUZZLE_Y]};
    values[WEAPON_SHOT_COUNT] = 1;
    muzzle[MUZZLE_ANGLE] = muzzle[MUZZLE_X] = muzzle[MUZZLE_Y] = 0;
    const int32_t state = GetRandomSeed();
    const int32_t chosen = fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN];
    FireWeapon(slot, fleetTable[slot][FLEET_MEMBER_TYPES][chosen], weapon, x, y, heading,
               fleetTable[slot][FLEET_MEMBER_STATS][chosen]);
    SetRandomSeed(state);
    values[WEAPON_SHOT_COUNT] = count;
    muzzle[MUZZLE_ANGLE] = point[0];
    muzzle[MUZZLE_X] = point[1];
    muzzle[MUZZLE_Y] = point[2];
    Ref<TShot> shot = currentShot;
    shot->heading = heading;
    shot->speed = values[WEAPON_PROJECTILE_SPEED];
    return shot;
  }
  // The ship's weapon fired as the ship pass fires it (two draws a shot);
  // the last shot made.
  Ref<TShot> Fire(const Ref<TShip>& ship, int32_t weapon) {
    FireWeapon(ship->slot, ship->shipType, weapon, ship->x, ship->y, ship->heading,
               ship->memberIndex);
    return currentShot;
  }
  // A list as it stands, first to last; shotList so; and only the shots of a
  // ship type's weapon.
  template <class T>
  static std::vector<Ref<T>> All(const TList<T>& list) {
    std::vector<Ref<T>> all;
    ForEachInList(list, [&](const Ref<T>& item) { all.push_back(item); });
    return all;
  }
  static std::vector<Ref<TShot>> Shots() { return All(*shotList); }
  static std::vector<Ref<TShot>> ShotsOf(int32_t type, int32_t weapon) {
    std::vector<Ref<TShot>> shots;
    ForEachInList(*shotList, [&](const Ref<TShot>& shot) {
      if (shot->shipType == type && shot->weapon == weapon) shots.push_back(shot);
    });
    return shots;
  }
  static bool InList(const Ref<TShot>& shot) {
    bool found = false;
    ForEachInList(*shotList, [&](const Ref<TShot>& s) { found = found || s == shot; });
    return found;
  }

  // Controls held from now on, as keys are: written into every slot's
  // playerInput row before each ship pass (the match clears the rows at the
  // top of each frame). Computer slots overwrite their own rows.
  void Hold(int32_t slot, int32_t control, bool held = true) { held_[slot][control] = held; }
  void ReleaseAll() { std::memset(held_, 0, sizeof held_); }

  // The generator. Seed() seeds and marks; the draws since the mark are
  // counted by stepping a copy of the generator, so a missing or extra draw
  // shows. A draw, real or integer, takes two steps.
  void Seed(int32_t seed) {
    SetRandomSeed(seed);
    MarkRandom();
  }
  void MarkRandom() { mark_ = GetRandomSeed(); }
  // Steps from the mark to the present state; -1 beyond 'limit'.
  int32_t RandomStepsSinceMark(int32_t limit = 200000) const {
    int32_t state = mark_;
    for (int32_t n = 0; n <= limit; ++n) {
      if (state == GetRandomSeed()) return n;
      state = harness::Step(state);
    }
    return -1;
  }
  // Draws since the mark; -1 for an odd number of steps or beyond the limit.
  int32_t RandomDrawsSinceMark() const {
    const int32_t steps = RandomStepsSinceMark();
    return steps >= 0 && steps % 2 == 0 ? steps / 2 : -1;
  }

  // The passes. StepFrame() runs the match frame's stages from the warp-ins
  // on, without input, choice or drawing: WarpInUpdate, the snapshot, the
  // ship pass, the shot pass, ResolveDamage, EffectsUpdate.
  void StepFrame(int32_t frames = 1) {
    for (int32_t i = 0; i < frames; ++i) {
      WarpInUpdate();
      StepShips();
      StepShots();
      StepDamage();
      EffectsUpdate();
      ++frame_;
    }
  }
  // The snapshot and the ship pass, with the held controls.
  void StepShips() {
    for (int32_t s = 1; s <= 4; ++s)
      for (int32_t c = 1; c <= 7; ++c) playerInput[s][c] = held_[s][c] ? 1 : 0;
    TakeShipSnapshot();
    ShipUpdate();
  }
  void StepShots() { ShotUpdate(); }
  void StepDamage() { ResolveDamage(); }
  // Frames run by StepFrame.
  int32_t Frames() const { return frame_; }

  // Damage queued against the target by the attacker's member 1.
  static float Queued(int32_t target, int32_t attacker, int32_t column, int32_t member = 1) {
    return damageQueue[target][attacker][member][column];
  }

  // Sounds: the number each one stands for here.
  static int32_t WeaponSound(int32_t type, int32_t weapon) { return 100000 + type * 100 + weapon; }
  static int32_t ExtraSound(int32_t type, int32_t n) { return 100000 + type * 100 + 10 + n; }
  static int32_t ExplosionSound(int32_t n) { return 200000 + n; }
  // A silent sound of the length, loaded for real, for channels that must
  // stay busy (the clock is the headless one: HeadlessAdvanceClock).
  static int32_t RealSound(int32_t milliseconds) {
    static std::map<int32_t, std::vector<uint8_t>> files;
    std::vector<uint8_t>& bytes = files[milliseconds];
    if (bytes.empty()) {
      // Mono 16-bit PCM at 22050 Hz.
      const uint32_t samples = 22050u * static_cast<uint32_t>(milliseconds) / 1000u;
      auto text = [&](const char* t) { bytes.insert(bytes.end(), t, t + 4); };
      auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
      };
      text("RIFF");
      put(36 + samples * 2, 4);
      text("WAVE");
      text("fmt ");
      for (uint32_t v : {16u, 1u | 1u << 16, 22050u, 44100u, 2u | 16u << 16}) put(v, 4);
      text("data");
      put(samples * 2, 4);
      bytes.resize(bytes.size() + samples * 2, 0);
    }
    const Text name = TextFromBytes("shiptypes_" + std::to_string(milliseconds) + ".wav");
    RegisterEmbeddedFile(name, bytes.data(), bytes.size());
    return LoadSoundFile(u"incbin::" + name);
  }
  // The sounds played since the last ClearSounds (or the start), in order.
  static std::vector<int32_t> SoundsPlayed() {
    std::vector<int32_t> played;
    const std::string call = "PlaySoundOnChannel ";
    for (const std::string& line : AudioCallLog())
      if (line.compare(0, call.size(), call) == 0)
        played.push_back(std::atoi(line.c_str() + call.size()));
    return played;
  }
  static void ClearSounds() { ClearAudioCallLog(); }

 private:
  bool held_[5][8] = {};
  int32_t mark_ = 0;
  int32_t frame_ = 0;
  int32_t savedWeaponSounds_[shipCount + 1][3][6] = {};
  int32_t savedExplosionSounds_[51] = {};
};

}  // namespace shiptypes
