#include "store/reminder_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace dorvena::store {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

ReminderStore storeOf(std::string_view bytes, platform::CaseFold fold = platform::asciiCaseFold()) {
  ReminderStore store(fold);
  store.parse(bytes);
  return store;
}

TEST(ReminderStoreLoad, CutsBytesIntoLines) {
  using namespace std::string_literals;
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"empty", "", {}},
      {"first start", "pos.count=0\r\n", {"pos.count=0"}},
      {"every kind of break", "a=1\nb=2\rc=3\r\nd=4", {"a=1", "b=2", "c=3", "d=4"}},
      {"lf then cr ends two lines", "a=1\n\rb=2\n\r", {"a=1", "", "b=2", ""}},
      {"two crlf at the end", "a=1\r\n\r\n", {"a=1", ""}},
      {"only a break", "\r\n", {""}},
      {"empty lines between breaks", "\n\n\r\r\r\n", {"", "", "", "", ""}},
      {"nul ends the text", "a=1\r\nb=\0c=3\r\nd=4\r\n"s, {"a=1", "b="}},
      {"nul first", "\0a=1\r\n"s, {}},
      {"byte order mark stays in the name",
       "\xEF\xBB\xBFpos.count=3\r\n",
       {"\xEF\xBB\xBFpos.count=3"}},
      {"no sections, comments or quotes",
       "[tarih]\r\n; x=1\r\n#y=2\r\n\"z\"=\"3\"\r\n",
       {"[tarih]", "; x=1", "#y=2", "\"z\"=\"3\""}},
      {"blanks are kept", " a = b \t\r\n", {" a = b \t"}},
      {"encoded and high bytes", "m=\x04\x05\xFE\xDE\x01\x7F\r\n", {"m=\x04\x05\xFE\xDE\x01\x7F"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ReminderStore store;
    store.write("held", "before");
    store.parse(row.bytes);
    EXPECT_EQ(store.lines(), row.lines);
    EXPECT_EQ(store.size(), row.lines.size());
    EXPECT_EQ(store.serialize(), joined(row.lines));
    EXPECT_EQ(store.find("held"), std::nullopt);
  }
}

TEST(ReminderStoreLoad, ByteOrderMarkHidesTheFirstName) {
  const auto store = storeOf("\xEF\xBB\xBFpos.count=3\r\npos.count=4\r\n");
  EXPECT_EQ(store.find("pos.count"), 1u);
  EXPECT_EQ(store.read("pos.count"), "4");
}

