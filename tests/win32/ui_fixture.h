#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/win32/win32_backend.h"

namespace dorvena::platform::win32 {

// A real backend and application per test; errors are collected instead of shown in a box.
class UiTest : public ::testing::Test {
 protected:
  UiTest() {
    backend.setErrorSink(
        [this](const std::string&, const std::string& message) { errors.push_back(message); });
  }

  // A frameless form at (100, 100), created and shown.
  std::unique_ptr<Form> makeForm(Size size = {300, 200}, bool show = true) {
    auto form = std::make_unique<Form>(app, "Form1");
    form->setBounds({100, 100, size.width, size.height});
    form->create();
    if (show) form->show();
    pump();
    return form;
  }

  HWND hwnd(const Control& control) const { return backend.windowOf(control); }
  void pump() { backend.processMessages(); }

  // What the user does with the mouse, as the window receives it.
  static void press(HWND window, int x, int y, UINT msg = WM_LBUTTONDOWN,
                    WPARAM keys = MK_LBUTTON) {
    SendMessageW(window, msg, keys, MAKELPARAM(x, y));
  }
  static void release(HWND window, int x, int y, UINT msg = WM_LBUTTONUP) {
    SendMessageW(window, msg, 0, MAKELPARAM(x, y));
  }
  static void click(HWND window, int x, int y) {
    press(window, x, y);
    release(window, x, y);
  }

  Win32Backend backend;
  Application app{backend};
  std::vector<std::string> errors;
};

// The client area of a window as drawn by its paint function, read back pixel by pixel.
class Snapshot {
 public:
  explicit Snapshot(HWND window);
  Color at(int x, int y) const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

inline Snapshot::Snapshot(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  pixels_.assign(p, p + static_cast<std::size_t>(width_) * height_);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

inline Color Snapshot::at(int x, int y) const {
  const std::uint32_t v = pixels_.at(static_cast<std::size_t>(y) * width_ + x);
  return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
          static_cast<std::uint8_t>(v)};
}

inline std::string describe(Color c) {
  return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

}  // namespace dorvena::platform::win32
