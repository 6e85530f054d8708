#pragma once
#include <compare>
#include <cstdint>

namespace dorvena::platform {

// A day of the proleptic Gregorian calendar.
struct Date {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  friend auto operator<=>(const Date&, const Date&) = default;
};

struct DateTime {
  Date date;
  int hour = 0;  // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
std::int64_t daysFromCivil(const Date& date);  // 1970-01-01 is day 0
Date civilFromDays(std::int64_t days);
Date addDays(const Date& date, int days);
int weekday(const Date& date);    // 0 = Sunday ... 6 = Saturday
int dayOfYear(const Date& date);  // 1 on 1 January

}  // namespace dorvena::platform
