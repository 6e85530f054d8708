#include "platform/application.h"
#include "platform/win32/peers.h"
#include "platform/win32/win32_backend.h"

namespace dorvena::platform::win32 {

PeerBase::PeerBase(Win32Backend& backend, Control& control) : backend_(backend), control_(control) {
  backend_.enter(control_, *this);
}

PeerBase::~PeerBase() {
  backend_.leave(control_);
}

ContainerPeer* PeerBase::container() const {
  Control* parent = control_.parent();
  return parent ? dynamic_cast<ContainerPeer*>(backend_.peerOf(*parent)) : nullptr;
}

FormPeer* PeerBase::formPeer() const {
  return dynamic_cast<FormPeer*>(backend_.peerOf(control_.form()));
}

void PeerBase::reportError(const std::exception& error) const noexcept {
  app().showError(error);
}

std::optional<MouseInput> decodeMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
  MouseInput input;
  switch (msg) {
    case WM_LBUTTONDOWN:
      input.action = MouseAction::Down;
      break;
    case WM_RBUTTONDOWN:
      input.action = MouseAction::Down;
      input.button = MouseButton::Right;
      break;
    case WM_MBUTTONDOWN:
      input.action = MouseAction::Down;
      input.button = MouseButton::Middle;
      break;
    case WM_LBUTTONDBLCLK:
      input.action = MouseAction::DoubleDown;
      break;
    case WM_RBUTTONDBLCLK:
      input.action = MouseAction::DoubleDown;
      input.button = MouseButton::Right;
      break;
    case WM_MBUTTONDBLCLK:
      input.action = MouseAction::DoubleDown;
      input.button = MouseButton::Middle;
      break;
    case WM_LBUTTONUP:
      input.action = MouseAction::Up;
      break;
    case WM_RBUTTONUP:
      input.action = MouseAction::Up;
      input.button = MouseButton::Right;
      break;
    case WM_MBUTTONUP:
      input.action = MouseAction::Up;
      input.button = MouseButton::Middle;
      break;
    case WM_MOUSEMOVE:
      input.action = MouseAction::Move;
      break;
    default:
      return std::nullopt;
  }
  input.leftHeld = (wParam & MK_LBUTTON) != 0;
  // Signed: a captured mouse reports points left of and above the window.
  input.point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  return input;
}

}  // namespace dorvena::platform::win32
