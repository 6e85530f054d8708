#include "shell/bitmap_region.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dorvena::shell {

void PrintTo(const Span& span, std::ostream* out) {
  *out << "{y " << span.y << ", [" << span.x0 << ", " << span.x1 << ")}";
}

namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// 'W' pure white; 'a', 'b', 'c' white with one channel at 254; '#' black; 'r' red.
Color colourOf(char key) {
  switch (key) {
    case 'W':
      return {255, 255, 255};
    case 'a':
      return {254, 255, 255};
    case 'b':
      return {255, 254, 255};
    case 'c':
      return {255, 255, 254};
    case '#':
      return {0, 0, 0};
    case 'r':
      return {255, 0, 0};
    default:
      throw std::invalid_argument(std::string("no colour for ") + key);
  }
}

Picture gridOf(const std::vector<std::string_view>& rows) {
  Picture grid(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), Color{});
  for (int y = 0; y < grid.height(); ++y) {
    for (int x = 0; x < grid.width(); ++x) grid.setPixel(x, y, colourOf(rows[y][x]));
  }
  return grid;
}

struct RegionCase {
  std::string_view name;
  std::vector<std::string_view> rows;
  std::vector<Span> kept;
  std::vector<Span> white;
};

const std::vector<RegionCase> kRegionCases = {
    {"no white: the full rectangle, colours of a row merged into one span",
     {"#r#", "rr#"},
     {{0, 0, 3}, {1, 0, 3}},
     {}},
    {"all white: nothing kept", {"WWW", "WWW"}, {}, {{0, 0, 3}, {1, 0, 3}}},
    {"white runs at the start and the end of a row",
     {"WW##W"},
     {{0, 2, 4}},
     {{0, 0, 2}, {0, 4, 5}}},
    {"a row white throughout is removed whole",
     {"#W#", "WWW", "##W"},
     {{0, 0, 1}, {0, 2, 3}, {2, 0, 2}},
     {{0, 1, 2}, {1, 0, 3}, {2, 2, 3}}},
    {"a single white pixel inside is a one-pixel hole",
     {"###", "#W#", "###"},
     {{0, 0, 3}, {1, 0, 1}, {1, 2, 3}, {2, 0, 3}},
     {{1, 1, 2}}},
    {"one channel at 254 is not white", {"abc"}, {{0, 0, 3}}, {}},
    {"near-white between pure white",
     {"WaW", "bWc"},
     {{0, 1, 2}, {1, 0, 1}, {1, 2, 3}},
     {{0, 0, 1}, {0, 2, 3}, {1, 1, 2}}},
    {"one column", {"W", "#", "W"}, {{1, 0, 1}}, {{0, 0, 1}, {2, 0, 1}}},
};

TEST(BitmapRegionTest, KeptSpansAndWhiteRunsOfEachRow) {
  for (const RegionCase& c : kRegionCases) {
    SCOPED_TRACE(c.name);
    const Picture grid = gridOf(c.rows);
    EXPECT_THAT(keptSpans(grid), ElementsAreArray(c.kept));
    EXPECT_THAT(whiteRuns(grid), ElementsAreArray(c.white));
  }
}

// A picture that counts how often it is read.
struct CountingPicture {
  int w = 0;
  int h = 0;
  mutable int reads = 0;

  int width() const { return w; }
  int height() const { return h; }
  Color pixel(int, int) const {
    ++reads;
    return kCutOutColour;
  }
};

TEST(BitmapRegionTest, PictureWithoutAreaYieldsNothingAndReadsNoPixel) {
  struct Size {
    int width;
    int height;
  };
  for (const Size size : {Size{0, 0}, Size{0, 5}, Size{5, 0}}) {
    SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
    const CountingPicture picture{size.width, size.height};
    EXPECT_THAT(keptSpans(picture), IsEmpty());
    EXPECT_THAT(whiteRuns(picture), IsEmpty());
    EXPECT_EQ(picture.reads, 0);
  }
}

TEST(PixelGridTest, PixelsAreStoredRowByRowFromTheTopLeft) {
  Picture grid(3, 2, Color{});
  grid.setPixel(2, 0, Color{1, 0, 0});
  grid.setPixel(0, 1, Color{2, 0, 0});
  const std::span<const Color> pixels = grid.pixels();
  ASSERT_EQ(pixels.size(), 6u);
  EXPECT_EQ(pixels[2], (Color{1, 0, 0}));
  EXPECT_EQ(pixels[3], (Color{2, 0, 0}));
}

TEST(PixelGridTest, PixelsOutsideThePictureAreRefused) {
  Picture grid(3, 2, Color{1, 2, 3});
  struct Point {
    int x;
    int y;
  };
  for (const Point p : {Point{-1, 0}, Point{3, 0}, Point{0, -1}, Point{0, 2}}) {
    SCOPED_TRACE(std::to_string(p.x) + ", " + std::to_string(p.y));
    EXPECT_THROW(grid.pixel(p.x, p.y), std::out_of_range);
    EXPECT_THROW(grid.setPixel(p.x, p.y, Color{}), std::out_of_range);
  }
  EXPECT_THROW(Picture(-1, 2, Color{}), std::invalid_argument);
  EXPECT_THROW(Picture(2, -1, Color{}), std::invalid_argument);
}

}  // namespace
}  // namespace dorvena::shell
