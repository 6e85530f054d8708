#pragma once
#include <concepts>
#include <cstdint>
#include <span>
#include <vector>

namespace dorvena::shell {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The cut-out colour of every skin. There is no tolerance: (254,255,255) is part of the shape.
inline constexpr Rgb kCutOutColour{255, 255, 255};

// A picture in memory: rows top to bottom, (0, 0) the top-left pixel.
class PixelGrid {
 public:
  PixelGrid() = default;
  // Raises std::invalid_argument for a negative width or height.
  PixelGrid(int width, int height, Rgb fill);

  int width() const { return width_; }
  int height() const { return height_; }
  // Both raise std::out_of_range outside [0, width) x [0, height).
  Rgb pixel(int x, int y) const;
  void setPixel(int x, int y, Rgb colour);
  // Row-major, top row first.
  std::span<const Rgb> pixels() const { return pixels_; }

  friend bool operator==(const PixelGrid&, const PixelGrid&) = default;

 private:
  std::size_t indexOf(int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

// Columns [x0, x1) of row y.
struct Span {
  int y = 0;
  int x0 = 0;
  int x1 = 0;

  friend bool operator==(const Span&, const Span&) = default;
};

// Anything that can be scanned like a skin; PixelGrid is one, a window system's bitmap can be
// another.
template <class Source>
concept PixelSource = requires(const Source& source, int x, int y) {
  { source.width() } -> std::convertible_to<int>;
  { source.height() } -> std::convertible_to<int>;
  { source.pixel(x, y) } -> std::convertible_to<Rgb>;
};

// One pass over the picture, rows top to bottom, each row left to right: calls
// onRun(span, cutOut) for every maximal run of cut-out pixels (cutOut true) and every maximal run
// of other pixels (cutOut false). A picture without width or height has no row to scan, so not a
// single pixel is read.
template <PixelSource Source, class OnRun>
void forEachRun(const Source& skin, OnRun&& onRun) {
  const int width = skin.width();
  const int height = skin.height();
  if (width <= 0 || height <= 0) return;
  for (int y = 0; y < height; ++y) {
    int start = 0;
    bool runIsCutOut = Rgb(skin.pixel(0, y)) == kCutOutColour;
    for (int x = 1; x < width; ++x) {
      const bool cutOut = Rgb(skin.pixel(x, y)) == kCutOutColour;
      if (cutOut != runIsCutOut) {
        onRun(Span{y, start, x}, runIsCutOut);
        start = x;
        runIsCutOut = cutOut;
      }
    }
    onRun(Span{y, start, width}, runIsCutOut);
  }
}

// The shape of a skin as row spans: every pixel that is not pure white.
template <PixelSource Source>
std::vector<Span> keptSpans(const Source& skin) {
  std::vector<Span> spans;
  forEachRun(skin, [&](const Span& span, bool cutOut) {
    if (!cutOut) spans.push_back(span);
  });
  return spans;
}

// The runs of pure white that are cut out of the skin's full rectangle to leave its shape.
template <PixelSource Source>
std::vector<Span> whiteRuns(const Source& skin) {
  std::vector<Span> runs;
  forEachRun(skin, [&](const Span& span, bool cutOut) {
    if (cutOut) runs.push_back(span);
  });
  return runs;
}

}  // namespace dorvena::shell
