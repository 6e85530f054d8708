// clang-format off
#include <windows.h>  // before every other system header
#include <commctrl.h>
#include <uxtheme.h>
// clang-format on

#include <algorithm>

#include "platform/application.h"
#include "platform/error.h"
#include "platform/win32/peers.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_backend.h"

namespace dorvena::platform::win32 {
namespace {

bool keyHeld(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

Date dateOf(const SYSTEMTIME& st) {
  return {st.wYear, st.wMonth, st.wDay};
}

SYSTEMTIME systemTimeOf(const Date& d) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(d.year);
  st.wMonth = static_cast<WORD>(d.month);
  st.wDay = static_cast<WORD>(d.day);
  return st;
}

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void dispatchDblClick(Control& control) {
  control.app().dispatch([&control] {
    if (control.onDblClick) control.onDblClick(control);
  });
}

}  // namespace

NativePeer::~NativePeer() {
  if (FormPeer* form = formPeer()) form->forgetFocus(control());
  destroyNative();
}

HFONT NativePeer::font() const {
  return backend().gdi().font(control().font());
}

void NativePeer::realize() {
  ContainerPeer* parent = container();
  if (hwnd() || !parent || !parent->hwnd()) return;
  WindowArgs args = windowArgs();
  args.style |= WS_CHILD | WS_CLIPSIBLINGS | (control().visible() ? WS_VISIBLE : 0);
  args.bounds = toRECT(control().bounds());
  args.parent = parent->hwnd();
  args.id = nextChildId();
  createNative(args);
  if (!hwnd()) throw Error("Error creating window");
  // Later controls lie above earlier ones.
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
  afterCreate();
}

void NativePeer::changed(Change what) {
  if (!hwnd()) return;  // the window takes the whole state when it is made
  refresh();
  const Rect& b = control().bounds();
  switch (what) {
    case Change::Bounds:
      SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case Change::Visible:
      ShowWindow(hwnd(), control().visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Font:
      SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
      break;
    case Change::Color:
      InvalidateRect(hwnd(), nullptr, TRUE);
      break;
    case Change::Focus:
      SetFocus(hwnd());
      break;
    default:
      break;
  }
  changedNative(what);
}

bool NativePeer::reflected(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

LRESULT NativePeer::colorReply(HDC dc) const {
  SetBkColor(dc, colorRef(control().color()));
  SetTextColor(dc, colorRef(control().font().color));
  return reinterpret_cast<LRESULT>(backend().gdi().brush(control().color()));
}

LRESULT NativePeer::onSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETCURSOR:
      if (control().cursor() != Cursor::Default && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, control().cursor() == Cursor::Hand ? IDC_HAND : IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_SYSCHAR:
      if (FormPeer* form = formPeer(); form && form->accelerate(static_cast<wchar_t>(wParam)))
        return 0;
      break;
    default:
      break;
  }
  const LRESULT result = onNativeMessage(msg, wParam, lParam);
  if (msg == WM_SETFOCUS) {
    if (FormPeer* form = formPeer()) form->childFocused(control());
    app().userFocus(control());
  } else if (auto input = decodeMouse(msg, wParam, lParam)) {
    const MouseEvent e{input->button, input->leftHeld, input->point.x, input->point.y};
    if (input->action == MouseAction::Down || input->action == MouseAction::DoubleDown) {
      control().userMouseDown(e);
    } else if (input->action == MouseAction::Move) {
      control().userMouseMove({MouseButton::Left, e.leftHeld, e.x, e.y});
    }
  }
  return result;
}

CheckListPeer::CheckListPeer(Win32Backend& backend, CheckListBox& list)
    : NativePeer(backend, list) {
  realize();
}

WindowArgs CheckListPeer::windowArgs() const {
  WindowArgs args;
  args.className = L"LISTBOX";
  args.style = WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
               LBS_NOINTEGRALHEIGHT;
  return args;
}

void CheckListPeer::afterCreate() {
  SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, list().itemHeight);
  fillItems();
}

void CheckListPeer::refresh() {
  if (hwnd() && SendMessageW(hwnd(), LB_GETITEMHEIGHT, 0, 0) != list().itemHeight) {
    SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, list().itemHeight);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
}

void CheckListPeer::fillItems() {
  SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
  for (const std::string& item : list().items()) {
    SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
  }
  SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void CheckListPeer::changedNative(Change what) {
  switch (what) {
    case Change::Items:
      fillItems();
      break;
    case Change::Checked:
      InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    case Change::Font:
      SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, list().itemHeight);
      break;
    default:
      break;
  }
}

int CheckListPeer::itemAt(POINT point) const {
  const LRESULT r = SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  if (HIWORD(r) != 0) return -1;  // below the last item or outside
  const int index = LOWORD(r);
  return index < list().count() ? index : -1;
}

LRESULT CheckListPeer::onNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const int index = itemAt(p);
      const LRESULT result = defaultProc(msg, wParam, lParam);
      RECT item{};
      if (index >= 0 &&
          SendMessageW(hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) != LB_ERR &&
          p.x - item.left < kCheckWidth) {
        list().userToggle(index);
      }
      return result;
    }
    case WM_CHAR:
      if (wParam == L' ') {
        const LRESULT result = defaultProc(msg, wParam, lParam);
        const auto selected = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
        if (selected >= 0) list().userToggle(selected);
        return result;
      }
      break;
    default:
      break;
  }
  return defaultProc(msg, wParam, lParam);
}