TEST(ReminderStoreRead, FindsTheFirstMatchingLineFromTheTop) {
  const auto store = storeOf(
      "no equals sign\r\n"
      "pos.count\r\n"
      "\r\n"
      "POS.Count=7\r\n"
      "pos.count=8\r\n"
      "title=a=b==c\r\n"
      "empty=\r\n"
      "=nameless\r\n"
      " spaced = x\r\n"
      "tarih[1.1.2026].zaman[09].caption=Dis\r\n");
  struct Row {
    const char* name;
    std::optional<std::size_t> position;
    const char* value;
  };
  const Row rows[] = {
      {"pos.count", 3, "7"},
      {"POS.COUNT", 3, "7"},
      {"no equals sign", std::nullopt, ""},
      {"title", 5, "a=b==c"},
      {"empty", 6, ""},
      {"absent", std::nullopt, ""},
      {"", 7, "nameless"},
      {"spaced", std::nullopt, ""},
      {" spaced ", 8, " x"},
      {"tarih[1.1.2026].zaman[9].caption", std::nullopt, ""},
      {"title=a", std::nullopt, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(store.find(row.name), row.position);
    EXPECT_EQ(store.read(row.name), row.value);
  }
}

TEST(ReminderStoreWrite, FirstWriteAppendsAndLaterWritesReplaceInPlace) {
  auto store = storeOf("x\r\nb=1\r\n");
  store.write("a", "first");
  store.write("c", "other");
  store.write("a", "second");
  EXPECT_THAT(store.lines(), ElementsAre("x", "b=1", "a=second", "c=other"));
  EXPECT_EQ(store.read("a"), "second");
}

TEST(ReminderStoreWrite, NameTakesTheCaseItIsWrittenWith) {
  auto store = storeOf("a=1\r\nPOS.COUNT=3\r\nz=2\r\n");
  store.write("pos.count", "4");
  EXPECT_THAT(store.lines(), ElementsAre("a=1", "pos.count=4", "z=2"));
  store.write("Pos.Count", "5");
  EXPECT_THAT(store.lines(), ElementsAre("a=1", "Pos.Count=5", "z=2"));
  EXPECT_EQ(store.find("POS.COUNT"), 1u);
}

TEST(ReminderStoreWrite, DuplicatesAreReachedTopFirst) {
  auto store = storeOf("k=upper\r\nmid\r\nK=lower\r\n");
  EXPECT_EQ(store.read("k"), "upper");
  store.write("k", "changed");
  EXPECT_THAT(store.lines(), ElementsAre("k=changed", "mid", "K=lower"));
  store.write("k", "");
  EXPECT_THAT(store.lines(), ElementsAre("mid", "K=lower"));
  EXPECT_EQ(store.find("k"), 1u);
  EXPECT_EQ(store.read("k"), "lower");
  store.write("k", "");
  EXPECT_THAT(store.lines(), ElementsAre("mid"));
  store.write("k", "again");
  EXPECT_THAT(store.lines(), ElementsAre("mid", "k=again"));
}

TEST(ReminderStoreWrite, EmptyValueRemovesOnlyTheFoundLine) {
  auto store = storeOf("a=1\r\nb=2\r\n\r\nb\r\nc=3\r\n");
  store.write("absent", "");
  store.write("b=2", "");
  EXPECT_THAT(store.lines(), ElementsAre("a=1", "b=2", "", "b", "c=3"));
  store.write("b", "");
  EXPECT_THAT(store.lines(), ElementsAre("a=1", "", "b", "c=3"));
  EXPECT_EQ(store.find("c"), 3u);
}

TEST(ReminderStoreWrite, NameWithEqualsSignIsNeverFound) {
  // Its line is filed under the part before the "=", like any line read from the file.
  ReminderStore store;
  store.write("a=b", "c");
  store.write("a=b", "d");
  EXPECT_THAT(store.lines(), ElementsAre("a=b=c", "a=b=d"));
  EXPECT_EQ(store.find("a=b"), std::nullopt);
  EXPECT_EQ(store.read("a"), "b=c");
  store.write("a", "");
  EXPECT_EQ(store.read("a"), "b=d");
}

TEST(ReminderStoreWrite, EmptyNameIsANameLikeAnyOther) {
  ReminderStore store;
  store.write("", "x");
  store.write("", "y");
  EXPECT_THAT(store.lines(), ElementsAre("=y"));
  store.write("", "");
  EXPECT_THAT(store.lines(), IsEmpty());
}

TEST(ReminderStoreWrite, ClearEmptiesTheStore) {
  auto store = storeOf("a=1\r\nb=2\r\n");
  store.clear();
  EXPECT_EQ(store.size(), 0u);
  EXPECT_EQ(store.serialize(), "");
  EXPECT_EQ(store.find("a"), std::nullopt);
  store.write("a", "3");
  EXPECT_THAT(store.lines(), ElementsAre("a=3"));
}

TEST(ReminderStoreCase, TurkishFoldTakesAsciiLettersByAsciiRule) {
  // Ş/ş are 0xDE/0xFE, Ğ/ğ 0xD0/0xF0, Ü/ü 0xDC/0xFC in code page 1254.
  const auto store = storeOf(
      "POS.COUNT=1\r\n"
      "tarih[1.1.2026].zaman[9].caption=Kuaf\xF6r\r\n"
      "\xDE\xD0\xDC=2\r\n"
      "Fix=3\r\n",
      platform::cp1254CaseFold());
  struct Row {
    const char* name;
    std::optional<std::size_t> position;
  };
  const Row rows[] = {
      {"pos.count", 0},    {"Pos.Count", 0},    {"TARIH[1.1.2026].ZAMAN[9].CAPTION", 1},
      {"\xFE\xF0\xFC", 2}, {"\xDE\xF0\xDC", 2}, {"fix", 3},
      {"FIX", 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(store.find(row.name), row.position);
  }
  EXPECT_EQ(storeOf("\xDE=1\r\n").find("\xFE"), std::nullopt);
}

TEST(ReminderStoreCase, FoldThatMergesEqualsSignIsRefused) {
  auto fold = platform::asciiCaseFold();
  fold[':'] = '=';
  EXPECT_THROW(ReminderStore{fold}, std::invalid_argument);
}

// A store without an index: every rule written down as plainly as it can be.
class ScanModel {
 public:
  explicit ScanModel(platform::CaseFold fold) : fold_(fold) {}

  std::optional<std::size_t> find(std::string_view name) const {
    const std::string wanted = platform::folded(name, fold_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const auto eq = lines_[i].find('=');
      if (eq != std::string::npos && eq == wanted.size() && sameFolded(lines_[i], wanted)) return i;
    }
    return std::nullopt;
  }
  bool sameFolded(std::string_view line, std::string_view wanted) const {
    for (std::size_t k = 0; k < wanted.size(); ++k) {
      if (fold_[static_cast<unsigned char>(line[k])] != static_cast<unsigned char>(wanted[k]))
        return false;
    }
    return true;
  }
  std::string read(std::string_view name) const {
    const auto i = find(name);
    return i ? lines_[*i].substr(lines_[*i].find('=') + 1) : std::string();
  }
  void write(std::string_view name, std::string_view value) {
    const auto i = find(name);
    const std::string line = std::string(name) + "=" + std::string(value);
    if (value.empty()) {
      if (i) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*i));
    } else if (i) {
      lines_[*i] = line;
    } else {
      lines_.push_back(line);
    }
  }
  void parse(std::string_view bytes) {
    lines_.clear();
    bytes = bytes.substr(0, bytes.find('\0'));
    std::size_t p = 0;
    while (p < bytes.size()) {
      std::string line;
      while (p < bytes.size() && bytes[p] != '\r' && bytes[p] != '\n') line += bytes[p++];
      lines_.push_back(line);
      if (p < bytes.size() && bytes[p] == '\r') ++p;
      if (p < bytes.size() && bytes[p] == '\n') ++p;
    }
  }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  platform::CaseFold fold_;
  std::vector<std::string> lines_;
};

