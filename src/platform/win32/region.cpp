#include "platform/win32/region.h"

#include <cstring>

namespace dorvena::platform::win32 {

RegionHandle regionFromSpans(const std::vector<Span>& spans) {
  std::vector<RECT> rects;
  rects.reserve(spans.size());
  RECT bound{0, 0, 0, 0};
  for (const Span& s : spans) {
    if (s.x1 <= s.x0) continue;
    const RECT r{s.x0, s.y, s.x1, s.y + 1};
    if (rects.empty()) bound = r;
    UnionRect(&bound, &bound, &r);
    rects.push_back(r);
  }
  if (rects.empty()) return RegionHandle(CreateRectRgn(0, 0, 0, 0));
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  header->rcBound = bound;
  std::memcpy(data.data() + sizeof(RGNDATAHEADER), rects.data(), rects.size() * sizeof(RECT));
  return RegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                      reinterpret_cast<const RGNDATA*>(data.data())));
}

RegionHandle regionBySubtraction(int width, int height, const std::vector<Span>& whiteRuns) {
  RegionHandle shape(CreateRectRgn(0, 0, width, height));
  for (const Span& run : whiteRuns) {
    RegionHandle hole(CreateRectRgn(run.x0, run.y, run.x1, run.y + 1));
    CombineRgn(shape.get(), shape.get(), hole.get(), RGN_DIFF);
  }
  return shape;
}

}  // namespace dorvena::platform::win32
