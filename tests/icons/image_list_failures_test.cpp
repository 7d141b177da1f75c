#include <gtest/gtest.h>

#include "fixtures/dib_fixture.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/test_paths.h"
#include "icons/add_icon_from_file.h"
#include "icons/png_codec.h"
#include "icons/render_image_as_bmp.h"

namespace {

using base::Bytes;
using fixtures::ResourceId;

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

Bytes le32(std::uint32_t v) { return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)}; }

Bytes join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// A BITMAPINFOHEADER, field by field, as the malformed images below need it.
Bytes infoHeader(std::int32_t width, std::int32_t heightWithMask, std::uint16_t bits, std::uint32_t compression = 0,
                 std::uint32_t coloursUsed = 0, std::uint32_t headerSize = 40) {
  return join({le32(headerSize), le32(static_cast<std::uint32_t>(width)),
               le32(static_cast<std::uint32_t>(heightWithMask)),
               {1, 0, std::uint8_t(bits), std::uint8_t(bits >> 8)},  // biPlanes, biBitCount
               le32(compression), le32(0), le32(0), le32(0),          // biSizeImage, resolutions
               le32(coloursUsed), le32(0)});
}

Bytes zeros(std::size_t n) { return Bytes(n, 0); }

class AddIconFromFile : public ::testing::Test {
 protected:
  // Writes a module with one group per image and gives its path.
  std::string module(const std::string& name, const std::vector<Bytes>& images) {
    std::vector<fixtures::GroupLayout> groups;
    for (std::size_t i = 0; i < images.size(); ++i)
      groups.push_back({ResourceId::number(static_cast<std::uint16_t>(i + 1)), {images[i]}});
    fixtures::writeFile(dir.file(name), text(fixtures::buildIconModule(groups)));
    return dir.file(name);
  }

  fixtures::TempDir dir;
  icons::IconImageList list = icons::createIconImageList(32, 32);
};

TEST(CreateIconImageList, GivesAnEmptyListOrTheEmptyValue) {
  icons::IconImageList list = icons::createIconImageList(32, 32);
  EXPECT_FALSE(list.isEmpty());
  EXPECT_EQ(list.imageCount(), 0);
  EXPECT_EQ(list.cellWidth(), 32);
  for (auto [w, h] : {std::pair{0, 32}, {32, 0}, {-1, -1}, {100000, 100000}})
    EXPECT_TRUE(icons::createIconImageList(w, h).isEmpty()) << w << "x" << h;
}

TEST_F(AddIconFromFile, NumbersAdditionsFromZeroAndRefusesIndicesOutside) {
  std::string path = module("three.dll", {fixtures::dibImage(32, 32, 8), fixtures::dibImage(16, 16, 4),
                                          fixtures::dibImage(48, 48, 32)});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(icons::addIconFromFile(list, path, i), i);
  Bytes before = list.encode();
  EXPECT_EQ(icons::addIconFromFile(list, path, 3), -1) << "index equal to the count";
  EXPECT_EQ(icons::addIconFromFile(list, path, -1), -1);
  EXPECT_EQ(list.encode(), before);
  EXPECT_EQ(list.imageCount(), 3);
}

TEST_F(AddIconFromFile, LeavesTheListUnchangedWhenNothingCanBeAdded) {
  std::string good = module("good.dll", {fixtures::dibImage(32, 32, 8)});
  fixtures::writeFile(dir.file("text.exe"), "hello, not a module");
  fixtures::writeFile(dir.file("empty.dll"), "");
  // A group naming an icon image that the module does not hold.
  fixtures::writeFile(dir.file("dangling.dll"),
                      text(fixtures::buildPeModule({{fixtures::kRtGroupIcon, ResourceId::number(1), 0,
                                                     fixtures::iconGroupData({7})}})));
  ASSERT_EQ(icons::addIconFromFile(list, good, 0), 0);
  Bytes before = list.encode();
  for (const std::string& path : {std::string(), dir.file("missing.dll"), dir.path(), dir.file("text.exe"),
                                  dir.file("empty.dll"), dir.file("dangling.dll")}) {
    EXPECT_EQ(icons::addIconFromFile(list, path, 0), -1) << path;
    EXPECT_EQ(list.encode(), before) << path;
  }
}

TEST_F(AddIconFromFile, RefusesTheEmptyValue) {
  icons::IconImageList none;
  EXPECT_EQ(icons::addIconFromFile(none, module("one.dll", {fixtures::dibImage(32, 32, 8)}), 0), -1);
  EXPECT_TRUE(none.isEmpty());
  icons::IconImageList undecodable = icons::IconImageList::decode(Bytes{'n', 'o', 'p', 'e'});
  EXPECT_EQ(icons::addIconFromFile(undecodable, dir.file("one.dll"), 0), -1);
  EXPECT_TRUE(undecodable.isEmpty());
}

