#include "reminders/minute_ticker.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace dorvena::reminders {
namespace {

constexpr std::int64_t kMinute = 60000;

platform::DateTime wallClock(std::int64_t ms) {
  const std::int64_t days = ms / (24 * 60 * kMinute);
  std::int64_t rest = ms % (24 * 60 * kMinute);
  platform::DateTime t;
  t.date = platform::civilFromDays(20000 + days);
  t.hour = static_cast<int>(rest / (60 * kMinute));
  rest %= 60 * kMinute;
  t.minute = static_cast<int>(rest / kMinute);
  rest %= kMinute;
  t.second = static_cast<int>(rest / 1000);
  t.millisecond = static_cast<int>(rest % 1000);
  return t;
}

// A message timer as the system delivers it: late by a little jitter, by a long stall now and
// then (a suspended machine), and measuring its intervals on a clock that runs a little fast or
// slow against the wall clock. Counts the clock's runs per wall-clock minute.
struct Simulation {
  double timerRate;  // timer milliseconds per wall-clock millisecond
  int maxJitterMs;
  int earlyMs;                // the wall clock stepped by this much before one tick
  std::int64_t stallAt = -1;  // wall time of one long stall
  std::int64_t stallMs = 0;

  std::map<std::int64_t, int> run(std::int64_t startMs, std::int64_t endMs) const {
    std::mt19937 random(7);
    std::map<std::int64_t, int> runs;
    MinuteTicker ticker;
    std::int64_t now = startMs;
    std::int64_t clockOffset = 0;
    unsigned interval = MinuteTicker::firstInterval(wallClock(now));
    while (now < endMs) {
      now += static_cast<std::int64_t>(interval / timerRate) +
             std::uniform_int_distribution<int>(0, maxJitterMs)(random);
      if (stallAt >= 0 && now >= stallAt && now < stallAt + stallMs) now = stallAt + stallMs;
      if (earlyMs && std::uniform_int_distribution<int>(0, 9)(random) == 0) clockOffset = earlyMs;
      const std::int64_t seen = now + clockOffset;
      const MinuteTicker::Tick tick = ticker.onTick(wallClock(seen));
      if (tick.run) ++runs[seen / kMinute];
      interval = tick.nextMs;
    }
    return runs;
  }
};

TEST(MinuteTicker, EveryMinuteGetsExactlyOneRun) {
  struct Row {
    const char* why;
    Simulation sim;
  };
  const Row rows[] = {
      {"exact timer", {1.0, 0, 0}},
      {"jitter up to 2 s", {1.0, 2000, 0}},
      {"timer 1% fast", {1.01, 30, 0}},
      {"timer 1% slow", {0.99, 30, 0}},
      {"clock stepped 300 ms back", {1.0, 30, -300}},
  };
  const std::int64_t start = 9 * 60 * kMinute + 30123;  // 09:00:30.123
  const std::int64_t end = start + 3 * 24 * 60 * kMinute;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const auto runs = row.sim.run(start, end);
    int wrong = 0;
    for (std::int64_t m = start / kMinute + 1; m < end / kMinute - 1; ++m) {
      const auto it = runs.find(m);
      if (it == runs.end() || it->second != 1) ++wrong;
    }
    EXPECT_EQ(wrong, 0);
  }
}

TEST(MinuteTicker, AStallMissesItsMinutesAndThenRealigns) {
  Simulation sim{1.0, 30, 0, 10 * 60 * kMinute + 5000, 2 * 60 * kMinute};  // 10:00:05 to 12:00:05
  const auto runs = sim.run(9 * 60 * kMinute, 14 * 60 * kMinute);
  for (std::int64_t m = 9 * 60 + 1; m < 14 * 60 - 1; ++m) {
    SCOPED_TRACE(m);
    const bool stalled = m > 10 * 60 && m < 12 * 60;
    EXPECT_EQ(runs.count(m) ? runs.at(m) : 0, stalled ? 0 : 1);
  }
}

TEST(MinuteTicker, ArmsForShortlyAfterTheNextMinute) {
  struct Row {
    platform::DateTime now;
    unsigned next;
  };
  const Row rows[] = {
      {{{2026, 12, 11}, 9, 59, 59, 800}, 200 + MinuteTicker::kMarginMs},
      {{{2026, 12, 11}, 10, 0, 0, 0}, 60000 + MinuteTicker::kMarginMs},
      {{{2026, 12, 11}, 10, 0, 0, 250}, 59750 + MinuteTicker::kMarginMs},
      {{{2026, 12, 11}, 23, 59, 30, 0}, 30000 + MinuteTicker::kMarginMs},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.next);
    EXPECT_EQ(MinuteTicker::firstInterval(row.now), row.next);
    MinuteTicker ticker;
    EXPECT_EQ(ticker.onTick(row.now).nextMs, row.next);
  }
}

}  // namespace
}  // namespace dorvena::reminders
