#include "reminders/reminder_clock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/headless_planner.h"

namespace dorvena::reminders {
namespace {

using testing::HeadlessPlanner;

constexpr const char* kDueAt10 =
    "pos.count=0\r\n"
    "tarih[11.12.2026].zaman[10].caption=Di\xFE\xE7i\r\n"
    "tarih[11.12.2026].zaman[10].description=sat\xFDr\r\n"
    "tarih[11.12.2026].zaman[12].caption=\xD6\xF0le\r\n";

class ReminderClockTest : public ::testing::Test {
 protected:
  app::TForm1& startAt(int hour, int minute, const std::string& store = kDueAt10) {
    p.os.time = {{2026, 12, 11}, hour, minute, 10, 0};
    p.writeStore(store);
    return p.start();
  }
  void at(int hour, int minute) { p.os.time = {{2026, 12, 11}, hour, minute, 0, 300}; }
  HeadlessPlanner p;
};

TEST_F(ReminderClockTest, AStartInTheDueMinuteRaisesTheEntryAtOnce) {
  app::TForm1& form = startAt(10, 0);
  EXPECT_TRUE(form.visible());
  EXPECT_TRUE(form.editor.Panel1.visible());
  EXPECT_EQ(form.editor.selectedhour(), "10");
  EXPECT_EQ(form.editor.Edit1.text(), "Di\xFE\xE7i");
  EXPECT_THAT(p.os.sounds, ::testing::ElementsAre("ASTERISK"));
  EXPECT_TRUE(form.sheet.row(10).font().color == platform::kRed);
  EXPECT_EQ(form.clock.Label3.caption(), "345");
}

TEST_F(ReminderClockTest, ATickRaisesADueEntryOverUnsavedTypingAndBringsTheWindowBack) {
  app::TForm1& form = startAt(9, 59, "tarih[11.12.2026].zaman[10].caption=x\r\n");
  EXPECT_EQ(form.clock.Label3.caption(), "345");
  form.sheet.row(15).userClick();
  form.editor.Edit1.setText("unsaved");
  form.hide();
  at(10, 0);
  form.clock.Timer1.fire();
  EXPECT_TRUE(form.visible());
  EXPECT_EQ(form.editor.selectedhour(), "10");
  EXPECT_EQ(form.editor.Edit1.text(), "x");
  EXPECT_EQ(p.os.sounds.size(), 2u);

  // The next minute only resets the colours; a second tick within it changes nothing.
  at(10, 1);
  form.clock.Timer1.fire();
  EXPECT_TRUE(form.sheet.row(10).font().color == platform::kBlack);
  form.clock.Timer1.fire();
  EXPECT_EQ(p.os.sounds.size(), 2u);
}

TEST_F(ReminderClockTest, TamamInTheDueMinuteRefillsTheEditorThenHidesThePanel) {
  app::TForm1& form = startAt(9, 30);
  form.sheet.row(12).userClick();
  at(10, 0);
  form.editor.Edit1.setText("\xD6\xF0le yeme\xF0i");
  form.editor.SpeedButton6.userClick();
  EXPECT_EQ(form.reminders.read("tarih[11.12.2026].zaman[12].caption"), "\xD6\xF0le yeme\xF0i");
  EXPECT_EQ(form.editor.selectedhour(), "10");
  EXPECT_EQ(form.editor.Edit1.text(), "Di\xFE\xE7i");
  EXPECT_FALSE(form.editor.Panel1.visible());
  EXPECT_EQ(p.os.sounds.size(), 2u);
  EXPECT_TRUE(form.sheet.row(10).font().color == platform::kRed);
}

TEST_F(ReminderClockTest, GoingAwayAndBackWithinTheMinuteRaisesAgain) {
  app::TForm1& form = startAt(10, 0);
  EXPECT_EQ(p.os.sounds.size(), 1u);
  form.sheet.SpeedButton4.userClick();
  for (int h = 7; h <= 21; ++h) EXPECT_TRUE(form.sheet.row(h).font().color == platform::kBlack);
  EXPECT_EQ(form.clock.Label3.caption(), "345");  // today's day, not the shown one's
  EXPECT_EQ(p.os.sounds.size(), 1u);
  form.sheet.SpeedButton3.userClick();
  EXPECT_EQ(p.os.sounds.size(), 2u);
  EXPECT_TRUE(form.sheet.row(10).font().color == platform::kRed);
}

TEST_F(ReminderClockTest, DoneOrMissingEntriesAreHighlightedButNotRaised) {
  app::TForm1& form = startAt(9, 0,
                              "tarih[11.12.2026].zaman[10].caption=x\r\n"
                              "tarih[11.12.2026].zaman[10].chk=1\r\n");
  at(10, 0);
  form.clock.Timer1.fire();
  EXPECT_TRUE(form.sheet.row(10).font().color == platform::kRed);
  EXPECT_FALSE(form.editor.Panel1.visible());
  at(11, 0);
  form.clock.Timer1.fire();
  EXPECT_TRUE(form.sheet.row(10).font().color == platform::kBlack);
  EXPECT_TRUE(form.sheet.row(11).font().color == platform::kRed);
  EXPECT_TRUE(p.os.sounds.empty());
}

TEST_F(ReminderClockTest, MarkingADoneSlotRunsNoClock) {
  app::TForm1& form = startAt(10, 0);
  form.editor.SpeedButton7.userClick();  // the clock check after "&Sil" raises nothing now
  const auto sounds = p.os.sounds.size();
  form.sheet.CheckListBox1.userToggle(0);
  form.sheet.label1.userClick();
  form.sheet.label1.userClick();
  EXPECT_EQ(p.os.sounds.size(), sounds);
}

}  // namespace
}  // namespace dorvena::reminders
