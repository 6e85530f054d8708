#pragma once
#include <array>
#include <functional>
#include <string>

#include "platform/controls.h"
#include "platform/locale.h"
#include "store/reminder_store.h"

namespace dorvena::planner {

inline constexpr int kFirstHour = 7;
inline constexpr int kLastHour = 21;
inline constexpr int kHourCount = kLastHour - kFirstHour + 1;

// The day sheet of the main window: fifteen hour rows with their done marks for the date on the
// date button, the weekday label, the month calendar and the day-to-day buttons.
class DaySheet {
 public:
  DaySheet(platform::Form& form, store::ReminderStore& reminders, platform::Locale& locale);

  // Runs after every reload made by navigation: the clock's look at the sheet.
  std::function<void()> clockCheck;

  void loadday(const std::string& token);
  void refresh();
  void refreshcolor();
  // The date token of a date by the locale's short date format in force.
  std::string token(const platform::Date& date) const;
  // Today's sheet at start: date button, weekday, calendar date, then the reload.
  void showDate(const platform::Date& date);

  void SpeedButton3Click(platform::Control& sender);
  void SpeedButton4Click(platform::Control& sender);
  void Label1Click(platform::Control& sender);
  void MonthCalendar1Click(platform::Control& sender);
  void MonthCalendar1Exit(platform::Control& sender);
  void CheckListBox1Click(platform::Control& sender);
  void hideCalendar(platform::Control& sender);

  // The hour row of hour h (7..21), and the hour a row stands for.
  platform::Label& row(int hour) const {
    return *rows_.at(static_cast<std::size_t>(hour - kFirstHour));
  }
  static int hourOf(const platform::Control& row);
  bool anyTitle() const;

  platform::Label& gun;
  platform::SpeedButton& label1;
  platform::CheckListBox& CheckListBox1;
  platform::MonthCalendar& MonthCalendar1;
  platform::SpeedButton& SpeedButton3;
  platform::SpeedButton& SpeedButton4;

 private:
  void step(int days);
  void reloadFromCalendar();

  store::ReminderStore& reminders_;
  platform::Locale& locale_;
  std::array<platform::Label*, kHourCount> rows_{};
};

}  // namespace dorvena::planner
