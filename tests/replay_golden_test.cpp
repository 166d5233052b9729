// Golden replays: short matches recorded by the harness and kept in
// tests/data. Every build must play them back without a checksum difference
// in any frame. When the simulation changes on purpose, record them again:
//   QW2_REGENERATE_GOLDEN=1 <build>/tests/qw2_tests --gtest_filter='ReplayGolden.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "match/replay_files.hpp"
#include "tests/match_harness.hpp"
#include "tests/test_folder.hpp"

namespace {

struct Golden {
  const char* name;
  harness::MatchSetup setup;
};

harness::MatchSetup Setup(int32_t seed, uint32_t script,
                          std::initializer_list<std::pair<int32_t, std::vector<int32_t>>> slots) {
  harness::MatchSetup setup;
  setup.seed = seed;
  setup.scriptSeed = script;
  int32_t s = 1;
  for (const auto& [team, fleet] : slots) setup.slots[s++] = {CONTROL_HUMAN, team, fleet};
  return setup;
}

// Ship types whose weapons are all generic: their matches need nothing of
// the per-type code or of computer control.
std::vector<Golden> Goldens() {
  return {
      {"duel_speth_dront",
       Setup(31337, 5, {{1, {SHIP_SPETH, SHIP_DRONT}}, {2, {SHIP_GROK, SHIP_WENDE}}})},
      {"fourway_serax",
       Setup(-271828, 11,
             {{1, {SHIP_SERAX}}, {2, {SHIP_SPETH}}, {3, {SHIP_DRONT}}, {4, {SHIP_GROK}}})},
      {"teams_two_on_two", Setup(20061, 17,
                                 {{1, {SHIP_WENDE, SHIP_SERAX}},
                                  {1, {SHIP_DRONT}},
                                  {2, {SHIP_SPETH}},
                                  {2, {SHIP_GROK, SHIP_SPETH}}})},
  };
}

class ReplayGolden : public FolderTest {
 protected:
  ReplayGolden() : FolderTest("qw2_golden_", "data") {}
};

TEST_F(ReplayGolden, EveryGoldenReplayPlaysBackInStep) {
  const bool regenerate = std::getenv("QW2_REGENERATE_GOLDEN") != nullptr;
  for (const Golden& golden : Goldens()) {
    const Text path = TextFromBytes(std::string(QW2_TEST_DATA_DIR) + "/" + golden.name + ".rep");
    if (regenerate) {
      harness::MatchRecord record = harness::RecordMatch(golden.setup);
      ASSERT_TRUE(record.ended) << golden.name;
      harness::WriteFileBytes(u"golden.tmp", record.data);
      CompressToReplay(u"golden.tmp", path);
      RemoveFile(u"golden.tmp");
    }
    ASSERT_EQ(PathKind(path), PATH_FILE) << golden.name;
    DecompressReplay(path, playbackTempPath);
    std::vector<uint8_t> data = harness::ReadFileBytes(playbackTempPath);
    ASSERT_GE(data.size(), 8u + 160u) << golden.name;
    const int32_t last = data[4] | data[5] << 8 | data[6] << 16 | data[7] << 24;
    harness::PlaybackResult played = harness::PlayBackFile(playbackTempPath, last);
    ASSERT_TRUE(played.started) << golden.name;
    EXPECT_EQ(played.frames, last - matchFrameStart) << golden.name;
    EXPECT_GT(played.frames, 375) << golden.name;
    EXPECT_EQ(played.mismatches, 0)
        << golden.name << ": first difference in frame "
        << (played.mismatchFrames.empty() ? 0 : played.mismatchFrames[0]);
    EXPECT_GE(played.winner, 1) << golden.name;
    EXPECT_EQ(matchOver, 1) << golden.name;
  }
}

}  // namespace
