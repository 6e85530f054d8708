#include <vector>

#include "platform/application.h"
#include "platform/error.h"
#include "platform/win32/peers.h"
#include "platform/win32/region.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_backend.h"

namespace dorvena::platform::win32 {
namespace {

bool takesFocus(const Control& c) {
  return dynamic_cast<const Edit*>(&c) || dynamic_cast<const CheckListBox*>(&c) ||
         dynamic_cast<const MonthCalendar*>(&c);
}

wchar_t upper(wchar_t c) {
  CharUpperBuffW(&c, 1);
  return c;
}

template <class F>
Control* findDescendant(const Control& root, F&& wanted) {
  for (const auto& child : root.children()) {
    if (wanted(*child)) return child.get();
    if (Control* found = findDescendant(*child, wanted)) return found;
  }
  return nullptr;
}

}  // namespace

FormPeer::FormPeer(Win32Backend& backend, Form& form) : ContainerPeer(backend, form) {
  WindowArgs args;
  args.className = widen(form.className());
  args.text = widen(form.caption());
  args.style = WS_POPUP | WS_CLIPCHILDREN;
  if (!form.frameless) args.style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  args.exStyle = form.topMost ? WS_EX_TOPMOST : 0;
  args.bounds = toRECT(form.bounds());
  // Owned by the application window, like every form: no taskbar button of its own.
  args.parent = backend.applicationWindow();
  createWindow(args, CS_DBLCLKS);
  if (!hwnd()) throw Error("Error creating window");
  backend.setApplicationTitle(form.app().title());
  if (form.shape()) applyShape();
  realizeChildren();
  if (form.visible()) {
    refreshDescendants(form);
    ShowWindow(hwnd(), SW_SHOW);
  }
}

FormPeer::~FormPeer() {
  // Destroying the window activates another one; this form must not be deactivated by then.
  app().forget(form());
  backend().removeTrayIcons(form());
  destroyWindow();
}

void FormPeer::changed(Change what) {
  switch (what) {
    case Change::Visible:
      if (form().visible()) refreshDescendants(form());
      ShowWindow(hwnd(), form().visible() ? SW_SHOW : SW_HIDE);
      break;
    case Change::Shape:
      applyShape();
      break;
    case Change::Front:
      SetForegroundWindow(hwnd());
      BringWindowToTop(hwnd());
      break;
    default:
      changedContainer(what);
      break;
  }
}

void FormPeer::applyShape() {
  const std::vector<Span>* spans = form().shape();
  if (!spans) {
    SetWindowRgn(hwnd(), nullptr, TRUE);
    return;
  }
  RegionHandle region = regionFromSpans(*spans);
  if (!region || !SetWindowRgn(hwnd(), region.get(), TRUE)) throw Error("Out of system resources");
  region.release();  // the window owns it now
}

void FormPeer::childFocused(Control& child) {
  lastFocus_ = &child;
}

void FormPeer::forgetFocus(const Control& child) {
  if (lastFocus_ == &child) lastFocus_ = nullptr;
}

Control* FormPeer::focusTarget() const {
  auto usable = [this](const Control& c) { return c.showing() && backend().windowOf(c); };
  if (lastFocus_ && usable(*lastFocus_)) return lastFocus_;
  return findDescendant(form(), [&](const Control& c) { return takesFocus(c) && usable(c); });
}

void FormPeer::onActivate() {
  // As a VCL form does: the focus goes back to the control that had it, or to the first one
  // that can take it.
  if (Control* target = focusTarget()) {
    HWND child = backend().windowOf(*target);
    SetFocus(child);
    if (GetFocus() == child) app().userFocus(*target);
    return;
  }
  SetFocus(hwnd());
}

bool FormPeer::accelerate(wchar_t letter) {
  const wchar_t wanted = upper(letter);
  Control* button = findDescendant(form(), [&](const Control& c) {
    if (!dynamic_cast<const SpeedButton*>(&c) || !c.showing()) return false;
    const std::wstring caption = widen(c.caption());
    const std::size_t at = acceleratorIndex(caption);
    return at != std::wstring::npos && upper(caption[at]) == wanted;
  });
  if (!button) return false;
  button->userClick();
  return true;
}

LRESULT FormPeer::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (backend().isTrayMessage(form(), msg)) {
    app().dispatch([&] {
      if (form().onTrayMessage) {
        form().onTrayMessage(static_cast<unsigned long>(wParam),
                             static_cast<unsigned long>(lParam));
      }
    });
    return 0;
  }
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        onActivate();
        return 0;
      }
      break;
    case WM_SETFOCUS:
      lastFocus_ = nullptr;
      app().userFocus(form());
      return 0;
    case WM_TIMER:
      if (auto it = timers_.find(wParam); it != timers_.end()) {
        it->second->fire();
        return 0;
      }
      break;
    case WM_CLOSE:
      // Alt+F4 closes a form as the model does: it hides. The window itself stays.
      app().dispatch([this] { form().close(); });
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = ContainerPeer::onMessage(msg, wParam, lParam);
      RECT r;
      if (!IsIconic(hwnd()) && GetWindowRect(hwnd(), &r)) {
        form().setBounds({r.left, r.top, r.right - r.left, r.bottom - r.top});
      }
      return result;
    }
    default:
      break;
  }
  return ContainerPeer::onMessage(msg, wParam, lParam);
}

PanelPeer::PanelPeer(Win32Backend& backend, Panel& panel) : ContainerPeer(backend, panel) {
  realize();
}

PanelPeer::~PanelPeer() {
  destroyWindow();
}

void PanelPeer::realize() {
  ContainerPeer* parent = container();
  if (hwnd() || !parent || !parent->hwnd()) return;
  WindowArgs args;
  args.className = widen(control().className());
  args.style =
      WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (control().visible() ? WS_VISIBLE : 0);
  args.bounds = toRECT(control().bounds());
  args.parent = parent->hwnd();
  args.id = nextChildId();
  createWindow(args, CS_DBLCLKS);
  if (!hwnd()) throw Error("Error creating window");
  // Later controls lie above earlier ones.
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  realizeChildren();
}

void PanelPeer::changed(Change what) {
  if (what == Change::Visible && hwnd()) {
    if (control().visible()) refreshDescendants(control());
    ShowWindow(hwnd(), control().visible() ? SW_SHOWNA : SW_HIDE);
    return;
  }
  changedContainer(what);
}

TimerPeer::TimerPeer(Win32Backend& backend, Timer& timer) : PeerBase(backend, timer) {
  static UINT_PTR lastId = 0;
  id_ = ++lastId;
  arm();
}

TimerPeer::~TimerPeer() {
  disarm();
}

void TimerPeer::changed(Change what) {
  if (what == Change::Timer) arm();
}

void TimerPeer::arm() {
  const auto& timer = static_cast<const Timer&>(control());
  FormPeer* form = formPeer();
  if (!form || !form->hwnd() || !timer.enabled() || timer.interval() == 0) {
    disarm();
    return;
  }
  // Setting an armed timer again only restarts its count: one call, cheap to repeat.
  if (SetTimer(form->hwnd(), id_, timer.interval(), nullptr)) {
    armedOn_ = form->hwnd();
    form->addTimer(id_, static_cast<Timer&>(control()));
  }
}

void TimerPeer::disarm() {
  if (!armedOn_) return;
  KillTimer(armedOn_, id_);
  armedOn_ = nullptr;
  if (FormPeer* form = formPeer()) form->removeTimer(id_);
}

}  // namespace dorvena::platform::win32
