#pragma once
#include <cstdint>
#include <optional>

#include "platform/date_time.h"

namespace dorvena::reminders {

// Keeps the clock's one run a minute on the minutes of the wall clock. A timer that simply
// repeats every 60 s drifts against the clock, and a tick landing a few milliseconds around
// hh:00:00 could give that minute no run (the reminder is lost) or two (it is raised twice).
// So each tick re-arms the timer for shortly after the next minute begins, and a tick that
// arrives in the minute that already had its run (early, or the clock set back by seconds) only
// re-arms.
class MinuteTicker {
 public:
  static constexpr int kMarginMs = 250;

  struct Tick {
    bool run = false;     // run the clock now
    unsigned nextMs = 0;  // arm the timer for this long
  };

  // The first arming, when the timer is created.
  static unsigned firstInterval(const platform::DateTime& now);
  Tick onTick(const platform::DateTime& now);

 private:
  std::optional<std::int64_t> lastRunMinute_;
};

}  // namespace dorvena::reminders
