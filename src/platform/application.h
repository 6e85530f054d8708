#pragma once
#include <exception>
#include <functional>
#include <string>

#include "platform/backend.h"

namespace dorvena::platform {

class Control;
class Form;

// The application object: title, message loop, the one place where errors of event handlers are
// caught and shown, and the focus bookkeeping that turns focus moves into exit and deactivation
// events.
class Application {
 public:
  explicit Application(Backend& backend) : backend_(backend) {}
  Backend& backend() const { return backend_; }

  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }

  // Runs an event's work; an error abandons it and shows the error box. Never throws.
  void dispatch(const std::function<void()>& work) noexcept;
  void showError(const std::exception& error);
  // The error box's text: the message, with "." added when its last character sorts after ".".
  static std::string errorText(const std::string& message);

  void run();
  void terminate();
  bool terminated() const { return terminated_; }
  void processMessages() { backend_.processMessages(); }

  // The user (or the system, for a window just shown) moves the keyboard focus to `target`.
  void userFocus(Control& target);
  Control* focused() const { return focused_; }
  Form* activeForm() const { return activeForm_; }
  // A control going away must not stay remembered.
  void forget(Control& control);

 private:
  Backend& backend_;
  std::string title_ = "Dorvena";
  bool terminated_ = false;
  Control* focused_ = nullptr;
  Form* activeForm_ = nullptr;
};

}  // namespace dorvena::platform
