// The shell as the start-up leaves it, headless, for tests that drive the
// real frame loop: its start and stop, a fixture that runs each test in a
// fresh folder (with the game's media when asked), clicks and keys, the
// pictures the frames present, the audio log's counts, and readers of the
// files it writes.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/shell_tables.hpp"
#include "platform/display.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "shell/screens.hpp"
#include "shell/startup_tables.hpp"
#include "tests/game_pictures.hpp"
#include "tests/match_harness.hpp"
#include "tests/test_folder.hpp"

namespace shellharness {

using harness::SoundsPlayed;

// What the tables hold before the display opens: the catalogue alone, or also
// the match state of a fresh program with the ship pictures, for tests that
// fill in a finished match.
enum class Tables { Catalogue, MatchWorld };

// The display, the music and the shell's tables as a fresh program has
// them, headless, no display open.
inline void ResetHeadlessShell() {
  UseHeadlessBackend(true);
  ResetPlatformDisplay();
  ResetMusic();
  ResetShell();
}

// A headless display, the catalogue and the start-up tables; the first
// frame's fade-in is pending. False when the display did not open.
inline bool StartShell(Tables tables = Tables::Catalogue) {
  ResetHeadlessShell();
  ResetCatalogue();
  InitShipCatalogue();
  InitExplosionTypes();
  if (tables == Tables::MatchWorld) harness::ResetMatchWorld();
  if (!harness::OpenHeadlessDisplay()) return false;
  fadePhase = FADE_IN;
  return true;
}

inline void StopShell() {
  ResetPlatformDisplay();
  ResetMusic();
  ResetShell();
}

// What a fixture loads once the shell has started: nothing, the game's
// fonts, pictures and sounds, or those and the star field, whose making
// seeds the generator from the clock.
enum class Media { None, Pictures, PicturesAndStars };

// Each test in a fresh folder of its own, the shell started in it with the
// media that the fixture asks for; stopped and the folder removed afterwards.
class ShellTest : public FolderTest {
 protected:
  explicit ShellTest(std::string folderPrefix, Tables tables = Tables::Catalogue)
      : FolderTest(std::move(folderPrefix)), tables_(tables) {}
  void SetUp() override {
    FolderTest::SetUp();
    ASSERT_TRUE(StartShell(tables_));
    if (MediaToLoad() == Media::PicturesAndStars) {
      LoadGamePictures();
    } else if (MediaToLoad() == Media::Pictures) {
      LoadGameFonts();
      LoadGameMedia();
    }
  }
  // The pictures fixtures load the game's media.
  virtual Media MediaToLoad() const { return Media::None; }
  bool WithMedia() const { return MediaToLoad() != Media::None; }
  void TearDown() override {
    StopShell();
    FolderTest::TearDown();
  }

 private:
  Tables tables_;
};

// Moves there, presses the buttons in the next frame (which runs) and lets go.
inline void Click(int32_t x, int32_t y, int32_t buttons = 1) {
  HeadlessSetMouse(x, y, 0);
  RunFrame();
  HeadlessSetMouse(x, y, buttons);
  RunFrame();
  HeadlessSetMouse(x, y, 0);
}

// The key held for one frame.
inline void PressKey(int32_t key) {
  HeadlessSetKey(key, true);
  RunFrame();
  HeadlessSetKey(key, false);
}

// The key held for one frame, then up for one, so that the next press counts.
inline void TapKey(int32_t key) {
  PressKey(key);
  RunFrame();
}

// The picture in the back buffer, kept in QW2_SHOT_DIR when that is set,
// for looking at.
inline void KeepPicture(const char* name) {
  const char* dir = std::getenv("QW2_SHOT_DIR");
  if (dir != nullptr) WriteFramebufferPng(std::string(dir) + "/" + name);
}

// The picture the next frame presents, pixel by pixel, kept under the name
// when one is given; FrameAt with the pointer resting at (x, y).
inline std::vector<uint32_t> NextPicture(const char* keep = nullptr) {
  std::vector<uint32_t> picture(1280u * 1024u);
  HeadlessAtFrame(PresentedFrameCount() + 1, [&picture, keep] {
    if (keep != nullptr) KeepPicture(keep);
    for (int32_t y = 0; y < 1024; ++y)
      for (int32_t x = 0; x < 1280; ++x) picture[y * 1280u + x] = PresentedPixel(x, y);
  });
  RunFrame();
  return picture;
}
inline std::vector<uint32_t> FrameAt(int32_t x, int32_t y, const char* keep = nullptr) {
  HeadlessSetMouse(x, y, 0);
  return NextPicture(keep);
}

// The lines of the audio log that start with the prefix, and their count.
inline std::vector<std::string> CallsStartingWith(const std::string& prefix) {
  std::vector<std::string> calls;
  for (const std::string& line : AudioCallLog()) {
    if (line.rfind(prefix, 0) == 0) calls.push_back(line);
  }
  return calls;
}
inline size_t Calls(const std::string& prefix) { return CallsStartingWith(prefix).size(); }

// At most 4096 bytes: a save that wrongly put a device in the file's place
// must not read on for ever.
inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(4096, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

// The file as little-endian 32-bit values.
inline std::vector<int32_t> FileInts(const std::string& path) {
  const std::string bytes = FileBytes(path);
  std::vector<int32_t> values;
  for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
    uint32_t v = 0;
    for (size_t b = 0; b < 4; ++b)
      v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + b])) << (8 * b);
    values.push_back(static_cast<int32_t>(v));
  }
  return values;
}

}  // namespace shellharness
