// The check list, the month calendar and the edit boxes as real system controls.
// clang-format off
#include <windows.h>  // before every other system header
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ui_fixture.h"

namespace dorvena::platform::win32 {
namespace {

std::vector<int> marked(const CheckListBox& list) {
  std::vector<int> out;
  for (int i = 0; i < list.count(); ++i) {
    if (list.checked(i)) out.push_back(i);
  }
  return out;
}

class CheckListTest : public UiTest {
 protected:
  CheckListTest() {
    list.setBounds({7, 10, 50, 300});
    list.itemHeight = 19;
    list.setColor({235, 232, 181});
    list.setItems({"07:00", "08:00", "09:00", "10:00", "11:00"});
    list.onClickCheck = [this](Control&) { ++clickChecks; };
    list.onClick = [this](Control&) { ++clicks; };
  }
  std::unique_ptr<Form> form = makeForm();
  CheckListBox& list = form->add<CheckListBox>("CheckListBox1");
  int clickChecks = 0;
  int clicks = 0;
};

TEST_F(CheckListTest, PressOnAnItemsBoxTogglesItOnce) {
  struct Row {
    const char* what;
    POINT at;  // in the list's own coordinates
    std::vector<int> marks;
    int clickChecks;
    int clicks;  // every click on an item is the list's click; below them the system decides
  };
  const Row rows[] = {
      {"box of the first item", {5, 9}, {0}, 1, 1},
      {"right end of the box area", {14, 28}, {0, 1}, 1, 1},
      {"text of an item", {20, 47}, {0, 1}, 0, 1},
      {"box of the first item again", {3, 3}, {1}, 1, 1},
      {"below the last item", {5, 120}, {1}, 0, -1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    clickChecks = 0;
    clicks = 0;
    click(hwnd(list), r.at.x, r.at.y);
    EXPECT_EQ(marked(list), r.marks);
    EXPECT_EQ(clickChecks, r.clickChecks);
    if (r.clicks >= 0) {
      EXPECT_EQ(clicks, r.clicks);
    }
  }
}

TEST_F(CheckListTest, SpaceTogglesTheSelectedItem) {
  click(hwnd(list), 30, 3 * 19 + 5);
  clickChecks = 0;
  SendMessageW(hwnd(list), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(hwnd(list), WM_CHAR, L' ', 0);
  EXPECT_EQ(marked(list), std::vector<int>{3});
  EXPECT_EQ(clickChecks, 1);
}

TEST_F(CheckListTest, MarksSetFromCodeRepaintButFireNothing) {
  constexpr int kBoxWidth = 15;
  auto darkInBox = [&](int item) {
    const Snapshot shot(hwnd(list));
    int dark = 0;
    for (int y = item * 19; y < (item + 1) * 19; ++y) {
      for (int x = 0; x < kBoxWidth; ++x) {
        const Color c = shot.at(x, y);
        dark += c.r + c.g + c.b < 150;
      }
    }
    return dark;
  };
  const int before = darkInBox(2);
  list.setChecked(2, true);
  EXPECT_GT(darkInBox(2), before + 5) << "the check mark";
  list.setChecked(2, false);
  EXPECT_EQ(darkInBox(2), before);
  EXPECT_EQ(clickChecks + clicks, 0);
}

class CalendarTest : public UiTest {
 protected:
  CalendarTest() {
    calendar.setBounds({10, 10, 183, 153});
    calendar.setDate({2026, 12, 11});
    calendar.onClick = [this](Control&) { ++clicks; };
  }
  // A point of the calendar window where the system shows `part` (and, for days, that date).
  std::optional<POINT> find(UINT part, std::optional<Date> day = std::nullopt) {
    RECT client;
    GetClientRect(hwnd(calendar), &client);
    for (int y = 0; y < client.bottom; y += 2) {
      for (int x = 0; x < client.right; x += 2) {
        MCHITTESTINFO hit{};
        hit.cbSize = MCHITTESTINFO_V1_SIZE;
        hit.pt = {x, y};
        SendMessageW(hwnd(calendar), MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.uHit != part) continue;
        if (!day ||
            (hit.st.wYear == day->year && hit.st.wMonth == day->month && hit.st.wDay == day->day)) {
          return POINT{x, y};
        }
      }
    }
    return std::nullopt;
  }
  Date shown() {
    SYSTEMTIME st{};
    SendMessageW(hwnd(calendar), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    return {st.wYear, st.wMonth, st.wDay};
  }
  void notify(UINT code, Date d) {
    NMSELCHANGE n{};
    n.nmhdr.hwndFrom = hwnd(calendar);
    n.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd(calendar)));
    n.nmhdr.code = code;
    n.stSelStart.wYear = static_cast<WORD>(d.year);
    n.stSelStart.wMonth = static_cast<WORD>(d.month);
    n.stSelStart.wDay = static_cast<WORD>(d.day);
    n.stSelEnd = n.stSelStart;
    SendMessageW(hwnd(*form), WM_NOTIFY, n.nmhdr.idFrom, reinterpret_cast<LPARAM>(&n));
  }

  std::unique_ptr<Form> form = makeForm({300, 250});
  MonthCalendar& calendar = form->add<MonthCalendar>("MonthCalendar1");
  int clicks = 0;
};

TEST_F(CalendarTest, ClickOnADayPicksItAndClicksOnce) {
  const auto day = find(MCHT_CALENDARDATE, Date{2026, 12, 15});
  ASSERT_TRUE(day);
  click(hwnd(calendar), day->x, day->y);
  EXPECT_EQ(calendar.date(), (Date{2026, 12, 15}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(CalendarTest, AnyClickInTheCalendarIsItsClick) {
  const auto next = find(MCHT_TITLEBTNNEXT);
  ASSERT_TRUE(next);
  click(hwnd(calendar), next->x, next->y);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(calendar.date(), shown()) << "the model follows what the calendar selected";
}

TEST_F(CalendarTest, SelectionNotificationsAndCodeChanges) {
  struct Row {
    const char* what;
    std::optional<UINT> code;  // none: the date is set from code
    Date date;
    int clicks;
  };
  const Row rows[] = {
      {"the user's explicit pick", MCN_SELECT, {2026, 12, 20}, 1},
      {"a selection moved without a click", MCN_SELCHANGE, {2026, 12, 21}, 1},
      {"a date set from code", std::nullopt, {2027, 1, 24}, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    if (r.code) {
      notify(*r.code, r.date);
    } else {
      calendar.setDate(r.date);
      EXPECT_EQ(shown(), r.date);
    }
    EXPECT_EQ(calendar.date(), r.date);
    EXPECT_EQ(clicks, r.clicks);
  }
}

TEST_F(CalendarTest, SizesItselfToOneMonth) {
  RECT need{};
  SendMessageW(hwnd(calendar), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need));
  EXPECT_EQ(calendar.bounds(), (Rect{10, 10, need.right - need.left, need.bottom - need.top}));
  RECT r;
  GetWindowRect(hwnd(calendar), &r);
  EXPECT_EQ(r.right - r.left, need.right - need.left);
}

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

TEST_F(UiTest, EditTextsRoundTripThroughTheWindow) {
  ASSERT_EQ(GetACP(), 1254u) << "the tests run with a Turkish user locale";
  auto form = makeForm();
  Edit& title = form->add<Edit>("Edit1");
  Edit& memo = form->add<Edit>("Memo1", true);
  struct Row {
    const char* what;
    Edit& box;
    std::string text;
    std::wstring shown;
    std::string readBack;
  };
  const std::string longText(40000, 'a');
  const Row rows[] = {
      {"Turkish letters", title, "\xF0\xFC\xFE\xFD\xF6\xE7\xD0\xDC\xDE\xDD\xD6\xC7",
       L"\u011F\u00FC\u015F\u0131\u00F6\u00E7\u011E\u00DC\u015E\u0130\u00D6\u00C7",
       "\xF0\xFC\xFE\xFD\xF6\xE7\xD0\xDC\xDE\xDD\xD6\xC7"},
      {"euro sign", title, "\x80 5", L"\u20AC 5", "\x80 5"},
      {"empty", title, "", L"", ""},
      {"longer than the default limit", title, longText, std::wstring(40000, L'a'), longText},
      {"lines", memo, "a\r\nb", L"a\r\nb", "a\r\nb"},
      {"lone breaks", memo, "a\nb\rc", L"a\r\nb\r\nc", "a\r\nb\r\nc"},
      {"break at the end", memo, "x\r\n", L"x\r\n", "x\r\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    r.box.setText(r.text);
    EXPECT_TRUE(windowText(hwnd(r.box)) == r.shown);
    EXPECT_EQ(r.box.text(), r.readBack);
  }
  title.clear();
  SendMessageW(hwnd(title), WM_CHAR, L'\u015F', 1);  // the user types ş
  EXPECT_EQ(title.text(), "\xFE");
}

TEST_F(UiTest, BoxSettingsMadeAfterTheWindowExistsAreTakenUp) {
  struct Row {
    const char* what;
    std::function<void(Form&, Edit&)> then;
  };
  const Row rows[] = {
      {"at the next change", [](Form&, Edit& memo) { memo.setWidth(70); }},
      {"when the form shows", [](Form& form, Edit&) { form.show(); }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    auto form = makeForm({200, 200}, false);
    Edit& memo = form->add<Edit>("Memo1", true);
    memo.setText(
        "þ"
        "ey");
    ASSERT_TRUE(hwnd(memo));
    memo.wordWrap = true;
    r.then(*form, memo);
    const auto style = GetWindowLongPtrW(hwnd(memo), GWL_STYLE);
    EXPECT_EQ(style & (ES_AUTOHSCROLL | ES_MULTILINE), ES_MULTILINE) << "wraps words";
    EXPECT_EQ(memo.text(),
              "þ"
              "ey");
    EXPECT_EQ(GetParent(hwnd(memo)), hwnd(*form));
  }
}

TEST_F(UiTest, TabMovesBetweenTheShowingBoxesOfAContainer) {
  auto form = makeForm();
  Panel& panel = form->add<Panel>("Panel1");
  panel.setBounds({0, 0, 250, 200});
  Edit& title = panel.add<Edit>("Edit1");
  Edit& memo = panel.add<Edit>("Memo1", true);
  Edit& hidden = panel.add<Edit>("Edit3");
  hidden.setVisible(false);
  title.setFocus();
  struct Row {
    Edit& from;
    bool shift;
    Edit& to;
  };
  const Row rows[] = {{title, false, memo}, {memo, false, title}, {title, true, memo}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.from.name() + (r.shift ? " shift+tab" : " tab"));
    ASSERT_EQ(GetFocus(), hwnd(r.from));
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = r.shift ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(hwnd(r.from), WM_KEYDOWN, VK_TAB, 0);
    SendMessageW(hwnd(r.from), WM_CHAR, L'\t', 0);
    EXPECT_EQ(GetFocus(), hwnd(r.to));
    EXPECT_EQ(r.from.text(), "") << "no tab character typed";
  }
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

TEST_F(UiTest, FocusMovesRunExitAndDeactivation) {
  auto main = makeForm();
  Edit& box = main->add<Edit>("Edit1");
  box.setBounds({0, 0, 100, 20});
  MonthCalendar& calendar = main->add<MonthCalendar>("MonthCalendar1");
  calendar.setBounds({0, 30, 183, 153});
  auto note = makeForm({80, 104});
  note->setLeft(500);
  Edit& noteBox = note->add<Edit>("text");
  std::vector<std::string> log;
  box.onExit = [&](Control& s) { log.push_back(s.name() + ".exit"); };
  calendar.onExit = [&](Control& s) { log.push_back(s.name() + ".exit"); };
  main->onDeactivate = [&](Control& s) { log.push_back(s.name() + ".deactivate"); };
  note->onDeactivate = [&](Control&) { log.push_back("note.deactivate"); };

  box.setFocus();
  log.clear();
  struct Row {
    const char* what;
    std::function<void()> act;
    HWND focus;
    const char* events;
  };
  const Row rows[] = {
      {"press in the calendar", [&] { click(hwnd(calendar), 5, 5); }, hwnd(calendar), "Edit1.exit"},
      {"back to the box", [&] { box.setFocus(); }, hwnd(box), "MonthCalendar1.exit"},
      {"to the other form", [&] { noteBox.setFocus(); }, hwnd(noteBox), "Form1.deactivate"},
      {"back again", [&] { box.setFocus(); }, hwnd(box), "note.deactivate"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    log.clear();
    r.act();
    pump();
    EXPECT_EQ(GetFocus(), r.focus);
    EXPECT_EQ(log.empty() ? "" : log.front(), std::string(r.events));
    EXPECT_EQ(log.size(), 1u);
  }
}

TEST_F(UiTest, ShownFormGivesTheFocusToItsFirstBox) {
  auto main = makeForm();
  auto note = makeForm({80, 104}, false);
  Edit& text = note->add<Edit>("text", true);
  note->show();
  note->bringToFront();
  pump();
  EXPECT_EQ(GetFocus(), hwnd(text));
  EXPECT_EQ(app.focused(), &text);
}

TEST_F(UiTest, EditReportsMouseDownAndMoveInItsOwnCoordinates) {
  auto form = makeForm();
  Edit& text = form->add<Edit>("text", true);
  text.setBounds({1, 15, 70, 80});
  std::vector<std::string> log;
  text.onMouseDown = [&](Control&, const MouseEvent& e) {
    log.push_back("down" + std::to_string(static_cast<int>(e.button)) + "@" + std::to_string(e.x) +
                  "," + std::to_string(e.y));
  };
  text.onMouseMove = [&](Control&, const MouseEvent& e) {
    log.push_back(std::string("move") + (e.leftHeld ? "+" : "-") + "@" + std::to_string(e.x) + "," +
                  std::to_string(e.y));
  };
  press(hwnd(text), 5, 6);
  SendMessageW(hwnd(text), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(9, 8));
  release(hwnd(text), 9, 8);
  press(hwnd(text), 3, 4, WM_RBUTTONDOWN, MK_RBUTTON);
  SendMessageW(hwnd(text), WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(7, 4));
  EXPECT_EQ(log, (std::vector<std::string>{"down0@5,6", "move+@9,8", "down1@3,4", "move-@7,4"}));
}

}  // namespace
}  // namespace dorvena::platform::win32
