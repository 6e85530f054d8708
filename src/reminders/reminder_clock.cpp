#include "reminders/reminder_clock.h"

#include "reminders/clock_decision.h"

namespace dorvena::reminders {

ReminderClock::ReminderClock(platform::Form& form, planner::DaySheet& sheet,
                             planner::EntryEditor& editor, platform::Clock& clock,
                             platform::Locale& locale)
    : Label3(form.add<platform::Label>("Label3")),
      Timer1(form.add<platform::Timer>("Timer1")),
      form_(form),
      sheet_(sheet),
      editor_(editor),
      clock_(clock),
      locale_(locale) {
  Label3.setBounds({39, 358, 12, 13});
  Label3.autoSize = true;
  Label3.alignment = platform::Alignment::Right;
  platform::Font font = Label3.font();
  font.underline = true;
  Label3.setFont(font);
  Label3.setCaption(std::string(12, ' '));

  Timer1.onTimer = [this](platform::Control&) { tick(); };
  Timer1.setInterval(MinuteTicker::firstInterval(clock_.now()));
}

void ReminderClock::tick() {
  const MinuteTicker::Tick t = ticker_.onTick(clock_.now());
  Timer1.setInterval(t.nextMs);
  if (t.run) run();
}

void ReminderClock::run() {
  const platform::DateTime now = clock_.now();
  std::array<SlotView, planner::kHourCount> slots;
  for (int h = planner::kFirstHour; h <= planner::kLastHour; ++h) {
    slots[static_cast<std::size_t>(h - planner::kFirstHour)] = {
        sheet_.row(h).caption(), sheet_.CheckListBox1.checked(h - planner::kFirstHour)};
  }
  const ClockDecision d = decideClock(now, sheet_.token(now.date), sheet_.label1.caption(), slots);
  Label3.setCaption(d.dayOfYear);
  if (d.resetColours) sheet_.refreshcolor();
  if (d.highlight) sheet_.row(*d.highlight).setFontColor(platform::kRed);
  if (d.raise) {
    editor_.modify(sheet_.row(*d.highlight));
    form_.show();
  }
}

}  // namespace dorvena::reminders
