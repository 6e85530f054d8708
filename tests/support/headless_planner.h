#pragma once
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "app/program.h"
#include "platform/headless/headless_backend.h"

namespace dorvena::testing {

// The real planner on the headless backend, in a program folder of its own, at a fixed time.
class HeadlessPlanner {
 public:
  HeadlessPlanner() {
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() / ("dorvena-" + std::to_string(rd()));
    std::filesystem::create_directories(folder_);
    os.folder = folder_;
  }
  ~HeadlessPlanner() {
    program.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }

  std::filesystem::path folder() const { return folder_; }
  std::filesystem::path storeFile() const { return folder_ / "otherfiles" / "reminder.ini"; }

  void writeStore(const std::string& bytes) {
    std::filesystem::create_directories(folder_ / "otherfiles");
    std::ofstream(storeFile(), std::ios::binary) << bytes;
  }
  std::string storeBytes() const {
    std::ifstream in(storeFile(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // The program's start, up to the message loop.
  app::TForm1& start() {
    program = std::make_unique<app::Program>(os);
    started = program->start();
    return program->form();
  }
  app::TForm1& form() { return program->form(); }

  platform::HeadlessBackend os;
  std::unique_ptr<app::Program> program;
  bool started = false;

 private:
  std::filesystem::path folder_;
};

}  // namespace dorvena::testing