TEST_F(AddIconFromFile, MalformedImagesAddNothing) {
  Bytes png = icons::encodePng({16, 16, std::vector<std::uint32_t>(256, 0xFF00FF00)});
  ASSERT_GT(png.size(), 40u);
  Bytes hugePng = fixtures::pngImageHeader(1000000, 1000000);  // IHDR width and height 1,000,000
  Bytes widePng = png;
  widePng[16] = 0, widePng[17] = 0, widePng[18] = 0x20, widePng[19] = 0;  // IHDR width 8192, beyond any icon
  struct Case {
    const char* name;
    Bytes image;
  };
  const Case cases[] = {
      {"width 0", join({infoHeader(0, 64, 32), zeros(4096)})},
      {"height 0", join({infoHeader(32, 0, 32), zeros(4096)})},
      {"height 1 (no picture row beside the mask)", join({infoHeader(32, 1, 32), zeros(4096)})},
      {"width 1,000,000", join({infoHeader(1000000, 64, 32), zeros(4096)})},
      {"height 1,000,000", join({infoHeader(32, 2000000, 32), zeros(4096)})},
      {"width and height 1,000,000 at 1 bit", join({infoHeader(1000000, 2000000, 1), zeros(4096)})},
      {"negative height", join({infoHeader(32, -64, 32), zeros(4096)})},
      {"palette of 2^30 entries past the end", join({infoHeader(32, 64, 8, 0, 0x40000000), zeros(4096)})},
      {"palette cut short by the end", join({infoHeader(32, 64, 8), zeros(600)})},  // 256 entries need 1024 bytes
      {"colour rows cut short", join({infoHeader(32, 64, 32), zeros(32 * 4 * 31)})},  // one row missing
      {"2 bits per pixel", join({infoHeader(32, 64, 2), zeros(4096)})},
      {"0 bits per pixel", join({infoHeader(32, 64, 0), zeros(4096)})},
      {"run-length compressed", join({infoHeader(32, 64, 8, 1), zeros(4096)})},  // BI_RLE8
      {"bit fields at 24 bits", join({infoHeader(32, 64, 24, 3), zeros(4096)})},
      {"unknown header size 20", join({infoHeader(32, 64, 32, 0, 0, 20), zeros(4096)})},
      {"header cut short", Bytes{40, 0, 0, 0, 32, 0}},
      {"core header at 32 bits", join({le32(12), {32, 0, 64, 0, 1, 0, 32, 0}, zeros(4096)})},
      {"truncated PNG", Bytes(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2))},
      {"PNG of 1,000,000 x 1,000,000", hugePng},
      {"PNG 8192 pixels wide", widePng},
      {"PNG signature only", Bytes(png.begin(), png.begin() + 8)},
  };
  std::vector<Bytes> images;
  for (const Case& c : cases) images.push_back(c.image);
  std::string path = module("malformed.dll", images);
  ASSERT_EQ(icons::addIconFromFile(list, module("good.dll", {fixtures::dibImage(32, 32, 8)}), 0), 0);
  Bytes before = list.encode();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(icons::addIconFromFile(list, path, static_cast<int>(i)), -1) << cases[i].name;
    EXPECT_EQ(list.encode(), before) << cases[i].name;
  }
}

TEST_F(AddIconFromFile, ACutShortMaskCountsAsOpaqueAndLargeImagesDraw) {
  Bytes noMask = fixtures::dibFromPixels(fixtures::dibPixels(32, 32, 24, std::vector<std::uint32_t>(1024, 0x102030)));
  noMask.resize(noMask.size() - 4 * 32 + 4);  // the AND mask stops after its first row
  Bytes bigPng = icons::encodePng({512, 512, std::vector<std::uint32_t>(512 * 512, 0xFF405060)});
  Bytes bigDib = fixtures::dibImage(256, 256, 32);
  std::string path = module("edges.dll", {noMask, bigPng, bigDib});
  EXPECT_EQ(icons::addIconFromFile(list, path, 0), 0);
  Bytes bmp = icons::renderImageAsBmp(list, 0);
  ASSERT_EQ(bmp.size(), 3126u);
  for (std::size_t at = 54; at < bmp.size(); at += 3)
    ASSERT_EQ(Bytes(bmp.begin() + at, bmp.begin() + at + 3), (Bytes{0x30, 0x20, 0x10})) << "at " << at;
  EXPECT_EQ(icons::addIconFromFile(list, path, 1), 1) << "512x512 PNG";
  EXPECT_EQ(icons::addIconFromFile(list, path, 2), 2) << "256x256 bitmap";
}

TEST(RenderImageAsBmp, GivesNothingOutsideTheList) {
  EXPECT_TRUE(icons::renderImageAsBmp(icons::IconImageList{}, 0).empty()) << "the empty value";
  EXPECT_TRUE(icons::renderImageAsBmp(icons::IconImageList::decode(Bytes{1, 2, 3}), 0).empty()) << "undecodable";
  icons::IconImageList list = icons::createIconImageList(32, 32);
  EXPECT_TRUE(icons::renderImageAsBmp(list, 0).empty()) << "a list without images";
  ASSERT_EQ(list.append({std::vector<std::uint32_t>(1024), std::vector<std::uint8_t>(1024)}), 0);
  EXPECT_EQ(icons::renderImageAsBmp(list, 0).size(), 3126u);
  EXPECT_TRUE(icons::renderImageAsBmp(list, 1).empty()) << "index equal to the count";
  EXPECT_TRUE(icons::renderImageAsBmp(list, -1).empty());
}

}  // namespace
