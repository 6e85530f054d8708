// The committed pictures, checked against what the program expects of them.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "shell/bitmap_region.h"
#include "shell/bmp.h"

namespace dorvena::shell {
namespace {

constexpr Color kWhite{255, 255, 255};
constexpr Color kBoard{49, 28, 2};
constexpr Color kMainPaper{235, 232, 181};
constexpr Color kNotePaper{255, 239, 206};
constexpr Color kPushpinBackground{255, 0, 0};

std::string resourceBytes(std::string_view name) {
  const std::string path = std::string(DORVENA_RESOURCES_DIR) + "/" + std::string(name);
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::uint32_t u32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
  return value;
}

std::uint16_t u16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes.at(at)) |
                                    static_cast<std::uint8_t>(bytes.at(at + 1)) << 8);
}

// A committed picture, which must be a 24-bit bitmap without compression.
Picture loadPicture(std::string_view name) {
  const std::string bytes = resourceBytes(name);
  EXPECT_EQ(u16(bytes, 28), 24) << name << ": bits per pixel";
  EXPECT_EQ(u32(bytes, 30), 0u) << name << ": compression";
  return readBmp(bytes);
}

struct Rect {
  int left;
  int top;
  int right;   // inclusive
  int bottom;  // inclusive

  bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The pixels of the given colour that are reached from the picture's border through pixels of that
// colour, side by side.
std::vector<bool> reachedFromBorder(const Picture& picture, Color colour) {
  const int w = picture.width();
  const int h = picture.height();
  std::vector<bool> reached(static_cast<std::size_t>(w * h), false);
  std::vector<std::pair<int, int>> pending;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    const auto at = static_cast<std::size_t>(y * w + x);
    if (reached[at] || picture.pixel(x, y) != colour) return;
    reached[at] = true;
    pending.emplace_back(x, y);
  };
  for (int x = 0; x < w; ++x) {
    visit(x, 0);
    visit(x, h - 1);
  }
  for (int y = 0; y < h; ++y) {
    visit(0, y);
    visit(w - 1, y);
  }
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    visit(x - 1, y);
    visit(x + 1, y);
    visit(x, y - 1);
    visit(x, y + 1);
  }
  return reached;
}

// Every pixel of the colour belongs to the surround: none lies enclosed inside the outline.
void expectExactlyTheSurround(const Picture& picture, Color colour) {
  const std::vector<bool> reached = reachedFromBorder(picture, colour);
  int enclosed = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixel(x, y) == colour &&
          !reached[static_cast<std::size_t>(y * picture.width() + x)]) {
        if (enclosed++ == 0) ADD_FAILURE() << "enclosed surround colour at " << x << ", " << y;
      }
    }
  }
  EXPECT_EQ(enclosed, 0);
}

// A pale pixel at the outline would blend with white on the page but stays in the window's shape.
void expectNoPaleFringe(const Picture& picture) {
  auto isWhite = [&](int x, int y) {
    return x < 0 || y < 0 || x >= picture.width() || y >= picture.height() ||
           picture.pixel(x, y) == kWhite;
  };
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Color c = picture.pixel(x, y);
      if (c == kWhite) continue;
      if (!isWhite(x - 1, y) && !isWhite(x + 1, y) && !isWhite(x, y - 1) && !isWhite(x, y + 1))
        continue;
      EXPECT_FALSE(c.r >= 240 && c.g >= 240 && c.b >= 240)
          << "pale outline pixel at " << x << ", " << y;
    }
  }
}

void expectShapeIsTheNonWhitePixels(const Picture& picture) {
  long long area = 0;
  for (const Span& span : keptSpans(picture)) area += span.x1 - span.x0;
  const auto nonWhite = std::count_if(picture.pixels().begin(), picture.pixels().end(),
                                      [](Color c) { return c != kWhite; });
  EXPECT_EQ(area, nonWhite);
}

