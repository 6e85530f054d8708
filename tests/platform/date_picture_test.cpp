#include "platform/date_picture.h"

#include <gtest/gtest.h>

namespace dorvena::platform {
namespace {

TEST(DatePicture, WritesWindowsShortDatePictures) {
  struct Row {
    const char* picture;
    Date date;
    const char* text;
  };
  const Row rows[] = {
      {"dd.MM.yyyy", {2003, 12, 24}, "24.12.2003"},
      {"dd.MM.yyyy", {2026, 1, 5}, "05.01.2026"},
      {"d.M.yyyy", {2026, 1, 5}, "5.1.2026"},
      {"M/d/yy", {2009, 3, 7}, "3/7/09"},
      {"M/d/y", {2009, 3, 7}, "3/7/9"},
      {"yyyy-MM-dd", {987, 3, 7}, "0987-03-07"},
      {"yyyyy", {2026, 3, 7}, "2026"},
      {"dd'.'MM'.'yyyy", {2026, 3, 7}, "07.03.2026"},
      {"d 'de' MMMM", {2026, 3, 7}, "7 de 03"},
      {"dd''MM", {2026, 3, 7}, "0703"},
      {"'It''s' d", {2026, 3, 7}, "It's 7"},
      {"d 'open", {2026, 3, 7}, "7 open"},
      {"", {2026, 3, 7}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.picture);
    EXPECT_EQ(formatDatePicture(row.picture, row.date), row.text);
  }
}

}  // namespace
}  // namespace dorvena::platform
