#pragma once
#include <string>
#include <string_view>

namespace dorvena::store {

// A stored number: an optional sign and decimal digits, nothing else, within the range of int.
// Anything else raises platform::Error "'<text>' is not a valid integer value".
int strToInt(std::string_view text);
std::string intToStr(int value);

}  // namespace dorvena::store
