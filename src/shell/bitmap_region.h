#pragma once
#include <concepts>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/geometry.h"
#include "platform/picture.h"

namespace dorvena::shell {

using platform::Color;
using platform::Picture;

// The cut-out colour of every skin. There is no tolerance: (254,255,255) is part of the shape.
inline constexpr Color kCutOutColour{255, 255, 255};

using platform::Span;

// Anything that can be scanned like a skin; Picture is one, a window system's bitmap can be
// another.
template <class Source>
concept PixelSource = requires(const Source& source, int x, int y) {
  { source.width() } -> std::convertible_to<int>;
  { source.height() } -> std::convertible_to<int>;
  { source.pixel(x, y) } -> std::convertible_to<Color>;
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
    bool runIsCutOut = Color(skin.pixel(0, y)) == kCutOutColour;
    for (int x = 1; x < width; ++x) {
      const bool cutOut = Color(skin.pixel(x, y)) == kCutOutColour;
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
