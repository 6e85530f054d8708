#include "reminders/clock_decision.h"

namespace dorvena::reminders {

ClockDecision decideClock(const platform::DateTime& now, std::string_view todayToken,
                          std::string_view shownToken, const std::array<SlotView, 15>& slots) {
  ClockDecision d;
  d.dayOfYear = std::to_string(platform::dayOfYear(now.date));
  if (todayToken != shownToken) return d;
  d.resetColours = true;
  if (now.hour <= 6 || now.hour >= 22) return d;
  if (now.minute != 0) return d;
  d.highlight = now.hour;
  const SlotView& slot = slots[static_cast<std::size_t>(now.hour - 7)];
  d.raise = !slot.title.empty() && !slot.done;
  return d;
}

}  // namespace dorvena::reminders
