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
#include "icons/png_codec.h"

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

  // Icon images: a bitmap of every depth and header kind, and real PNG images.
  const std::filesystem::path images = root / "image_decode_fuzz";
  for (int bits : {1, 4, 8, 16, 24, 32}) write(images, "dib" + std::to_string(bits), fixtures::dibImage(32, 32, bits, 5));
  write(images, "dib8-48", fixtures::dibImage(48, 48, 8));
  fixtures::DibPixels core = fixtures::dibPixels(8, 8, 4, std::vector<std::uint32_t>(64, 3));
  core.palette.assign(16, 0x336699);
  core.coreHeader = true;
  write(images, "core4", fixtures::dibFromPixels(core));
  fixtures::DibPixels fields = fixtures::dibPixels(4, 4, 16, std::vector<std::uint32_t>(16, 0xF81F));
  fields.bitfields = std::array<std::uint32_t, 3>{0xF800, 0x07E0, 0x001F};
  write(images, "bitfields16", fixtures::dibFromPixels(fields));
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t i = 0; i < 24 * 24; ++i) pixels.push_back((i * 0x01020304u) | (i % 3 ? 0xFF000000u : 0));
  write(images, "png24", icons::encodePng({24, 24, pixels}));
  write(images, "png64", icons::encodePng({64, 64, std::vector<std::uint32_t>(64 * 64, 0x80FF8000)}));
  return 0;
}
