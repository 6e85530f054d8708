#pragma once
#include <windows.h>

#include <exception>
#include <string>

namespace dorvena::platform::win32 {

struct WindowArgs {
  DWORD exStyle = 0;
  std::wstring className;
  std::wstring text;
  DWORD style = 0;
  RECT bounds{};  // in the parent's client area, or on the screen for top-level windows
  HWND parent = nullptr;
  UINT_PTR id = 0;  // child windows only
};

// A fresh identifier for a child window; the parent finds the child of WM_MEASUREITEM by it.
UINT_PTR nextChildId();

// A window of one of our own classes. One window procedure serves all of them: it finds the object
// through GWLP_USERDATA (set from lpCreateParams on WM_NCCREATE) and hands it every message;
// exceptions end there.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() { destroyWindow(); }
  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the class under `args.className` on first use.
  void createWindow(const WindowArgs& args, UINT classStyle);
  // Detaches first, so that the messages of a dying window no longer reach the object.
  void destroyWindow();
  virtual LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
  virtual void onError(const std::exception&) noexcept {}

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// A system control (list box, edit box, month calendar) whose messages pass through the object
// first, by one subclass procedure for all of them.
class NativeWindow {
 public:
  NativeWindow() = default;
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;
  virtual ~NativeWindow() { destroyNative(); }
  HWND hwnd() const { return hwnd_; }
  // The object behind one of our subclassed controls, or null.
  static NativeWindow* fromHandle(HWND hwnd);

 protected:
  void createNative(const WindowArgs& args);
  void destroyNative();
  virtual LRESULT onSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return defaultProc(msg, wParam, lParam);
  }
  LRESULT defaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void onError(const std::exception&) noexcept {}

 private:
  static LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR refData);
  HWND hwnd_ = nullptr;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

}  // namespace dorvena::platform::win32
