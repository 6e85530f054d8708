#include "platform/win32/window.h"

#include <commctrl.h>

#include <stdexcept>

namespace dorvena::platform::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// The object behind a subclassed control, found again by the parent from the child's handle.
constexpr wchar_t kObjectProperty[] = L"Dorvena.NativeWindow";

void ensureClass(const std::wstring& name, UINT style, WNDPROC proc) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, name.c_str(), &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = name.c_str();
  RegisterClassExW(&wc);
}

}  // namespace

UINT_PTR nextChildId() {
  static UINT_PTR id = 1000;
  return ++id;
}

void Window::createWindow(const WindowArgs& args, UINT classStyle) {
  ensureClass(args.className, classStyle, windowProc);
  HWND hwnd = CreateWindowExW(
      args.exStyle, args.className.c_str(), args.text.c_str(), args.style, args.bounds.left,
      args.bounds.top, args.bounds.right - args.bounds.left, args.bounds.bottom - args.bounds.top,
      args.parent, reinterpret_cast<HMENU>(args.id), GetModuleHandleW(nullptr), this);
  if (hwnd && !hwnd_) hwnd_ = hwnd;
}

void Window::destroyWindow() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  DestroyWindow(hwnd);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  try {
    return self->onMessage(msg, wParam, lParam);
  } catch (const std::exception& e) {
    self->onError(e);
  } catch (...) {
    self->onError(std::runtime_error("Unknown error"));
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

NativeWindow* NativeWindow::fromHandle(HWND hwnd) {
  return hwnd ? static_cast<NativeWindow*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

void NativeWindow::createNative(const WindowArgs& args) {
  HWND hwnd = CreateWindowExW(
      args.exStyle, args.className.c_str(), args.text.c_str(), args.style, args.bounds.left,
      args.bounds.top, args.bounds.right - args.bounds.left, args.bounds.bottom - args.bounds.top,
      args.parent, reinterpret_cast<HMENU>(args.id), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return;
  hwnd_ = hwnd;
  SetPropW(hwnd, kObjectProperty, this);
  SetWindowSubclass(hwnd, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void NativeWindow::destroyNative() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  RemoveWindowSubclass(hwnd, subclassProc, kSubclassId);
  RemovePropW(hwnd, kObjectProperty);
  hwnd_ = nullptr;
  DestroyWindow(hwnd);
}

LRESULT NativeWindow::defaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK NativeWindow::subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR refData) {
  auto* self = reinterpret_cast<NativeWindow*>(refData);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, subclassProc, kSubclassId);
    RemovePropW(hwnd, kObjectProperty);
    if (self) self->hwnd_ = nullptr;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  try {
    return self->onSubclassMessage(msg, wParam, lParam);
  } catch (const std::exception& e) {
    self->onError(e);
  } catch (...) {
    self->onError(std::runtime_error("Unknown error"));
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace dorvena::platform::win32