bool CheckListPeer::reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wParam) == LBN_SELCHANGE) {
        // As the VCL list box does: every click (and every move of the selection) is a click.
        control().userClick();
      } else if (HIWORD(wParam) == LBN_DBLCLK) {
        dispatchDblClick(control());
      } else {
        return false;
      }
      result = 0;
      return true;
    case WM_DRAWITEM:
      drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
          static_cast<UINT>(list().itemHeight);
      result = TRUE;
      return true;
    case WM_CTLCOLORLISTBOX:
      result = colorReply(reinterpret_cast<HDC>(wParam));
      return true;
    default:
      return false;
  }
}

void CheckListPeer::drawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  HBRUSH background = backend().gdi().brush(control().color());
  const RECT& r = item.rcItem;
  if (item.itemID == static_cast<UINT>(-1) || static_cast<int>(item.itemID) >= list().count()) {
    FillRect(dc, &r, background);
    return;
  }
  const int index = static_cast<int>(item.itemID);
  const RECT box{r.left, r.top, r.left + kCheckWidth, r.bottom};
  FillRect(dc, &box, background);
  constexpr int kMark = 13;
  RECT mark{box.left + (kCheckWidth - kMark) / 2, box.top + (box.bottom - box.top - kMark) / 2, 0,
            0};
  mark.right = mark.left + kMark;
  mark.bottom = mark.top + kMark;
  DrawFrameControl(dc, &mark, DFC_BUTTON,
                   DFCS_BUTTONCHECK | DFCS_FLAT | (list().checked(index) ? DFCS_CHECKED : 0));

  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT textArea{box.right, r.top, r.right, r.bottom};
  FillRect(dc, &textArea, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : background);
  SavedDc saved(dc);
  SelectObject(dc, font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colorRef(control().font().color));
  const std::wstring text = widen(list().items()[static_cast<std::size_t>(index)]);
  RECT textRect = textArea;
  textRect.left += 2;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &textArea);
}

CalendarPeer::CalendarPeer(Win32Backend& backend, MonthCalendar& calendar)
    : NativePeer(backend, calendar) {
  realize();
}

WindowArgs CalendarPeer::windowArgs() const {
  WindowArgs args;
  args.className = MONTHCAL_CLASSW;
  args.style = WS_TABSTOP;
  return args;
}

void CalendarPeer::afterCreate() {
  // Visual styles ignore the calendar's colours; this one keeps the classic look that takes them.
  SetWindowTheme(hwnd(), L"", L"");
  SendMessageW(hwnd(), MCM_SETCOLOR, MCSC_MONTHBK, colorRef(control().color()));
  showDate();
  fitSize();
}

void CalendarPeer::changedNative(Change what) {
  switch (what) {
    case Change::Date:
      showDate();
      break;
    case Change::Color:
      SendMessageW(hwnd(), MCM_SETCOLOR, MCSC_MONTHBK, colorRef(control().color()));
      break;
    case Change::Font:
    case Change::Bounds:
      fitSize();
      break;
    default:
      break;
  }
}

void CalendarPeer::showDate() {
  SYSTEMTIME st = systemTimeOf(calendar().date());
  settingDate_ = true;
  SendMessageW(hwnd(), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
  settingDate_ = false;
}

void CalendarPeer::fitSize() {
  RECT need{};
  if (!SendMessageW(hwnd(), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need))) return;
  const Rect& b = control().bounds();
  control().setBounds({b.left, b.top, need.right - need.left, need.bottom - need.top});
}

std::optional<Date> CalendarPeer::selection() const {
  SYSTEMTIME st{};
  if (!SendMessageW(hwnd(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st))) return std::nullopt;
  return dateOf(st);
}

