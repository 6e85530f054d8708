#pragma once
#include <string>
#include <string_view>

namespace dorvena::store {

// Multi-line texts are stored on one line of the file: CR and LF trade places with the bytes 4
// and 5. The swap is its own inverse, so the same call encodes and decodes.
std::string convertbreaks(std::string_view text);

}  // namespace dorvena::store
