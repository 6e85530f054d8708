#include "store/int_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/error.h"

namespace dorvena::store {
namespace {

TEST(StrToInt, ReadsSignAndDigits) {
  struct Row {
    const char* text;
    int value;
  };
  const Row rows[] = {
      {"0", 0},
      {"-0", 0},
      {"+5", 5},
      {"412", 412},
      {"-37", -37},
      {"007", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"+0000000000002147483647", INT_MAX},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(strToInt(row.text), row.value);
  }
}

TEST(StrToInt, RefusesAnythingElse) {
  const char* const rows[] = {
      "",     "+",   "-",    " 1",  "1 ",  "1a",         "a1",          "--1",
      "+-1",  "1.0", "0x10", "$10", "1e3", "2147483648", "-2147483649", "99999999999999999999",
      "\xB2", "\t7",
  };
  for (const char* text : rows) {
    SCOPED_TRACE(text);
    try {
      strToInt(text);
      ADD_FAILURE() << "accepted";
    } catch (const platform::Error& e) {
      EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(IntToStr, WritesDecimalWithoutLeadingZeros) {
  struct Row {
    int value;
    const char* text;
  };
  const Row rows[] = {
      {0, "0"}, {7, "7"}, {-412, "-412"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(intToStr(row.value), row.text);
  }
}

}  // namespace
}  // namespace dorvena::store
