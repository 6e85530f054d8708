#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <optional>

#include "platform/controls.h"
#include "platform/win32/button_look.h"
#include "platform/win32/gdi.h"
#include "platform/win32/window.h"

namespace dorvena::platform::win32 {

class Win32Backend;
class ContainerPeer;
class FormPeer;
using Change = ControlPeer::Change;

// What every peer of this backend shares. Controls are often built before their form's window
// exists, so a peer makes its window in realize(), which runs as soon as the parent has one.
class PeerBase : public ControlPeer {
 public:
  PeerBase(Win32Backend& backend, Control& control);
  ~PeerBase() override;
  Control& control() const { return control_; }
  Win32Backend& backend() const { return backend_; }
  Application& app() const { return control_.app(); }
  // The control's own window; null for windowless controls and before it exists.
  virtual HWND window() const { return nullptr; }
  virtual void realize() {}
  // Some settings are plain fields of the model, set without a notification, often after the
  // window was made; the peer catches up with them on the next change and before it is shown.
  virtual void refresh() {}
  // The parent that paints this control and takes its mouse input, when it is one of ours.
  ContainerPeer* container() const;
  FormPeer* formPeer() const;

 protected:
  void reportError(const std::exception& error) const noexcept;

 private:
  Win32Backend& backend_;
  Control& control_;
};

enum class MouseAction { Down, DoubleDown, Up, Move };

// A mouse message decoded once. The point is in the client area of the window that got it, which
// the system works out when the message is taken from the queue, so it stays right while a
// handler moves that window.
struct MouseInput {
  MouseAction action = MouseAction::Move;
  MouseButton button = MouseButton::Left;
  bool leftHeld = false;
  POINT point{};
};
std::optional<MouseInput> decodeMouse(UINT msg, WPARAM wParam, LPARAM lParam);

// Forms and panels: real windows that paint their windowless children (labels, flat buttons,
// pictures, lines) in creation order and give them the mouse input that falls on them.
class ContainerPeer : public PeerBase, public Window {
 public:
  using PeerBase::PeerBase;
  HWND window() const override { return hwnd(); }
  void invalidate(const Rect& area);
  // A windowless child hidden or going away keeps no hover or press.
  void forget(const Control& child);
  ButtonState stateOf(const Control& child) const;
  // The one paint function, for WM_PAINT and WM_PRINTCLIENT alike.
  void paint(HDC target, const RECT& area);
  // The topmost showing windowless child under a client point, or null.
  Control* hitTest(POINT point) const;

 protected:
  void realizeChildren();
  void refreshDescendants(const Control& root);
  void changedContainer(Change what);
  LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void onError(const std::exception& error) noexcept override { reportError(error); }

 private:
  void drawContent(HDC dc, const RECT& area);
  void onMouse(const MouseInput& input);
  void setHot(Control* hot);
  void trackLeave();
  bool setCursor();
  bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  Rect areaOf(const Control* target) const;

  BitmapHandle backBuffer_;
  Size backSize_;
  Control* hot_ = nullptr;
  Control* pressed_ = nullptr;
  bool pressedByDouble_ = false;
  bool trackingLeave_ = false;
};

class FormPeer final : public ContainerPeer {
 public:
  FormPeer(Win32Backend& backend, Form& form);
  ~FormPeer() override;
  Form& form() const { return static_cast<Form&>(control()); }
  void changed(Change what) override;
  // A child window of this form took the keyboard focus.
  void childFocused(Control& child);
  void forgetFocus(const Control& child);
  // Alt+letter: the showing flat button of this form whose caption marks that letter is clicked.
  bool accelerate(wchar_t letter);
  void addTimer(UINT_PTR id, Timer& timer) { timers_[id] = &timer; }
  void removeTimer(UINT_PTR id) { timers_.erase(id); }

 protected:
  LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void applyShape();
  void onActivate();
  Control* focusTarget() const;

