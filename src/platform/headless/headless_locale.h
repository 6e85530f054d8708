#pragma once
#include <array>
#include <string>

#include "platform/locale.h"

namespace dorvena::platform {

// A Turkish user's settings, changeable by tests as the user would in the regional settings.
class HeadlessLocale : public Locale {
 public:
  HeadlessLocale();
  std::string shortDatePicture() const override { return picture; }
  std::string dateSeparator() const override { return separator; }
  std::string formatShortDate(const Date& date, const std::string& picture) const override;
  std::string longDayName(int weekday) const override { return dayNames.at(weekday); }
  const CaseFold& caseFold() const override { return fold; }
  void reread() override { ++rereads; }

  std::string picture = "dd.MM.yyyy";
  std::string separator = ".";
  std::array<std::string, 7> dayNames;
  CaseFold fold;
  int rereads = 0;
};

}  // namespace dorvena::platform
