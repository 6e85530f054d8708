#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/headless_planner.h"

namespace dorvena::app {
namespace {

using testing::HeadlessPlanner;

TEST(StartUp, FirstStartMakesFolderAndFileAndStaysHidden) {
  HeadlessPlanner p;
  TForm1& form = p.start();
  ASSERT_TRUE(p.started);
  EXPECT_EQ(p.storeBytes(), "pos.count=0\r\n");
  EXPECT_FALSE(form.visible());
  EXPECT_THAT(p.os.locks, ::testing::ElementsAre("vorlanquist"));
  EXPECT_THAT(p.os.started, ::testing::ElementsAre(p.folder() / "banner.exe"));
  EXPECT_TRUE(p.os.hiddenFromTaskbar);
  EXPECT_TRUE(p.os.toolStyleOnly);
  EXPECT_TRUE(p.os.errorBoxes.empty());
  EXPECT_EQ(form.sheet.label1.caption(), "11.12.2026");
  EXPECT_EQ(form.sheet.gun.caption(), "Cuma");
}

TEST(StartUp, SecondInstanceEndsAtOnceTouchingNothing) {
  HeadlessPlanner p;
  p.os.otherInstanceRunning = true;
  p.program = std::make_unique<Program>(p.os);
  EXPECT_FALSE(p.program->start());
  EXPECT_TRUE(p.os.started.empty());
  EXPECT_FALSE(std::filesystem::exists(p.folder() / "otherfiles"));
  EXPECT_EQ(runDorvena(p.os), 0);
  EXPECT_EQ(p.os.messageLoops, 0);
}

TEST(StartUp, ShowsTheWindowExactlyWhenTodayHoldsATitle) {
  struct Row {
    const char* why;
    std::string store;
    bool visible;
  };
  const Row rows[] = {
      {"title at 7", "tarih[11.12.2026].zaman[7].caption=Diş\r\n", true},
      {"blank title at 21", "tarih[11.12.2026].zaman[21].caption= \r\n", true},
      {"name in other case", "TARIH[11.12.2026].ZAMAN[9].CAPTION=x\r\n", true},
      {"only a done mark", "tarih[11.12.2026].zaman[9].chk=1\r\n", false},
      {"description only", "tarih[11.12.2026].zaman[9].description=x\r\n", false},
      {"title tomorrow", "tarih[12.12.2026].zaman[9].caption=x\r\n", false},
      {"hour 6 is no slot", "tarih[11.12.2026].zaman[6].caption=x\r\n", false},
      {"hour with a leading zero", "tarih[11.12.2026].zaman[09].caption=x\r\n", false},
      {"empty value", "tarih[11.12.2026].zaman[9].caption=\r\n", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    HeadlessPlanner p;
    p.writeStore("pos.count=0\r\n" + row.store);
    EXPECT_EQ(p.start().visible(), row.visible);
    EXPECT_TRUE(p.os.errorBoxes.empty());
  }
}

TEST(StartUp, AnEmptyStoreFileStaysEmpty) {
  HeadlessPlanner p;
  p.writeStore("");
  p.start();
  EXPECT_EQ(p.storeBytes(), "");
  EXPECT_EQ(p.form().reminders.size(), 0u);
}

TEST(StartUp, StoreThatCannotBeCreatedEndsTheStartAndKeepsRunningHidden) {
  HeadlessPlanner p;
  // A file where the folder should be: neither the folder nor the store file can be made.
  std::ofstream(p.folder() / "otherfiles") << "x";
  TForm1& form = p.start();
  ASSERT_TRUE(p.started);
  const auto path = p.folder() / "otherfiles" / "reminder.ini";
  ASSERT_EQ(p.os.errorBoxes.size(), 1u);
  EXPECT_EQ(p.os.errorBoxes[0].first, "Dorvena");
  EXPECT_EQ(p.os.errorBoxes[0].second, "Cannot create file " + platform::pathText(path) + ".");
  // The companion ran before the failing step; nothing after it did.
  EXPECT_EQ(p.os.started.size(), 1u);
  EXPECT_EQ(form.sheet.label1.caption(), "");
  EXPECT_EQ(form.sheet.CheckListBox1.color(), platform::kButtonFace);
  EXPECT_FALSE(form.visible());
  p.program->run();
  EXPECT_EQ(p.os.messageLoops, 1);
}

}  // namespace
}  // namespace dorvena::app
