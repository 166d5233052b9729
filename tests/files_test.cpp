#include "platform/files.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/system.hpp"
#include "tests/test_folder.hpp"

namespace fs = std::filesystem;

namespace {
// Runs each test in a fresh folder of its own.
class Files : public FolderTest {
 protected:
  Files() : FolderTest("qw2_files_") {}
  static std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};
}  // namespace

TEST_F(Files, Int32IsLittleEndianBothWays) {
  auto out = OpenFileForWrite(u"n.bin");
  ASSERT_NE(out, nullptr);
  WriteInt32(*out, 41);
  WriteInt32(*out, -2);
  WriteInt32(*out, 0x10E4);
  CloseDataStream(out);
  EXPECT_EQ(ReadAll("n.bin"), std::string("\x29\0\0\0\xfe\xff\xff\xff\xe4\x10\0\0", 12));
  auto in = OpenFileForRead(u"n.bin");
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(ReadInt32(*in), 41);
  EXPECT_EQ(ReadInt32(*in), -2);
  EXPECT_EQ(ReadInt32(*in), 4324);
  EXPECT_TRUE(StreamAtEnd(*in));
  CloseDataStream(in);
  EXPECT_EQ(FileByteSize(u"n.bin"), 12);
}

TEST_F(Files, TextBytesAreTheLowByteOfEachCodeUnit) {
  auto out = OpenFileForWrite(u"t.bin");
  WriteTextBytes(*out, u"AB\u00c5\u0143");
  CloseDataStream(out);
  EXPECT_EQ(ReadAll("t.bin"), std::string("AB\xc5\x43", 4));
  auto in = OpenFileForRead(u"t.bin");
  EXPECT_EQ(ReadBytesAsText(*in, 4), u"AB\u00c5C");
  EXPECT_EQ(ReadBytesAsText(*in, 0), u"");
  CloseDataStream(in);
}

TEST_F(Files, WindowsNamesMapToThisSystemsPaths) {
  EXPECT_EQ(NativePath(u"data\\replays\\x.rep"), "data/replays/x.rep");
  EXPECT_TRUE(MakeDirectory(u"data"));
  EXPECT_TRUE(MakeDirectory(u"data\\replays"));
  EXPECT_EQ(PathKind(u"data\\replays"), PATH_FOLDER);
  auto out = OpenFileForWrite(u"data\\replays\\x.rep");
  ASSERT_NE(out, nullptr);
  CloseDataStream(out);
  EXPECT_TRUE(fs::is_regular_file("data/replays/x.rep"));
  EXPECT_EQ(PathKind(u"data\\replays\\x.rep"), PATH_FILE);
  EXPECT_EQ(PathKind(u"data\\nothing"), PATH_NONE);
  EXPECT_EQ(FileByteSize(u"data\\replays\\x.rep"), 0);
  EXPECT_EQ(FileByteSize(u"data"), -1);
  EXPECT_TRUE(MakeDirectory(u"a\\b\\c", true));
  EXPECT_EQ(PathKind(u"a/b/c"), PATH_FOLDER);
  EXPECT_TRUE(RemoveFile(u"data\\replays\\x.rep"));
  EXPECT_FALSE(RemoveFile(u"data\\replays\\x.rep"));
  EXPECT_FALSE(RemoveFile(u"data"));
}

TEST_F(Files, OpenersGiveNothingWhenTheyFail) {
  EXPECT_EQ(OpenFileForRead(u"missing.bin"), nullptr);
  EXPECT_EQ(OpenFileForWrite(u"no\\such\\folder\\x.bin"), nullptr);
  fs::create_directory("folder");
  EXPECT_EQ(OpenFileForRead(u"folder"), nullptr);
  EXPECT_EQ(OpenStreamByUrl(u"incbin::data\\gfx\\nothing.png", true, false), nullptr);
  EXPECT_EQ(ListDirectory(u"missing"), nullptr);
}

