#include "shell/bmp.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace dorvena::shell {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
// 96 dots per inch.
constexpr std::int32_t kPixelsPerMetre = 3780;

[[noreturn]] void fail(const std::string& why) {
  throw BmpError("Bitmap image is not valid: " + why);
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  std::uint32_t u32(std::size_t at) const {
    need(at, 4);
    return static_cast<std::uint32_t>(byte(at)) | static_cast<std::uint32_t>(byte(at + 1)) << 8 |
           static_cast<std::uint32_t>(byte(at + 2)) << 16 |
           static_cast<std::uint32_t>(byte(at + 3)) << 24;
  }
  std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
  std::uint16_t u16(std::size_t at) const {
    need(at, 2);
    return static_cast<std::uint16_t>(byte(at) | byte(at + 1) << 8);
  }
  std::uint8_t byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }

  void need(std::size_t at, std::size_t count) const {
    if (at > bytes_.size() || count > bytes_.size() - at) fail("the file is cut short");
  }

 private:
  std::string_view bytes_;
};

bool isKnownInfoHeader(std::uint32_t size) {
  // BITMAPINFOHEADER and its later extensions all begin with the same 40 bytes.
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

std::size_t rowStride(int width) {
  return (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
}

void put16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xff));
  out.push_back(static_cast<char>(value >> 8));
}

void put32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<char>(value >> shift & 0xff));
}

}  // namespace

Picture readBmp(std::string_view bytes) {
  const Reader in(bytes);
  in.need(0, kFileHeaderSize);
  if (bytes[0] != 'B' || bytes[1] != 'M') fail("no BM signature");
  const std::uint32_t dataOffset = in.u32(10);

  const std::uint32_t headerSize = in.u32(14);
  if (!isKnownInfoHeader(headerSize)) {
    fail("unsupported header of " + std::to_string(headerSize) + " bytes");
  }
  in.need(kFileHeaderSize, headerSize);
  const std::int32_t width = in.i32(18);
  const std::int32_t rawHeight = in.i32(22);
  const std::uint16_t planes = in.u16(26);
  const std::uint16_t bitsPerPixel = in.u16(28);
  const std::uint32_t compression = in.u32(30);

  if (planes != 1) fail(std::to_string(planes) + " planes");
  if (bitsPerPixel != 24) fail(std::to_string(bitsPerPixel) + " bits per pixel");
  if (compression != kBiRgb) fail("compression " + std::to_string(compression));
  if (width < 0) fail("negative width");
  // A negative height means the rows are stored top-down; the smallest int has no positive twin.
  if (rawHeight == INT32_MIN) fail("height out of range");
  const bool topDown = rawHeight < 0;
  const int height = topDown ? -rawHeight : rawHeight;

  if (dataOffset < kFileHeaderSize + headerSize) fail("pixels overlap the header");
  if (dataOffset > bytes.size()) fail("the file is cut short");
  const std::size_t stride = rowStride(width);
  if (stride != 0 && (bytes.size() - dataOffset) / stride < static_cast<std::size_t>(height)) {
    fail("the file is cut short");
  }

  Picture picture(width, height, Color{});
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    const std::size_t rowStart = dataOffset + static_cast<std::size_t>(row) * stride;
    for (int x = 0; x < width; ++x) {
      const std::size_t at = rowStart + static_cast<std::size_t>(x) * 3;
      picture.setPixel(x, y, Color{in.byte(at + 2), in.byte(at + 1), in.byte(at)});
    }
  }
  return picture;
}

std::string writeBmp(const Picture& picture) {
  const std::size_t stride = rowStride(picture.width());
  const std::size_t imageSize = stride * static_cast<std::size_t>(picture.height());
  const std::size_t dataOffset = kFileHeaderSize + kInfoHeaderSize;

  std::string out;
  out.reserve(dataOffset + imageSize);
  out += "BM";
  put32(out, static_cast<std::uint32_t>(dataOffset + imageSize));
  put32(out, 0);
  put32(out, static_cast<std::uint32_t>(dataOffset));

  put32(out, kInfoHeaderSize);
  put32(out, static_cast<std::uint32_t>(picture.width()));
  put32(out, static_cast<std::uint32_t>(picture.height()));
  put16(out, 1);
  put16(out, 24);
  put32(out, kBiRgb);
  put32(out, static_cast<std::uint32_t>(imageSize));
  put32(out, kPixelsPerMetre);
  put32(out, kPixelsPerMetre);
  put32(out, 0);
  put32(out, 0);

  for (int y = picture.height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Color colour = picture.pixel(x, y);
      out.push_back(static_cast<char>(colour.b));
      out.push_back(static_cast<char>(colour.g));
      out.push_back(static_cast<char>(colour.r));
    }
    out.append(stride - static_cast<std::size_t>(picture.width()) * 3, '\0');
  }
  return out;
}

}  // namespace dorvena::shell
