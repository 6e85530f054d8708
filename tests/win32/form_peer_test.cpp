// Forms and their windowless children through real window messages.
#include <gtest/gtest.h>

#include <functional>

#include "platform/error.h"
#include "ui_fixture.h"

namespace dorvena::platform::win32 {
namespace {

// Every event of the watched controls, in order, as "name.event".
struct EventLog {
  std::vector<std::string> events;
  void watch(Control& c) {
    c.onClick = [this](Control& s) { events.push_back(s.name() + ".click"); };
    c.onDblClick = [this](Control& s) { events.push_back(s.name() + ".dblclick"); };
    c.onMouseDown = [this](Control& s, const MouseEvent& e) {
      const char* button = e.button == MouseButton::Left    ? "L"
                           : e.button == MouseButton::Right ? "R"
                                                            : "M";
      events.push_back(s.name() + ".down" + button + "@" + std::to_string(e.x) + "," +
                       std::to_string(e.y));
    };
    c.onMouseMove = [this](Control& s, const MouseEvent& e) {
      events.push_back(s.name() + ".move" + (e.leftHeld ? "+" : "-") + "@" + std::to_string(e.x) +
                       "," + std::to_string(e.y));
    };
  }
  std::string joined() const {
    std::string out;
    for (const auto& e : events) out += (out.empty() ? "" : " ") + e;
    return out;
  }
};

Picture pictureOf(int width, int height, std::initializer_list<Color> rows) {
  Picture p(width, height, kBlack);
  int i = 0;
  for (Color c : rows) {
    p.setPixel(i % width, i / width, c);
    ++i;
  }
  return p;
}

// A skin under a row label, a flat button partly covered by a later label, and a hidden label.
class WindowlessTest : public UiTest {
 protected:
  WindowlessTest() {
    skin.setBounds({0, 0, 300, 150});
    row.setBounds({20, 20, 100, 16});
    ok.setBounds({150, 20, 50, 20});
    ok.setCaption("OK");
    over.setBounds({180, 30, 60, 20});
    hidden.setBounds({20, 100, 50, 20});
    hidden.setVisible(false);
    for (Control* c : std::initializer_list<Control*>{form.get(), &skin, &row, &ok, &over, &hidden})
      log.watch(*c);
  }

