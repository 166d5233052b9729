// A headless harness for whole matches: slots and fleets set directly, human
// keys scripted frame by frame, the recording kept as replay data bytes and
// played back in a fresh state. Shared by the match tests and the benchmark.
#pragma once
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/input_edges.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "match/replay_files.hpp"
#include "match/shell_tables.hpp"
#include "media/media_sizes.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/match_step.hpp"
#include "shell/screen_match.hpp"
#include "shell/startup_tables.hpp"
#include "tests/game_pictures.hpp"

namespace harness {

// The random generator's state after one or n steps from state, worked out
// directly from the modulus, apart from the game's own code.
inline int32_t Step(int32_t state) {
  return static_cast<int32_t>((static_cast<int64_t>(state) * 48271) % 2147483647);
}
inline int32_t Steps(int32_t state, int n) {
  for (int i = 0; i < n; ++i) state = Step(state);
  return state;
}

// The ship pictures at the sizes of the game's media (radii come from them).
// The tables are written on every call: other tests may have reset them.
inline void LoadShipImages() {
  static std::map<std::pair<int, int>, int32_t> made;
  auto image = [&](qw2media::PictureSize size) {
    auto key = std::make_pair(size.width, size.height);
    auto found = made.find(key);
    if (found != made.end() && ImageExists(found->second)) return found->second;
    std::vector<uint8_t> pixels(static_cast<size_t>(size.width) * size.height * 4, 200);
    int32_t handle = ImageFromPixels(pixels.data(), size.width, size.height, true, size.width,
                                     size.height, 1, 0);
    made[key] = handle;
    return handle;
  };
  for (int32_t t = 1; t <= shipCount; ++t) {
    for (int32_t v = 1; v <= 4; ++v)
      for (int32_t k = 0; k <= 50; ++k) shipImages[t][v][k] = 0;
    const qw2media::ShipPictureSizes& p = qw2media::kShipPictures[t];
    for (int32_t k = 1; k <= p.bodyFrames; ++k) shipImages[t][1][k] = image(p.body);
    shipImages[t][1][0] = p.bodyFrames;
    for (int32_t k = 1; k <= p.primaryCount; ++k) shipImages[t][2][k] = image(p.primary[k - 1]);
    shipImages[t][2][0] = p.primaryCount;
    for (int32_t k = 1; k <= p.secondaryCount; ++k) {
      const int32_t number = t == SHIP_KABATA ? 2 : k;  // only its second picture
      shipImages[t][3][number] = image(p.secondary[k - 1]);
    }
    shipImages[t][3][0] = p.secondaryCount;
    for (int32_t k = 1; k <= p.specialCount; ++k) shipImages[t][4][k] = image(p.special[k - 1]);
  }
}

// The match state as the main menu leaves it in a fresh program, with the
// catalogue and the ship pictures.
inline void ResetMatchWorld() {
  UseHeadlessBackend(true);
  InitShipCatalogue();
  InitExplosionTypes();
  LoadShipImages();
  ResetMatchTables();
  ResetMatchObjects();
  ResetRandom();
  ResetInputEdges();
  ResetInput();
  playbackMode = 0;
  currentScreen = SCREEN_NEXT_SHOPPER;
  lastScreen = 0;
  pendingScreen = 0;
  musicTrack = TRACK_INGAME;  // no music calls in the match's first frame
  replaySyncMismatches = 0;
  // As entering the main menu leaves the slots: the first member selected.
  for (int32_t s = 1; s <= 4; ++s) {
    fleetTable[s][1][0] = 1;
    fleetTable[s][1][2] = 10000;
  }
}

struct SlotSetup {
  int32_t control = CONTROL_DISABLED;
  int32_t team = 1;
  std::vector<int32_t> fleet;
};

struct MatchSetup {
  int32_t seed = 1;
  std::array<SlotSetup, 5> slots;  // [1] to [4]
  uint32_t scriptSeed = 1;
  int32_t maxFrames = 20000;  // match frames recorded at most
};

// Slot s's keys: 65 + 6 (s - 1) + control - 1 ("A" onwards).
inline int32_t SlotKey(int32_t slot, int32_t control) { return 64 + 6 * (slot - 1) + control; }

inline void ApplySetup(const MatchSetup& setup) {
  for (int32_t s = 1; s <= 4; ++s) {
    const SlotSetup& slot = setup.slots[s];
    slotTable[s][SLOT_CONTROL] = slot.control;
    slotTable[s][SLOT_TEAM] = slot.team;
    slotTable[s][SLOT_FLEET_KIND] = FLEET_CUSTOM;
    slotTable[s][SLOT_ARENA] = slot.control != CONTROL_DISABLED ? ARENA_CHOOSING : ARENA_OUT;
    fleetTable[s][1][0] = 1;
    fleetTable[s][1][1] = static_cast<int32_t>(slot.fleet.size());
    fleetTable[s][1][3] = 200;
    for (size_t m = 0; m < slot.fleet.size() && m < 30; ++m)
      fleetTable[s][2][m + 1] = slot.fleet[m];
    for (int32_t c = 1; c <= 6; ++c) optionTable[s][c] = SlotKey(s, c);
  }
}

// Two slots of teams 1 and 2 with the given fleets, slot 1 human, and the
// match started live.
inline void StartDuel(std::vector<int32_t> a, std::vector<int32_t> b,
                      int32_t control2 = CONTROL_HUMAN) {
  MatchSetup setup;
  setup.slots[1] = {CONTROL_HUMAN, 1, std::move(a)};
  setup.slots[2] = {control2, 2, std::move(b)};
  ApplySetup(setup);
  StartMatch();
}

// The scripted player: turns toward the nearest enemy ship, with noise, and
// keeps firing. It only reads the match; its own numbers never touch the
// game's generator.
class KeyScript {
 public:
  explicit KeyScript(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}

