#include <gtest/gtest.h>

#include <functional>

#include "fixtures/dib_fixture.h"
#include "fixtures/ico_fixture.h"
#include "fixtures/ne_fixture.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/test_paths.h"
#include "icons/add_icon_from_file.h"
#include "icons/png_codec.h"
#include "icons/render_image_as_bmp.h"

namespace {

using base::Bytes;
using fixtures::DibPixels;
using fixtures::ResourceId;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kCell = 32;

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The colour of pixel (x, y), counted from the top, of a rendered 32x32 BMP: 0xRRGGBB.
std::uint32_t bmpPixel(const Bytes& bmp, int x, int y) {
  std::size_t at = 54 + static_cast<std::size_t>(kCell - 1 - y) * 96 + 3 * x;
  return std::uint32_t{bmp[at + 2]} << 16 | std::uint32_t{bmp[at + 1]} << 8 | bmp[at];
}

std::uint32_t u32At(const Bytes& b, std::size_t at) {
  return b[at] | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 | std::uint32_t{b[at + 3]} << 24;
}

// A 32x32 test picture: six colours in 4x4 squares, and scattered transparent pixels.
constexpr std::uint32_t kColours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0x848484, 0x00FFFF};
bool transparentAt(int x, int y) { return (3 * x + y) % 11 == 0 || x >= 28; }
int colourIndexAt(int x, int y, int colourCount) { return (x / 4 + y / 4) % colourCount; }

// The picture as a bitmap of the given depth; `value` turns a colour index into the stored pixel value.
DibPixels picture(int bits, int colourCount, const std::function<std::uint32_t(int colour, bool transparent)>& value) {
  DibPixels dib = fixtures::dibPixels(kCell, kCell, bits);
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      dib.pixels.push_back(value(colourIndexAt(x, y, colourCount), transparentAt(x, y)));
      dib.mask.push_back(transparentAt(x, y) ? 1 : 0);
    }
  }
  return dib;
}

DibPixels indexed(int bits, int colourCount) {
  DibPixels dib = picture(bits, colourCount, [](int colour, bool) { return static_cast<std::uint32_t>(colour); });
  dib.palette.assign(kColours, kColours + colourCount);
  dib.palette.resize(std::size_t{1} << bits, 0x123456);  // unused entries
  return dib;
}

std::uint32_t rgb555(std::uint32_t rgb) { return (rgb >> 19 & 31) << 10 | (rgb >> 11 & 31) << 5 | (rgb >> 3 & 31); }
std::uint32_t rgb565(std::uint32_t rgb) { return (rgb >> 19 & 31) << 11 | (rgb >> 10 & 63) << 5 | (rgb >> 3 & 31); }

struct PictureCase {
  const char* name;
  DibPixels dib;
  int colourCount;
};