  std::unique_ptr<Form> form = makeForm();
  Image& skin = form->add<Image>("skin");
  Label& row = form->add<Label>("row");
  SpeedButton& ok = form->add<SpeedButton>("ok");
  Label& over = form->add<Label>("over");
  Label& hidden = form->add<Label>("hidden");
  EventLog log;
};

TEST_F(WindowlessTest, ClickReachesTheTopmostShowingControlUnderThePointer) {
  struct Row {
    const char* what;
    POINT at;
    const char* events;
  };
  const Row rows[] = {
      {"label over the skin", {25, 26}, "row.downL@5,6 row.click"},
      {"flat button", {160, 25}, "ok.downL@10,5 ok.click"},
      {"later label over the button", {190, 35}, "over.downL@10,5 over.click"},
      {"hidden label lets the skin have it", {30, 110}, "skin.downL@30,110 skin.click"},
      {"nothing but the form", {10, 180}, "Form1.downL@10,180 Form1.click"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    log.events.clear();
    click(hwnd(*form), r.at.x, r.at.y);
    EXPECT_EQ(log.joined(), r.events);
  }
}

TEST_F(WindowlessTest, OtherButtonsOnlyPress) {
  struct Row {
    UINT down, up;
    WPARAM keys;
    const char* events;
  };
  const Row rows[] = {
      {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, "ok.downR@10,5"},
      {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, "ok.downM@10,5"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.events);
    log.events.clear();
    press(hwnd(*form), 160, 25, r.down, r.keys);
    release(hwnd(*form), 160, 25, r.up);
    EXPECT_EQ(log.joined(), r.events);
  }
}

TEST_F(WindowlessTest, DoubleClickClicksOnceExceptOnFlatButtons) {
  struct Row {
    POINT at;
    const char* events;
  };
  // The system reports down, up, double click, up; a flat button clicks on every release.
  const Row rows[] = {
      {{25, 26}, "row.downL@5,6 row.click row.dblclick row.downL@5,6"},
      {{160, 25}, "ok.downL@10,5 ok.click ok.dblclick ok.downL@10,5 ok.click"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.events);
    log.events.clear();
    click(hwnd(*form), r.at.x, r.at.y);
    press(hwnd(*form), r.at.x, r.at.y, WM_LBUTTONDBLCLK);
    release(hwnd(*form), r.at.x, r.at.y);
    EXPECT_EQ(log.joined(), r.events);
  }
}

TEST_F(WindowlessTest, PressedControlKeepsTheMouseUntilRelease) {
  press(hwnd(*form), 160, 25);
  SendMessageW(hwnd(*form), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 120));
  release(hwnd(*form), 40, 120);
  SendMessageW(hwnd(*form), WM_MOUSEMOVE, 0, MAKELPARAM(40, 25));
  // Moves go to the pressed button in its own coordinates; releasing elsewhere is no click.
  EXPECT_EQ(log.joined(), "ok.downL@10,5 ok.move+@-110,100 row.move-@20,5");
}

TEST_F(WindowlessTest, FlatButtonFrameFollowsPointerAndPress) {
  const Color face = ok.color();
  const Color highlight{GetRValue(GetSysColor(COLOR_BTNHIGHLIGHT)),
                        GetGValue(GetSysColor(COLOR_BTNHIGHLIGHT)),
                        GetBValue(GetSysColor(COLOR_BTNHIGHLIGHT))};
  const Color shadow{GetRValue(GetSysColor(COLOR_BTNSHADOW)),
                     GetGValue(GetSysColor(COLOR_BTNSHADOW)),
                     GetBValue(GetSysColor(COLOR_BTNSHADOW))};
  struct Row {
    const char* what;
    UINT msg;
    WPARAM keys;
    POINT at;
    Color corner;  // the button's top-left pixel
  };
  const Row rows[] = {
      {"pointer elsewhere", WM_MOUSEMOVE, 0, {40, 120}, face},
      {"pointer over it", WM_MOUSEMOVE, 0, {160, 25}, highlight},
      {"pressed", WM_LBUTTONDOWN, MK_LBUTTON, {160, 25}, shadow},
      {"dragged off while pressed", WM_MOUSEMOVE, MK_LBUTTON, {40, 120}, face},
      {"back over it", WM_MOUSEMOVE, MK_LBUTTON, {161, 26}, shadow},
      {"released", WM_LBUTTONUP, 0, {161, 26}, highlight},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    SendMessageW(hwnd(*form), r.msg, r.keys, MAKELPARAM(r.at.x, r.at.y));
    EXPECT_EQ(describe(Snapshot(hwnd(*form)).at(150, 20)), describe(r.corner));
  }
}

TEST_F(WindowlessTest, HandlerErrorIsReportedAndTheNextEventStillRuns) {
  int clicks = 0;
  row.onClick = [&](Control&) {
    ++clicks;
    throw Error("Cannot create file C:\\x");
  };
  click(hwnd(*form), 25, 26);
  click(hwnd(*form), 25, 26);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(errors,
            (std::vector<std::string>{"Cannot create file C:\\x.", "Cannot create file C:\\x."}));
}

TEST_F(UiTest, AltLetterClicksTheShowingButtonThatMarksIt) {
  auto form = makeForm();
  Panel& panel = form->add<Panel>("panel");
  panel.setBounds({0, 0, 200, 100});
  std::vector<std::string> clicked;
  auto button = [&](Control& parent, const char* name, const char* caption, bool visible = true) {
    auto& b = parent.add<SpeedButton>(name);
    b.setCaption(caption);
    b.setVisible(visible);
    b.onClick = [&clicked](Control& s) { clicked.push_back(s.name()); };
  };
  button(panel, "tamam", "&Tamam");
  button(*form, "sil", "&Sil");
  button(*form, "amp", "A&&B");
  button(*form, "gone", "&Xyz", false);
  button(*form, "turkish",
         "&\xFE"
         "ekil");  // şekil, in code page 1254
  Edit& box = panel.add<Edit>("box");
  struct Row {
    wchar_t letter;
    HWND to;
    const char* clicks;  // empty: none
  };
  const Row rows[] = {
      {L't', hwnd(*form), "tamam"}, {L'S', hwnd(*form), "sil"},          {L'b', hwnd(*form), ""},
      {L'x', hwnd(*form), ""},      {L'\u015E', hwnd(*form), "turkish"}, {L's', hwnd(box), "sil"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.letter));
    clicked.clear();
    SendMessageW(r.to, WM_SYSCHAR, r.letter, 1 << 29);
    EXPECT_EQ(clicked.empty() ? "" : clicked.front(), std::string(r.clicks));
    EXPECT_LE(clicked.size(), 1u);
  }
}

TEST_F(UiTest, TrayCallbackReachesTheFormWhileTheIconIsThere) {
  auto form = makeForm({100, 100}, false);
  std::vector<std::pair<unsigned long, unsigned long>> calls;
  form->onTrayMessage = [&](unsigned long w, unsigned long l) { calls.emplace_back(w, l); };
  backend.add(*form, 1, "Dorvena", WM_USER + 1);
  SendMessageW(hwnd(*form), WM_USER + 1, 1, WM_LBUTTONDOWN);
  SendMessageW(hwnd(*form), WM_USER + 2, 1, WM_LBUTTONDOWN);
  backend.remove(*form, 1);
  SendMessageW(hwnd(*form), WM_USER + 1, 1, WM_RBUTTONDOWN);
  EXPECT_EQ(calls, (std::vector<std::pair<unsigned long, unsigned long>>{{1, WM_LBUTTONDOWN}}));
}

TEST_F(UiTest, ShapeCoversExactlyTheSpans) {
  auto form = makeForm({40, 30});
  // A notch in the first row, a hole in the second, a missing third row, one empty span.
  form->setShape({{0, 2, 40}, {1, 0, 10}, {1, 12, 40}, {3, 5, 5}, {3, 0, 40}, {4, 0, 40}});
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(hwnd(*form), shape), ERROR);
  struct Row {
    POINT p;
    bool inside;
  };
  const Row rows[] = {{{0, 0}, false},  {{2, 0}, true},   {{39, 0}, true},  {{10, 1}, false},
                      {{11, 1}, false}, {{12, 1}, true},  {{20, 2}, false}, {{0, 3}, true},
                      {{39, 4}, true},  {{40, 4}, false}, {{0, 5}, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.p.x) + "," + std::to_string(r.p.y));
    EXPECT_EQ(PtInRegion(shape, r.p.x, r.p.y) != 0, r.inside);
  }
  form->setShape({});
  EXPECT_EQ(GetWindowRgn(hwnd(*form), shape), NULLREGION);
  DeleteObject(shape);
}

