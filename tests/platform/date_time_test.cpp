#include "platform/date_time.h"

#include <gtest/gtest.h>

namespace dorvena::platform {
namespace {

std::string text(const Date& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

TEST(DateTime, LeapYears) {
  struct Row {
    int year;
    bool leap;
  };
  for (const Row row : {Row{1900, false}, Row{2000, true}, Row{2100, false}, Row{2024, true},
                        Row{2026, false}, Row{1600, true}}) {
    SCOPED_TRACE(row.year);
    EXPECT_EQ(isLeapYear(row.year), row.leap);
    EXPECT_EQ(daysInMonth(row.year, 2), row.leap ? 29 : 28);
  }
}

TEST(DateTime, AddDaysCrossesMonthAndYearEnds) {
  struct Row {
    Date from;
    int days;
    Date to;
  };
  const Row rows[] = {
      {{2026, 1, 31}, 1, {2026, 2, 1}},  {{2026, 2, 1}, -1, {2026, 1, 31}},
      {{2026, 12, 31}, 1, {2027, 1, 1}}, {{2027, 1, 1}, -1, {2026, 12, 31}},
      {{2024, 2, 28}, 1, {2024, 2, 29}}, {{2023, 2, 28}, 1, {2023, 3, 1}},
      {{2000, 2, 29}, 1, {2000, 3, 1}},  {{1900, 2, 28}, 1, {1900, 3, 1}},
      {{1969, 12, 31}, 1, {1970, 1, 1}}, {{2026, 12, 11}, 365, {2027, 12, 11}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(text(row.from) + " + " + std::to_string(row.days));
    EXPECT_EQ(text(addDays(row.from, row.days)), text(row.to));
  }
}

TEST(DateTime, WeekdayAndDayOfYear) {
  struct Row {
    Date date;
    int weekday;
    int dayOfYear;
  };
  const Row rows[] = {
      {{1970, 1, 1}, 4, 1},     {{2026, 12, 11}, 5, 345}, {{2026, 12, 12}, 6, 346},
      {{2026, 12, 13}, 0, 347}, {{2026, 12, 31}, 4, 365}, {{2024, 12, 31}, 2, 366},
      {{2000, 3, 1}, 3, 61},    {{1969, 12, 28}, 0, 362},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(text(row.date));
    EXPECT_EQ(weekday(row.date), row.weekday);
    EXPECT_EQ(dayOfYear(row.date), row.dayOfYear);
  }
}

}  // namespace
}  // namespace dorvena::platform
