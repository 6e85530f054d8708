#pragma once
#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace dorvena::platform {

// A 24-bit picture held top row first, as the skins and the button glyph are drawn.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;  // width * height, row-major
  Color at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace dorvena::platform
