#pragma once
#include "planner/day_sheet.h"
#include "planner/entry_editor.h"
#include "platform/controls.h"
#include "platform/locale.h"
#include "platform/services.h"
#include "reminders/minute_ticker.h"

namespace dorvena::reminders {

// The main window's one-minute clock: keeps the day-of-year label current and, on every full
// hour while today is on display, paints the hour red and raises its entry when it is due.
class ReminderClock {
 public:
  ReminderClock(platform::Form& form, planner::DaySheet& sheet, planner::EntryEditor& editor,
                platform::Clock& clock, platform::Locale& locale);

  // One run, as the timer's tick or a direct clock check makes it.
  void run();

  platform::Label& Label3;
  platform::Timer& Timer1;

 private:
  void tick();

  platform::Form& form_;
  planner::DaySheet& sheet_;
  planner::EntryEditor& editor_;
  platform::Clock& clock_;
  platform::Locale& locale_;
  MinuteTicker ticker_;
};

}  // namespace dorvena::reminders