std::vector<PictureCase> pictureCases() {
  std::vector<PictureCase> cases;
  cases.push_back({"1-bit", indexed(1, 2), 2});
  cases.push_back({"4-bit", indexed(4, 6), 6});
  cases.push_back({"8-bit", indexed(8, 6), 6});
  DibPixels shortPalette = indexed(8, 6);
  shortPalette.palette.resize(6);
  shortPalette.coloursUsed = 6;  // biClrUsed: the pixels follow six entries
  cases.push_back({"8-bit, biClrUsed 6", shortPalette, 6});
  DibPixels core = indexed(4, 6);
  core.coreHeader = true;  // RGBTRIPLE palette
  cases.push_back({"4-bit, core header", core, 6});
  cases.push_back({"16-bit 555", picture(16, 6, [](int c, bool) { return rgb555(kColours[c]); }), 6});
  // Four colours: grey has no exact 6-bit green.
  DibPixels fields = picture(16, 4, [](int c, bool) { return rgb565(kColours[c]); });
  fields.bitfields = std::array<std::uint32_t, 3>{0xF800, 0x07E0, 0x001F};
  cases.push_back({"16-bit 565 bit fields", fields, 4});
  cases.push_back({"24-bit", picture(24, 6, [](int c, bool) { return kColours[c]; }), 6});
  DibPixels v4 = picture(24, 6, [](int c, bool) { return kColours[c]; });
  v4.headerSize = 108;  // BITMAPV4HEADER: the pixels follow its 108 bytes
  cases.push_back({"24-bit, V4 header", v4, 6});
  cases.push_back({"32-bit, alpha all zero: the mask decides", picture(32, 6, [](int c, bool) { return kColours[c]; }), 6});
  DibPixels alpha = picture(32, 6, [](int c, bool transparent) {
    return (transparent ? 0x40000000u : 0xC0000000u) | kColours[c];  // alpha 64 and 192: the threshold is 128
  });
  for (auto& bit : alpha.mask) bit ^= 1;  // a mask saying the opposite, ignored
  cases.push_back({"32-bit with alpha", alpha, 6});
  // BITMAPV5HEADER with bit fields in its own masks: alpha in the low byte, colours above it.
  DibPixels v5 = picture(32, 6, [](int c, bool transparent) { return kColours[c] << 8 | (transparent ? 0x00 : 0xFF); });
  v5.headerSize = 124;
  v5.bitfields = std::array<std::uint32_t, 3>{0xFF000000, 0x00FF0000, 0x0000FF00};
  v5.alphaMask = 0x000000FF;
  cases.push_back({"32-bit, V5 header, alpha by its mask", v5, 6});
  return cases;
}

void expectPicture(const Bytes& bmp, int colourCount, const std::string& name) {
  ASSERT_EQ(bmp.size(), 3126u) << name;
  int wrong = 0;
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      std::uint32_t expected = transparentAt(x, y) ? kWhite : kColours[colourIndexAt(x, y, colourCount)];
      if (bmpPixel(bmp, x, y) != expected && wrong++ < 3)
        ADD_FAILURE() << name << ": pixel (" << x << ", " << y << ") is " << std::hex << bmpPixel(bmp, x, y)
                      << ", expected " << expected;
    }
  EXPECT_EQ(wrong, 0) << name;
}

TEST(DrawIcons, EveryDepthGivesItsColoursOnWhite) {
  fixtures::TempDir dir;
  std::vector<PictureCase> cases = pictureCases();
  std::vector<fixtures::GroupLayout> groups;
  for (std::size_t i = 0; i < cases.size(); ++i)
    groups.push_back({ResourceId::number(static_cast<std::uint16_t>(i + 1)), {fixtures::dibFromPixels(cases[i].dib)}});
  fixtures::writeFile(dir.file("depths.dll"), text(fixtures::buildIconModule(groups)));

  icons::IconImageList list = icons::createIconImageList(kCell, kCell);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    ASSERT_EQ(icons::addIconFromFile(list, dir.file("depths.dll"), static_cast<int>(i)), static_cast<int>(i))
        << cases[i].name;
    expectPicture(icons::renderImageAsBmp(list, static_cast<int>(i)), cases[i].colourCount, cases[i].name);
  }
}

// The test picture as straight-alpha pixels, each square of the picture
// `scale` x `scale` pixels large.
icons::ArgbImage argbPicture(int scale) {
  icons::ArgbImage image{kCell * scale, kCell * scale, {}};
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      int cx = x / scale, cy = y / scale;
      image.argb.push_back((transparentAt(cx, cy) ? 0 : 0xFF000000u) | kColours[colourIndexAt(cx, cy, 6)]);
    }
  return image;
}

TEST(DrawIcons, PngOnlyGroupsThroughTheCodec) {
  fixtures::TempDir dir;
  Bytes exact = icons::encodePng(argbPicture(1));
  Bytes large = icons::encodePng(argbPicture(8));  // 256x256, averaged down
  ASSERT_FALSE(exact.empty());
  ASSERT_FALSE(large.empty());
  fixtures::writeFile(dir.file("png.dll"), text(fixtures::buildIconModule({{ResourceId::number(1), {exact}},
                                                                           {ResourceId::number(2), {large}}})));
  icons::IconImageList list = icons::createIconImageList(kCell, kCell);
  ASSERT_EQ(icons::addIconFromFile(list, dir.file("png.dll"), 0), 0);
  ASSERT_EQ(icons::addIconFromFile(list, dir.file("png.dll"), 1), 1);
  expectPicture(icons::renderImageAsBmp(list, 0), 6, "32x32 PNG");
  expectPicture(icons::renderImageAsBmp(list, 1), 6, "256x256 PNG");
}

