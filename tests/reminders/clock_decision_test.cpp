#include "reminders/clock_decision.h"

#include <gtest/gtest.h>

namespace dorvena::reminders {
namespace {

using platform::DateTime;

std::array<SlotView, 15> sheetWith(std::initializer_list<std::pair<int, SlotView>> slots) {
  std::array<SlotView, 15> sheet{};
  for (const auto& [hour, slot] : slots) sheet[static_cast<std::size_t>(hour - 7)] = slot;
  return sheet;
}

TEST(ClockDecision, Table) {
  const SlotView due{"Di\xFE\xE7i", false};
  const SlotView done{"Di\xFE\xE7i", true};
  struct Row {
    const char* why;
    DateTime now;
    const char* shown;
    std::array<SlotView, 15> sheet;
    ClockDecision expected;
  };
  const DateTime day{{2026, 12, 11}, 10, 0, 0, 0};
  const auto at = [&](int h, int m) { return DateTime{day.date, h, m, 5, 0}; };
  const Row rows[] = {
      {"another date on display",
       at(10, 0),
       "12.12.2026",
       sheetWith({{10, due}}),
       {"345", false, {}, false}},
      {"06:00", at(6, 0), "11.12.2026", sheetWith({}), {"345", true, {}, false}},
      {"06:59", at(6, 59), "11.12.2026", sheetWith({}), {"345", true, {}, false}},
      {"07:00 due", at(7, 0), "11.12.2026", sheetWith({{7, due}}), {"345", true, 7, true}},
      {"21:00 due", at(21, 0), "11.12.2026", sheetWith({{21, due}}), {"345", true, 21, true}},
      {"21:59", at(21, 59), "11.12.2026", sheetWith({{21, due}}), {"345", true, {}, false}},
      {"22:00", at(22, 0), "11.12.2026", sheetWith({{21, due}}), {"345", true, {}, false}},
      {"minute 01", at(10, 1), "11.12.2026", sheetWith({{10, due}}), {"345", true, {}, false}},
      {"minute 59", at(10, 59), "11.12.2026", sheetWith({{10, due}}), {"345", true, {}, false}},
      {"titled and done",
       at(10, 0),
       "11.12.2026",
       sheetWith({{10, done}}),
       {"345", true, 10, false}},
      {"untitled", at(10, 0), "11.12.2026", sheetWith({}), {"345", true, 10, false}},
      {"blank title",
       at(10, 0),
       "11.12.2026",
       sheetWith({{10, {" ", false}}}),
       {"345", true, 10, true}},
      {"own mark: 10 due, 11 done",
       at(10, 0),
       "11.12.2026",
       sheetWith({{10, due}, {11, done}}),
       {"345", true, 10, true}},
      {"own mark: 10 done, 11 due",
       at(10, 0),
       "11.12.2026",
       sheetWith({{10, done}, {11, due}}),
       {"345", true, 10, false}},
      {"1 January", {{2026, 1, 1}, 0, 0, 0, 0}, "", sheetWith({}), {"1", false, {}, false}},
      {"31 December, common year",
       {{2026, 12, 31}, 23, 59, 59, 999},
       "",
       sheetWith({}),
       {"365", false, {}, false}},
      {"31 December, leap year",
       {{2024, 12, 31}, 12, 0, 0, 0},
       "",
       sheetWith({}),
       {"366", false, {}, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const std::string today = row.now.date == day.date ? "11.12.2026" : "other";
    const ClockDecision d = decideClock(row.now, today, row.shown, row.sheet);
    EXPECT_EQ(d.dayOfYear, row.expected.dayOfYear);
    EXPECT_EQ(d.resetColours, row.expected.resetColours);
    EXPECT_EQ(d.highlight, row.expected.highlight);
    EXPECT_EQ(d.raise, row.expected.raise);
  }
}

TEST(ClockDecision, TodayIsComparedAsTextWithCase) {
  const auto sheet = sheetWith({{10, {"x", false}}});
  const DateTime now{{2026, 12, 11}, 10, 0, 0, 0};
  EXPECT_TRUE(decideClock(now, "11 Ara 2026", "11 Ara 2026", sheet).raise);
  EXPECT_FALSE(decideClock(now, "11 Ara 2026", "11 ARA 2026", sheet).resetColours);
}

}  // namespace
}  // namespace dorvena::reminders
