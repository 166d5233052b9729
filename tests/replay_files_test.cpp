#include "match/replay_files.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/match_harness.hpp"
#include "tests/test_folder.hpp"

namespace {

class ReplayFiles : public FolderTest {
 protected:
  ReplayFiles() : FolderTest("qw2_replay_files_", "data/replays") {}
};

std::vector<uint8_t> Bytes(std::initializer_list<int32_t> values) {
  std::vector<uint8_t> out;
  for (int32_t v : values)
    for (int i = 0; i < 4; ++i)
      out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
  return out;
}

TEST_F(ReplayFiles, ListingTakesEveryFileEndingInDotRep) {
  ListReplayFiles();
  EXPECT_EQ(replayNames[0], u"0");
  for (const char* name : {"first.rep", "SECOND.REP", "notes.txt", "rep", "xrep", ".rep"})
    harness::WriteFileBytes(JoinText(u"data\\replays\\", TextFromBytes(name)), {1});
  // A folder named like a replay is not one.
  std::filesystem::create_directory("data/replays/folder.Rep");
  ListReplayFiles();
  ASSERT_EQ(replayNames[0], u"3");
  // Alphabetical without regard to case; the file names keep their own case.
  std::vector<Text> names(replayNames + 1, replayNames + 4);
  std::vector<Text> files(replayFileNames + 1, replayFileNames + 4);
  EXPECT_EQ(names, (std::vector<Text>{u"", u"first", u"SECOND"}));
  EXPECT_EQ(files, (std::vector<Text>{u".rep", u"first.rep", u"SECOND.REP"}));
  // Past 200 the alphabetically last are left out, whatever the folder's order.
  for (int32_t i = 300; i >= 100; --i)
    harness::WriteFileBytes(
        JoinText(u"data\\replays\\", i % 2 ? u"R" : u"r", IntToText(i), u".rep"), {1});
  ListReplayFiles();
  ASSERT_EQ(replayNames[0], u"200");
  EXPECT_EQ(replayNames[1], u"");
  EXPECT_EQ(replayNames[3], u"r100");
  EXPECT_EQ(replayNames[4], u"R101");
  EXPECT_EQ(replayNames[200], u"R297");
}

TEST_F(ReplayFiles, PackingAddsTheExtensionOnlyWhenMissing) {
  std::vector<uint8_t> data = Bytes({replayDataMagic, 0});
  data.resize(8 + 160, 7);
  harness::WriteFileBytes(u"source.tmp", data);
  CompressToReplay(u"source.tmp", u"a.RePlay");
  CompressToReplay(u"source.tmp", u"b.Rep");
  CompressToReplay(u"source.tmp", u"c.v1");
  EXPECT_EQ(PathKind(u"a.RePlay.rep"), PATH_FILE);
  EXPECT_EQ(PathKind(u"b.Rep"), PATH_FILE);
  EXPECT_EQ(PathKind(u"b.Rep.rep"), PATH_NONE);
  EXPECT_EQ(PathKind(u"c.v1.rep"), PATH_FILE);
  std::vector<uint8_t> packed = harness::ReadFileBytes(u"b.Rep");
  ASSERT_GE(packed.size(), 10u);
  EXPECT_EQ(std::vector<uint8_t>(packed.begin(), packed.begin() + 8),
            Bytes({replayMagic, static_cast<int32_t>(data.size())}));
  EXPECT_EQ(packed[8], 0x78);  // a zlib stream
  // Overwritten in place, and back again byte for byte.
  data[20] = 9;
  harness::WriteFileBytes(u"source.tmp", data);
  CompressToReplay(u"source.tmp", u"b.Rep");
  DecompressReplay(u"b.Rep", u"out.tmp");
  EXPECT_EQ(harness::ReadFileBytes(u"out.tmp"), data);
}

TEST_F(ReplayFiles, AFileWithoutTheMagicWritesNothing) {
  harness::WriteFileBytes(u"bad.rep", Bytes({4325, 8, 0}));
  DecompressReplay(u"bad.rep", u"out.tmp");
  EXPECT_EQ(PathKind(u"out.tmp"), PATH_NONE);
  // A damaged stream unpacks to something the replay check refuses.
  harness::WriteFileBytes(u"broken.rep", Bytes({replayMagic, 168, 0x12345678}));
  DecompressReplay(u"broken.rep", u"out.tmp");
  EXPECT_FALSE(ReplayDataFileValid(u"out.tmp"));
}

TEST_F(ReplayFiles, ReplayDataIsCheckedBeforePlayback) {
  harness::ResetMatchWorld();
  harness::StartDuel({SHIP_SPETH, SHIP_DRONT}, {SHIP_GROK}, CONTROL_COMPUTER);
  for (int i = 0; i < 10; ++i) MatchUpdate();
  std::vector<uint8_t> good = harness::ReplayDataBytes(matchFrame);
  EXPECT_EQ(good.size(), 8u + 160u * 46u);
  EXPECT_TRUE(ReplayDataBytesValid(good.data(), good.size()));

  auto with = [&](size_t cell, int32_t value) {
    std::vector<uint8_t> bad = good;
    for (int i = 0; i < 4; ++i)
      bad[8 + cell * 4 + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    return bad;
  };
  auto cell = [](int32_t frame, int32_t row, int32_t column) {
    return static_cast<size_t>((frame * 5 + row) * 8 + column);
  };
  std::vector<uint8_t> bad = good;
  bad.pop_back();
  EXPECT_FALSE(ReplayDataBytesValid(bad.data(), bad.size()));  // cut short
  bad = good;
  bad.resize(bad.size() + 160);
  EXPECT_FALSE(ReplayDataBytesValid(bad.data(), bad.size()));  // longer than its last frame
  bad = good;
  bad[0] = 0;
  EXPECT_FALSE(ReplayDataBytesValid(bad.data(), bad.size()));  // magic
  for (auto [c, v] : {std::pair{cell(0, 1, 1), 3},
                      {cell(0, 2, 2), 0},
                      {cell(0, 3, 2), 5},
                      {cell(0, 1, 3), 31},
                      {cell(0, 2, 3), 0},
                      {cell(1, 1, 0), 41},
                      {cell(2, 1, 0), 0},
                      {cell(3, 1, 0), -1}}) {
    bad = with(c, v);
    EXPECT_FALSE(ReplayDataBytesValid(bad.data(), bad.size())) << c << " " << v;
  }
  // The last frame above 45000 is refused however long the file.
  std::vector<uint8_t> head = Bytes({replayDataMagic, 45001});
  EXPECT_FALSE(ReplayDataBytesValid(head.data(), head.size()));
  harness::WriteFileBytes(u"qvw2.tmp", with(cell(0, 4, 1), 7));
  EXPECT_FALSE(ReplayDataFileValid(u"qvw2.tmp"));
  harness::WriteFileBytes(u"qvw2.tmp", good);
  EXPECT_TRUE(ReplayDataFileValid(u"qvw2.tmp"));
}

}  // namespace
