#include "reminders/minute_ticker.h"

namespace dorvena::reminders {
namespace {

std::int64_t minuteOf(const platform::DateTime& t) {
  return (platform::daysFromCivil(t.date) * 24 + t.hour) * 60 + t.minute;
}

unsigned untilNextMinute(const platform::DateTime& t) {
  return static_cast<unsigned>(60000 - (t.second * 1000 + t.millisecond)) + MinuteTicker::kMarginMs;
}

}  // namespace

unsigned MinuteTicker::firstInterval(const platform::DateTime& now) {
  return untilNextMinute(now);
}

MinuteTicker::Tick MinuteTicker::onTick(const platform::DateTime& now) {
  Tick tick;
  const std::int64_t minute = minuteOf(now);
  tick.run = lastRunMinute_ != minute;
  if (tick.run) lastRunMinute_ = minute;
  tick.nextMs = untilNextMinute(now);
  return tick;
}

}  // namespace dorvena::reminders