TEST(DrawIcons, IconFilesAndNeLibrariesDrawTheirPickedImage) {
  fixtures::TempDir dir;
  Bytes wanted = fixtures::dibFromPixels(picture(24, 6, [](int c, bool) { return kColours[c]; }));
  // The directory entries of this icon file give no depths: the images' own headers decide.
  fixtures::writeFile(dir.file("a.ico"), text(fixtures::buildIconFile({fixtures::dibImage(32, 32, 4), wanted,
                                                                       fixtures::dibImage(16, 16, 32)})));
  fixtures::writeFile(dir.file("a.icl"), text(fixtures::buildNeIconLibrary({{fixtures::dibImage(48, 48, 8), wanted}})));
  for (const char* name : {"a.ico", "a.icl"}) {
    icons::IconImageList list = icons::createIconImageList(kCell, kCell);
    ASSERT_EQ(icons::addIconFromFile(list, dir.file(name), 0), 0) << name;
    expectPicture(icons::renderImageAsBmp(list, 0), 6, name);
  }
}

TEST(RenderImageAsBmp, WritesTheFixedLayoutTheSameEveryTime) {
  fixtures::TempDir dir;
  fixtures::writeFile(dir.file("one.dll"), text(fixtures::buildIconModule({{ResourceId::number(1), {fixtures::dibImage(32, 32, 8)}}})));
  icons::IconImageList list = icons::createIconImageList(kCell, kCell);
  ASSERT_EQ(icons::addIconFromFile(list, dir.file("one.dll"), 0), 0);
  Bytes before = list.encode();
  Bytes bmp = icons::renderImageAsBmp(list, 0);
  ASSERT_EQ(bmp.size(), 3126u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  struct Field {
    std::size_t offset;
    unsigned size;
    std::uint32_t value;
  };
  const Field fields[] = {{2, 4, 3126}, {6, 4, 0},  {10, 4, 54}, {14, 4, 40}, {18, 4, 32}, {22, 4, 32},
                          {26, 2, 1},   {28, 2, 24}, {30, 4, 0},  {34, 4, 3072}, {38, 4, 0}, {42, 4, 0},
                          {46, 4, 0},   {50, 4, 0}};
  for (const Field& f : fields) {
    std::uint32_t value = f.size == 2 ? (bmp[f.offset] | bmp[f.offset + 1] << 8) : u32At(bmp, f.offset);
    EXPECT_EQ(value, f.value) << "field at " << f.offset;
  }
  EXPECT_EQ(icons::renderImageAsBmp(list, 0), bmp) << "same bytes twice";
  EXPECT_EQ(list.encode(), before) << "rendering leaves the list as it was";
}

TEST(RenderImageAsBmp, TransparentPixelsTakeTheBackground) {
  icons::IconImageList list = icons::createIconImageList(2, 1);
  ASSERT_EQ(list.append({{0xFF112233, 0x00445566}, {0, 1}}), 0);
  // A COLORREF holds red in its low byte; the file stores blue, green, red.
  Bytes bmp = icons::renderImageAsBmp(list, 0, 0x00CC8844);
  ASSERT_EQ(bmp.size(), 54u + 8u) << "a row of two pixels is padded to 8 bytes";
  EXPECT_EQ(Bytes(bmp.begin() + 54, bmp.end()), (Bytes{0x33, 0x22, 0x11, 0xCC, 0x88, 0x44, 0, 0}));
  Bytes onWhite = icons::renderImageAsBmp(list, 0);
  EXPECT_EQ(Bytes(onWhite.begin() + 57, onWhite.begin() + 60), (Bytes{0xFF, 0xFF, 0xFF}))
      << "white when no background is given";
}

}  // namespace
