#include "icons/fit_to_cell.h"

#include <gtest/gtest.h>

#include "icons/png_codec.h"

namespace {

using icons::ArgbImage;

constexpr std::uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kClear = 0x00FFFFFF;

ArgbImage filled(int w, int h, std::uint32_t (*at)(int x, int y)) {
  ArgbImage image{w, h, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.argb.push_back(at(x, y));
  return image;
}

TEST(FitToCell, ShrinkingAveragesOnlyOpaqueColour) {
  // 2x2 blocks: red, blue and two clear white pixels average to purple at half opacity, which is opaque;
  // one opaque pixel of four is transparent.
  ArgbImage half = filled(64, 64, [](int x, int y) { return y % 2 == 0 ? (x % 2 == 0 ? kRed : kBlue) : kClear; });
  icons::CellImage cell = icons::fitToCell(half, 32, 32);
  EXPECT_EQ(cell.argb[0], 0x80800080u) << "no white bled in";
  EXPECT_EQ(cell.mask[0], 0);
  ArgbImage quarter = filled(64, 64, [](int x, int y) { return x % 2 == 0 && y % 2 == 0 ? kRed : kClear; });
  cell = icons::fitToCell(quarter, 32, 32);
  EXPECT_EQ(cell.mask[0], 1);
}

TEST(FitToCell, EnlargingByAWholeFactorRepeatsPixels) {
  ArgbImage small = filled(16, 16, [](int x, int y) { return (x + y) % 2 ? kRed : kClear; });
  icons::CellImage cell = icons::fitToCell(small, 32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      bool red = (x / 2 + y / 2) % 2;
      ASSERT_EQ(cell.mask[y * 32 + x], red ? 0 : 1) << x << "," << y;
      if (red) {
        ASSERT_EQ(cell.argb[y * 32 + x], kRed);
      }
    }
}

TEST(FitToCell, OtherFactorsKeepEdgesWhereTheyFall) {
  // 48 -> 32: the left half transparent stays the left half.
  ArgbImage image = filled(48, 48, [](int x, int) { return x < 24 ? kClear : kBlue; });
  icons::CellImage cell = icons::fitToCell(image, 32, 32);
  for (int x = 0; x < 32; ++x) EXPECT_EQ(cell.mask[5 * 32 + x], x < 16 ? 1 : 0) << x;
  EXPECT_EQ(cell.argb[5 * 32 + 20], kBlue);
  // 20 x 48 -> 32: enlarged one way, shrunk the other; a uniform picture stays uniform.
  icons::CellImage mixed = icons::fitToCell(filled(20, 48, [](int, int) { return kRed; }), 32, 32);
  for (std::uint32_t pixel : mixed.argb) ASSERT_EQ(pixel, kRed);
}

TEST(PngCodec, RoundTripsPixelsWithAlpha) {
  ArgbImage image = filled(7, 3, [](int x, int y) { return std::uint32_t(x * 30) << 24 | std::uint32_t(y * 80) << 8 | 0x11; });
  std::optional<ArgbImage> back = icons::decodePng(icons::encodePng(image));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width, 7);
  EXPECT_EQ(back->height, 3);
  EXPECT_EQ(back->argb, image.argb);
  EXPECT_TRUE(icons::encodePng({0, 0, {}}).empty());
  EXPECT_FALSE(icons::decodePng(base::Bytes{1, 2, 3}));
}

}  // namespace