Color mostFrequentColour(const Picture& picture, const Rect& area) {
  std::map<std::tuple<int, int, int>, int> counts;
  for (int y = area.top; y <= area.bottom; ++y) {
    for (int x = area.left; x <= area.right; ++x) {
      const Color c = picture.pixel(x, y);
      ++counts[{c.r, c.g, c.b}];
    }
  }
  const auto top = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
    return a.second < b.second;
  });
  const auto [r, g, b] = top->first;
  return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
               static_cast<std::uint8_t>(b)};
}

// The non-white pixels of the rows top..bottom: their leftmost and rightmost column.
std::pair<int, int> inkColumns(const Picture& picture, int top, int bottom) {
  int left = picture.width();
  int right = -1;
  for (int y = top; y <= bottom; ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixel(x, y) == kWhite) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return {left, right};
}

int rightmostInk(const Picture& picture, int y) {
  return inkColumns(picture, y, y).second;
}

bool allOf(const Picture& picture, const Rect& area, Color colour) {
  for (int y = area.top; y <= area.bottom; ++y) {
    for (int x = area.left; x <= area.right; ++x) {
      if (picture.pixel(x, y) != colour) return false;
    }
  }
  return true;
}

class MainSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { skin_ = new Picture(loadPicture("main_skin.bmp")); }
  static void TearDownTestSuite() { delete skin_; }
  static const Picture& skin() { return *skin_; }

 private:
  static inline Picture* skin_ = nullptr;
};

TEST_F(MainSkinTest, IsTheSizeOfTheMainWindow) {
  EXPECT_EQ(skin().width(), 256);
  EXPECT_EQ(skin().height(), 375);
}

TEST_F(MainSkinTest, WhiteIsExactlyTheSurround) {
  ASSERT_EQ(skin().width(), 256);
  expectExactlyTheSurround(skin(), kWhite);
  expectNoPaleFringe(skin());
  expectShapeIsTheNonWhitePixels(skin());
}

TEST_F(MainSkinTest, OutlineIsTheClipAboveTheBoard) {
  ASSERT_EQ(skin().height(), 375);
  for (const Rect& white : {Rect{0, 0, 255, 0}, Rect{0, 373, 255, 374}, Rect{255, 0, 255, 374}}) {
    SCOPED_TRACE(std::to_string(white.left) + "," + std::to_string(white.top));
    EXPECT_TRUE(allOf(skin(), white, kWhite));
  }
  const auto [clipLeft, clipRight] = inkColumns(skin(), 1, 18);
  EXPECT_GE(clipLeft, 111);
  EXPECT_LE(clipRight, 142);
  EXPECT_NEAR(clipLeft + clipRight, 2 * 128, 4) << "the clip stands at the top centre";
  for (const int row : {1, 18}) {
    SCOPED_TRACE("clip row " + std::to_string(row));
    EXPECT_LT(inkColumns(skin(), row, row).first, skin().width());
  }
  EXPECT_EQ(inkColumns(skin(), 19, 372), std::make_pair(2, 254));
  EXPECT_LT(inkColumns(skin(), 19, 19).first, skin().width());
  EXPECT_LT(inkColumns(skin(), 372, 372).first, skin().width());
}

TEST_F(MainSkinTest, BoardCornersAreRounded) {
  struct Corner {
    std::string_view name;
    int x;
    int y;
    int dx;  // towards the board's middle
    int dy;
  };
  for (const Corner& c :
       {Corner{"top left", 2, 19, 1, 1}, Corner{"top right", 254, 19, -1, 1},
        Corner{"bottom left", 2, 372, 1, -1}, Corner{"bottom right", 254, 372, -1, -1}}) {
    SCOPED_TRACE(c.name);
    // More than the corner pixel is cut off, along both edges.
    EXPECT_EQ(skin().pixel(c.x, c.y), kWhite);
    EXPECT_EQ(skin().pixel(c.x + c.dx, c.y), kWhite);
    EXPECT_EQ(skin().pixel(c.x, c.y + c.dy), kWhite);
    // Inside the curve it is board.
    EXPECT_NE(skin().pixel(c.x + 4 * c.dx, c.y + 4 * c.dy), kWhite);
  }
}

