#include "store/int_text.h"

#include <limits>

#include "platform/error.h"

namespace dorvena::store {

int strToInt(std::string_view text) {
  const auto invalid = [&] {
    std::string message = "'";
    message += text;
    message += "' is not a valid integer value";
    return platform::Error(message);
  };
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
  if (i == text.size()) throw invalid();

  // Accumulated as a negative number, whose range reaches one further than the positive one.
  constexpr long long kMin = std::numeric_limits<int>::min();
  constexpr long long kMax = std::numeric_limits<int>::max();
  long long value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') throw invalid();
    value = value * 10 - (c - '0');
    if (value < kMin) throw invalid();
  }
  if (!negative) {
    if (-value > kMax) throw invalid();
    return static_cast<int>(-value);
  }
  return static_cast<int>(value);
}

std::string intToStr(int value) {
  return std::to_string(value);
}

}  // namespace dorvena::store
