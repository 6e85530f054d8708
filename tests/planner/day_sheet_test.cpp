#include "planner/day_sheet.h"

#include <gtest/gtest.h>

#include "support/headless_planner.h"

namespace dorvena::planner {
namespace {

using platform::Date;
using testing::HeadlessPlanner;

std::string text(const Date& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

class DaySheetTest : public ::testing::Test {
 protected:
  DaySheet& startOn(Date today, const std::string& store = "pos.count=0\r\n") {
    p.os.time.date = today;
    p.writeStore(store);
    DaySheet& sheet = p.start().sheet;
    sheet.clockCheck = [this] { ++clockChecks; };
    return sheet;
  }
  HeadlessPlanner p;
  int clockChecks = 0;
};

TEST_F(DaySheetTest, StepsAcrossMonthAndYearEnds) {
  struct Row {
    Date today;
    bool forward;
    Date shown;
    const char* token;
  };
  const Row rows[] = {
      {{2026, 1, 31}, true, {2026, 2, 1}, "01.02.2026"},
      {{2026, 12, 31}, true, {2027, 1, 1}, "01.01.2027"},
      {{2024, 2, 28}, true, {2024, 2, 29}, "29.02.2024"},
      {{2026, 3, 1}, false, {2026, 2, 28}, "28.02.2026"},
      {{2026, 1, 1}, false, {2025, 12, 31}, "31.12.2025"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(text(row.today));
    HeadlessPlanner fresh;
    fresh.os.time.date = row.today;
    DaySheet& sheet = fresh.start().sheet;
    (row.forward ? sheet.SpeedButton4 : sheet.SpeedButton3).userClick();
    EXPECT_EQ(text(sheet.MonthCalendar1.date()), text(row.shown));
    EXPECT_EQ(sheet.label1.caption(), row.token);
  }
}

TEST_F(DaySheetTest, WeekdayNamesAndColours) {
  struct Row {
    Date date;
    const char* name;
    platform::Color colour;
  };
  const Row rows[] = {
      {{2026, 12, 7}, "Pazartesi", platform::kBlack},
      {{2026, 12, 8}, "Sal\xFD", platform::kBlack},
      {{2026, 12, 9},
       "\xC7"
       "ar\xFE"
       "amba",
       platform::kBlack},
      {{2026, 12, 10},
       "Per\xFE"
       "embe",
       platform::kBlack},
      {{2026, 12, 11}, "Cuma", platform::kBlack},
      {{2026, 12, 12}, "Cumartesi", platform::kBlue},
      {{2026, 12, 13}, "Pazar", platform::kBlue},
  };
  DaySheet& sheet = startOn({2026, 12, 6});
  for (const Row& row : rows) {
    SCOPED_TRACE(text(row.date));
    sheet.SpeedButton4.userClick();
    EXPECT_EQ(sheet.gun.caption(), row.name);
    EXPECT_TRUE(sheet.gun.font().color == row.colour);
  }
}

TEST_F(DaySheetTest, OnlyTheTextOneMarksASlotDone) {
  struct Row {
    const char* value;
    bool marked;
  };
  const Row rows[] = {{"1", true},   {"0", false},  {"01", false},
                      {" 1", false}, {"1 ", false}, {nullptr, false}};
  std::string store;
  int hour = 7;
  for (const Row& row : rows) {
    if (row.value)
      store += "tarih[11.12.2026].zaman[" + std::to_string(hour) + "].chk=" + row.value + "\r\n";
    ++hour;
  }
  DaySheet& sheet = startOn({2026, 12, 11}, store);
  hour = 7;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value ? row.value : "absent");
    EXPECT_EQ(sheet.CheckListBox1.checked(hour - 7), row.marked);
    ++hour;
  }
}

TEST_F(DaySheetTest, ReloadRebuildsTheWholeSheetAndNeverFiresTheToggleHandler) {
  DaySheet& sheet = startOn({2026, 12, 11},
                            "tarih[11.12.2026].zaman[8].caption=Toplant\xFD\r\n"
                            "tarih[11.12.2026].zaman[8].chk=1\r\n"
                            "tarih[11.12.2026].zaman[12].chk=1\r\n"
                            "tarih[12.12.2026].zaman[9].caption=Yar\xFDn\r\n");
  int toggles = 0;
  sheet.CheckListBox1.onClickCheck = [&](platform::Control&) { ++toggles; };
  EXPECT_EQ(sheet.row(8).caption(), "Toplant\xFD");
  EXPECT_TRUE(sheet.CheckListBox1.checked(1));
  EXPECT_TRUE(sheet.CheckListBox1.checked(5));  // a done mark without a title
  sheet.row(10).setFontColor(platform::kRed);

  sheet.SpeedButton4.userClick();
  EXPECT_EQ(sheet.row(9).caption(), "Yar\xFDn");
  for (int h = kFirstHour; h <= kLastHour; ++h) {
    SCOPED_TRACE(h);
    if (h != 9) {
      EXPECT_EQ(sheet.row(h).caption(), "");
    }
    EXPECT_FALSE(sheet.CheckListBox1.checked(h - kFirstHour));
    EXPECT_TRUE(sheet.row(h).font().color == platform::kBlack);
  }
  sheet.SpeedButton3.userClick();
  EXPECT_EQ(sheet.row(8).caption(), "Toplant\xFD");
  EXPECT_EQ(toggles, 0);
}

TEST_F(DaySheetTest, CalendarVisibilityAndClockChecksAfterEachHandler) {
  DaySheet& sheet = startOn({2026, 12, 11});
  struct Row {
    const char* action;
    bool shownBefore;
    bool shownAfter;
    int clockChecks;
  };
  const Row rows[] = {
      {"date button", false, true, 0},
      {"date button", true, false, 0},
      {"<", true, false, 1},
      {">", false, false, 1},
      {"calendar click", true, true, 1},
      {"calendar exit", true, false, 1},
      {"check list click", true, false, 0},
      {"skin click", true, false, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.action) + (row.shownBefore ? " shown" : " hidden"));
    sheet.MonthCalendar1.setVisible(row.shownBefore);
    clockChecks = 0;
    const std::string a = row.action;
    if (a == "date button") sheet.label1.userClick();
    if (a == "<") sheet.SpeedButton3.userClick();
    if (a == ">") sheet.SpeedButton4.userClick();
    if (a == "calendar click") sheet.MonthCalendar1.userPick(sheet.MonthCalendar1.date());
    if (a == "calendar exit") sheet.MonthCalendar1.onExit(sheet.MonthCalendar1);
    if (a == "check list click") sheet.CheckListBox1.userClick();
    if (a == "skin click") p.form().Image1.userClick();
    EXPECT_EQ(sheet.MonthCalendar1.visible(), row.shownAfter);
    EXPECT_EQ(clockChecks, row.clockChecks);
  }
}

TEST_F(DaySheetTest, APickedDateShowsItsSheet) {
  DaySheet& sheet = startOn({2026, 12, 11}, "tarih[24.12.2026].zaman[20].caption=Noel\r\n");
  sheet.label1.userClick();
  sheet.MonthCalendar1.userPick({2026, 12, 24});
  EXPECT_EQ(sheet.label1.caption(), "24.12.2026");
  EXPECT_EQ(sheet.gun.caption(),
            "Per\xFE"
            "embe");
  EXPECT_EQ(sheet.row(20).caption(), "Noel");
  EXPECT_TRUE(sheet.MonthCalendar1.visible());
}

TEST_F(DaySheetTest, TokenFollowsTheShortDateFormatInForce) {
  DaySheet& sheet = startOn({2026, 12, 11}, "tarih[11.12.2026].zaman[9].caption=Eski\r\n");
  EXPECT_EQ(sheet.row(9).caption(), "Eski");
  p.os.localeState.picture = "d/M/yyyy";
  sheet.SpeedButton4.userClick();
  sheet.SpeedButton3.userClick();
  EXPECT_EQ(sheet.label1.caption(), "11/12/2026");
  EXPECT_EQ(sheet.row(9).caption(), "");
  p.os.localeState.picture = "dd.MM.yyyy";
  sheet.SpeedButton4.userClick();
  sheet.SpeedButton3.userClick();
  EXPECT_EQ(sheet.row(9).caption(), "Eski");
}

}  // namespace
}  // namespace dorvena::planner
