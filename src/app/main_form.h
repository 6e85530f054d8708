#pragma once
#include <filesystem>

#include "notes/note_records.h"
#include "planner/day_sheet.h"
#include "planner/entry_editor.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "reminders/reminder_clock.h"
#include "store/reminder_store.h"

namespace dorvena::app {

// The planner's main window: it owns the store and every control, and wires each event to the
// subsystem that handles it.
class TForm1 : public platform::Form {
 public:
  explicit TForm1(platform::Application& app);

  // The creation event: the start-up steps in their order.
  void FormCreate(platform::Control& sender);
  // One run of the reminder clock; start-up and the sheet's reloads call it directly.
  void Timer1Timer(platform::Control& sender);

  std::filesystem::path storeFile() const;

  store::ReminderStore reminders;
  platform::Image& Image1;
  planner::DaySheet sheet;
  planner::EntryEditor editor;
  reminders::ReminderClock clock;
  notes::NoteRecords notes;

 private:
  platform::Backend& os() const { return app().backend(); }

  void startCompanion();
  void createStore();
  void makeStoreFolder();
  void createStoreFileIfMissing();
  void loadStore();
  void addTrayIcon();
  void setColours();
  void placeWindow();
  void applySkin();
  void showToday();
  void showIfTodayHasEntries();
  void restoreNotes();
};

}  // namespace dorvena::app
