#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/backend.h"

namespace dorvena::platform::win32 {

class Gdi;
class PeerBase;
class Win32Locale;
class ApplicationWindow;

// The real backend: a window or painted area for every control, and the operating system's
// services. One per process, created on the thread that runs the message loop.
class Win32Backend final : public Backend,
                           public Clock,
                           public Screen,
                           public Sound,
                           public Launcher,
                           public InstanceLock,
                           public Random,
                           public TrayIcon,
                           public ProgramInfo {
 public:
  Win32Backend();
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  std::unique_ptr<ControlPeer> attach(Control& control) override;
  void showErrorBox(const std::string& title, const std::string& message) override;
  void runMessageLoop() override;
  void quitMessageLoop() override;
  void processMessages() override;
  void hideFromTaskbar() override;
  void keepApplicationToolStyleOnly() override;

  Clock& clock() override { return *this; }
  Locale& locale() override;
  Screen& screen() override { return *this; }
  Sound& sound() override { return *this; }
  Launcher& launcher() override { return *this; }
  InstanceLock& instanceLock() override { return *this; }
  Random& random() override { return *this; }
  TrayIcon& trayIcon() override { return *this; }
  ProgramInfo& programInfo() override { return *this; }

  DateTime now() const override;
  Size monitorSize(const Form& form) const override;
  void playSystemSound(const std::string& name) override;
  void startProgram(const std::filesystem::path& program) override;
  bool acquire(const std::string& name) override;
  void seedFromClock() override;
  int next(int range) override;
  void add(Form& owner, int id, const std::string& tip, unsigned callbackMessage) override;
  void remove(Form& owner, int id) override;
  std::filesystem::path programFolder() const override;
  std::string resource(const std::string& name) const override;

  // The hidden, zero-size application window that owns every form.
  HWND applicationWindow() const;
  // The window of a windowed control; null for windowless ones and before its parent has one.
  HWND windowOf(const Control& control) const;
  // Errors go to `sink` instead of a modal box, for tests that must not block.
  using ErrorSink = std::function<void(const std::string& title, const std::string& message)>;
  void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

  // Used by the peers.
  Gdi& gdi() { return *gdi_; }
  PeerBase* peerOf(const Control& control) const;
  void enter(const Control& control, PeerBase& peer) { peers_[&control] = &peer; }
  void leave(const Control& control) { peers_.erase(&control); }
  bool isTrayMessage(const Form& form, UINT msg) const;
  void removeTrayIcons(const Form& form);
  void restoreTrayIcons();
  void setApplicationTitle(const std::string& title);

 private:
  struct TrayEntry {
    Form* owner;
    HWND window;
    int id;
    std::wstring tip;
    UINT message;
  };
  bool addTrayIcon(const TrayEntry& entry) const;

  std::unique_ptr<Gdi> gdi_;
  std::unique_ptr<Win32Locale> locale_;
  std::unique_ptr<ApplicationWindow> appWindow_;
  std::unordered_map<const Control*, PeerBase*> peers_;
  std::vector<TrayEntry> trayIcons_;
  ErrorSink errorSink_;
  unsigned long long randomState_ = 1;
};

std::unique_ptr<Win32Backend> makeWin32Backend();

}  // namespace dorvena::platform::win32
