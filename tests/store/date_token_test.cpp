#include "store/date_token.h"

#include <gtest/gtest.h>

#include <string>

namespace dorvena::store {
namespace {

// Writes whatever it is told to, and remembers the picture it was asked to write by.
class FakeLocale : public platform::Locale {
 public:
  std::string picture;
  std::string separator;
  std::string written;
  mutable std::string askedPicture;

  std::string shortDatePicture() const override { return picture; }
  std::string dateSeparator() const override { return separator; }
  std::string formatShortDate(const platform::Date&, const std::string& p) const override {
    askedPicture = p;
    return written;
  }
  std::string longDayName(int) const override { return {}; }
  const platform::CaseFold& caseFold() const override { return fold_; }
  void reread() override {}

 private:
  platform::CaseFold fold_{};
};

TEST(DateToken, WritesTheDateByTheLocalePicture) {
  FakeLocale locale;
  locale.picture = "dd.MM.yyyy";
  locale.written = "24.12.2003";
  EXPECT_EQ(dateToken(locale, {2003, 12, 24}), "24.12.2003");
  EXPECT_EQ(locale.askedPicture, "dd.MM.yyyy");
}

TEST(DateToken, WithoutPictureWritesMonthDayAndTwoDigitYear) {
  struct Row {
    const char* name;
    std::string separator;
    platform::Date date;
    const char* token;
  };
  const Row rows[] = {
      {"locale separator", ".", {2003, 12, 24}, "12.24.03"},
      {"no separator", "", {2003, 12, 24}, "12/24/03"},
      {"no leading zeros", "/", {2005, 1, 5}, "1/5/05"},
      {"year 2000", "/", {2000, 2, 29}, "2/29/00"},
      {"year 1999", "-", {1999, 10, 10}, "10-10-99"},
      {"long separator", " / ", {2026, 12, 11}, "12 / 11 / 26"},
      {"separator that would break the line", "=\r\n", {2026, 12, 11}, "12/11/26"},
      {"separator partly usable", ".=", {2026, 12, 11}, "12.11.26"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeLocale locale;
    locale.separator = row.separator;
    locale.written = "never used";
    EXPECT_EQ(dateToken(locale, row.date), row.token);
  }
}

TEST(DateToken, NeverHoldsBytesThatBreakALine) {
  using namespace std::string_literals;
  struct Row {
    const char* name;
    std::string written;
    const char* token;
  };
  const Row rows[] = {
      {"clean", "11.12.2026", "11.12.2026"},
      {"bytes removed", "11=12\r.2026\n\0"s, "1112.2026"},
      {"high bytes kept", "11 Aral\xFDk 2026", "11 Aral\xFDk 2026"},
      {"nothing left", "=\r\n\0"s, "12/11/26"},
      {"nothing written", "", "12/11/26"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeLocale locale;
    locale.picture = "d.M.yyyy";
    locale.written = row.written;
    EXPECT_EQ(dateToken(locale, {2026, 12, 11}), row.token);
  }
}

}  // namespace
}  // namespace dorvena::store
