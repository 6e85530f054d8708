#pragma once
#include <cstdint>

namespace dorvena::platform {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kButtonFace{240, 240, 240};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Columns [x0, x1) of row y: window shapes are lists of these.
struct Span {
  int y = 0;
  int x0 = 0;
  int x1 = 0;
  friend bool operator==(const Span&, const Span&) = default;
};

}  // namespace dorvena::platform