// Random writes, removals and loads over a few names in several letter cases; after each step the
// indexed store must answer exactly as the scan does.
TEST(ReminderStoreIndex, AgreesWithAScanFromTheTop) {
  struct Row {
    const char* name;
    platform::CaseFold fold;
    std::vector<std::string> names;
    int steps;
    int checkEvery;
  };
  std::vector<std::string> many;
  for (int i = 0; i < 600; ++i) {
    many.push_back("tarih[" + std::to_string(i % 40) + ".1.2026].zaman[" + std::to_string(i % 15) +
                   (i % 3 ? "].chk" : "].CHK"));
  }
  const Row rows[] = {
      {"few names, ascii fold",
       platform::asciiCaseFold(),
       {"a", "A", "b", "B", "ab", "aB", "Ab", "", "pos.count", "POS.COUNT", "x=y", "a=1", " a"},
       30000,
       1},
      {"few names, turkish fold",
       platform::cp1254CaseFold(),
       {"\xDE", "\xFE", "i", "I", "\xFD", "\xDD", "\xDEi", "\xFEI", "pos.count", "POS.COUNT", ""},
       20000,
       1},
      {"many names, grows and packs", platform::asciiCaseFold(), many, 60000, 997},
  };
  const std::vector<std::string> values = {"", "", "", "1", "v", "=", "a=b", " ", "\x04\x05"};
  const std::vector<std::string> pieces = {
      "a=1",  "A=2",         "b",  "",   "=x",   "ab=", "\xFE=3",
      "\xDE", "POS.COUNT=9", "\r", "\n", "\r\n", "\n\r"};

  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::mt19937 random(20261211);
    const auto pick = [&](const auto& from) -> const auto& {
      return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    ReminderStore store(row.fold);
    ScanModel model(row.fold);

    const auto agree = [&](std::string_view name) {
      SCOPED_TRACE(testing::Message() << "name " << testing::PrintToString(std::string(name)));
      ASSERT_EQ(store.find(name), model.find(name));
      ASSERT_EQ(store.read(name), model.read(name));
    };
    for (int step = 0; step < row.steps; ++step) {
      SCOPED_TRACE(step);
      const int kind = std::uniform_int_distribution<int>(0, 999)(random);
      std::string touched = pick(row.names);
      if (kind < 3) {
        const std::string bytes = store.serialize();
        store.parse(bytes);
        model.parse(bytes);
      } else if (kind < 6) {
        std::string bytes;
        for (int n = std::uniform_int_distribution<int>(0, 30)(random); n > 0; --n)
          bytes += pick(pieces);
        store.parse(bytes);
        model.parse(bytes);
      } else {
        const std::string& value = pick(values);
        store.write(touched, value);
        model.write(touched, value);
      }
      ASSERT_NO_FATAL_FAILURE(agree(touched));
      ASSERT_EQ(store.size(), model.lines().size());
      if (step % row.checkEvery == 0) {
        ASSERT_EQ(store.lines(), model.lines());
        for (const auto& name : row.names) ASSERT_NO_FATAL_FAILURE(agree(name));
      }
    }
    EXPECT_EQ(store.lines(), model.lines());
    EXPECT_EQ(store.serialize(), joined(model.lines()));
  }
}

TEST(ReminderStoreIndex, SurvivesBeingMoved) {
  auto store = storeOf("a=1\r\nb=2\r\n");
  store.write("c", "3");
  ReminderStore moved = std::move(store);
  EXPECT_EQ(moved.read("a"), "1");
  EXPECT_EQ(moved.read("c"), "3");
  ReminderStore tiny = storeOf("x=y");
  moved = std::move(tiny);
  EXPECT_THAT(moved.lines(), ElementsAre("x=y"));
  EXPECT_EQ(moved.read("x"), "y");
}

}  // namespace
}  // namespace dorvena::store
