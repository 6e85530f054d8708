#include "platform/application.h"

#include "platform/controls.h"

namespace dorvena::platform {

void Application::dispatch(const std::function<void()>& work) noexcept {
  try {
    work();
  } catch (const std::exception& e) {
    showError(e);
  } catch (...) {
    backend_.showErrorBox(title_, "Unknown error.");
  }
}

void Application::showError(const std::exception& error) {
  try {
    backend_.showErrorBox(title_, errorText(error.what()));
  } catch (...) {
    // Nothing is left to report with.
  }
}

std::string Application::errorText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void Application::run() {
  if (!terminated_) backend_.runMessageLoop();
}

void Application::terminate() {
  terminated_ = true;
  backend_.quitMessageLoop();
}

void Application::userFocus(Control& target) {
  Form& targetForm = target.form();
  Control* previous = focused_;
  Form* previousForm = activeForm_;
  focused_ = &target;
  activeForm_ = &targetForm;
  if (previousForm && previousForm != &targetForm) {
    dispatch([&] { previousForm->userDeactivate(); });
  } else if (previous && previous != &target && previous->onExit) {
    dispatch([&] { previous->onExit(*previous); });
  }
}

void Application::forget(Control& control) {
  if (focused_ == &control) focused_ = nullptr;
  if (activeForm_ == &control) activeForm_ = nullptr;
}

}  // namespace dorvena::platform
