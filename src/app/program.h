#pragma once
#include <memory>

#include "app/main_form.h"
#include "platform/application.h"
#include "platform/backend.h"

namespace dorvena::app {

// The program entry's steps, on any backend.
class Program {
 public:
  explicit Program(platform::Backend& backend) : backend_(backend) {}
  // Everything up to the message loop; false when another instance runs and this one must end.
  bool start();
  void run() { app_->run(); }

  platform::Application& app() { return *app_; }
  TForm1& form() { return *form_; }

 private:
  platform::Backend& backend_;
  std::unique_ptr<platform::Application> app_;
  std::unique_ptr<TForm1> form_;
};

// The whole run; the exit code is always 0.
int runDorvena(platform::Backend& backend);

}  // namespace dorvena::app