  void Press(int32_t frame) {
    bool held[5][7] = {};
    for (int32_t s = 1; s <= 4; ++s) {
      if (slotTable[s][SLOT_CONTROL] != CONTROL_HUMAN) continue;
      if (slotTable[s][SLOT_ARENA] != ARENA_FLYING) {
        // Choosing: step now and then, launch after a while.
        held[s][INPUT_TURN_RIGHT] = Next() % 40 == 0;
        held[s][INPUT_FIRE_PRIMARY] = Next() % 30 == 0;
        continue;
      }
      const TShip* own = nullptr;
      const TShip* enemy = nullptr;
      double best = 1e30;
      ForEachInList(*shipList, [&](const Ref<TShip>& ship) {
        if (ship->slot == s) own = ship.get();
      });
      if (own) {
        ForEachInList(*shipList, [&](const Ref<TShip>& ship) {
          if (ship->team == own->team) return;
          double dx = ship->x - own->x, dy = ship->y - own->y;
          if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            enemy = ship.get();
          }
        });
      }
      const uint32_t noise = Next();
      if (own && enemy && noise % 11 != 0) {
        double bearing =
            std::atan2(enemy->y - own->y, enemy->x - own->x) * 57.29577951308232 + 90.0;
        double off = std::fmod(bearing - own->heading + 720.0, 360.0);
        if (off > 3.0 && off < 180.0) held[s][INPUT_TURN_RIGHT] = true;
        if (off >= 180.0 && off < 357.0) held[s][INPUT_TURN_LEFT] = true;
        held[s][INPUT_THRUST] =
            (best > 300.0 * 300.0 && (off < 20.0 || off > 340.0)) || noise % 23 == 0;
      } else {
        held[s][1 + noise % 3] = true;
      }
      held[s][INPUT_FIRE_PRIMARY] = Next() % 3 != 0;
      held[s][INPUT_FIRE_SECONDARY] = Next() % 4 == 0;
      held[s][INPUT_SNIPING] = Next() % 97 == 0;
    }
    for (int32_t s = 1; s <= 4; ++s)
      for (int32_t c = 1; c <= 6; ++c) HeadlessSetKey(SlotKey(s, c), held[s][c]);
    (void)frame;
  }

 private:
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  uint32_t state_;
};

// The bytes of a replay data file of frames 0 to last.
inline std::vector<uint8_t> ReplayDataBytes(int32_t last) {
  std::vector<uint8_t> bytes;
  auto put = [&](int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(u >> (8 * i)));
  };
  put(replayDataMagic);
  put(last);
  const int32_t* cells = &replayData[0][0][0];
  for (size_t i = 0; i < static_cast<size_t>(last + 1) * 40; ++i) put(cells[i]);
  return bytes;
}

