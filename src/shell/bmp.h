#pragma once
#include <string>
#include <string_view>

#include "platform/error.h"
#include "shell/bitmap_region.h"

namespace dorvena::shell {

// Raised for bytes that are not a picture this program can read.
class BmpError : public platform::Error {
 public:
  using platform::Error::Error;
};

// Reads a Windows bitmap file held in memory. Only the form the skins are stored in is read:
// 24 bits per pixel, no palette, no compression, rows bottom-up or top-down, each row padded to
// 4 bytes. Anything else, and anything cut short, raises BmpError.
Picture readBmp(std::string_view bytes);

// The bytes of a 24-bit bottom-up bitmap file of the picture, at 96 dots per inch.
std::string writeBmp(const Picture& picture);

}  // namespace dorvena::shell
