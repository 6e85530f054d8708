#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/files.h"
#include "store/codec.h"
#include "store/reminder_store.h"

namespace dorvena::store {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;

class StoreFileTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("dorvena-store-" + std::string(test->name()) + "-" +
                                        std::to_string(std::random_device{}()));
    fs::create_directories(dir_);
    store_.setFileName(file());
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(file(), fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }

  fs::path file() const { return dir_ / "reminder.ini"; }

  void put(const std::string& bytes) const {
    std::ofstream(file(), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string contents() const {
    std::ifstream in(file(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> folder() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names.push_back(entry.path().filename().string());
    return names;
  }
  static std::string message(const std::function<void()>& action) {
    try {
      action();
    } catch (const platform::Error& e) {
      return e.what();
    }
    return "no error";
  }

  fs::path dir_;
  ReminderStore store_;
};

TEST_F(StoreFileTest, MissingFileRaisesAndKeepsTheLines) {
  store_.write("pos.count", "0");
  EXPECT_EQ(message([&] { store_.load(); }), "Cannot open file " + platform::pathText(file()));
  EXPECT_THAT(store_.lines(), ElementsAre("pos.count=0"));
}

TEST_F(StoreFileTest, FirstStartFileHoldsThirteenBytes) {
  store_.write("pos.count", "0");
  store_.save();
  EXPECT_EQ(contents(), "pos.count=0\r\n");
  EXPECT_EQ(fs::file_size(file()), 13u);
}

TEST_F(StoreFileTest, EmptyFileLoadsAsEmptyStore) {
  put("");
  store_.write("pos.count", "0");
  store_.load();
  EXPECT_EQ(store_.size(), 0u);
  store_.save();
  EXPECT_EQ(contents(), "");
}

TEST_F(StoreFileTest, ForeignLinesAndBreaksComeBackWithCrLf) {
  put(std::string("[x]\n pos.count = 1\rtarih[1.1.2026].zaman[09].chk=1\n\r=v\r\nlast=\x04\x05") +
      '\0' + "gone\r\n");
  store_.load();
  store_.write("pos.count", "2");
  store_.save();
  EXPECT_EQ(
      contents(),
      "[x]\r\n pos.count = 1\r\ntarih[1.1.2026].zaman[09].chk=1\r\n\r\n=v\r\nlast=\x04\x05\r\n"
      "pos.count=2\r\n");
}

TEST_F(StoreFileTest, HostileBytesSurviveSaveAndLoad) {
  std::string every;
  for (int b = 1; b < 256; ++b) {
    if (b != '\r' && b != '\n') every += static_cast<char>(b);
  }
  std::mt19937 random(7);
  for (int i = 0; i < 200; ++i) {
    std::string name, value;
    for (int n = i % 23; n > 0; --n) name += every[random() % every.size()];
    for (int n = i % 37 + 1; n > 0; --n) value += every[random() % every.size()];
    if (name.find('=') != std::string::npos) name.resize(name.find('='));
    store_.write(name, value);
  }
  store_.write(std::string("\xFE\xDE\x04\x05 ;#[]"), convertbreaks("two\r\nlines"));
  store_.save();

  ReminderStore loaded;
  loaded.setFileName(file());
  loaded.load();
  EXPECT_EQ(loaded.lines(), store_.lines());
  EXPECT_EQ(contents(), store_.serialize());
  EXPECT_EQ(convertbreaks(loaded.read("\xFE\xDE\x04\x05 ;#[]")), "two\r\nlines");
}

TEST_F(StoreFileTest, FailedSaveKeepsFileAndChangeUntilTheNextSave) {
  const std::string before = "pos.count=1\r\npos.msg[1]=eski\r\n";
  struct Row {
    platform::SaveStep step;
    std::size_t failAt;  // bytes written when the step fails
    std::size_t chunkSize;
    bool cannotCreate;
  };
  std::vector<Row> rows = {
      {platform::SaveStep::CreateTemp, 0, 0, true}, {platform::SaveStep::Write, 0, 0, false},
      {platform::SaveStep::Flush, 0, 0, false},     {platform::SaveStep::Close, 0, 0, false},
      {platform::SaveStep::Replace, 0, 0, true},
  };
  const std::string note(5000, 'y');
  const std::string after = "pos.count=2\r\npos.msg[1]=" + note + "\r\n";
  constexpr std::size_t kChunk = 1000;
  for (std::size_t at = 0; at < after.size(); at += kChunk) {
    rows.push_back({platform::SaveStep::Write, at, kChunk, false});
  }

  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "step " << static_cast<int>(row.step) << " at " << row.failAt);
    put(before);
    store_.load();
    store_.write("pos.msg[1]", note);
    store_.write("pos.count", "2");

    platform::SaveFaults faults;
    faults.chunkSize = row.chunkSize;
    faults.fail = [&](platform::SaveStep step, std::size_t written) {
      return step == row.step && (row.step != platform::SaveStep::Write || written == row.failAt);
    };
    const std::string expected = row.cannotCreate
                                     ? "Cannot create file " + platform::pathText(file())
                                     : "Stream write error";
    EXPECT_EQ(message([&] { store_.save(&faults); }), expected);

    EXPECT_EQ(contents(), before);
    EXPECT_THAT(folder(), ElementsAre("reminder.ini"));
    EXPECT_EQ(store_.read("pos.count"), "2");

    store_.save();
    EXPECT_EQ(contents(), after);
    EXPECT_THAT(folder(), ElementsAre("reminder.ini"));
  }
}

TEST_F(StoreFileTest, SaveNeverCreatesTheFolder) {
  store_.setFileName(dir_ / "otherfiles" / "reminder.ini");
  store_.write("pos.count", "0");
  EXPECT_EQ(message([&] { store_.save(); }),
            "Cannot create file " + platform::pathText(dir_ / "otherfiles" / "reminder.ini"));
  EXPECT_FALSE(fs::exists(dir_ / "otherfiles"));
  EXPECT_EQ(store_.read("pos.count"), "0");
}

TEST_F(StoreFileTest, ReadOnlyFileIsLeftAlone) {
  put("pos.count=1\r\n");
  store_.load();
  fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  store_.write("pos.count", "2");
  EXPECT_EQ(message([&] { store_.save(); }), "Cannot create file " + platform::pathText(file()));
  EXPECT_EQ(contents(), "pos.count=1\r\n");
  EXPECT_THAT(folder(), ElementsAre("reminder.ini"));
}

}  // namespace
}  // namespace dorvena::store
