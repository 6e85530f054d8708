#include "store/codec.h"

#include <gtest/gtest.h>

#include <string>

namespace dorvena::store {
namespace {

TEST(Convertbreaks, SwapsLineBreaksWithFourAndFive) {
  using namespace std::string_literals;
  struct Row {
    const char* name;
    std::string text;
    std::string encoded;
  };
  const Row rows[] = {
      {"empty", "", ""},
      {"no break", "Di\xFE\xE7i 10:00", "Di\xFE\xE7i 10:00"},
      {"crlf lines", "one\r\ntwo\r\n", "one\x04\x05two\x04\x05"},
      {"lone breaks", "\r\n\n\r", "\x04\x05\x05\x04"},
      {"four and five come back as breaks", "\x04\x05", "\r\n"},
      {"nul and neighbours stay", "\0\x03\x06\x0B\x0C"s, "\0\x03\x06\x0B\x0C"s},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(convertbreaks(row.text), row.encoded);
    EXPECT_EQ(convertbreaks(row.encoded), row.text);
  }
}

TEST(Convertbreaks, TouchesNoOtherByteAndIsItsOwnInverse) {
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  const std::string encoded = convertbreaks(every);
  ASSERT_EQ(encoded.size(), every.size());
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const int swapped = b == 13 ? 4 : b == 4 ? 13 : b == 10 ? 5 : b == 5 ? 10 : b;
    EXPECT_EQ(static_cast<unsigned char>(encoded[b]), swapped);
  }
  EXPECT_EQ(convertbreaks(encoded), every);
}

}  // namespace
}  // namespace dorvena::store
