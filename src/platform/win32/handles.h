#pragma once
#include <windows.h>

#include <utility>

namespace dorvena::platform::win32 {

// Owns a kernel handle; INVALID_HANDLE_VALUE and null both mean "none".
class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  Handle(Handle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  Handle& operator=(Handle&& other) noexcept {
    reset(std::exchange(other.h_, nullptr));
    return *this;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { reset(); }

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(HANDLE h = nullptr) {
    if (h_) CloseHandle(h_);
    h_ = h == INVALID_HANDLE_VALUE ? nullptr : h;
  }
  // Closes now and tells whether the system agreed.
  bool close() { return h_ ? CloseHandle(std::exchange(h_, nullptr)) != 0 : true; }
  HANDLE release() { return std::exchange(h_, nullptr); }

 private:
  HANDLE h_ = nullptr;
};

}  // namespace dorvena::platform::win32

namespace dorvena::platform::win32 {

// Owns a GDI object (font, brush, pen, bitmap, region) and deletes it.
template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H h) : h_(h) {}
  GdiObject(GdiObject&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    reset(std::exchange(other.h_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { reset(); }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(H h = nullptr) {
    if (h_) DeleteObject(h_);
    h_ = h;
  }
  // Hands the object to someone who frees it, such as SetWindowRgn.
  H release() { return std::exchange(h_, nullptr); }

 private:
  H h_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;

// Selects an object into a DC for one scope and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory DC compatible with `like`; the bitmap selected into it is taken out again before the DC
// is deleted, so the bitmap can outlive it (a back buffer) or be deleted by its owner.
class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    if (dc_) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void selectBitmap(HBITMAP bitmap) {
    HGDIOBJ old = SelectObject(dc_, bitmap);
    if (!oldBitmap_) oldBitmap_ = old;
  }

 private:
  HDC dc_;
  HGDIOBJ oldBitmap_ = nullptr;
};

// The DC of a window (or of the screen, for null), released at the end of the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Keeps a DC's state (clip region, selected objects, colours) for one scope.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;
  ~SavedDc() {
    if (saved_) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace dorvena::platform::win32
