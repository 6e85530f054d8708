#pragma once
#include <array>
#include <string>

#include "platform/locale.h"

namespace dorvena::platform::win32 {

// The user's regional settings, read from the system at creation and again on reread().
class Win32Locale final : public Locale {
 public:
  Win32Locale() { reread(); }
  std::string shortDatePicture() const override { return picture_; }
  std::string dateSeparator() const override { return separator_; }
  std::string formatShortDate(const Date& date, const std::string& picture) const override;
  std::string longDayName(int weekday) const override;
  const CaseFold& caseFold() const override { return fold_; }
  void reread() override;

 private:
  std::string picture_;
  std::string separator_;
  std::array<std::string, 7> dayNames_;  // 0 = Sunday
  CaseFold fold_{};
};

// ASCII letters by the ASCII rule; every other byte by the user's language's capital of the
// character it stands for in the ANSI code page, where that is again a single byte.
CaseFold systemCaseFold();

}  // namespace dorvena::platform::win32
