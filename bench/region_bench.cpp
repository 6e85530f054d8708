// Window shapes from the skins, made the two ways Win32 allows: one ExtCreateRegion from the kept
// spans, or the full rectangle less one CombineRgn per white run. Built with winelib (wineg++),
// so it measures Wine's GDI, and run by `make bench`.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/win32/region.h"
#include "shell/bitmap_region.h"
#include "shell/bmp.h"

namespace {

using namespace dorvena;

platform::Picture skin(const char* file) {
  std::ifstream in(std::string(DORVENA_RESOURCES_DIR) + "/" + file, std::ios::binary);
  return shell::readBmp(std::string(std::istreambuf_iterator<char>(in), {}));
}

const char* skinFile(int which) {
  return which == 0 ? "main_skin.bmp" : "note_skin.bmp";
}

void BM_Region_ExtCreateRegion(benchmark::State& state) {
  const platform::Picture picture = skin(skinFile(static_cast<int>(state.range(0))));
  const auto spans = shell::keptSpans(picture);
  const auto runs = shell::whiteRuns(picture);
  const auto one = platform::win32::regionFromSpans(spans);
  const auto other = platform::win32::regionBySubtraction(picture.width(), picture.height(), runs);
  if (!EqualRgn(one.get(), other.get())) state.SkipWithError("the two ways give different shapes");
  for (auto _ : state) {
    auto region = platform::win32::regionFromSpans(shell::keptSpans(picture));
    benchmark::DoNotOptimize(region.get());
  }
  state.counters["rects"] = static_cast<double>(spans.size());
}

void BM_Region_CombineRgnPerWhiteRun(benchmark::State& state) {
  const platform::Picture picture = skin(skinFile(static_cast<int>(state.range(0))));
  const auto runs = shell::whiteRuns(picture);
  for (auto _ : state) {
    auto region = platform::win32::regionBySubtraction(picture.width(), picture.height(),
                                                       shell::whiteRuns(picture));
    benchmark::DoNotOptimize(region.get());
  }
  state.counters["rects"] = static_cast<double>(runs.size());
}

// 0: the main skin (256 x 375), 1: the note skin (80 x 104).
BENCHMARK(BM_Region_ExtCreateRegion)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Region_CombineRgnPerWhiteRun)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
