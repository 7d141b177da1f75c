// Writes the seed corpus of each fuzz target from the test fixtures:
//   make_seed_corpus DIR   ->  DIR/<target>/<seed>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "fixtures/dib_fixture.h"
#include "fixtures/ico_fixture.h"
#include "fixtures/ne_fixture.h"
#include "fixtures/pe_fixture.h"

namespace {

using base::Bytes;
using fixtures::ResourceId;

void write(const std::filesystem::path& dir, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seed_corpus DIR\n");
    return 2;
  }
  std::filesystem::path root(argv[1]);
  Bytes a = fixtures::dibImage(16, 16, 4), b = fixtures::dibImage(32, 32, 8), png = fixtures::pngImageHeader(256, 256);
  std::map<std::string, Bytes> modules = {
      {"pe32", fixtures::buildIconModule({{ResourceId::named(u"APP"), {a, b}}, {ResourceId::number(2), {png}}})},
      {"pe32plus", fixtures::buildIconModule({{ResourceId::number(1), {a}}}, {.pe32Plus = true, .dataInOwnSection = true})},
      {"ne", fixtures::buildNeIconLibrary({{a, b}, {a}})},
  };
  for (const auto& [name, bytes] : modules) write(root / "module_reader_fuzz", name, bytes);
  write(root / "icon_file_reader_fuzz", "two-images", fixtures::buildIconFile({a, b}));
  write(root / "icon_file_reader_fuzz", "png", fixtures::buildIconFile({png}));
  return 0;
}
