#include "platform/case_fold.h"

#include <gtest/gtest.h>

namespace dorvena::platform {
namespace {

TEST(CaseFold, MatchesNamesIgnoringCase) {
  const CaseFold ascii = asciiCaseFold();
  const CaseFold turkish = cp1254CaseFold();
  struct Row {
    std::string a, b;
    bool asciiEqual, turkishEqual;
  };
  const Row rows[] = {
      {"pos.count", "POS.COUNT", true, true},  // the dotted/dotless I trap
      {"tarih[1.1.2026]", "TARIH[1.1.2026]", true, true},
      {"\xFE"
       "ek",
       "\xDE"
       "EK",
       false, true},  // şek / ŞEK
      {"\xE7"
       "ay",
       "\xC7"
       "AY",
       false, true},                   // çay / ÇAY
      {"\xF0", "\xD0", false, true},   // ğ / Ğ
      {"\xFD", "I", false, true},      // ı / I
      {"\xDD", "i", false, false},     // İ is not i
      {"\xF7", "\xD7", false, false},  // ÷ and × are no letters
      {"a=b", "A=B", true, true},
      {"[", "{", false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.a + " vs " + row.b);
    EXPECT_EQ(folded(row.a, ascii) == folded(row.b, ascii), row.asciiEqual);
    EXPECT_EQ(folded(row.a, turkish) == folded(row.b, turkish), row.turkishEqual);
  }
}

}  // namespace
}  // namespace dorvena::platform
