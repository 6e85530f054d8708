#include "notes/note_records.h"

#include "store/codec.h"
#include "store/int_text.h"
#include "store/keys.h"
#include "store/stored_text.h"

namespace dorvena::notes {
namespace {

constexpr platform::Color kNotePaper{255, 239, 206};

// The drag anchor, shared with the main window's skin drag: there is one mouse.
int dragx = 0;
int dragy = 0;

}  // namespace

bool isLiveMessage(std::string_view stored) {
  for (const char c : stored) {
    if (static_cast<unsigned char>(c) > 32) return true;
  }
  return false;
}

NoteRecords::NoteRecords(platform::Form& mainForm, store::ReminderStore& reminders)
    : SpeedButton5(mainForm.add<platform::SpeedButton>("SpeedButton5")),
      Image2(mainForm.add<platform::Image>("Image2")),
      mainForm_(mainForm),
      reminders_(reminders) {
  SpeedButton5.setBounds({10, 54, 46, 18});
  SpeedButton5.setCaption("Postit");
  SpeedButton5.setCursor(platform::Cursor::Hand);
  SpeedButton5.onClick = [this](platform::Control& s) { SpeedButton5Click(s); };
  Image2.setBounds({30, 2, 25, 25});
  Image2.setVisible(false);
  Image2.center = true;
  Image2.transparent = true;
  Image2.onClick = [this](platform::Control& s) { Image2Click(s); };
  Image2.onMouseDown = [this](platform::Control& s, const platform::MouseEvent& e) {
    Image2MouseDown(s, e);
  };
  Image2.onMouseMove = [this](platform::Control& s, const platform::MouseEvent& e) {
    Image2MouseMove(s, e);
  };
}

void NoteRecords::SpeedButton5Click(platform::Control&) {
  reminders_.write(store::kPosCount,
                   store::intToStr(store::strToInt(reminders_.read(store::kPosCount)) + 1));
  const int note = store::strToInt(reminders_.read(store::kPosCount));
  platform::Random& random = os().random();
  random.seedFromClock();
  const platform::Size monitor = os().screen().monitorSize(mainForm_);
  const int x = random.next(monitor.width - 100);
  const int y = random.next(monitor.height - 100);
  savepostit(store::intToStr(note), {}, x, y);
  createpostit(note, {});
}

void NoteRecords::savepostit(std::string_view number, std::string_view text, int x, int y) {
  if (!text.empty()) {
    reminders_.write(store::posMsgKey(number),
                     store::convertbreaks(store::descriptionForStore(text)));
  }
  reminders_.write(store::posXKey(number), store::intToStr(x));
  reminders_.write(store::posYKey(number), store::intToStr(y));
  reminders_.save();
}

void NoteRecords::postitcontrol() {
  const int count = store::strToInt(reminders_.read(store::kPosCount));
  for (int note = 1; note <= count; ++note) {
    const std::string stored = reminders_.read(store::posMsgKey(note));
    if (isLiveMessage(stored)) createpostit(note, store::convertbreaks(stored));
  }
}

void NoteRecords::createpostit(int note, std::string_view text) {
  auto owned = std::make_unique<platform::Form>(mainForm_.app(), "posform" + std::to_string(note));
  platform::Form& window = *owned;
  windows_.push_back(std::move(owned));
  NoteSlots& slots = postittable[note];
  slots.window = &window;
  window.owner = &mainForm_;
  window.frameless = true;
  window.setCaption(std::to_string(note));
  window.setLeft(store::strToInt(reminders_.read(store::posXKey(note))));
  window.setTop(store::strToInt(reminders_.read(store::posYKey(note))));
  window.onDeactivate = Image2.onClick;
  window.create();
  try {
    window.setHeight(104);
    window.setWidth(80);
    if (!noteShape.empty()) window.setShape(noteShape);
  } catch (...) {
    mainForm_.app().processMessages();
  }

  auto& picture = window.add<platform::Image>("Image1");
  picture.setBounds({0, 0, 105, 105});
  picture.setPicture(noteSkin);

  auto& box = window.add<platform::Memo>("Memo1", true);
  slots.text = &box;
  box.setColor(kNotePaper);
  box.setCursor(platform::Cursor::Arrow);
  box.setText(text);
  box.setBounds({1, 15, 70, 80});
  box.wordWrap = true;
  platform::Font font{"MS Sans Serif", 11, true};  // 8 points, bold
  box.setFont(font);
  box.onMouseDown = Image2.onMouseDown;
  box.onMouseMove = Image2.onMouseMove;

  for (const auto& [name, bounds] : {std::pair{"delete", platform::Rect{30, 5, 15, 15}},
                                     std::pair{"close", platform::Rect{60, 5, 10, 10}}}) {
    auto& button = window.add<platform::SpeedButton>(name);
    slots.button = &button;
    button.setCursor(platform::Cursor::Hand);
    button.setBounds(bounds);
    button.onClick = Image2.onClick;
  }

  window.show();
  window.bringToFront();
  mainForm_.app().userFocus(box);
}

std::string NoteRecords::textOf(int note) {
  const NoteSlots* slots = postittable.find(note);
  return slots && slots->text ? slots->text->text() : std::string();
}

void NoteRecords::Image2Click(platform::Control& sender) {
  if (sender.className() == "TSpeedButton") {
    platform::Form& window = sender.form();
    const int note = store::strToInt(window.caption());
    if (sender.name() == "close") {
      savepostit(store::intToStr(note), textOf(note), window.left(), window.top());
      window.close();
    } else if (sender.name() == "delete") {
      savepostit(store::intToStr(note), " ", 0, 0);
      if (const NoteSlots* slots = postittable.find(note); slots && slots->text)
        slots->text->setText(" ");
      window.close();
    }
  } else if (sender.className() == "TForm") {
    auto& window = static_cast<platform::Form&>(sender);
    const int note = store::strToInt(window.caption());
    savepostit(window.caption(), textOf(note), window.left(), window.top());
  }
}

void NoteRecords::Image2MouseDown(platform::Control&, const platform::MouseEvent& e) {
  dragx = e.x;
  dragy = e.y;
}

void NoteRecords::Image2MouseMove(platform::Control& sender, const platform::MouseEvent& e) {
  if (!e.leftHeld) return;
  platform::Form& window = sender.form();
  window.setBounds(
      {window.left() + e.x - dragx, window.top() + e.y - dragy, window.width(), window.height()});
}

}  // namespace dorvena::notes
