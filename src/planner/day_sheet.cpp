#include "planner/day_sheet.h"

#include "store/date_token.h"
#include "store/keys.h"

namespace dorvena::planner {
namespace {

using platform::Rect;

struct RowPlace {
  int left, top, height;
};
// Each row lines up with its check-list item and sits between two of the sheet's lines.
constexpr std::array<RowPlace, kHourCount> kRowPlaces{{
    {59, 75, 16},
    {59, 94, 16},
    {59, 112, 17},
    {59, 131, 16},
    {59, 150, 16},
    {59, 169, 16},
    {59, 187, 16},
    {59, 206, 16},
    {59, 223, 16},
    {59, 241, 17},
    {59, 261, 16},
    {59, 280, 15},
    {59, 298, 16},
    {58, 317, 16},
    {58, 335, 17},
}};
constexpr int kRowWidth = 188;
constexpr std::array<int, 16> kLineTops{73,  92,  110, 129, 148, 167, 185, 204,
                                        221, 240, 259, 278, 296, 315, 334, 353};

platform::Font bold(platform::Font font) {
  font.bold = true;
  return font;
}

std::string hourText(int hour) {
  return (hour < 10 ? "0" : "") + std::to_string(hour) + ":00";
}

}  // namespace

DaySheet::DaySheet(platform::Form& form, store::ReminderStore& reminders, platform::Locale& locale)
    : gun(form.place<platform::Label>("gun", {14, 38, 0, 13})),
      label1(form.place<platform::SpeedButton>("label1", {186, 37, 61, 15})),
      CheckListBox1(form.place<platform::CheckListBox>("CheckListBox1", {7, 72, 50, 285})),
      MonthCalendar1(form.place<platform::MonthCalendar>("MonthCalendar1", {64, 52, 183, 153})),
      SpeedButton3(form.place<platform::SpeedButton>("SpeedButton3", {210, 356, 17, 14})),
      SpeedButton4(form.place<platform::SpeedButton>("SpeedButton4", {230, 356, 17, 14})),
      reminders_(reminders),
      locale_(locale) {
  gun.autoSize = true;
  label1.setCursor(platform::Cursor::Hand);

  MonthCalendar1.setVisible(false);
  MonthCalendar1.setCursor(platform::Cursor::Hand);
  MonthCalendar1.setColor({255, 251, 240});

  platform::Font listFont = CheckListBox1.font();
  listFont.height = 12;
  CheckListBox1.setFont(listFont);
  std::vector<std::string> items;
  for (int h = kFirstHour; h <= kLastHour; ++h) items.push_back(hourText(h));
  CheckListBox1.setItems(std::move(items));

  for (int h = kFirstHour; h <= kLastHour; ++h) {
    const RowPlace& p = kRowPlaces[static_cast<std::size_t>(h - kFirstHour)];
    auto& r =
        form.place<platform::Label>("ms" + std::to_string(h), {p.left, p.top, kRowWidth, p.height});
    r.setCursor(platform::Cursor::Hand);
    rows_[static_cast<std::size_t>(h - kFirstHour)] = &r;
  }

  for (auto* button : {&SpeedButton3, &SpeedButton4}) {
    button->setFont(bold(button->font()));
    button->setCursor(platform::Cursor::Hand);
  }
  SpeedButton3.setCaption("<");
  SpeedButton4.setCaption(">");

  form.place<platform::Bevel>("Bevel1", {57, 54, 1, 319}, platform::LineKind::Vertical);
  for (std::size_t i = 0; i < kLineTops.size(); ++i) {
    form.place<platform::Bevel>("Line" + std::to_string(i + 1), {7, kLineTops[i], 243, 1},
                                platform::LineKind::Horizontal);
  }

  SpeedButton3.onClick = [this](platform::Control& s) { SpeedButton3Click(s); };
  SpeedButton4.onClick = [this](platform::Control& s) { SpeedButton4Click(s); };
  label1.onClick = [this](platform::Control& s) { Label1Click(s); };
  MonthCalendar1.onClick = [this](platform::Control& s) { MonthCalendar1Click(s); };
  MonthCalendar1.onExit = [this](platform::Control& s) { MonthCalendar1Exit(s); };
  CheckListBox1.onClick = [this](platform::Control& s) { CheckListBox1Click(s); };
}

std::string DaySheet::token(const platform::Date& date) const {
  return store::dateToken(locale_, date);
}

int DaySheet::hourOf(const platform::Control& row) {
  return std::stoi(row.name().substr(2));
}

void DaySheet::refresh() {
  for (auto* r : rows_) r->setCaption({});
  for (int i = 0; i < CheckListBox1.count(); ++i) CheckListBox1.setChecked(i, false);
}

void DaySheet::refreshcolor() {
  for (auto* r : rows_) r->setFontColor(platform::kBlack);
}

void DaySheet::loadday(const std::string& token) {
  refresh();
  refreshcolor();
  const platform::Date date = MonthCalendar1.date();
  gun.setCaption(locale_.longDayName(platform::weekday(date)));
  const int day = platform::weekday(date);
  gun.setFontColor(day == 0 || day == 6 ? platform::kBlue : platform::kBlack);
  label1.setCaption(this->token(date));
  for (int h = kFirstHour; h <= kLastHour; ++h) {
    row(h).setCaption(reminders_.read(store::captionKey(token, h)));
    CheckListBox1.setChecked(h - kFirstHour, reminders_.read(store::chkKey(token, h)) == "1");
  }
}

void DaySheet::showDate(const platform::Date& date) {
  label1.setCaption(token(date));
  gun.setCaption(locale_.longDayName(platform::weekday(date)));
  MonthCalendar1.setDate(date);
  loadday(token(date));
}

bool DaySheet::anyTitle() const {
  for (const auto* r : rows_) {
    if (!r->caption().empty()) return true;
  }
  return false;
}

void DaySheet::step(int days) {
  MonthCalendar1.setVisible(false);
  MonthCalendar1.setDate(platform::addDays(MonthCalendar1.date(), days));
  loadday(token(MonthCalendar1.date()));
  if (clockCheck) clockCheck();
}

void DaySheet::SpeedButton3Click(platform::Control&) {
  step(-1);
}
void DaySheet::SpeedButton4Click(platform::Control&) {
  step(+1);
}

void DaySheet::Label1Click(platform::Control&) {
  MonthCalendar1.setVisible(!MonthCalendar1.visible());
}

void DaySheet::reloadFromCalendar() {
  label1.setCaption(token(MonthCalendar1.date()));
  loadday(label1.caption());
  if (clockCheck) clockCheck();
}

void DaySheet::MonthCalendar1Click(platform::Control&) {
  reloadFromCalendar();
}

void DaySheet::MonthCalendar1Exit(platform::Control&) {
  reloadFromCalendar();
  MonthCalendar1.setVisible(false);
}

void DaySheet::CheckListBox1Click(platform::Control& sender) {
  hideCalendar(sender);
}

void DaySheet::hideCalendar(platform::Control&) {
  MonthCalendar1.setVisible(false);
}

}  // namespace dorvena::planner
