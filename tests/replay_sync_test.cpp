#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "match/replay_files.hpp"
#include "tests/match_harness.hpp"
#include "tests/test_folder.hpp"

namespace {

// Each test works in a folder of its own: the playback's "qvw2.tmp" lives in
// its data folder.
class ReplaySync : public FolderTest {
 protected:
  ReplaySync() : FolderTest("qw2_replay_sync_", "data") {}
};

harness::MatchSetup Duel(int32_t seed, std::vector<int32_t> a, std::vector<int32_t> b) {
  harness::MatchSetup setup;
  setup.seed = seed;
  setup.scriptSeed = static_cast<uint32_t>(seed) * 7u + 3u;
  setup.slots[1] = {CONTROL_HUMAN, 1, std::move(a)};
  setup.slots[2] = {CONTROL_HUMAN, 2, std::move(b)};
  return setup;
}

harness::MatchSetup FourWay(int32_t seed) {
  harness::MatchSetup setup;
  setup.seed = seed;
  setup.scriptSeed = 99;
  setup.slots[1] = {CONTROL_HUMAN, 1, {SHIP_SPETH, SHIP_DRONT}};
  setup.slots[2] = {CONTROL_HUMAN, 2, {SHIP_GROK, SHIP_WENDE}};
  setup.slots[3] = {CONTROL_HUMAN, 3, {SHIP_SERAX, SHIP_REGAL}};
  setup.slots[4] = {CONTROL_HUMAN, 4, {SHIP_URBATRON, SHIP_EREBOS}};
  return setup;
}

TEST_F(ReplaySync, RecordedMatchesPlayBackInStepInEveryFrame) {
  const harness::MatchSetup setups[] = {
      Duel(4711, {SHIP_SPETH, SHIP_DRONT}, {SHIP_GROK, SHIP_WENDE}), FourWay(123456),
      Duel(-5, {SHIP_SERAX}, {SHIP_SPETH})};
  for (const harness::MatchSetup& setup : setups) {
    harness::MatchRecord record = harness::RecordMatch(setup);
    ASSERT_TRUE(record.ended) << "seed " << setup.seed;
    EXPECT_GE(record.winner, 1);
    ASSERT_EQ(record.data.size(), 8u + 160u * (record.lastFrame + 1));
    harness::PlaybackResult played = harness::PlayThroughReplayFile(record);
    ASSERT_TRUE(played.started);
    EXPECT_EQ(played.frames, record.frames);
    EXPECT_EQ(played.mismatches, 0)
        << "first at frame " << (played.mismatchFrames.empty() ? 0 : played.mismatchFrames[0]);
    EXPECT_EQ(played.winner, record.winner);
    // The unpacked file was read and deleted by the match start.
    EXPECT_EQ(PathKind(playbackTempPath), PATH_NONE);
  }
}

TEST_F(ReplaySync, ComputerSlotsAreComputedAgainInPlayback) {
  harness::MatchSetup setup;
  setup.seed = 8080;
  setup.scriptSeed = 3;
  setup.maxFrames = 3000;
  setup.slots[1] = {CONTROL_HUMAN, 1, {SHIP_SPETH, SHIP_SERAX}};
  setup.slots[2] = {CONTROL_COMPUTER, 2, {SHIP_DRONT, SHIP_GROK, SHIP_WENDE}};
  setup.slots[3] = {CONTROL_COMPUTER, 2, {SHIP_SERAX, SHIP_SPETH}};
  harness::MatchRecord record = harness::RecordMatch(setup);
  // Computer rows are never recorded.
  for (int32_t f = 36; f <= record.lastFrame; ++f)
    for (int32_t c = 1; c <= 6; ++c) ASSERT_EQ(replayData[f][2][c], 0);
  harness::PlaybackResult played = harness::PlayThroughReplayFile(record);
  ASSERT_TRUE(played.started);
  EXPECT_EQ(played.frames, record.frames);
  EXPECT_EQ(played.mismatches, 0);
}

TEST_F(ReplaySync, AlteredChecksumWarnsInExactlyThatFrame) {
  harness::MatchRecord record = harness::RecordMatch(Duel(2024, {SHIP_SPETH}, {SHIP_DRONT}));
  ASSERT_TRUE(record.ended);
  const int32_t frame = 36 + record.frames / 2;
  for (int32_t column : {5, 6, 7}) {
    std::vector<uint8_t> data = record.data;
    const size_t offset = 8 + (static_cast<size_t>(frame) * 40 + column) * 4;
    data[offset] ^= 1;
    harness::WriteFileBytes(playbackTempPath, data);
    harness::PlaybackResult played = harness::PlayBackFile(playbackTempPath, record.lastFrame);
    ASSERT_TRUE(played.started);
    EXPECT_EQ(played.mismatches, 1) << "column " << column;
    ASSERT_EQ(played.mismatchFrames.size(), 1u);
    EXPECT_EQ(played.mismatchFrames[0], frame);
  }
}

TEST_F(ReplaySync, DifferentSeedWarnsFromTheFirstFrame) {
  harness::MatchRecord record = harness::RecordMatch(Duel(77, {SHIP_SPETH}, {SHIP_DRONT}));
  std::vector<uint8_t> data = record.data;
  data[8] ^= 2;  // the seed cell
  harness::WriteFileBytes(playbackTempPath, data);
  harness::PlaybackResult played = harness::PlayBackFile(playbackTempPath, record.lastFrame);
  ASSERT_TRUE(played.started);
  ASSERT_FALSE(played.mismatchFrames.empty());
  EXPECT_EQ(played.mismatchFrames[0], 36);
}

TEST_F(ReplaySync, SeedWithTopBitSetIsMaskedAlike) {
  harness::MatchRecord record =
      harness::RecordMatch(Duel(static_cast<int32_t>(0x80000123u), {SHIP_SPETH}, {SHIP_DRONT}));
  harness::WriteFileBytes(playbackTempPath, record.data);
  harness::PlaybackResult played = harness::PlayBackFile(playbackTempPath, record.lastFrame);
  ASSERT_TRUE(played.started);
  EXPECT_EQ(played.mismatches, 0);
}

}  // namespace
