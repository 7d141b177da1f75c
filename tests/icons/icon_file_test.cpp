#include "icons/icon_file.h"

#include <gtest/gtest.h>

#include "fixtures/dib_fixture.h"
#include "fixtures/ico_fixture.h"

namespace {

using base::Bytes;
using base::ByteView;

TEST(ReadIconFile, ReadsEveryImageBySizeAndOffset) {
  Bytes a = fixtures::dibImage(16, 16, 4), b = fixtures::dibImage(32, 32, 8);
  Bytes file = fixtures::buildIconFile({a, b});
  auto images = icons::readIconFile(file);
  ASSERT_TRUE(images);
  ASSERT_EQ(images->size(), 2u);
  EXPECT_EQ(Bytes((*images)[0].begin(), (*images)[0].end()), a);
  EXPECT_EQ(Bytes((*images)[1].begin(), (*images)[1].end()), b);
}

TEST(ReadIconFile, AnyShortfallMeansNotRead) {
  Bytes valid = fixtures::buildIconFile({fixtures::dibImage(16, 16, 4)});
  struct Case {
    const char* what;
    std::size_t offset;  // where to patch
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"reserved not 0", 0, {1, 0}},
      {"type 2 (a cursor file)", 2, {2, 0}},
      {"count beyond the directory", 4, {0xFF, 0xFF}},
      {"image size past the end", 6 + 8, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"image offset past the end", 6 + 12, {0x00, 0x10, 0x00, 0x00}},
      {"offset and size wrapping around", 6 + 8, {0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00}},
  };
  for (const Case& c : cases) {
    Bytes file = valid;
    std::copy(c.bytes.begin(), c.bytes.end(), file.begin() + c.offset);
    EXPECT_FALSE(icons::readIconFile(file)) << c.what;
  }
  Bytes lastByteMissing(valid.begin(), valid.end() - 1), headerCutShort{0, 0, 1};
  EXPECT_FALSE(icons::readIconFile(lastByteMissing));
  EXPECT_FALSE(icons::readIconFile(headerCutShort));
}

TEST(ReadIconFile, NoImagesIsAnEmptyList) {
  Bytes file{0, 0, 1, 0, 0, 0};
  auto images = icons::readIconFile(file);
  ASSERT_TRUE(images);
  EXPECT_TRUE(images->empty());
}

struct EntryCase {
  const char* what;
  Bytes image;
  icons::IcoDirectoryEntry expected;  // width, height, colours, planes, bits
};

TEST(IcoDirectoryEntry, IsDerivedFromTheImage) {
  Bytes core = {12, 0, 0, 0, 24, 0, 48, 0, 1, 0, 4, 0};  // BITMAPCOREHEADER 24x24, 4 bits
  const EntryCase cases[] = {
      {"16x16 4-bit", fixtures::dibImage(16, 16, 4), {16, 16, 16, 1, 4}},
      {"32x32 8-bit", fixtures::dibImage(32, 32, 8), {32, 32, 0, 1, 8}},
      {"48x48 1-bit", fixtures::dibImage(48, 48, 1), {48, 48, 2, 1, 1}},
      {"32x32 32-bit", fixtures::dibImage(32, 32, 32), {32, 32, 0, 1, 32}},
      {"256 wide: the low 8 bits", fixtures::dibImage(256, 256, 32), {0, 0, 0, 1, 32}},
      {"PNG 256x256", fixtures::pngImageHeader(256, 256), {0, 0, 0, 1, 32}},
      {"PNG 48x48 RGB", fixtures::pngImageHeader(48, 48, 8, 2), {48, 48, 0, 1, 24}},
      {"core header", core, {24, 24, 16, 1, 4}},
      {"shorter than a header", Bytes(20, 0x11), {0, 0, 0, 0, 0}},
  };
  for (const EntryCase& c : cases) EXPECT_EQ(icons::icoDirectoryEntryFor(c.image), c.expected) << c.what;
}

TEST(BuildIcoFile, LaysOutHeaderEntriesAndImages) {
  Bytes small = fixtures::dibImage(16, 16, 4), large = fixtures::dibImage(32, 32, 8);
  const auto s = static_cast<std::uint32_t>(small.size()), l = static_cast<std::uint32_t>(large.size());
  std::vector<ByteView> images = {small, large};
  auto ico = icons::buildIcoFile(images);
  ASSERT_TRUE(ico);

  Bytes expected = {
      0, 0,  // reserved
      1, 0,  // type: icon
      2, 0,  // two images
      // entry 0: 16x16, 16 colours, reserved, 1 plane, 4 bits, size, offset 38
      16, 16, 16, 0, 1, 0, 4, 0, std::uint8_t(s), std::uint8_t(s >> 8), 0, 0, 38, 0, 0, 0,
      // entry 1: 32x32, colour count 0, 1 plane, 8 bits, size, offset 38 + first size
      32, 32, 0, 0, 1, 0, 8, 0, std::uint8_t(l), std::uint8_t(l >> 8), 0, 0, std::uint8_t(38 + s),
      std::uint8_t((38 + s) >> 8), 0, 0};
  for (const Bytes* image : {&small, &large}) {
    expected.insert(expected.end(), image->begin(), image->end());
    auto sizeImage = expected.end() - std::ptrdiff_t(image->size()) + 20;
    std::fill(sizeImage, sizeImage + 4, std::uint8_t(0));  // biSizeImage written as 0
  }
  EXPECT_EQ(*ico, expected);
}

TEST(BuildIcoFile, KeepsEveryByteOfPngAndShortImages) {
  Bytes png = fixtures::pngImageHeader(256, 256), tiny(30, 0x5A);
  std::vector<ByteView> images = {png, tiny};
  auto ico = icons::buildIcoFile(images);
  ASSERT_TRUE(ico);
  EXPECT_EQ(Bytes(ico->begin() + 38, ico->begin() + 38 + png.size()), png);
  EXPECT_EQ(Bytes(ico->end() - 30, ico->end()), tiny);
}

}  // namespace
