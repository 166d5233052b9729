// The real match drawing with the game's pictures, through the software
// renderer, on a recorded busy frame: a four-team computer match run to the
// frame with the most objects in the arena. Also the fixed "effects" scene
// of the drawing tests, and the frozen, darkened picture of the screens
// after the match.
#include <benchmark/benchmark.h>

#include "match/bitmap_text.hpp"
#include "media/embedded_media.hpp"
#include "platform/display.hpp"
#include "shell/media_load.hpp"
#include "shell/screen_match_interrupt.hpp"
#include "shell/screens.hpp"
#include "shell/startup.hpp"
#include "shell/startup_tables.hpp"
#include "tests/match_harness.hpp"
#include "tests/match_scenes.hpp"

namespace {

harness::MatchSetup BusySetup() {
  harness::MatchSetup setup;
  setup.seed = 75075;
  const int32_t types[5] = {15, 24, 25, 34, 35};
  for (int32_t s = 1; s <= 4; ++s) {
    setup.slots[s].control = CONTROL_COMPUTER;
    setup.slots[s].team = s;
    for (int32_t m = 0; m < 10; ++m) setup.slots[s].fleet.push_back(types[(m + s) % 5]);
  }
  return setup;
}

int32_t ObjectCount() {
  int32_t n = 0;
  auto count = [&n](const auto& list) { ForEachInList(list, [&n](const auto&) { ++n; }); };
  count(*shipList);
  count(*shotList);
  count(*debrisList);
  count(*explosionList);
  count(*sparkList);
  count(*warpInList);
  return n;
}

// Runs the match from its start to the given frame (0: to its end); returns
// the frame with the most objects.
int32_t RunBusyMatch(int32_t stopAt) {
  harness::ResetMatchWorld();
  harness::ApplySetup(BusySetup());
  StartMatch();
  SetRandomSeed(BusySetup().seed);
  int32_t best = 0, bestFrame = 1;
  for (int32_t frame = 1; frame <= 30000 && matchOver == 0; ++frame) {
    PollInput();
    MatchUpdate();
    if (frame == stopAt) return frame;
    const int32_t n = ObjectCount();
    if (n > best) best = n, bestFrame = frame;
  }
  return bestFrame;
}

void LoadRealMedia() {
  ResetPlatformDisplay();
  RegisterEmbeddedMedia();
  OpenDisplay(1280, 1024, 32, 75, 0);
  SetUpTeamNames();
  SetUpStartupTables();
  FillGlyphTables();
  FillBigFontWidths();
  LoadFontImages();
  LoadGameMedia();
  MakeStarField();
  optionTable[0][2] = 0;  // team letters on
}

void DrawFrames(benchmark::State& state, void (*draw)()) {
  for (auto _ : state) {
    SetClearColour(0, 0, 15);
    ClearBackBuffer();
    draw();
    benchmark::DoNotOptimize(FramebufferData());
  }
}

void BM_MatchDrawBusyFrame(benchmark::State& state) {
  const int32_t busiest = RunBusyMatch(0);
  RunBusyMatch(busiest);
  const int32_t objects = ObjectCount();
  LoadRealMedia();
  optionTable[0][3] = static_cast<int32_t>(state.range(0));
  DrawFrames(state, MatchDraw);
  state.counters["objects"] = objects;
  state.counters["frame"] = busiest;
  ResetPlatformDisplay();
}
// 0: high-detail effects on, 1: off.
BENCHMARK(BM_MatchDrawBusyFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MatchDrawEffectsScene(benchmark::State& state) {
  harness::ResetMatchWorld();
  LoadRealMedia();
  scenes::Effects();
  optionTable[0][3] = 0;
  DrawFrames(state, MatchDraw);
  ResetPlatformDisplay();
}
BENCHMARK(BM_MatchDrawEffectsScene)->Unit(benchmark::kMillisecond);

void BM_FrozenMatchPicture(benchmark::State& state) {
  const int32_t busiest = RunBusyMatch(0);
  RunBusyMatch(busiest);
  LoadRealMedia();
  dimLevel = 40;
  DrawFrames(state, ConfirmAbortMatchDraw);
  ResetPlatformDisplay();
}
BENCHMARK(BM_FrozenMatchPicture)->Unit(benchmark::kMillisecond);

}  // namespace
