#include "store/stored_text.h"

namespace dorvena::store {

std::string titleForStore(std::string_view title) {
  std::string out;
  out.reserve(title.size());
  for (const char c : title) {
    if (c == '\0') continue;
    out += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return out;
}

std::string descriptionForStore(std::string_view description) {
  std::string out;
  out.reserve(description.size() + 8);
  for (std::size_t i = 0; i < description.size(); ++i) {
    const char c = description[i];
    if (c == '\0' || c == '\x04' || c == '\x05') continue;
    // Every line break is stored as CR LF, whatever the box handed over.
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < description.size() && description[i + 1] == '\n') ++i;
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace dorvena::store
