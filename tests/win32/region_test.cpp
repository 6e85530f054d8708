#include "platform/win32/region.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "shell/bitmap_region.h"
#include "shell/bmp.h"

namespace dorvena::platform::win32 {
namespace {

long areaOf(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<unsigned char> data(size);
  GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data()));
  const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
  const auto* rects = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
  long area = 0;
  for (DWORD i = 0; i < header->nCount; ++i) {
    area += (rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
  }
  return area;
}

TEST(Region, BothWaysCutTheSkinsToTheirNonWhitePixels) {
  for (const char* file : {"main_skin.bmp", "note_skin.bmp"}) {
    SCOPED_TRACE(file);
    std::ifstream in(std::string(DORVENA_RESOURCES_DIR) + "/" + file, std::ios::binary);
    const Picture skin = shell::readBmp(std::string(std::istreambuf_iterator<char>(in), {}));
    long nonWhite = 0;
    for (const Color c : skin.pixels()) nonWhite += !(c == kWhite);
    const RegionHandle fast = regionFromSpans(shell::keptSpans(skin));
    const RegionHandle slow =
        regionBySubtraction(skin.width(), skin.height(), shell::whiteRuns(skin));
    EXPECT_TRUE(EqualRgn(fast.get(), slow.get()));
    EXPECT_EQ(areaOf(fast.get()), nonWhite);
    EXPECT_TRUE(PtInRegion(fast.get(), skin.width() / 2, skin.height() / 2));
    EXPECT_FALSE(PtInRegion(fast.get(), 0, 0));
  }
}

TEST(Region, EmptySpansGiveAnEmptyShape) {
  const RegionHandle none = regionFromSpans({});
  RECT box;
  EXPECT_EQ(GetRgnBox(none.get(), &box), NULLREGION);
}

}  // namespace
}  // namespace dorvena::platform::win32
