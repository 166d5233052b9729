// Golden replays: matches recorded by the harness and kept in tests/data by
// name, one test case each. Every build must play them back without a
// checksum difference in any frame; with QW2_REGENERATE_GOLDEN set, a case
// records its file again first.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "match/replay_files.hpp"
#include "tests/match_harness.hpp"

namespace harness {

struct Golden {
  const char* name;  // the file's name in tests/data, without ".rep"
  MatchSetup setup;
};

// The case's name and the value gtest lists with it: the file's name.
inline std::string GoldenName(const ::testing::TestParamInfo<Golden>& info) {
  return info.param.name;
}
inline void PrintTo(const Golden& golden, std::ostream* out) { *out << golden.name; }

// Plays the golden's file back, recording it first when asked; everyFrame
// looks at the match after each frame.
inline void ExpectGoldenInStep(const Golden& golden, const std::function<void()>& everyFrame = {}) {
  const Text path = TextFromBytes(std::string(QW2_TEST_DATA_DIR) + "/" + golden.name + ".rep");
  if (std::getenv("QW2_REGENERATE_GOLDEN") != nullptr) {
    MatchRecord record = RecordMatch(golden.setup);
    ASSERT_TRUE(record.ended);
    WriteFileBytes(u"golden.tmp", record.data);
    CompressToReplay(u"golden.tmp", path);
    RemoveFile(u"golden.tmp");
  }
  ASSERT_EQ(PathKind(path), PATH_FILE);
  DecompressReplay(path, playbackTempPath);
  std::vector<uint8_t> data = ReadFileBytes(playbackTempPath);
  ASSERT_GE(data.size(), 8u + 160u);
  const int32_t last = data[4] | data[5] << 8 | data[6] << 16 | data[7] << 24;
  PlaybackResult played = PlayBackFile(playbackTempPath, last, everyFrame);
  ASSERT_TRUE(played.started);
  EXPECT_EQ(played.frames, last - matchFrameStart);
  EXPECT_GT(played.frames, 375);
  EXPECT_EQ(played.mismatches, 0) << DescribeDesync(played);
  EXPECT_GE(played.winner, 1);
  EXPECT_EQ(matchOver, 1);
}

}  // namespace harness
