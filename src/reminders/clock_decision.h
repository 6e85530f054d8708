#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace dorvena::reminders {

// One hour slot as the sheet shows it.
struct SlotView {
  std::string title;
  bool done = false;
};

// What one run of the reminder clock does to the sheet.
struct ClockDecision {
  std::string dayOfYear;         // always set
  bool resetColours = false;     // today is on display
  std::optional<int> highlight;  // the hour whose row turns red
  bool raise = false;            // that hour's entry opens and the window shows
  friend bool operator==(const ClockDecision&, const ClockDecision&) = default;
};

// `todayToken` is the date token of now's date, `shownToken` the date button's caption, and
// `slots` the fifteen rows from 07:00 to 21:00.
ClockDecision decideClock(const platform::DateTime& now, std::string_view todayToken,
                          std::string_view shownToken, const std::array<SlotView, 15>& slots);

}  // namespace dorvena::reminders
