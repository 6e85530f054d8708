#include "platform/headless/headless_backend.h"

#include <algorithm>

namespace dorvena::platform {

void HeadlessBackend::seedFromClock() {
  randomState_ = static_cast<unsigned long long>(daysFromCivil(time.date)) * 86400000ULL +
                 ((time.hour * 60ULL + time.minute) * 60ULL + time.second) * 1000ULL +
                 time.millisecond;
}

int HeadlessBackend::next(int range) {
  if (range <= 0) return 0;
  randomState_ = randomState_ * 6364136223846793005ULL + 1442695040888963407ULL;
  return static_cast<int>((randomState_ >> 33) % static_cast<unsigned long long>(range));
}

void HeadlessBackend::add(Form& owner, int id, const std::string& tip, unsigned message) {
  trayIcons.push_back({&owner, id, tip, message});
}

void HeadlessBackend::remove(Form& owner, int id) {
  std::erase_if(trayIcons, [&](const TrayEntry& e) { return e.owner == &owner && e.id == id; });
}

}  // namespace dorvena::platform
