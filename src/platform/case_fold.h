#pragma once
#include <array>
#include <string>
#include <string_view>

namespace dorvena::platform {

// Folds the letter case of one ANSI byte. Names compare equal, ignoring case, exactly when their
// folded bytes are equal. ASCII letters always fold by the ASCII rule, so that "POS.COUNT" finds
// "pos.count" also on a Turkish system, where I and i are not each other's capitals.
using CaseFold = std::array<unsigned char, 256>;

CaseFold asciiCaseFold();
// Code page 1254 (Turkish), folding the accented letters to their capitals as Windows does.
CaseFold cp1254CaseFold();

inline std::string folded(std::string_view text, const CaseFold& fold) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(fold[static_cast<unsigned char>(c)]);
  return out;
}

}  // namespace dorvena::platform