LRESULT CalendarPeer::onNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd()) SetFocus(hwnd());
      clicking_ = true;
      break;
    case WM_LBUTTONUP: {
      const LRESULT result = defaultProc(msg, wParam, lParam);
      if (!clicking_) return result;
      clicking_ = false;
      // A click anywhere in the calendar (a day, the arrows, today's link) is its click, after
      // the calendar has moved its selection.
      RECT client{};
      GetClientRect(hwnd(), &client);
      const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (PtInRect(&client, p)) {
        if (auto picked = selection()) calendar().userPick(*picked);
      }
      return result;
    }
    default:
      break;
  }
  return defaultProc(msg, wParam, lParam);
}

bool CalendarPeer::reflected(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  if (msg != WM_NOTIFY) return false;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->code != MCN_SELCHANGE && header->code != MCN_SELECT) return false;
  result = 0;
  if (settingDate_) return true;
  const Date picked = dateOf(reinterpret_cast<const NMSELCHANGE*>(lParam)->stSelStart);
  if (header->code == MCN_SELECT && !clicking_) {
    calendar().userPick(picked);
  } else {
    // Moved by keyboard or within a click that reports itself on release: no handler yet.
    calendar().syncDate(picked);
  }
  return true;
}

EditPeer::EditPeer(Win32Backend& backend, Edit& edit) : NativePeer(backend, edit) {
  realize();
}

WindowArgs EditPeer::windowArgs() const {
  WindowArgs args;
  args.className = L"EDIT";
  args.style = WS_TABSTOP | (edit().border ? WS_BORDER : 0);
  if (edit().multiLine()) {
    args.style |=
        ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | (edit().wordWrap ? 0 : ES_AUTOHSCROLL);
  } else {
    args.style |= ES_AUTOHSCROLL;
  }
  return args;
}

void EditPeer::afterCreate() {
  madeWithStyle_ = windowArgs().style;
  SendMessageW(hwnd(), EM_SETLIMITTEXT, 0, 0);  // no limit but the system's
  showText();
}

void EditPeer::refresh() {
  if (!hwnd() || windowArgs().style == madeWithStyle_) return;
  // Wrapping and the frame are fixed when an edit window is made: make it again, where it was.
  const bool focused = GetFocus() == hwnd();
  HWND above = GetWindow(hwnd(), GW_HWNDPREV);
  destroyNative();
  realize();
  if (!hwnd()) return;
  SetWindowPos(hwnd(), above ? above : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (focused) SetFocus(hwnd());
}

bool EditPeer::readText(std::string& text) {
  // While the model's own text is being shown, the model answers for itself.
  if (!hwnd() || showingText_) return false;
  text = narrow(windowText(hwnd()));
  return true;
}

void EditPeer::showText() {
  showingText_ = true;
  const std::wstring text = widen(edit().text());
  showingText_ = false;
  SetWindowTextW(hwnd(), text.c_str());
}

void EditPeer::changedNative(Change what) {
  if (what == Change::Text) showText();
}

void EditPeer::focusNext(bool backwards) {
  std::vector<Edit*> boxes;
  for (const auto& sibling : control().parent()->children()) {
    auto* box = dynamic_cast<Edit*>(sibling.get());
    if (box && (box == &edit() || (box->showing() && backend().windowOf(*box))))
      boxes.push_back(box);
  }
  const auto count = static_cast<std::ptrdiff_t>(boxes.size());
  const auto at = std::find(boxes.begin(), boxes.end(), &edit()) - boxes.begin();
  Edit* next = boxes[static_cast<std::size_t>((at + (backwards ? count - 1 : 1)) % count)];
  if (next != &edit()) next->setFocus();
}

LRESULT EditPeer::onNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
      if (wParam == VK_TAB && !keyHeld(VK_CONTROL)) {
        focusNext(keyHeld(VK_SHIFT));
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\t' && !keyHeld(VK_CONTROL)) return 0;
      if (!edit().multiLine() && (wParam == L'\r' || wParam == L'\n')) return 0;
      break;
    default:
      break;
  }
  return defaultProc(msg, wParam, lParam);
}

bool EditPeer::reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wParam) != EN_CHANGE) return false;
      edit().syncText(narrow(windowText(hwnd())));
      result = 0;
      return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      result = colorReply(reinterpret_cast<HDC>(wParam));
      return true;
    default:
      (void)lParam;
      return false;
  }
}

}  // namespace dorvena::platform::win32
