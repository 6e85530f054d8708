#include "app/program.h"

namespace dorvena::app {

bool Program::start() {
  if (!backend_.instanceLock().acquire("vorlanquist")) return false;
  app_ = std::make_unique<platform::Application>(backend_);
  app_->setTitle("Dorvena");
  backend_.hideFromTaskbar();
  form_ = std::make_unique<TForm1>(*app_);
  app_->dispatch([this] { form_->FormCreate(*form_); });
  backend_.keepApplicationToolStyleOnly();
  return true;
}

int runDorvena(platform::Backend& backend) {
  Program program(backend);
  if (program.start()) program.run();
  return 0;
}

}  // namespace dorvena::app
