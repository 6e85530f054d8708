#include "store/date_token.h"

#include <algorithm>

namespace dorvena::store {
namespace {

bool breaksLine(char c) {
  return c == '=' || c == '\r' || c == '\n' || c == '\0';
}

std::string withoutLineBreakers(std::string text) {
  std::erase_if(text, breaksLine);
  return text;
}

// "m/d/yy": what applies when the locale names no short date format.
std::string fallbackToken(const platform::Locale& locale, const platform::Date& date) {
  std::string separator = withoutLineBreakers(locale.dateSeparator());
  if (separator.empty()) separator.push_back('/');
  const int yy = (date.year % 100 + 100) % 100;
  std::string token = std::to_string(date.month);
  token += separator;
  token += std::to_string(date.day);
  token += separator;
  token += static_cast<char>('0' + yy / 10);
  token += static_cast<char>('0' + yy % 10);
  return token;
}

}  // namespace

std::string dateToken(const platform::Locale& locale, const platform::Date& date) {
  const std::string picture = locale.shortDatePicture();
  if (picture.empty()) return fallbackToken(locale, date);
  std::string token = withoutLineBreakers(locale.formatShortDate(date, picture));
  if (token.empty()) return fallbackToken(locale, date);
  return token;
}

}  // namespace dorvena::store
