#include "platform/picture.h"

#include <stdexcept>
#include <string>

namespace dorvena::platform {

Picture::Picture(int width, int height, Color fill) : width_(width), height_(height) {
  if (width < 0 || height < 0) {
    throw std::invalid_argument("negative picture size " + std::to_string(width) + " x " +
                                std::to_string(height));
  }
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

std::size_t Picture::indexOf(int x, int y) const {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) {
    throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") outside a " + std::to_string(width_) + " x " +
                            std::to_string(height_) + " picture");
  }
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
         static_cast<std::size_t>(x);
}

Color Picture::pixel(int x, int y) const {
  return pixels_[indexOf(x, y)];
}

void Picture::setPixel(int x, int y, Color colour) {
  pixels_[indexOf(x, y)] = colour;
}

}  // namespace dorvena::platform
