#include "store/stored_text.h"

#include <gtest/gtest.h>

#include "store/codec.h"
#include "store/reminder_store.h"

namespace dorvena::store {
namespace {

using namespace std::string_literals;

TEST(StoredText, TitlesAndDescriptionsTheStoreCanCarry) {
  struct Row {
    std::string typed, title, description;
  };
  const Row rows[] = {
      {"Di\xFE\xE7i", "Di\xFE\xE7i", "Di\xFE\xE7i"},
      {"a\r\nb", "a  b", "a\r\nb"},
      {"a\nb\rc", "a b c", "a\r\nb\r\nc"},
      {"a\n\rb", "a  b", "a\r\n\r\nb"},
      {"x\x04y\x05z", "x\x04y\x05z", "xyz"},
      {"n\0ul"s, "nul", "nul"},
      {" = ", " = ", " = "},
      {"", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.typed));
    EXPECT_EQ(titleForStore(row.typed), row.title);
    EXPECT_EQ(descriptionForStore(row.typed), row.description);
  }
}

TEST(StoredText, NothingTypedSplitsAStoreLine) {
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  ReminderStore written;
  written.write("t", titleForStore(every));
  written.write("d", convertbreaks(descriptionForStore(every)));
  ReminderStore reloaded;
  reloaded.parse(written.serialize());
  EXPECT_EQ(reloaded.lines(), written.lines());
  EXPECT_EQ(reloaded.size(), 2u);
}

}  // namespace
}  // namespace dorvena::store