TEST_F(UiTest, FormsHaveNoTaskbarButton) {
  backend.hideFromTaskbar();
  auto form = std::make_unique<Form>(app, "Form1");
  form->topMost = true;
  form->create();
  HWND window = hwnd(*form);
  HWND owner = GetWindow(window, GW_OWNER);
  EXPECT_EQ(owner, backend.applicationWindow());
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_TOPMOST),
            WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_POPUP),
            WS_POPUP);
  EXPECT_TRUE(GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(IsWindowVisible(owner));
  RECT r;
  GetWindowRect(owner, &r);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_FALSE(IsWindowVisible(window));  // created hidden
}

TEST_F(UiTest, PaintsChildrenInCreationOrderOverTheBackground) {
  auto form = makeForm({120, 80});
  form->setColor({10, 20, 30});
  auto shared = std::make_shared<const Picture>(
      pictureOf(4, 2, {kWhite, kBlue, kBlue, kWhite, kRed, kRed, kRed, kRed}));
  auto& opaque = form->add<Image>("opaque");
  opaque.setBounds({0, 0, 4, 2});
  opaque.setPicture(shared);
  auto& seeThrough = form->add<Image>("seeThrough");
  seeThrough.setBounds({10, 0, 4, 2});
  seeThrough.setPicture(shared);
  seeThrough.transparent = true;
  auto& label = form->add<Label>("label");
  label.setBounds({0, 10, 60, 30});
  label.setFont({"Tahoma", 28, true, false, kRed});
  label.setCaption("\xDB\xDB\xDB");  // Û, wide strokes
  auto& line = form->add<Bevel>("line", LineKind::Horizontal);
  line.setBounds({0, 50, 100, 2});
  auto& panel = form->add<Panel>("panel");
  panel.setBounds({70, 50, 50, 30});
  panel.setColor({235, 232, 181});
  auto& glyphButton = panel.add<SpeedButton>("glyph");
  glyphButton.setBounds({0, 0, 20, 20});
  glyphButton.setColor({0, 128, 0});
  glyphButton.transparent = false;
  glyphButton.glyph = std::make_shared<const Picture>(pictureOf(2, 2, {kRed, kBlue, kBlue, kRed}));

  const Snapshot formPixels(hwnd(*form));
  const Snapshot panelPixels(hwnd(panel));
  int red = 0;
  for (int y = 10; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) red += formPixels.at(x, y) == kRed;
  }
  EXPECT_GT(red, 30) << "the label's text";
  const Color shadow{GetRValue(GetSysColor(COLOR_BTNSHADOW)),
                     GetGValue(GetSysColor(COLOR_BTNSHADOW)),
                     GetBValue(GetSysColor(COLOR_BTNSHADOW))};
  struct Row {
    const char* what;
    const Snapshot& from;
    POINT p;
    Color expected;
  };
  const Row rows[] = {
      {"background", formPixels, {110, 5}, {10, 20, 30}},
      {"opaque white", formPixels, {0, 0}, kWhite},
      {"opaque blue", formPixels, {1, 0}, kBlue},
      {"transparent white", formPixels, {10, 0}, {10, 20, 30}},
      {"transparent red", formPixels, {10, 1}, kRed},
      {"label's clear background", formPixels, {59, 39}, {10, 20, 30}},
      {"line shadow", formPixels, {50, 50}, shadow},
      {"panel background", panelPixels, {40, 25}, {235, 232, 181}},
      {"button face", panelPixels, {2, 2}, {0, 128, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(describe(r.from.at(r.p.x, r.p.y)), describe(r.expected));
  }
  int glyphRed = 0;
  int glyphBlue = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      glyphRed += panelPixels.at(x, y) == kRed;
      glyphBlue += panelPixels.at(x, y) == kBlue;
    }
  }
  EXPECT_EQ(glyphBlue, 2);
  EXPECT_EQ(glyphRed, 0) << "the glyph's transparent colour";
}