TEST_F(MainSkinTest, ClipIsMetal) {
  for (int y = 1; y <= 18; ++y) {
    for (int x = 0; x < skin().width(); ++x) {
      const Color c = skin().pixel(x, y);
      if (c == kWhite) continue;
      const int spread = std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b});
      EXPECT_LE(spread, 16) << "not grey at " << x << ", " << y;
    }
  }
}

TEST_F(MainSkinTest, WhiteButtonsStandOnTheDarkBoard) {
  // "-" at 205, 21 and "X" at 223, 21, both 16 x 14, with white captions.
  const Rect buttons{205, 21, 238, 34};
  EXPECT_EQ(mostFrequentColour(skin(), buttons), kBoard);
  for (int y = buttons.top; y <= buttons.bottom; ++y) {
    for (int x = buttons.left; x <= buttons.right; ++x) {
      const Color c = skin().pixel(x, y);
      EXPECT_LT(std::max({c.r, c.g, c.b}), 100) << "light board at " << x << ", " << y;
    }
  }
}

TEST_F(MainSkinTest, PaperIsTheMostFrequentColour) {
  EXPECT_EQ(mostFrequentColour(skin(), Rect{0, 0, 255, 374}), kMainPaper);
}

TEST_F(MainSkinTest, ControlsOnTheSheetStandOnPlainPaper) {
  struct Area {
    std::string_view name;
    Rect rect;
  };
  const std::vector<Area> areas = {
      {"weekday label", {14, 38, 79, 50}},
      {"date button", {186, 37, 246, 51}},
      {"Postit button", {10, 54, 55, 71}},
      {"check list, whose background is the paper colour", {7, 72, 56, 356}},
      {"hour rows and their lines", {7, 73, 249, 353}},
      {"bottom labels", {14, 356, 200, 368}},
      {"< and >", {210, 356, 246, 369}},
  };
  for (const Area& area : areas) {
    SCOPED_TRACE(area.name);
    EXPECT_TRUE(allOf(skin(), area.rect, kMainPaper));
  }
}

class NoteSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { skin_ = new Picture(loadPicture("note_skin.bmp")); }
  static void TearDownTestSuite() { delete skin_; }
  static const Picture& skin() { return *skin_; }

 private:
  static inline Picture* skin_ = nullptr;
};

TEST_F(NoteSkinTest, IsTheSizeOfANoteWindow) {
  EXPECT_EQ(skin().width(), 80);
  EXPECT_EQ(skin().height(), 104);
}

TEST_F(NoteSkinTest, WhiteIsExactlyTheSurround) {
  ASSERT_EQ(skin().width(), 80);
  expectExactlyTheSurround(skin(), kWhite);
  expectNoPaleFringe(skin());
  expectShapeIsTheNonWhitePixels(skin());
}

TEST_F(NoteSkinTest, PinRisesAboveThePaper) {
  ASSERT_EQ(skin().height(), 104);
  const auto [left, right] = inkColumns(skin(), 0, 5);
  EXPECT_EQ(left, 36);
  EXPECT_EQ(right, 40);
  EXPECT_LT(inkColumns(skin(), 0, 0).first, skin().width()) << "the pin reaches row 0";
}

TEST_F(NoteSkinTest, PaperFillsRowsSixToTheBottom) {
  ASSERT_EQ(skin().height(), 104);
  for (int y = 6; y <= 103; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    EXPECT_NE(skin().pixel(0, y), kWhite) << "the left edge is column 0";
    bool paper = false;
    for (int x = 0; x < skin().width(); ++x) paper = paper || skin().pixel(x, y) == kNotePaper;
    EXPECT_TRUE(paper);
  }
  // The text box at 1, 15, 70 x 80 has the paper's colour as its background.
  EXPECT_TRUE(allOf(skin(), Rect{1, 15, 70, 94}, kNotePaper));
}

