// Long computer runs: seeded matches of four computer slots with random teams
// and random fleets drawn from a list of ship types, the match looked at after
// every frame for reals that are not finite, ships outside the arena and
// lists that grow without bound.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "tests/match_harness.hpp"

namespace longrun {

// Far beyond what a match holds unless the list grows without bound.
constexpr int32_t maxEffects = 3000;  // debris, sparks and explosions each

// The first fault of the match as it stands, with at most maxShots shots;
// empty when there is none.
inline std::string MatchFault(int32_t maxShots = 1000) {
  std::string fault;
  auto real = [&](float v, const char* what) {
    if (fault.empty() && !std::isfinite(v)) fault = std::string(what) + " not finite";
  };
  ForEachInList(*shipList, [&](const Ref<TShip>& ship) {
    for (float v : {ship->x, ship->y, ship->heading, ship->speed, ship->velocityX, ship->velocityY,
                    ship->armour, ship->energy, ship->radius})
      real(v, "ship value");
    for (float v : ship->specialState) real(v, "ship state");
    if (ship->x < 0 || ship->x > ARENA_WIDTH || ship->y < 0 || ship->y > ARENA_HEIGHT)
      if (fault.empty()) fault = "ship outside the arena";
  });
  ForEachInList(*shotList, [&](const Ref<TShot>& shot) {
    for (float v : {shot->x, shot->y, shot->heading, shot->speed, shot->damage, shot->radius,
                    shot->fade, shot->hitPoints, shot->sizePercent})
      real(v, "shot value");
    for (float v : shot->kindState) real(v, "shot state");
  });
  ForEachInList(*sparkList, [&](const Ref<TSpark>& spark) {
    for (float v : {spark->x, spark->y, spark->heading, spark->speed}) real(v, "spark value");
  });
  ForEachInList(*debrisList, [&](const Ref<TDebris>& debris) {
    for (float v : {debris->x, debris->y, debris->heading}) real(v, "debris value");
  });
  ForEachInList(*explosionList, [&](const Ref<TExplosion>& explosion) {
    for (float v : {explosion->x, explosion->y, explosion->size}) real(v, "explosion value");
  });
  if (fault.empty() && ListCount(*shotList) >= maxShots) fault = "shot list unbounded";
  for (int32_t count : {ListCount(*debrisList), ListCount(*sparkList), ListCount(*explosionList)})
    if (fault.empty() && count >= maxEffects) fault = "effect list unbounded";
  return fault;
}

struct Run {
  std::vector<int32_t> types;  // the fleets draw from these
  int32_t matches = 12;
  uint32_t seed = 1;
  int32_t maxFrames = 8000;  // match frames at most
  int32_t fleetSize = 3;     // members of a slot at most
  int32_t maxShots = 1000;   // shots in the list at any time, fewer
  bool playBack = true;      // each match played back from its recording
};

struct Result {
  int32_t matches = 0;
  int32_t ended = 0;  // matches that reached their end
  int64_t frames = 0;
  int32_t mostShots = 0;
  int32_t outOfStep = 0;    // matches whose playback differed
  std::set<int32_t> flown;  // ship types that reached the arena
  std::string fault;        // the first fault, with its match and frame
};

// The matches of the run, one after another. Fleets are dealt from the type
// list, shuffled again each time it runs out, so every type is dealt about
// equally often.
inline Result RunComputerMatches(const Run& run) {
  uint32_t state = run.seed * 2654435761u + 97u;
  auto next = [&](uint32_t n) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % n;
  };
  std::vector<int32_t> deck;
  auto deal = [&] {
    if (deck.empty()) {
      deck = run.types;
      for (size_t i = deck.size(); i > 1; --i)
        std::swap(deck[i - 1], deck[next(static_cast<uint32_t>(i))]);
    }
    const int32_t type = deck.back();
    deck.pop_back();
    return type;
  };
  Result result;
  for (int32_t m = 0; m < run.matches; ++m) {
    harness::MatchSetup setup;
    setup.seed = static_cast<int32_t>(next(2000000000u)) + 1;
    setup.maxFrames = run.maxFrames;
    const int32_t teams = 2 + static_cast<int32_t>(next(3));
    for (int32_t s = 1; s <= 4; ++s) {
      harness::SlotSetup& slot = setup.slots[s];
      slot.control = CONTROL_COMPUTER;
      slot.team = s <= teams ? s : 1 + static_cast<int32_t>(next(static_cast<uint32_t>(teams)));
      const int32_t size = 1 + static_cast<int32_t>(next(static_cast<uint32_t>(run.fleetSize)));
      for (int32_t k = 0; k < size; ++k) slot.fleet.push_back(deal());
    }
    int32_t frame = 0;
    const harness::MatchRecord record = harness::RecordMatch(setup, [&] {
      ++frame;
      result.mostShots = std::max(result.mostShots, ListCount(*shotList));
      ForEachInList(*shipList,
                    [&](const Ref<TShip>& ship) { result.flown.insert(ship->shipType); });
      if (!result.fault.empty()) return;
      const std::string fault = MatchFault(run.maxShots);
      if (!fault.empty())
        result.fault = fault + " in match " + std::to_string(m) + " (seed " +
                       std::to_string(setup.seed) + ") at frame " + std::to_string(frame);
    });
    if (run.playBack) {
      // In the working directory: the caller gives the run a folder of its own.
      harness::WriteFileBytes(u"longrun.tmp", record.data);
      const harness::PlaybackResult played =
          harness::PlayBackFile(u"longrun.tmp", record.lastFrame);
      if (!played.started || played.frames != record.frames || played.mismatches != 0)
        result.outOfStep += 1;
    }
    result.matches += 1;
    result.ended += record.ended ? 1 : 0;
    result.frames += record.frames;
  }
  return result;
}

}  // namespace longrun