struct MatchRecord {
  std::vector<uint8_t> data;  // the replay data file
  int32_t lastFrame = 0;
  int32_t winner = 0;
  int32_t frames = 0;                             // match frames run
  bool ended = false;                             // the match reached its end
  std::vector<std::array<int32_t, 3>> checksums;  // per frame from 36: armour, random, x
};

// The match-over flag ends a match; nothing else here leaves the match.
// everyFrame, when given, looks at the match after each frame.
inline MatchRecord RecordMatch(const MatchSetup& setup,
                               const std::function<void()>& everyFrame = {}) {
  ResetMatchWorld();
  ApplySetup(setup);
  StartMatch();
  // A fixed seed in place of the clock.
  matchSeed = setup.seed;
  replayData[0][0][0] = setup.seed;
  SetRandomSeed(setup.seed);
  KeyScript script(setup.scriptSeed);
  MatchRecord record;
  while (record.frames < setup.maxFrames && matchOver == 0) {
    script.Press(matchFrame + 1);
    PollInput();
    MatchUpdate();
    ReplaySyncCheck();
    record.frames += 1;
    const int32_t* row = replayData[matchFrame][0];
    record.checksums.push_back({row[5], row[6], row[7]});
    if (everyFrame) everyFrame();
  }
  for (int32_t s = 1; s <= 4; ++s)
    for (int32_t c = 1; c <= 6; ++c) HeadlessSetKey(SlotKey(s, c), false);
  record.ended = matchOver == 1;
  record.winner = matchWinner;
  record.lastFrame = matchFrame;
  record.data = ReplayDataBytes(matchFrame);
  return record;
}

// The first frame of a playback whose checksums differ: each checksum as
// recorded and as played, and the ships then in the arena, so that a change
// to one ship type points at it.
struct Desync {
  int32_t frame = 0;
  std::array<int32_t, 3> recorded{};  // armour, random, x, as in the replay row
  std::array<int32_t, 3> played{};
  std::vector<std::pair<int32_t, int32_t>> ships;  // slot and ship type, in list order
};

struct PlaybackResult {
  bool started = false;
  int32_t frames = 0;
  int32_t mismatches = 0;
  std::vector<int32_t> mismatchFrames;  // matchFrame of every frame with a warning
  int32_t winner = 0;
  std::optional<Desync> firstDesync;
};

// The frame's checksums worked out as the sync check does (armour and x
// truncated, summed with 32-bit wrap-around), leaving currentShip alone.
inline Desync TakeDesync() {
  Desync desync;
  desync.frame = matchFrame;
  const int32_t* row = replayData[matchFrame][REPLAY_MATCH_ROW];
  uint32_t armour = 0, x = 0;
  ForEachInList(*shipList, [&](const Ref<TShip>& ship) {
    armour += static_cast<uint32_t>(TruncateToInt(ship->armour));
    x += static_cast<uint32_t>(TruncateToInt(ship->x));
    desync.ships.emplace_back(ship->slot, ship->shipType);
  });
  desync.recorded = {row[REPLAY_ARMOUR_SUM], row[REPLAY_RANDOM_STATE], row[REPLAY_X_SUM]};
  desync.played = {static_cast<int32_t>(armour), GetRandomSeed(), static_cast<int32_t>(x)};
  return desync;
}

// As "first difference in frame 812: x sum recorded 4711, played 4698; in
// the arena: Bridew (slot 1), Kalgon (slot 2)"; empty when in step.
inline std::string DescribeDesync(const PlaybackResult& result) {
  if (!result.firstDesync) return {};
  const Desync& d = *result.firstDesync;
  static const char* const sums[3] = {"armour sum", "random state", "x sum"};
  std::string text = "first difference in frame " + std::to_string(d.frame) + ":";
  for (int i = 0; i < 3; ++i) {
    if (d.recorded[i] == d.played[i]) continue;
    text += std::string(" ") + sums[i] + " recorded " + std::to_string(d.recorded[i]) +
            ", played " + std::to_string(d.played[i]) + ";";
  }
  text += " in the arena:";
  for (size_t i = 0; i < d.ships.size(); ++i) {
    const auto [slot, type] = d.ships[i];
    const bool known = type >= 1 && type <= shipCount;
    text += (i == 0 ? " " : ", ") +
            (known ? TextToBytes(shipText[type][TEXT_SHIP_NAME]) : "type " + std::to_string(type)) +
            " (slot " + std::to_string(slot) + ")";
  }
  if (d.ships.empty()) text += " no ship";
  return text;
}