TEST_F(UiTest, AutoSizedLabelsGrowAwayFromTheirAnchoredEdge) {
  auto form = makeForm();
  auto& left = form->add<Label>("left");
  left.autoSize = true;
  left.setBounds({10, 10, 0, 0});
  auto& right = form->add<Label>("right");
  right.autoSize = true;
  right.alignment = Alignment::Right;
  right.setBounds({51, 30, 0, 0});
  right.setCaption("            ");
  struct Row {
    const char* caption;
  };
  const Row rows[] = {{"1"}, {"365"}, {"Cumartesi"}, {""}};
  int lastWidth = -1;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.caption);
    left.setCaption(r.caption);
    right.setCaption(r.caption);
    EXPECT_EQ(left.left(), 10);
    EXPECT_EQ(right.bounds().right(), 51);
    EXPECT_EQ(right.width(), left.width());
    EXPECT_GT(left.height(), 0);
    EXPECT_NE(left.width(), lastWidth);
    lastWidth = left.width();
  }
}

TEST_F(UiTest, CloseRequestHidesTheFormAndKeepsItsWindow) {
  auto form = makeForm();
  SendMessageW(hwnd(*form), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form->visible());
  EXPECT_TRUE(IsWindow(hwnd(*form)));
  EXPECT_FALSE(IsWindowVisible(hwnd(*form)));
}

TEST_F(UiTest, ModelBoundsFollowTheWindow) {
  auto form = makeForm();
  form->setBounds({300, 200, 80, 104});
  RECT r;
  GetWindowRect(hwnd(*form), &r);
  EXPECT_EQ((Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}), (Rect{300, 200, 80, 104}));
  SetWindowPos(hwnd(*form), nullptr, 320, 210, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form->bounds(), (Rect{320, 210, 80, 104}));
}

// Pumps messages until `done`, for at most five seconds: real input arrives through the system.
bool pumpUntil(Win32Backend& backend, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < 5000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    backend.processMessages();
  }
  return done();
}

void sendMouse(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_MOVE) {
    input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(1, &input, sizeof(input));
}

TEST_F(UiTest, DragWithTheRealMouseKeepsTheGrabbedPointUnderThePointer) {
  auto form = makeForm({100, 80});
  Image& skin = form->add<Image>("skin");
  skin.setBounds({0, 0, 100, 80});
  // The skin's drag: the window moves by how far the pointer got from the pressed point.
  POINT anchor{};
  skin.onMouseDown = [&](Control&, const MouseEvent& e) { anchor = {e.x, e.y}; };
  skin.onMouseMove = [&](Control& s, const MouseEvent& e) {
    if (!e.leftHeld) return;
    Form& f = s.form();
    f.setBounds({f.left() + e.x - anchor.x, f.top() + e.y - anchor.y, f.width(), f.height()});
  };
  form->bringToFront();
  sendMouse(MOUSEEVENTF_MOVE, {110, 120});
  ASSERT_TRUE(pumpUntil(backend, [&] {
    POINT p;
    return GetCursorPos(&p) && p.x == 110 && p.y == 120;
  }));
  sendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(pumpUntil(backend, [&] { return anchor.x == 10 && anchor.y == 20; }));
  const POINT path[] = {{115, 121}, {130, 128}, {170, 150}, {150, 90}};
  for (const POINT& p : path) {
    SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
    sendMouse(MOUSEEVENTF_MOVE, p);
    EXPECT_TRUE(
        pumpUntil(backend, [&] { return form->left() == p.x - 10 && form->top() == p.y - 20; }))
        << "form at " << form->left() << "," << form->top();
  }
  sendMouse(MOUSEEVENTF_LEFTUP);
  pumpUntil(backend, [] { return GetCapture() == nullptr; });
  EXPECT_EQ(form->bounds(), (Rect{140, 70, 100, 80}));
}

TEST_F(UiTest, TimerTicksReachTheHandler) {
  auto form = makeForm({50, 50}, false);
  auto& timer = form->add<Timer>("Timer1");
  int ticks = 0;
  timer.onTimer = [&](Control&) { ++ticks; };
  timer.setInterval(1);
  const DWORD start = GetTickCount();
  while (ticks == 0 && GetTickCount() - start < 5000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    pump();
  }
  EXPECT_GT(ticks, 0);
}

}  // namespace
}  // namespace dorvena::platform::win32
