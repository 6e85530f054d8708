#include "shell/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvena::shell {
namespace {

std::string bytesOf(std::initializer_list<int> values) {
  std::string bytes;
  for (const int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

// A 1 x 2 picture, (1,2,3) above (4,5,6), as a bottom-up 24-bit file: the bottom row comes first,
// each pixel as blue, green, red, each row padded to 4 bytes.
// clang-format off
const std::string kTinyFile = bytesOf({
    'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,               // size 62, pixels at 54
    40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0,                          // 1 x 2
    1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0,                          // 24 bits, uncompressed, 8 bytes
    0xc4, 0x0e, 0, 0, 0xc4, 0x0e, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 96 dpi, no palette
    6, 5, 4, 0,                                                   // bottom row
    3, 2, 1, 0,                                                   // top row
});
// clang-format on

Picture tinyPicture() {
  Picture picture(1, 2, Color{});
  picture.setPixel(0, 0, Color{1, 2, 3});
  picture.setPixel(0, 1, Color{4, 5, 6});
  return picture;
}

TEST(BmpTest, ReadsAndWritesTheBottomUpLayout) {
  EXPECT_EQ(readBmp(kTinyFile), tinyPicture());
  EXPECT_EQ(writeBmp(tinyPicture()), kTinyFile);
}

// Every channel of every pixel different, so that swapped channels, rows or columns show.
Picture patterned(int width, int height) {
  Picture picture(width, height, Color{});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.setPixel(x, y,
                       Color{static_cast<std::uint8_t>(x * 40 + y * 7),
                             static_cast<std::uint8_t>(255 - x * 13 - y),
                             static_cast<std::uint8_t>(y * 50 + x)});
    }
  }
  return picture;
}

TEST(BmpTest, RoundTripPadsEveryRowToFourBytes) {
  struct Size {
    int width;
    int height;
  };
  // Widths 1 to 5 need 1, 2, 3, 0 and 1 bytes of padding per row.
  for (const Size size : {Size{1, 1}, Size{1, 3}, Size{2, 2}, Size{3, 2}, Size{4, 1}, Size{5, 3},
                          Size{0, 0}, Size{0, 2}, Size{3, 0}}) {
    SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
    const Picture picture = patterned(size.width, size.height);
    const std::string bytes = writeBmp(picture);
    const std::size_t stride = (static_cast<std::size_t>(size.width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), 54 + stride * static_cast<std::size_t>(size.height));
    EXPECT_EQ(readBmp(bytes), picture);
  }
}

// The fields of a bitmap file that a test varies; the pixels are those of a 3 x 2 picture.
struct Layout {
  std::uint32_t headerSize = 40;
  std::int32_t width = 3;
  std::int32_t height = 2;  // negative: rows stored top-down
  std::uint16_t planes = 1;
  std::uint16_t bitsPerPixel = 24;
  std::uint32_t compression = 0;
  std::uint32_t gap = 0;  // bytes between the header and the pixels
  std::optional<std::uint32_t> dataOffset = std::nullopt;
  std::size_t cut = 0;    // bytes taken off the end
  std::size_t extra = 0;  // bytes added at the end
};

void put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xff));
}

const Picture kSample = patterned(3, 2);

std::string fileOf(const Layout& layout) {
  const std::uint32_t offset = layout.dataOffset.value_or(14 + layout.headerSize + layout.gap);
  std::string out = "BM";
  put(out, 0, 4);  // the file size field, which readers ignore
  put(out, 0, 4);
  put(out, offset, 4);
  put(out, layout.headerSize, 4);
  put(out, static_cast<std::uint32_t>(layout.width), 4);
  put(out, static_cast<std::uint32_t>(layout.height), 4);
  put(out, layout.planes, 2);
  put(out, layout.bitsPerPixel, 2);
  put(out, layout.compression, 4);
  out.resize(14 + layout.headerSize, '\0');
  out.append(layout.gap, '\x55');
  for (int row = 0; row < kSample.height(); ++row) {
    const int y = layout.height < 0 ? row : kSample.height() - 1 - row;
    for (int x = 0; x < kSample.width(); ++x) {
      const Color colour = kSample.pixel(x, y);
      out +=
          {static_cast<char>(colour.b), static_cast<char>(colour.g), static_cast<char>(colour.r)};
    }
    out.append(3, '\0');
  }
  out.append(layout.extra, '\x77');
  out.resize(out.size() - layout.cut);
  return out;
}

TEST(BmpTest, ReadsTheLayoutsOfA24BitPicture) {
  struct Case {
    std::string_view name;
    Layout layout;
  };
  const std::vector<Case> cases = {
      {"bottom-up rows", {}},
      {"top-down rows", {.height = -2}},
      {"version 4 header", {.headerSize = 108}},
      {"version 5 header", {.headerSize = 124}},
      {"bytes between header and pixels", {.gap = 12}},
      {"bytes after the last row", {.extra = 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(readBmp(fileOf(c.layout)), kSample);
  }
}

TEST(BmpTest, RefusesEverythingElse) {
  struct Case {
    std::string_view name;
    std::string bytes;
  };
  std::string noSignature = fileOf({});
  noSignature[0] = 'X';
  const std::vector<Case> cases = {
      {"empty", ""},
      {"cut inside the file header", fileOf({}).substr(0, 10)},
      {"cut inside the picture header", fileOf({}).substr(0, 30)},
      {"no BM signature", noSignature},
      {"8 bits per pixel", fileOf({.bitsPerPixel = 8})},
      {"32 bits per pixel", fileOf({.bitsPerPixel = 32})},
      {"run-length compression", fileOf({.compression = 1})},
      {"bit fields", fileOf({.compression = 3})},
      {"no planes", fileOf({.planes = 0})},
      {"OS/2 core header", fileOf({.headerSize = 12})},
      {"unknown header size", fileOf({.headerSize = 64})},
      {"negative width", fileOf({.width = -3})},
      {"smallest height", fileOf({.height = INT32_MIN})},
      {"last row cut short", fileOf({.cut = 1})},
      {"pixels past the end", fileOf({.dataOffset = 1000})},
      {"pixels inside the header", fileOf({.dataOffset = 20})},
      {"huge width, few pixels", fileOf({.width = INT32_MAX, .height = 1})},
      {"huge height, few pixels", fileOf({.width = 1, .height = INT32_MAX})},
      {"huge top-down height, few pixels", fileOf({.width = 1, .height = -INT32_MAX})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(readBmp(c.bytes), BmpError);
  }
}

}  // namespace
}  // namespace dorvena::shell
