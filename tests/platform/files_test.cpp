#include "platform/files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "platform/error.h"

namespace dorvena::platform {
namespace {
namespace fs = std::filesystem;

class FilesTest : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("dorvena-files-" + std::to_string(rd()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(file(), fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  fs::path file() const { return dir_ / "reminder.ini"; }
  std::vector<std::string> folderContents() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    return names;
  }
  std::string message(const std::function<void()>& action) {
    try {
      action();
    } catch (const Error& e) {
      return e.what();
    }
    return "no error";
  }

  fs::path dir_;
};

TEST_F(FilesTest, ReplaceWritesExactBytesAndReadGivesThemBack) {
  const std::string bytes("a=b\r\n\0x\x04\x05\xFE\r\n", 12);
  replaceFile(file(), bytes);
  EXPECT_EQ(readWholeFile(file()), bytes);
  replaceFile(file(), "");
  EXPECT_EQ(readWholeFile(file()), "");
  EXPECT_THAT(folderContents(), testing::ElementsAre("reminder.ini"));
}

TEST_F(FilesTest, MissingFileCannotBeOpened) {
  EXPECT_EQ(message([&] { readWholeFile(file()); }), "Cannot open file " + pathText(file()));
  EXPECT_FALSE(fileExists(file()));
}

TEST_F(FilesTest, FailureAtAnyStepKeepsThePreviousFile) {
  const std::string before = "pos.count=7\r\n";
  const std::string after(100000, 'x');
  struct Row {
    SaveStep step;
    std::size_t chunkFails;
    const char* message;
  };
  const Row rows[] = {
      {SaveStep::CreateTemp, 0, "Cannot create file "},
      {SaveStep::Write, 0, "Stream write error"},
      {SaveStep::Write, 4096, "Stream write error"},
      {SaveStep::Write, 97 * 1024, "Stream write error"},
      {SaveStep::Flush, 0, "Stream write error"},
      {SaveStep::Close, 0, "Stream write error"},
      {SaveStep::Replace, 0, "Cannot create file "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.step) * 1000000 + row.chunkFails);
    replaceFile(file(), before);
    SaveFaults faults;
    faults.chunkSize = 1024;
    faults.fail = [&](SaveStep step, std::size_t written) {
      return step == row.step && (step != SaveStep::Write || written == row.chunkFails);
    };
    const std::string got = message([&] { replaceFile(file(), after, &faults); });
    EXPECT_EQ(got.substr(0, std::string(row.message).size()), row.message);
    EXPECT_TRUE(readWholeFile(file()) == before);
    EXPECT_THAT(folderContents(), testing::ElementsAre("reminder.ini"));
  }
}

TEST_F(FilesTest, ReadOnlyFileOrMissingFolderCannotBeCreated) {
  replaceFile(file(), "old");
  fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(message([&] { replaceFile(file(), "new"); }), "Cannot create file " + pathText(file()));
  EXPECT_EQ(readWholeFile(file()), "old");
  EXPECT_THAT(folderContents(), testing::ElementsAre("reminder.ini"));

  const fs::path nowhere = dir_ / "missing" / "reminder.ini";
  EXPECT_EQ(message([&] { replaceFile(nowhere, "new"); }),
            "Cannot create file " + pathText(nowhere));
}

TEST_F(FilesTest, FoldersAndFiles) {
  EXPECT_FALSE(folderExists(dir_ / "otherfiles"));
  createFolder(dir_ / "otherfiles");
  EXPECT_TRUE(folderExists(dir_ / "otherfiles"));
  EXPECT_FALSE(fileExists(dir_ / "otherfiles"));
  createFolder(dir_ / "otherfiles");  // again: no error
  createFolder(dir_ / "a" / "b");     // parent missing: nothing happens, nothing raised
  EXPECT_FALSE(folderExists(dir_ / "a"));
}

}  // namespace
}  // namespace dorvena::platform
