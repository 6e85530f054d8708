#pragma once
#include <memory>
#include <string>

#include "platform/locale.h"
#include "platform/services.h"

namespace dorvena::platform {

class Control;

// What a backend attaches to a control: the real window or painting of it. Controls tell their
// peer about every change made from code; the peer never calls user handlers for those.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  enum class Change {
    Bounds,
    Visible,
    Caption,
    Font,
    Color,
    Items,
    Checked,
    Date,
    Text,
    Picture,
    Shape,
    Front,
    Focus,
    Timer
  };
  virtual void changed(Change what) = 0;
  // Text boxes and the calendar hold what the user typed or picked in the real window.
  virtual bool readText(std::string& text) {
    (void)text;
    return false;
  }
};

// A windowing backend with the operating system services behind it.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::unique_ptr<ControlPeer> attach(Control& control) = 0;
  virtual void showErrorBox(const std::string& title, const std::string& message) = 0;
  virtual void runMessageLoop() = 0;
  virtual void quitMessageLoop() = 0;
  virtual void processMessages() = 0;
  // The application window that owns every form and would carry the taskbar button.
  virtual void hideFromTaskbar() = 0;
  // After the main window exists: the application window keeps the tool-window style alone.
  virtual void keepApplicationToolStyleOnly() = 0;

  virtual Clock& clock() = 0;
  virtual Locale& locale() = 0;
  virtual Screen& screen() = 0;
  virtual Sound& sound() = 0;
  virtual Launcher& launcher() = 0;
  virtual InstanceLock& instanceLock() = 0;
  virtual Random& random() = 0;
  virtual TrayIcon& trayIcon() = 0;
  virtual ProgramInfo& programInfo() = 0;
};

}  // namespace dorvena::platform
