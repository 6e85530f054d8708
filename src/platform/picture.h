#pragma once
#include <cstddef>
#include <span>
#include <vector>

#include "platform/geometry.h"

namespace dorvena::platform {

// A 24-bit picture in memory: rows top to bottom, (0, 0) the top-left pixel.
class Picture {
 public:
  Picture() = default;
  // Raises std::invalid_argument for a negative width or height.
  Picture(int width, int height, Color fill);

  int width() const { return width_; }
  int height() const { return height_; }
  // Both raise std::out_of_range outside [0, width) x [0, height).
  Color pixel(int x, int y) const;
  void setPixel(int x, int y, Color colour);
  // Row-major, top row first.
  std::span<const Color> pixels() const { return pixels_; }

  friend bool operator==(const Picture&, const Picture&) = default;

 private:
  std::size_t indexOf(int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace dorvena::platform
