#include "platform/date_time.h"

namespace dorvena::platform {

bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Howard Hinnant's days_from_civil / civil_from_days.
std::int64_t daysFromCivil(const Date& date) {
  const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (date.month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + date.day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date civilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

Date addDays(const Date& date, int days) {
  return civilFromDays(daysFromCivil(date) + days);
}

int weekday(const Date& date) {
  const std::int64_t d = daysFromCivil(date);  // 1970-01-01 was a Thursday
  return static_cast<int>(d >= -4 ? (d + 4) % 7 : (d + 5) % 7 + 6);
}

int dayOfYear(const Date& date) {
  return static_cast<int>(daysFromCivil(date) - daysFromCivil({date.year, 1, 1})) + 1;
}

}  // namespace dorvena::platform