  Control* lastFocus_ = nullptr;
  std::map<UINT_PTR, Timer*> timers_;
};

class PanelPeer final : public ContainerPeer {
 public:
  PanelPeer(Win32Backend& backend, Panel& panel);
  ~PanelPeer() override;
  void realize() override;
  void changed(Change what) override;
};

// Real child windows of system classes.
class NativePeer : public PeerBase, public NativeWindow {
 public:
  using PeerBase::PeerBase;
  ~NativePeer() override;
  HWND window() const override { return hwnd(); }
  void realize() override;
  void changed(Change what) override;
  // A message the parent got about this control: notifications, colours, owner drawing.
  virtual bool reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  virtual WindowArgs windowArgs() const = 0;
  virtual void afterCreate() {}
  virtual void changedNative(Change) {}
  virtual LRESULT onNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return defaultProc(msg, wParam, lParam);
  }
  LRESULT onSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam) final;
  void onError(const std::exception& error) noexcept override { reportError(error); }
  // The reply to WM_CTLCOLOR*: the control's background and font colour.
  LRESULT colorReply(HDC dc) const;
  HFONT font() const;
};

class CheckListPeer final : public NativePeer {
 public:
  CheckListPeer(Win32Backend& backend, CheckListBox& list);
  ~CheckListPeer() override = default;
  void refresh() override;
  bool reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The width at the left of an item where a press toggles its mark.
  static constexpr int kCheckWidth = 15;

 protected:
  WindowArgs windowArgs() const override;
  void afterCreate() override;
  void changedNative(Change what) override;
  LRESULT onNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  CheckListBox& list() const { return static_cast<CheckListBox&>(control()); }
  void fillItems();
  void drawItem(const DRAWITEMSTRUCT& item);
  int itemAt(POINT point) const;
};

class CalendarPeer final : public NativePeer {
 public:
  CalendarPeer(Win32Backend& backend, MonthCalendar& calendar);
  ~CalendarPeer() override = default;
  bool reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  WindowArgs windowArgs() const override;
  void afterCreate() override;
  void changedNative(Change what) override;
  LRESULT onNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  MonthCalendar& calendar() const { return static_cast<MonthCalendar&>(control()); }
  void showDate();
  void fitSize();
  std::optional<Date> selection() const;

  bool settingDate_ = false;
  bool clicking_ = false;
};

class EditPeer final : public NativePeer {
 public:
  EditPeer(Win32Backend& backend, Edit& edit);
  ~EditPeer() override = default;
  void refresh() override;
  bool readText(std::string& text) override;
  bool reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  WindowArgs windowArgs() const override;
  void afterCreate() override;
  void changedNative(Change what) override;
  LRESULT onNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  Edit& edit() const { return static_cast<Edit&>(control()); }
  void showText();
  void focusNext(bool backwards);

  bool showingText_ = false;
  DWORD madeWithStyle_ = 0;
};

// Labels, flat buttons, pictures and lines: drawn by their container.
class WindowlessPeer final : public PeerBase {
 public:
  WindowlessPeer(Win32Backend& backend, Control& control);
  ~WindowlessPeer() override;
  void realize() override;
  void changed(Change what) override;
  void paint(HDC dc, ButtonState state);

 private:
  void autoSize();
  void invalidate(const Rect& area);
  HBITMAP bitmapOf(const std::shared_ptr<const Picture>& picture);
  void paintLabel(HDC dc, const Label& label);
  void paintButton(HDC dc, const SpeedButton& button, ButtonState state);
  void paintImage(HDC dc, const Image& image);
  void paintBevel(HDC dc, const Bevel& bevel);

  Rect painted_;
  std::shared_ptr<const Picture> cachedPicture_;
  BitmapHandle bitmap_;
};

// A repeating message timer of the control's form.
class TimerPeer final : public PeerBase {
 public:
  TimerPeer(Win32Backend& backend, Timer& timer);
  ~TimerPeer() override;
  void realize() override { arm(); }
  void changed(Change what) override;

 private:
  void arm();
  void disarm();

  UINT_PTR id_;
  HWND armedOn_ = nullptr;
};

}  // namespace dorvena::platform::win32
