// A fresh folder for one test: the working directory moves there for the
// test and back afterwards, and the folder is removed. FolderTest runs every
// test of a fixture so, with the given folder made inside.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

class TestFolder {
 public:
  explicit TestFolder(const std::string& prefix, const std::filesystem::path& inside = {}) {
    namespace fs = std::filesystem;
    old_ = fs::current_path();
    // A parameterised test's name holds a '/' before the case's name.
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    dir_ = fs::temp_directory_path() / (prefix + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(dir_);
    fs::create_directories(dir_ / inside);
    fs::current_path(dir_);
  }
  ~TestFolder() {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

 private:
  std::filesystem::path old_, dir_;
};

class FolderTest : public ::testing::Test {
 protected:
  explicit FolderTest(std::string prefix, std::filesystem::path inside = {})
      : prefix_(std::move(prefix)), inside_(std::move(inside)) {}
  void SetUp() override { folder_.emplace(prefix_, inside_); }
  void TearDown() override { folder_.reset(); }

 private:
  std::string prefix_;
  std::filesystem::path inside_;
  std::optional<TestFolder> folder_;
};
