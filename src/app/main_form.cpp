#include "app/main_form.h"

#include "shell/bitmap_region.h"
#include "shell/bmp.h"
#include "store/keys.h"

namespace dorvena::app {

namespace {
constexpr platform::Color kPaper{235, 232, 181};
constexpr platform::Color kEditorBox{255, 252, 199};
}  // namespace

TForm1::TForm1(platform::Application& app)
    : platform::Form(app, "Form1", "TForm1"),
      Image1(add<platform::Image>("Image1")),
      sheet(*this, reminders, app.backend().locale()),
      editor(*this, sheet, reminders, app.backend().sound()),
      clock(*this, sheet, editor, app.backend().clock(), app.backend().locale()),
      notes(*this, reminders) {
  setBounds({0, 0, 255, 375});
  topMost = true;
  frameless = true;
  platform::Font font;  // Tahoma, 11 pixels, black
  setFont(font);
  Image1.setBounds({0, 0, 255, 375});
  Image1.transparent = true;
  if (const std::string skin = os().programInfo().resource("MAINSKIN"); !skin.empty()) {
    Image1.setPicture(std::make_shared<const platform::Picture>(shell::readBmp(skin)));
  }
  if (const std::string skin = os().programInfo().resource("NOTESKIN"); !skin.empty()) {
    notes.noteSkin = std::make_shared<const platform::Picture>(shell::readBmp(skin));
    notes.noteShape = shell::keptSpans(*notes.noteSkin);
    notes.Image2.setPicture(notes.noteSkin);
  }
  if (const std::string pin = os().programInfo().resource("PUSHPIN"); !pin.empty()) {
    notes.SpeedButton5.glyph = std::make_shared<const platform::Picture>(shell::readBmp(pin));
  }
  Image1.onClick = [this](platform::Control& s) { sheet.hideCalendar(s); };
  sheet.clockCheck = [this] { Timer1Timer(*this); };
  editor.clockCheck = [this] { Timer1Timer(*this); };
  create();
}

std::filesystem::path TForm1::storeFile() const {
  return os().programInfo().programFolder() / "otherfiles" / "reminder.ini";
}

void TForm1::FormCreate(platform::Control&) {
  startCompanion();
  createStore();
  makeStoreFolder();
  createStoreFileIfMissing();
  loadStore();
  addTrayIcon();
  setColours();
  placeWindow();
  applySkin();
  showToday();
  showIfTodayHasEntries();
  Timer1Timer(*this);
  restoreNotes();
}

void TForm1::startCompanion() {
  os().launcher().startProgram(os().programInfo().programFolder() / "banner.exe");
}

void TForm1::createStore() {
  reminders = store::ReminderStore(os().locale().caseFold());
  reminders.setFileName(storeFile());
}

void TForm1::makeStoreFolder() {
  const auto folder = os().programInfo().programFolder() / "otherfiles";
  if (!platform::folderExists(folder)) platform::createFolder(folder);
}

void TForm1::createStoreFileIfMissing() {
  if (platform::fileExists(storeFile())) return;
  reminders.write(store::kPosCount, "0");
  reminders.save();
}

void TForm1::loadStore() {
  reminders.load();
}

void TForm1::addTrayIcon() {}

void TForm1::setColours() {
  sheet.CheckListBox1.setColor(kPaper);
  editor.Panel1.setColor(kPaper);
  editor.Edit1.setColor(kEditorBox);
  editor.Memo1.setColor(kEditorBox);
}

void TForm1::placeWindow() {}

void TForm1::applySkin() {}

void TForm1::showToday() {
  sheet.showDate(os().clock().now().date);
}

void TForm1::showIfTodayHasEntries() {
  if (sheet.anyTitle()) show();
}

void TForm1::Timer1Timer(platform::Control&) {
  clock.run();
}

void TForm1::restoreNotes() {
  notes.postitcontrol();
}

}  // namespace dorvena::app
