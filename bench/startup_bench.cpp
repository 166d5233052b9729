// Start-up to the first main-menu frame on the headless backend. The loading
// screens' 100 timer ticks pass on the virtual clock, so they are left out.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "match/shell_tables.hpp"
#include "media/embedded_media.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "shell/screens.hpp"
#include "shell/startup.hpp"

namespace fs = std::filesystem;

static void BM_StartupToFirstMenuFrame(benchmark::State& state) {
  const fs::path old = fs::current_path();
  const fs::path dir =
      fs::temp_directory_path() / ("qw2_startup_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::current_path(dir);
  UseHeadlessBackend(true);
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all("data");
    ResetPlatformDisplay();
    ResetMusic();
    ResetShell();
    // RUN GAME is clicked in the start-up window's second pass.
    HeadlessSetMouse(240, 190, 0);
    HeadlessAtFrame(1, [] { HeadlessSetMouse(240, 190, 1); });
    state.ResumeTiming();

    ShellStartup(RegisterEmbeddedMedia);
    RunFrame();
    benchmark::DoNotOptimize(filesLoaded);
  }
  ResetPlatformDisplay();
  ResetShell();
  fs::current_path(old);
  fs::remove_all(dir);
}
BENCHMARK(BM_StartupToFirstMenuFrame)->Unit(benchmark::kMillisecond)->Iterations(5);
