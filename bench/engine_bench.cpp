// The cost per icon of the calls a load makes once per icon, on generated
// icon libraries of 100, 1,000 and 10,000 groups: it should stay flat.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "fixtures/dib_fixture.h"
#include "fixtures/pe_fixture.h"
#include "icons/add_icon_from_file.h"
#include "icons/save_icon_as_ico.h"

namespace {

namespace fs = std::filesystem;

// A library of `groups` icon groups, each one 32x32 image at 8 bits, written once per size.
const std::string& iconLibrary(int groups) {
  static std::map<int, std::string> paths;
  auto& path = paths[groups];
  if (path.empty()) {
    std::vector<fixtures::GroupLayout> layouts;
    for (int i = 0; i < groups; ++i)
      layouts.push_back({fixtures::ResourceId::number(static_cast<std::uint16_t>(i + 1)),
                       {fixtures::dibImage(32, 32, 8, static_cast<std::uint8_t>(i))}});
    base::Bytes bytes = fixtures::buildIconModule(layouts);
    path = (fs::temp_directory_path() / ("iconextract-bench-" + std::to_string(groups) + ".dll")).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  return path;
}

void BM_SaveIconAsIcoFile(benchmark::State& state) {
  const int groups = static_cast<int>(state.range(0));
  const std::string& library = iconLibrary(groups);
  fs::path target = fs::temp_directory_path() / "iconextract-bench-out.ico";
  int n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(icons::saveIconAsIcoFile(library, target.string(), n % groups + 1));
    ++n;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaveIconAsIcoFile)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A whole load's pictures: every icon of the library added to one new list.
// Items are icons, so the time per item is the cost of one addIconFromFile.
void BM_AddIconFromFile(benchmark::State& state) {
  const int groups = static_cast<int>(state.range(0));
  const std::string& library = iconLibrary(groups);
  for (auto _ : state) {
    auto list = icons::createIconImageList(32, 32);
    for (int i = 0; i < groups; ++i) benchmark::DoNotOptimize(icons::addIconFromFile(list, library, i));
    if (list.imageCount() != groups) state.SkipWithError("an icon was not added");
  }
  state.SetItemsProcessed(state.iterations() * groups);
}
BENCHMARK(BM_AddIconFromFile)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
