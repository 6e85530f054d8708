#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/date_time.h"
#include "platform/geometry.h"

namespace dorvena::platform {

class Form;

// The operating system services the planner uses, each small enough to fake in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

class Screen {
 public:
  virtual ~Screen() = default;
  // The full size of the monitor that shows the form, or of the one nearest to it.
  virtual Size monitorSize(const Form& form) const = 0;
};

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts a named system sound without waiting for it; the default sound where none is named so.
  virtual void playSystemSound(const std::string& name) = 0;
};

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts a program by its full path, with a normal window, without waiting; failures are ignored.
  virtual void startProgram(const std::filesystem::path& program) = 0;
};

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // False when another running instance holds the named lock. Held until the process ends.
  virtual bool acquire(const std::string& name) = 0;
};

class Random {
 public:
  virtual ~Random() = default;
  virtual void seedFromClock() = 0;
  // Uniform in [0, range); 0 when range <= 0.
  virtual int next(int range) = 0;
};

class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  // Adds the icon of `owner` with a tooltip; mouse presses on it reach owner.onTrayMessage.
  virtual void add(Form& owner, int id, const std::string& tip, unsigned callbackMessage) = 0;
  virtual void remove(Form& owner, int id) = 0;
};

// The program's own folder, with a trailing separator, and the files it uses.
class ProgramInfo {
 public:
  virtual ~ProgramInfo() = default;
  virtual std::filesystem::path programFolder() const = 0;
  // A picture built into the program (its bytes as stored), or nothing when it has none.
  virtual std::string resource(const std::string& name) const = 0;
};

}  // namespace dorvena::platform
