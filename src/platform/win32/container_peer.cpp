#include "platform/application.h"
#include "platform/win32/peers.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_backend.h"

namespace dorvena::platform::win32 {

void ContainerPeer::invalidate(const Rect& area) {
  if (!hwnd() || area.width <= 0 || area.height <= 0) return;
  const RECT r = toRECT(area);
  InvalidateRect(hwnd(), &r, FALSE);
}

void ContainerPeer::forget(const Control& child) {
  if (hot_ == &child) hot_ = nullptr;
  if (pressed_ == &child) {
    pressed_ = nullptr;
    if (GetCapture() == hwnd()) ReleaseCapture();
  }
}

ButtonState ContainerPeer::stateOf(const Control& child) const {
  return buttonState(hot_ == &child, pressed_ == &child);
}

Control* ContainerPeer::hitTest(POINT point) const {
  const auto& children = control().children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control& child = **it;
    if (child.windowed() || !child.visible()) continue;
    if (!dynamic_cast<WindowlessPeer*>(backend().peerOf(child))) continue;
    if (child.bounds().contains(point.x, point.y)) return &child;
  }
  return nullptr;
}

Rect ContainerPeer::areaOf(const Control* target) const {
  if (target != &control()) return target->bounds();
  RECT client{};
  GetClientRect(hwnd(), &client);
  return {0, 0, client.right, client.bottom};
}

void ContainerPeer::realizeChildren() {
  for (const auto& child : control().children()) {
    if (PeerBase* peer = backend().peerOf(*child)) peer->realize();
  }
}

void ContainerPeer::refreshDescendants(const Control& root) {
  for (const auto& child : root.children()) {
    if (PeerBase* peer = backend().peerOf(*child)) peer->refresh();
    refreshDescendants(*child);
  }
}

void ContainerPeer::changedContainer(Change what) {
  if (!hwnd()) return;
  const Rect& b = control().bounds();
  switch (what) {
    case Change::Bounds:
      SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case Change::Color:
      InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    case Change::Caption:
      SetWindowTextW(hwnd(), widen(control().caption()).c_str());
      break;
    default:
      break;
  }
}

void ContainerPeer::paint(HDC target, const RECT& area) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const Size size{client.right, client.bottom};
  if (size.width <= 0 || size.height <= 0) return;
  if (!backBuffer_ || !(backSize_ == size)) {
    WindowDc screen(hwnd());
    backBuffer_.reset(CreateCompatibleBitmap(screen.get(), size.width, size.height));
    backSize_ = backBuffer_ ? size : Size{};
  }
  if (backBuffer_) {
    MemoryDc memory(nullptr);
    if (memory) {
      memory.selectBitmap(backBuffer_.get());
      drawContent(memory.get(), area);
      BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
             memory.get(), area.left, area.top, SRCCOPY);
      return;
    }
  }
  drawContent(target, area);
}

void ContainerPeer::drawContent(HDC dc, const RECT& area) {
  SavedDc saved(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  FillRect(dc, &area, backend().gdi().brush(control().color()));
  for (const auto& child : control().children()) {
    if (child->windowed() || !child->visible()) continue;
    auto* peer = dynamic_cast<WindowlessPeer*>(backend().peerOf(*child));
    const RECT r = toRECT(child->bounds());
    RECT common;
    if (peer && IntersectRect(&common, &r, &area)) peer->paint(dc, stateOf(*child));
  }
}

void ContainerPeer::setHot(Control* hot) {
  if (hot == hot_) return;
  if (hot_) invalidate(hot_->bounds());
  hot_ = hot;
  if (hot_) invalidate(hot_->bounds());
}

void ContainerPeer::trackLeave() {
  if (trackingLeave_) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
  trackingLeave_ = TrackMouseEvent(&track) != 0;
}

void ContainerPeer::onMouse(const MouseInput& input) {
  const POINT p = input.point;
  auto eventFor = [&](const Control* target, MouseButton button) {
    const Rect a = areaOf(target);
    return MouseEvent{button, input.leftHeld, p.x - a.left, p.y - a.top};
  };
  switch (input.action) {
    case MouseAction::Down:
    case MouseAction::DoubleDown: {
      Control* under = hitTest(p);
      Control* target = under ? under : &control();
      if (input.button == MouseButton::Left) {
        // The mouse stays with the pressed control until release, so drags keep working.
        pressed_ = target;
        pressedByDouble_ = input.action == MouseAction::DoubleDown;
        SetCapture(hwnd());
        setHot(under);
        if (under) invalidate(under->bounds());
        if (pressedByDouble_) {
          app().dispatch([target] {
            if (target->onDblClick) target->onDblClick(*target);
          });
        }
      }
      target->userMouseDown(eventFor(target, input.button));
      return;
    }
    case MouseAction::Move: {
      Control* under = hitTest(p);
      Control* target = pressed_ ? pressed_ : (under ? under : &control());
      if (pressed_) {
        const bool over = pressed_ != &control() && areaOf(pressed_).contains(p.x, p.y);
        setHot(over ? pressed_ : nullptr);
      } else {
        setHot(under);
      }
      trackLeave();
      target->userMouseMove(eventFor(target, MouseButton::Left));
      return;
    }
    case MouseAction::Up: {
      if (input.button != MouseButton::Left || !pressed_) return;
      Control* target = pressed_;
      const bool byDouble = pressedByDouble_;
      pressed_ = nullptr;
      if (GetCapture() == hwnd()) ReleaseCapture();
      if (target != &control()) invalidate(target->bounds());
      setHot(hitTest(p));
      if (!areaOf(target).contains(p.x, p.y)) return;
      // The release that ends a double click is no click, except on flat buttons, which click
      // on every release.
      if (byDouble && !dynamic_cast<SpeedButton*>(target)) return;
      target->userClick();
      return;
    }
  }
}

bool ContainerPeer::setCursor() {
  POINT p;
  if (!GetCursorPos(&p) || !ScreenToClient(hwnd(), &p)) return false;
  const Control* under = hitTest(p);
  const Cursor cursor = (under ? under : &control())->cursor();
  SetCursor(LoadCursorW(nullptr, cursor == Cursor::Hand ? IDC_HAND : IDC_ARROW));
  return true;
}

bool ContainerPeer::reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = nullptr;
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_DRAWITEM:
      child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
      break;
    case WM_MEASUREITEM:
      child = GetDlgItem(
          hwnd(), static_cast<int>(reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID));
      break;
    default:
      return false;
  }
  auto* peer = dynamic_cast<NativePeer*>(NativeWindow::fromHandle(child));
  return peer && peer->reflected(msg, wParam, lParam, result);
}

LRESULT ContainerPeer::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (auto input = decodeMouse(msg, wParam, lParam)) {
    onMouse(*input);
    return 0;
  }
  LRESULT result = 0;
  if (reflect(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope scope(hwnd());
      paint(scope.dc(), scope.area());
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(hwnd(), &client);
      paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (!pressed_) setHot(nullptr);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd() && pressed_) {
        if (pressed_ != &control()) invalidate(pressed_->bounds());
        pressed_ = nullptr;
      }
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == hwnd() && LOWORD(lParam) == HTCLIENT && setCursor())
        return TRUE;
      break;
    case WM_SYSCHAR:
      if (FormPeer* form = formPeer(); form && form->accelerate(static_cast<wchar_t>(wParam)))
        return 0;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd(), msg, wParam, lParam);
}

}  // namespace dorvena::platform::win32
