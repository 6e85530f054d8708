#pragma once
#include <string>

#include "platform/case_fold.h"
#include "platform/date_time.h"

namespace dorvena::platform {

// The user's regional settings as the planner needs them. Texts are ANSI code page bytes.
class Locale {
 public:
  virtual ~Locale() = default;
  // The short date picture in force ("" when the locale gives none), and the date separator.
  virtual std::string shortDatePicture() const = 0;
  virtual std::string dateSeparator() const = 0;
  // The date written by the picture in force, by the system's own formatting.
  virtual std::string formatShortDate(const Date& date, const std::string& picture) const = 0;
  // The long name of a weekday (0 = Sunday) in the user's language.
  virtual std::string longDayName(int weekday) const = 0;
  virtual const CaseFold& caseFold() const = 0;
  // Reads the settings again; called when the system announces a change of regional settings.
  virtual void reread() = 0;
};

}  // namespace dorvena::platform
