// The match step without drawing, on a busy four-ship match: four human
// slots of four teams with large fleets, their keys played back from a
// recording so that the script costs nothing.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "tests/match_harness.hpp"

namespace {

harness::MatchRecord Recording(const std::vector<int32_t>& types, int32_t control = CONTROL_HUMAN) {
  harness::MatchSetup setup;
  setup.seed = 424242;
  setup.scriptSeed = 8;
  setup.maxFrames = 20000;
  for (int32_t s = 1; s <= 4; ++s) {
    setup.slots[s].control = control;
    setup.slots[s].team = s;
    for (size_t m = 0; m < 30; ++m) setup.slots[s].fleet.push_back(types[(m + s) % types.size()]);
  }
  return harness::RecordMatch(setup);
}

// Ship types whose weapons are all generic.
const harness::MatchRecord& BusyRecording() {
  static const harness::MatchRecord record = Recording({15, 24, 25, 34, 35});
  return record;
}

// Volleys of up to 15 shots and homing shots (their types' own code aside).
const harness::MatchRecord& HeavyFireRecording() {
  static const harness::MatchRecord record = Recording({3, 13, 25, 24, 6});
  return record;
}

// The first sixteen types, with their own special weapons and shot kinds.
const harness::MatchRecord& SpecialTypesRecording() {
  static const harness::MatchRecord record =
      Recording({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
  return record;
}

// Types 17 to 28, with their own special weapons and shot kinds.
const harness::MatchRecord& Types17To28Recording() {
  static const harness::MatchRecord record =
      Recording({17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28});
  return record;
}

// Computer slots flying the types 5 to 16: computer control and the types'
// tactics run again in playback.
const harness::MatchRecord& ComputerTypes5To16Recording() {
  static const harness::MatchRecord record =
      Recording({5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, CONTROL_COMPUTER);
  return record;
}

// Types 29 to 40: drones, lasers of many segments, stations, traps, flashes.
const harness::MatchRecord& Types29To40Recording() {
  static const harness::MatchRecord record =
      Recording({29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40});
  return record;
}

// Playback of the recording from its start, straight from memory.
void StartPlayback(const harness::MatchRecord& record) {
  harness::ResetMatchWorld();
  std::memcpy(&replayData[0][0][0], record.data.data() + 8, record.data.size() - 8);
  playbackMode = 1;
  StartMatch();
}

void RunPlayback(benchmark::State& state, const harness::MatchRecord& record) {
  StartPlayback(record);
  int64_t frames = 0, shots = 0, ships = 0, effects = 0, mismatches = 0;
  for (auto _ : state) {
    if (matchFrame >= record.lastFrame) {
      state.PauseTiming();
      StartPlayback(record);
      state.ResumeTiming();
    }
    MatchUpdate();
    ReplaySyncCheck();
    ++frames;
    shots += ListCount(*shotList);
    ships += ListCount(*shipList);
    effects += ListCount(*debrisList) + ListCount(*sparkList) + ListCount(*explosionList);
    mismatches += replaySyncMismatches;
  }
  playbackMode = 0;
  state.SetItemsProcessed(frames);
  state.counters["shots_per_frame"] = static_cast<double>(shots) / static_cast<double>(frames);
  state.counters["ships_per_frame"] = static_cast<double>(ships) / static_cast<double>(frames);
  state.counters["effects_per_frame"] = static_cast<double>(effects) / static_cast<double>(frames);
  state.counters["sync_warnings"] = static_cast<double>(mismatches);
  state.counters["match_frames"] = record.frames;
}
void BM_MatchStepBusyFourShips(benchmark::State& state) { RunPlayback(state, BusyRecording()); }
BENCHMARK(BM_MatchStepBusyFourShips)->Unit(benchmark::kMicrosecond);

void BM_MatchStepHeavyFire(benchmark::State& state) { RunPlayback(state, HeavyFireRecording()); }
BENCHMARK(BM_MatchStepHeavyFire)->Unit(benchmark::kMicrosecond);

void BM_MatchStepSpecialTypes(benchmark::State& state) {
  RunPlayback(state, SpecialTypesRecording());
}
BENCHMARK(BM_MatchStepSpecialTypes)->Unit(benchmark::kMicrosecond);

void BM_MatchStepTypes17To28(benchmark::State& state) {
  RunPlayback(state, Types17To28Recording());
}
BENCHMARK(BM_MatchStepTypes17To28)->Unit(benchmark::kMicrosecond);
void BM_MatchStepComputerTypes5To16(benchmark::State& state) {
  RunPlayback(state, ComputerTypes5To16Recording());
}
BENCHMARK(BM_MatchStepComputerTypes5To16)->Unit(benchmark::kMicrosecond);

void BM_MatchStepTypes29To40(benchmark::State& state) {
  RunPlayback(state, Types29To40Recording());
}
BENCHMARK(BM_MatchStepTypes29To40)->Unit(benchmark::kMicrosecond);

}  // namespace
