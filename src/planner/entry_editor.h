#pragma once
#include <functional>
#include <string>

#include "planner/day_sheet.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "store/reminder_store.h"

namespace dorvena::planner {

// The editor panel over the sheet: opens an hour slot, saves or deletes its entry, and writes
// the done marks the user ticks in the check list.
class EntryEditor {
 public:
  EntryEditor(platform::Form& form, DaySheet& sheet, store::ReminderStore& reminders,
              platform::Sound& sound);

  // Runs after "&Tamam" and "&Sil" have reloaded the sheet.
  std::function<void()> clockCheck;

  void modify(platform::Control& sender);
  void SpeedButton6Click(platform::Control& sender);
  void SpeedButton7Click(platform::Control& sender);
  void CheckListBox1ClickCheck(platform::Control& sender);

  const std::string& selectedhour() const { return selectedhour_; }

  platform::Panel& Panel1;
  platform::Edit& Edit1;
  platform::Memo& Memo1;
  platform::SpeedButton& SpeedButton7;
  platform::SpeedButton& SpeedButton6;

 private:
  std::string key(std::string (*build)(std::string_view, int)) const;
  void finish();

  DaySheet& sheet_;
  store::ReminderStore& reminders_;
  platform::Sound& sound_;
  std::string selectedhour_;
};

}  // namespace dorvena::planner
