#include "store/keys.h"

#include <gtest/gtest.h>

#include <string>

namespace dorvena::store {
namespace {

TEST(Keys, DayKeysJoinTokenAndHour) {
  struct Row {
    std::string key;
    const char* expected;
  };
  const Row rows[] = {
      {captionKey("24.12.2003", 9), "tarih[24.12.2003].zaman[9].caption"},
      {descriptionKey("24.12.2003", 9), "tarih[24.12.2003].zaman[9].description"},
      {chkKey("24.12.2003", 9), "tarih[24.12.2003].zaman[9].chk"},
      {captionKey("11.12.2026", 7), "tarih[11.12.2026].zaman[7].caption"},
      {chkKey("12/24/03", 10), "tarih[12/24/03].zaman[10].chk"},
      {descriptionKey("", 21), "tarih[].zaman[21].description"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(row.key, row.expected);
  }
}

TEST(Keys, NoteKeysTakeTheNumberAsNumberOrAsText) {
  struct Row {
    std::string key;
    const char* expected;
  };
  const Row rows[] = {
      {std::string(kPosCount), "pos.count"},
      {posMsgKey(1), "pos.msg[1]"},
      {posXKey(3), "pos.X[3]"},
      {posYKey(100), "pos.Y[100]"},
      {posMsgKey("12"), "pos.msg[12]"},
      {posXKey("007"), "pos.X[007]"},
      {posYKey(" 4"), "pos.Y[ 4]"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(row.key, row.expected);
  }
}

}  // namespace
}  // namespace dorvena::store
