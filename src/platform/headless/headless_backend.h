#pragma once
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/headless/headless_locale.h"

namespace dorvena::platform {

// No windows at all: controls are plain state. Every OS service is a fake that tests set and read.
class HeadlessBackend : public Backend,
                        public Clock,
                        public Screen,
                        public Sound,
                        public Launcher,
                        public InstanceLock,
                        public Random,
                        public TrayIcon,
                        public ProgramInfo {
 public:
  std::unique_ptr<ControlPeer> attach(Control&) override { return nullptr; }
  void showErrorBox(const std::string& title, const std::string& message) override {
    errorBoxes.emplace_back(title, message);
  }
  void runMessageLoop() override { ++messageLoops; }
  void quitMessageLoop() override { quitRequested = true; }
  void processMessages() override { ++messagesProcessed; }
  void hideFromTaskbar() override { hiddenFromTaskbar = true; }
  void keepApplicationToolStyleOnly() override { toolStyleOnly = true; }

  Clock& clock() override { return *this; }
  Locale& locale() override { return localeState; }
  Screen& screen() override { return *this; }
  Sound& sound() override { return *this; }
  Launcher& launcher() override { return *this; }
  InstanceLock& instanceLock() override { return *this; }
  Random& random() override { return *this; }
  TrayIcon& trayIcon() override { return *this; }
  ProgramInfo& programInfo() override { return *this; }

  DateTime now() const override { return time; }
  Size monitorSize(const Form&) const override { return monitor; }
  void playSystemSound(const std::string& name) override { sounds.push_back(name); }
  void startProgram(const std::filesystem::path& program) override { started.push_back(program); }
  bool acquire(const std::string& name) override {
    locks.push_back(name);
    return !otherInstanceRunning;
  }
  void seedFromClock() override;
  int next(int range) override;
  void add(Form& owner, int id, const std::string& tip, unsigned message) override;
  void remove(Form& owner, int id) override;
  std::filesystem::path programFolder() const override { return folder; }
  std::string resource(const std::string&) const override { return {}; }

  // What tests set.
  DateTime time{{2026, 12, 11}, 9, 30, 0, 0};
  Size monitor{1920, 1080};
  bool otherInstanceRunning = false;
  std::filesystem::path folder;
  HeadlessLocale localeState;

  // What tests read.
  std::vector<std::pair<std::string, std::string>> errorBoxes;
  std::vector<std::string> sounds;
  std::vector<std::filesystem::path> started;
  std::vector<std::string> locks;
  struct TrayEntry {
    Form* owner;
    int id;
    std::string tip;
    unsigned message;
  };
  std::vector<TrayEntry> trayIcons;
  int messageLoops = 0;
  int messagesProcessed = 0;
  bool quitRequested = false;
  bool hiddenFromTaskbar = false;
  bool toolStyleOnly = false;

 private:
  unsigned long long randomState_ = 1;
};

}  // namespace dorvena::platform
