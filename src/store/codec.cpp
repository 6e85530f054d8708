#include "store/codec.h"

namespace dorvena::store {

std::string convertbreaks(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    switch (c) {
      case '\r':
        c = '\x04';
        break;
      case '\x04':
        c = '\r';
        break;
      case '\n':
        c = '\x05';
        break;
      case '\x05':
        c = '\n';
        break;
      default:
        break;
    }
  }
  return out;
}

}  // namespace dorvena::store
