#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/application.h"
#include "platform/controls.h"
#include "store/reminder_store.h"

namespace dorvena::notes {

// A note's window and the controls the handlers look up by note number.
struct NoteSlots {
  platform::Form* window = nullptr;
  platform::Memo* text = nullptr;
  platform::SpeedButton* button = nullptr;  // the button made last, its "close" button
};

// Finds a note's window and text box from its number alone, for every number: numbers only grow
// and are never reused, so a fixed table of 100 notes would run out (and its ranges collide).
class PostitTable {
 public:
  NoteSlots& operator[](int note) { return slots_[note]; }
  const NoteSlots* find(int note) const {
    const auto it = slots_.find(note);
    return it == slots_.end() ? nullptr : &it->second;
  }
  std::size_t size() const { return slots_.size(); }

 private:
  std::map<int, NoteSlots> slots_;
};

// Sticky notes: numbering, placing, saving, closing, deleting and restoring, and their windows.
class NoteRecords {
 public:
  NoteRecords(platform::Form& mainForm, store::ReminderStore& reminders);

  // The note skin and the shape cut from it; notes are plain rectangles without them.
  std::shared_ptr<const platform::Picture> noteSkin;
  std::vector<platform::Span> noteShape;

  void SpeedButton5Click(platform::Control& sender);
  void savepostit(std::string_view number, std::string_view text, int x, int y);
  void postitcontrol();
  void createpostit(int note, std::string_view text);
  void Image2Click(platform::Control& sender);
  void Image2MouseDown(platform::Control& sender, const platform::MouseEvent& e);
  void Image2MouseMove(platform::Control& sender, const platform::MouseEvent& e);

  PostitTable postittable;
  platform::SpeedButton& SpeedButton5;
  platform::Image& Image2;

 private:
  platform::Backend& os() const { return mainForm_.app().backend(); }
  std::string textOf(int note);

  platform::Form& mainForm_;
  store::ReminderStore& reminders_;
  std::vector<std::unique_ptr<platform::Form>> windows_;
};

// A stored message that is more than blanks, tabs and line breaks.
bool isLiveMessage(std::string_view stored);

}  // namespace dorvena::notes