TEST_F(NoteSkinTest, RightEdgeLeansOutTowardsTheBottom) {
  ASSERT_EQ(skin().height(), 104);
  EXPECT_EQ(rightmostInk(skin(), 6), 69);
  int firstAtEdge = -1;
  for (int y = 6; y <= 103 && firstAtEdge < 0; ++y) {
    if (rightmostInk(skin(), y) == 79) firstAtEdge = y;
  }
  ASSERT_GE(firstAtEdge, 0) << "the paper never reaches column 79";
  EXPECT_GE(firstAtEdge, 80) << "column 79 is reached near the bottom, not before";
  for (int y = 7; y <= firstAtEdge; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    EXPECT_GE(rightmostInk(skin(), y), rightmostInk(skin(), y - 1));
  }
}

TEST_F(NoteSkinTest, PinLiesUnderTheDeleteButton) {
  // "delete" covers 30, 5 to 44, 19; the pin is what is neither white nor paper, reached from its
  // top in row 0.
  const Rect deleteArea{30, 5, 44, 19};
  const Rect allowed{30, 0, 44, 19};
  auto isPin = [&](int x, int y) {
    const Color c = skin().pixel(x, y);
    return c != kWhite && c != kNotePaper;
  };
  int startX = -1;
  for (int x = 0; x < skin().width(); ++x) {
    if (skin().pixel(x, 0) != kWhite) startX = x;
  }
  ASSERT_GE(startX, 0);
  std::vector<bool> seen(static_cast<std::size_t>(skin().width() * skin().height()), false);
  std::vector<std::pair<int, int>> pending{{startX, 0}};
  int inDeleteArea = 0;
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    if (x < 0 || y < 0 || x >= skin().width() || y >= skin().height()) continue;
    const auto at = static_cast<std::size_t>(y * skin().width() + x);
    if (seen[at] || !isPin(x, y)) continue;
    seen[at] = true;
    EXPECT_TRUE(allowed.contains(x, y)) << "pin outside the delete button at " << x << ", " << y;
    if (deleteArea.contains(x, y)) ++inDeleteArea;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) pending.emplace_back(x + dx, y + dy);
    }
  }
  EXPECT_GE(inDeleteArea, 20) << "the pin's head is under the button";
}

TEST_F(NoteSkinTest, BlueRingLiesUnderTheCloseButton) {
  const Rect closeArea{60, 5, 69, 14};
  Rect blue{skin().width(), skin().height(), -1, -1};
  for (int y = 0; y < skin().height(); ++y) {
    for (int x = 0; x < skin().width(); ++x) {
      const Color c = skin().pixel(x, y);
      if (c.b < c.r + 80 || c.b < c.g + 60) continue;
      EXPECT_TRUE(closeArea.contains(x, y))
          << "blue outside the close button at " << x << ", " << y;
      blue = Rect{std::min(blue.left, x), std::min(blue.top, y), std::max(blue.right, x),
                  std::max(blue.bottom, y)};
    }
  }
  ASSERT_GE(blue.right, blue.left) << "no blue at all";
  EXPECT_GE(blue.right - blue.left, 4);
  EXPECT_GE(blue.bottom - blue.top, 4);
  // A ring: its middle is not blue.
  const Color middle = skin().pixel((blue.left + blue.right) / 2, (blue.top + blue.bottom) / 2);
  EXPECT_EQ(middle, kNotePaper);
}

struct IconPixel {
  bool transparent;
  Color colour;
  int index;
};