TEST_F(Files, AReadTellsAMissingFileFromOneTheSystemCannotRead) {
  std::vector<uint8_t> bytes;
  std::string reason;
  EXPECT_EQ(ReadFileStart(u"missing.bin", 8, bytes), FileRead::Absent);
  EXPECT_EQ(ReadFileStart(u"missing\\x.bin", 8, bytes), FileRead::Absent);
  fs::create_directory("folder");
  EXPECT_EQ(ReadFileStart(u"folder", 8, bytes), FileRead::Absent);
  std::ofstream("file.bin") << "0123456789";
  EXPECT_EQ(ReadFileStart(u"file.bin", 8, bytes), FileRead::Whole);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "01234567");
  // The status fails (a loop of links)...
  fs::create_symlink("loop", "loop");
  EXPECT_EQ(ReadFileStart(u"loop", 8, bytes, &reason), FileRead::Failed);
  EXPECT_EQ(reason, std::strerror(ELOOP));
  // ...the open (no descriptor left)...
  rlimit old{};
  getrlimit(RLIMIT_NOFILE, &old);
  const int lowest = ::open("/dev/null", O_RDONLY);
  ::close(lowest);
  rlimit lowered = old;
  lowered.rlim_cur = static_cast<rlim_t>(lowest);
  setrlimit(RLIMIT_NOFILE, &lowered);
  const FileRead noDescriptor = ReadFileStart(u"file.bin", 8, bytes, &reason);
  setrlimit(RLIMIT_NOFILE, &old);
  EXPECT_EQ(noDescriptor, FileRead::Failed);
  EXPECT_EQ(reason, std::strerror(EMFILE));
  // ...or the disk, at the open or a read, as the test hook makes it.
  for (const FileCall failing : {FileCall::Open, FileCall::Read}) {
    SetFileCallHook([failing](FileCall call, const std::string&) { return call != failing; });
    EXPECT_EQ(ReadFileStart(u"file.bin", 8, bytes, &reason), FileRead::Failed);
    SetFileCallHook(nullptr);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(reason, std::strerror(EIO));
  }
}

TEST_F(Files, ExtensionsAndListings) {
  EXPECT_EQ(PathExtension(u"data\\replays\\a.b.REP"), u"REP");
  EXPECT_EQ(PathExtension(u"noext"), u"");
  EXPECT_EQ(PathExtension(u"dir.d\\file"), u"");
  EXPECT_EQ(PathExtension(u"dir.d/file"), u"");
  EXPECT_EQ(PathExtension(u"x."), u"");
  fs::create_directory("r");
  std::ofstream("r/one.rep").put('x');
  std::ofstream("r/two.inr").put('x');
  fs::create_directory("r/sub");
  auto dir = ListDirectory(u"r");
  ASSERT_NE(dir, nullptr);
  std::set<Text> names(dir->entries.begin(), dir->entries.end());
  EXPECT_EQ(names, (std::set<Text>{u"one.rep", u"two.inr", u"sub"}));
  CloseDirectory(dir);
  EXPECT_TRUE(dir->entries.empty());
}

TEST_F(Files, EmbeddedFilesOpenByIncbinNamesReadOnly) {
  static const uint8_t bytes[] = {0x29, 0, 0, 0, 7, 0, 0, 0};
  RegisterEmbeddedFile(u"data\\gfx\\test_embedded.bin", bytes, sizeof bytes);
  EXPECT_TRUE(EmbeddedFileExists(u"data\\gfx\\test_embedded.bin"));
  auto in = OpenStreamByUrl(u"incbin::data\\gfx\\test_embedded.bin", true, false);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(ReadInt32(*in), 41);
  EXPECT_EQ(ReadInt32(*in), 7);
  EXPECT_TRUE(StreamAtEnd(*in));
  EXPECT_EQ(OpenStreamByUrl(u"incbin::data\\gfx\\test_embedded.bin", true, true), nullptr);
  // Letter case is part of the name.
  EXPECT_EQ(OpenStreamByUrl(u"incbin::data\\GFX\\test_embedded.bin", true, false), nullptr);
  size_t size = 0;
  EXPECT_EQ(EmbeddedFileData(u"incbin::data\\gfx\\test_embedded.bin", &size), bytes);
  EXPECT_EQ(size, sizeof bytes);
}

