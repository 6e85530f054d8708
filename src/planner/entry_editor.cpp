#include "planner/entry_editor.h"

#include "store/codec.h"
#include "store/keys.h"
#include "store/stored_text.h"

namespace dorvena::planner {

EntryEditor::EntryEditor(platform::Form& form, DaySheet& sheet, store::ReminderStore& reminders,
                         platform::Sound& sound)
    : Panel1(form.place<platform::Panel>("Panel1", {7, 52, 243, 321})),
      Edit1(Panel1.place<platform::Edit>("Edit1", {9, 8, 225, 21})),
      Memo1(Panel1.place<platform::Memo>("Memo1", {9, 32, 225, 265}, true)),
      SpeedButton7(Panel1.place<platform::SpeedButton>("SpeedButton7", {126, 298, 47, 20})),
      SpeedButton6(Panel1.place<platform::SpeedButton>("SpeedButton6", {176, 298, 49, 20})),
      sheet_(sheet),
      reminders_(reminders),
      sound_(sound) {
  Panel1.setVisible(false);
  Edit1.border = true;
  Memo1.border = true;
  Memo1.wordWrap = true;
  SpeedButton7.setCaption("&Sil");
  SpeedButton6.setCaption("&Tamam");
  for (auto* button : {&SpeedButton7, &SpeedButton6}) button->setCursor(platform::Cursor::Hand);

  for (int h = kFirstHour; h <= kLastHour; ++h) {
    sheet.row(h).onClick = [this](platform::Control& s) { modify(s); };
    sheet.row(h).onDblClick = [this](platform::Control& s) { modify(s); };
  }
  SpeedButton6.onClick = [this](platform::Control& s) { SpeedButton6Click(s); };
  SpeedButton7.onClick = [this](platform::Control& s) { SpeedButton7Click(s); };
  sheet.CheckListBox1.onClickCheck = [this](platform::Control& s) { CheckListBox1ClickCheck(s); };
}

std::string EntryEditor::key(std::string (*build)(std::string_view, int)) const {
  return build(sheet_.label1.caption(), std::stoi(selectedhour_));
}

void EntryEditor::modify(platform::Control& sender) {
  selectedhour_ = sender.name().substr(2);
  Edit1.setText({});
  Memo1.clear();
  Edit1.setText(reminders_.read(key(store::captionKey)));
  Memo1.setText(store::convertbreaks(reminders_.read(key(store::descriptionKey))));
  Panel1.setVisible(true);
  sound_.playSystemSound("ASTERISK");
}

void EntryEditor::SpeedButton6Click(platform::Control&) {
  reminders_.write(key(store::captionKey), store::titleForStore(Edit1.text()));
  reminders_.write(key(store::descriptionKey),
                   store::convertbreaks(store::descriptionForStore(Memo1.text())));
  finish();
}

void EntryEditor::SpeedButton7Click(platform::Control&) {
  reminders_.write(key(store::captionKey), {});
  reminders_.write(key(store::descriptionKey), {});
  finish();
}

void EntryEditor::finish() {
  reminders_.save();
  sheet_.loadday(sheet_.label1.caption());
  if (clockCheck) clockCheck();
  Panel1.setVisible(false);
}

void EntryEditor::CheckListBox1ClickCheck(platform::Control&) {
  const std::string token = sheet_.label1.caption();
  for (int i = 0; i < sheet_.CheckListBox1.count(); ++i) {
    const std::string chk = store::chkKey(token, i + kFirstHour);
    if (sheet_.CheckListBox1.checked(i)) {
      reminders_.write(chk, "1");
      reminders_.save();
    } else if (reminders_.read(chk) == "1") {
      reminders_.write(chk, "0");
      reminders_.save();
    }
  }
}

}  // namespace dorvena::planner