TEST(WindowIconTest, IsA16By16IconOf16ColoursWithATransparentSurround) {
  const std::string bytes = resourceBytes("dorvena.ico");
  ASSERT_GE(bytes.size(), 22u);
  EXPECT_EQ(u16(bytes, 0), 0);
  EXPECT_EQ(u16(bytes, 2), 1) << "an icon, not a cursor";
  ASSERT_GE(u16(bytes, 4), 1);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[6]), 16) << "width";
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[7]), 16) << "height";
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[8]), 16) << "colours";
  EXPECT_EQ(u16(bytes, 12), 4) << "bits per pixel";
  const std::uint32_t imageSize = u32(bytes, 14);
  const std::uint32_t image = u32(bytes, 18);
  ASSERT_EQ(image + imageSize, bytes.size());

  EXPECT_EQ(u32(bytes, image), 40u);
  EXPECT_EQ(u32(bytes, image + 4), 16u);
  EXPECT_EQ(u32(bytes, image + 8), 32u) << "colour image and mask";
  EXPECT_EQ(u16(bytes, image + 14), 4);
  EXPECT_EQ(u32(bytes, image + 16), 0u);
  const std::size_t palette = image + 40;
  const std::size_t colourRows = palette + 16 * 4;
  const std::size_t maskRows = colourRows + 16 * 8;
  ASSERT_EQ(maskRows + 16 * 4, bytes.size()) << "a 1-bit mask of 4-byte rows follows the colours";

  std::array<std::array<IconPixel, 16>, 16> pixels{};
  for (int y = 0; y < 16; ++y) {
    const std::size_t fileRow = static_cast<std::size_t>(15 - y);
    for (int x = 0; x < 16; ++x) {
      const auto packed = static_cast<std::uint8_t>(bytes[colourRows + fileRow * 8 + x / 2]);
      const int index = x % 2 == 0 ? packed >> 4 : packed & 0x0f;
      const std::size_t entry = palette + static_cast<std::size_t>(index) * 4;
      const Color colour{static_cast<std::uint8_t>(bytes[entry + 2]),
                         static_cast<std::uint8_t>(bytes[entry + 1]),
                         static_cast<std::uint8_t>(bytes[entry])};
      const auto mask = static_cast<std::uint8_t>(bytes[maskRows + fileRow * 4 + x / 8]);
      pixels[y][x] = IconPixel{(mask >> (7 - x % 8) & 1) != 0, colour, index};
    }
  }

  Picture transparency(16, 16, Color{});
  int white = 0;
  int grey = 0;
  int darkRed = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const IconPixel& p = pixels[y][x];
      if (p.transparent) {
        transparency.setPixel(x, y, kWhite);
        // Black under the mask leaves the screen as it is; anything else would be inverted into it.
        EXPECT_EQ(p.colour, (Color{0, 0, 0})) << "transparent pixel " << x << ", " << y;
        continue;
      }
      const Color c = p.colour;
      if (c == kWhite) ++white;
      if (c.r == c.g && c.g == c.b && c.r >= 64 && c.r <= 200 && y <= 3) ++grey;
      if (c.r >= 96 && c.r <= 176 && c.g < 48 && c.b < 48) ++darkRed;
    }
  }
  for (const auto& [x, y] :
       {std::pair{0, 0}, std::pair{15, 0}, std::pair{0, 15}, std::pair{15, 15}}) {
    EXPECT_TRUE(pixels[y][x].transparent) << "corner " << x << ", " << y;
  }
  expectExactlyTheSurround(transparency, kWhite);
  EXPECT_GE(white, 60) << "a white clipboard";
  EXPECT_GE(grey, 4) << "a grey clip at the top";
  EXPECT_GE(darkRed, 8) << "a dark red tick";
}

TEST(PushpinPictureTest, IsAnOrangePinOutlinedInBlackOnRed) {
  const Picture pin = loadPicture("pushpin.bmp");
  ASSERT_EQ(pin.width(), 11);
  ASSERT_EQ(pin.height(), 17);
  for (const auto& [x, y] :
       {std::pair{0, 0}, std::pair{10, 0}, std::pair{0, 16}, std::pair{10, 16}}) {
    EXPECT_EQ(pin.pixel(x, y), kPushpinBackground) << "corner " << x << ", " << y;
  }
  // Red is the picture's transparent colour, so none of it may lie inside the pin.
  expectExactlyTheSurround(pin, kPushpinBackground);
  const auto pixels = pin.pixels();
  EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [](Color c) {
    return c == Color{0, 0, 0};
  }));
  EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [](Color c) {
    return c.r >= 230 && c.g >= 100 && c.g <= 180 && c.b <= 60;
  }));
}

}  // namespace
}  // namespace dorvena::shell
