// Saving the options and progress files on a full disk, or past a file size
// limit: the old files stay byte for byte and no temporary file is left.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "match/shell_tables.hpp"
#include "platform/files.hpp"
#include "shell/options_files.hpp"
#include "shell/screens.hpp"
#include "tests/shell_harness.hpp"
#include "tests/test_folder.hpp"

namespace fs = std::filesystem;

namespace {

using shellharness::FileBytes;

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// Writes to the temporary file beside path land on a full device.
void FillDiskFor(const std::string& path) { fs::create_symlink("/dev/full", path + ".tmp"); }

// Files may grow to at most limit bytes while it lives (the signal that
// would end the program is ignored, so the write reports the failure).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = old_;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

class SaveFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShell();
    folder_.emplace("qw2_save_", "data");
  }
  void TearDown() override {
    folder_.reset();
    ResetShell();
  }
  std::optional<TestFolder> folder_;
};

}  // namespace

TEST_F(SaveFiles, SaveWholeFileReplacesOnlyAfterEverythingWasWritten) {
  const std::vector<uint8_t> bytes = {1, 2, 3, 4, 5};
  std::string reason;
  ASSERT_TRUE(SaveWholeFile(u"data\\x.bin", bytes.data(), bytes.size(), &reason));
  EXPECT_EQ(FileBytes("data/x.bin"), std::string("\x01\x02\x03\x04\x05"));
  EXPECT_FALSE(fs::exists("data/x.bin.tmp"));
  EXPECT_TRUE(reason.empty());

  // Full disk: the error shows at the flush.
  FillDiskFor("data/x.bin");
  const std::vector<uint8_t> other(100, 7);
  EXPECT_FALSE(SaveWholeFile(u"data\\x.bin", other.data(), other.size(), &reason));
  EXPECT_EQ(reason, "No space left on device");
  EXPECT_EQ(FileBytes("data/x.bin"), std::string("\x01\x02\x03\x04\x05"));
  EXPECT_FALSE(fs::exists(fs::symlink_status("data/x.bin.tmp")));

  // A folder that does not exist: nothing to open.
  EXPECT_FALSE(SaveWholeFile(u"data\\none\\x.bin", bytes.data(), bytes.size()));
  EXPECT_FALSE(fs::exists("data/none"));

  // An empty file is a file too.
  ASSERT_TRUE(SaveWholeFile(u"data\\x.bin", nullptr, 0));
  EXPECT_EQ(fs::file_size("data/x.bin"), 0u);
}

TEST_F(SaveFiles, AFullDiskKeepsTheOldOptionsAndProgressFiles) {
  std::string options(144, '\0');
  for (size_t i = 0; i < options.size(); ++i) options[i] = static_cast<char>(i * 7 + 3);
  Put("data/options.qv2", options);
  Put("data/exp.qv2", std::string("\x29\0\0\0\x04\0\0\0", 8));
  FillDiskFor("data/options.qv2");
  FillDiskFor("data/exp.qv2");

  optionTable[1][1] = 65;
  EXPECT_FALSE(WriteOptionsFile());
  EXPECT_EQ(FileBytes("data/options.qv2"), options);
  EXPECT_FALSE(fs::exists(fs::symlink_status("data/options.qv2.tmp")));
  EXPECT_EQ(saveFailureFrames, saveFailureShownFrames);
  EXPECT_EQ(saveFailureNotice, Text(u"UNABLE TO SAVE THE OPTIONS!"));

  bonusShipsUnlocked = 5;
  EXPECT_FALSE(SaveProgressFile());
  EXPECT_EQ(FileBytes("data/exp.qv2"), std::string("\x29\0\0\0\x04\0\0\0", 8));
  EXPECT_FALSE(fs::exists(fs::symlink_status("data/exp.qv2.tmp")));
  EXPECT_EQ(saveFailureNotice, Text(u"UNABLE TO SAVE THE PROGRESS!"));

  // Space again: both save.
  EXPECT_TRUE(WriteOptionsFile());
  EXPECT_TRUE(SaveProgressFile());
  EXPECT_EQ(fs::file_size("data/options.qv2"), 144u);
  EXPECT_EQ(FileBytes("data/exp.qv2"), std::string("\x29\0\0\0\x05\0\0\0", 8));
}

TEST_F(SaveFiles, AFileSizeLimitKeepsTheOldOptionsFile) {
  std::string options(144, '\x11');
  Put("data/options.qv2", options);
  {
    // Room for the version and a few cells, not for the whole table.
    FileSizeLimit limit(100);
    EXPECT_FALSE(WriteOptionsFile());
    EXPECT_TRUE(SaveProgressFile());
  }
  EXPECT_EQ(FileBytes("data/options.qv2"), options);
  EXPECT_FALSE(fs::exists("data/options.qv2.tmp"));
  // The eight bytes of the progress file fit.
  EXPECT_EQ(fs::file_size("data/exp.qv2"), 8u);
}