// Plays the replay data file at 'path' (read and deleted by the match start)
// in a fresh state, through the same start as the game: the file is checked,
// opened past its magic, and the match started in playback.
inline PlaybackResult PlayBackFile(const Text& path, int32_t lastFrame,
                                   const std::function<void()>& everyFrame = {}) {
  PlaybackResult result;
  ResetMatchWorld();
  if (!ReplayDataFileValid(path)) return result;
  replayStream = OpenFileForRead(path);
  if (!replayStream || ReadInt32(*replayStream) != replayDataMagic) return result;
  playbackMode = 1;
  StartMatch();
  result.started = true;
  while (matchFrame < lastFrame) {
    PollInput();
    MatchUpdate();
    ReplaySyncCheck();
    if (everyFrame) everyFrame();
    result.frames += 1;
    if (replaySyncMismatches > 0) {
      if (!result.firstDesync) result.firstDesync = TakeDesync();
      result.mismatches += replaySyncMismatches;
      result.mismatchFrames.push_back(matchFrame);
    }
  }
  result.winner = matchWinner;
  playbackMode = 0;
  return result;
}

// A shot of the kind standing still at (x, y) in the shot list; it hits no
// ship unless the test says so.
template <class Kind = TShotPlain>
inline Ref<TShot> StandingShot(float x = 0, float y = 0) {
  Ref<TShot> shot = NewRecord<Kind>();
  shot->x = x;
  shot->y = y;
  shot->stationary = 1;
  shot->noShipHits = 1;
  ListAppend(*shotList, shot);
  return shot;
}

// A headless display of the game's size with the team names and the
// start-up tables. False when the display did not open.
inline bool OpenHeadlessDisplay() {
  if (OpenDisplay(1280, 1024, 32, 75, 0) != 1) return false;
  SetUpTeamNames();
  SetUpStartupTables();
  return true;
}

// The same with the game's own pictures, team indicators and high detail
// on, as the match's golden pictures are drawn.
inline bool OpenHeadlessDisplayWithPictures() {
  if (!OpenHeadlessDisplay()) return false;
  LoadGamePictures();
  optionTable[OPTIONS_GENERAL][OPTION_TEAM_INDICATORS] = OPTION_ON;
  optionTable[OPTIONS_GENERAL][OPTION_HIGH_DETAIL] = OPTION_ON;
  return true;
}

// How often the sound was played without a channel, by the audio log.
inline size_t SoundsPlayed(int32_t sound) {
  size_t n = 0;
  for (const std::string& line : AudioCallLog())
    n += line == "PlaySoundOnChannel " + std::to_string(sound) + " 0" ? 1 : 0;
  return n;
}

inline void WriteFileBytes(const Text& path, const std::vector<uint8_t>& bytes) {
  StreamRef out = OpenFileForWrite(path);
  WriteStreamBytes(*out, bytes.data(), static_cast<int32_t>(bytes.size()));
  CloseDataStream(out);
}

inline std::vector<uint8_t> ReadFileBytes(const Text& path) {
  std::vector<uint8_t> bytes;
  int32_t size = FileByteSize(path);
  StreamRef in = OpenFileForRead(path);
  if (!in || size < 0) return bytes;
  bytes.resize(static_cast<size_t>(size));
  int32_t got = ReadStreamBytes(*in, bytes.data(), size);
  bytes.resize(static_cast<size_t>(got < 0 ? 0 : got));
  CloseDataStream(in);
  return bytes;
}

// Through the replay file and back, as a saved replay is played.
inline PlaybackResult PlayThroughReplayFile(const MatchRecord& record) {
  WriteFileBytes(u"saved.tmp", record.data);
  CompressToReplay(u"saved.tmp", u"match.rep");
  RemoveFile(u"saved.tmp");
  DecompressReplay(u"match.rep", playbackTempPath);
  return PlayBackFile(playbackTempPath, record.lastFrame);
}

}  // namespace harness
