#pragma once
#include <vector>

#include "platform/geometry.h"
#include "platform/win32/handles.h"

namespace dorvena::platform::win32 {

// A window shape from the kept spans of each row, made in one ExtCreateRegion call.
RegionHandle regionFromSpans(const std::vector<Span>& spans);

// The same shape made the long way: the full rectangle less one CombineRgn per white run. Kept
// for the benchmark that chose the call above, which is the faster of the two.
RegionHandle regionBySubtraction(int width, int height, const std::vector<Span>& whiteRuns);

}  // namespace dorvena::platform::win32