TEST_F(Files, BanksReadAndWriteWithinTheirBounds) {
  auto out = OpenFileForWrite(u"b.bin");
  auto bank = NewBank(6);
  for (int i = 0; i < 6; ++i) BankBytes(*bank)[i] = static_cast<uint8_t>('a' + i);
  EXPECT_EQ(WriteBankToStream(*bank, *out, 2, 4), 4);
  EXPECT_EQ(WriteBankToStream(*bank, *out, 4, 4), 0);  // past the bank's end
  CloseDataStream(out);
  EXPECT_EQ(ReadAll("b.bin"), "cdef");
  auto in = OpenFileForRead(u"b.bin");
  auto back = NewBank(10);
  EXPECT_EQ(ReadStreamIntoBank(*in, *back, 1, 9), 4);  // short file: what there is
  EXPECT_EQ(std::string(reinterpret_cast<char*>(BankBytes(*back)), 6), std::string("\0cdef\0", 6));
  EXPECT_EQ(BankSize(*NewBank(-3)), 0);
}

TEST_F(Files, ReadingPastTheEndRaisesAnErrorNamingTheStream) {
  auto out = OpenFileForWrite(u"short.bin");
  WriteTextBytes(*out, u"ab");
  CloseDataStream(out);
  EXPECT_EXIT(
      {
        auto in = OpenFileForRead(u"short.bin");
        ReadInt32(*in);
      },
      ::testing::ExitedWithCode(1), "short\\.bin");
  EXPECT_EXIT(
      {
        auto in = OpenFileForRead(u"short.bin");
        ReadBytesAsText(*in, 3);
      },
      ::testing::ExitedWithCode(1), "short\\.bin");
  // A damaged text count in a short file fails the same way.
  EXPECT_EXIT(
      {
        auto in = OpenFileForRead(u"short.bin");
        ReadBytesAsText(*in, INT32_MAX);
      },
      ::testing::ExitedWithCode(1), "short\\.bin");
  // A long text comes back whole.
  Text longText(70001, u'x');
  longText[70000] = u'y';
  out = OpenFileForWrite(u"long.bin");
  WriteTextBytes(*out, longText);
  CloseDataStream(out);
  auto in = OpenFileForRead(u"long.bin");
  EXPECT_EQ(ReadBytesAsText(*in, 70001), longText);
}

TEST(System, RuntimeErrorPrintsAndEndsNonZero) {
  EXPECT_EXIT(RaiseRuntimeError(u"Source file is not a REP file"), ::testing::ExitedWithCode(1),
              "Source file is not a REP file");
  EXPECT_EXIT(EndProgram(), ::testing::ExitedWithCode(0), "");
}

TEST(System, DatesAreEnglishWhateverTheLocale) {
  EXPECT_EQ(FormatDate(2026, 12, 9), u"09 Dec 2026");
  EXPECT_EQ(FormatDate(2007, 1, 31), u"31 Jan 2007");
  EXPECT_EQ(FormatTimeOfDay(7, 5, 0), u"07:05:00");
  EXPECT_EQ(DateText().size(), 11u);
  EXPECT_EQ(TimeOfDayText().size(), 8u);
  SetMillisecondSource([] { return 12345; });
  EXPECT_EQ(SystemMilliseconds(), 12345);
  SetMillisecondSource(nullptr);
  int32_t a = SystemMilliseconds();
  EXPECT_GE(SystemMilliseconds() - a, 0);
}
