#pragma once
#include <stdexcept>
#include <string>

namespace dorvena::platform {

// An error raised with the platform's own message text (bytes of the ANSI code page). The one
// place that catches it is the event dispatch, which shows it in the application's error box.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace dorvena::platform
