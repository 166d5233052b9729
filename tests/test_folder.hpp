// A fresh folder for one test: the working directory moves there for the
// test and back afterwards, and the folder is removed.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

class TestFolder {
 public:
  explicit TestFolder(const std::string& prefix, const std::filesystem::path& inside = {}) {
    namespace fs = std::filesystem;
    old_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           (prefix + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
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
