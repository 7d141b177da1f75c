#include "icons/pick_image.h"

#include <gtest/gtest.h>

#include "fixtures/dib_fixture.h"
#include "icons/image_info.h"

namespace {

using base::Bytes;
using fixtures::dibImage;

struct Image {
  int side;
  int bits;
  bool png = false;
  Bytes bytes() const {
    return png ? fixtures::pngImageHeader(side, side) : dibImage(side, side, bits);
  }
};

TEST(PickImage, FollowsTheDocumentedOrder) {
  struct Case {
    const char* name;
    std::vector<Image> group;
    std::size_t expected;
  };
  const Case cases[] = {
      {"exact size wins, deepest of those",
       {{16, 4}, {16, 8}, {32, 4}, {32, 8}, {32, 32}, {48, 8}, {48, 32}}, 4},
      {"deeper wins among equal sizes, wherever it stands", {{32, 32}, {32, 8}, {32, 4}}, 0},
      {"the first of equal size and depth", {{32, 8}, {32, 8}}, 0},
      {"24 and 40 are equally near: the larger", {{24, 32}, {40, 32}}, 1},
      {"larger before deeper at equal distance", {{40, 4}, {24, 32}}, 0},
      {"20 is nearer than 48", {{48, 32}, {20, 32}}, 1},
      {"48 only, deepest", {{48, 8}, {48, 32}, {48, 4}}, 1},
      {"a PNG far away loses to a small bitmap", {{256, 32, true}, {16, 8}}, 1},
      {"a PNG alone is picked", {{256, 32, true}}, 0},
      {"a 32x32 PNG is an exact fit", {{16, 32}, {32, 32, true}, {48, 32}}, 1},
  };
  for (const Case& c : cases) {
    std::vector<Bytes> stored;
    for (const Image& image : c.group) stored.push_back(image.bytes());
    std::vector<base::ByteView> views(stored.begin(), stored.end());
    EXPECT_EQ(icons::pickImage(views, 32, 32), c.expected) << c.name;
  }
}

TEST(PickImage, SkipsImagesWhoseHeaderCannotBeRead) {
  Bytes garbage = {1, 2, 3};
  Bytes zeroWidth = dibImage(32, 32, 32);
  zeroWidth[4] = 0;  // biWidth 0
  Bytes good = dibImage(16, 16, 8);
  std::vector<base::ByteView> group = {garbage, zeroWidth, good};
  EXPECT_EQ(icons::pickImage(group, 32, 32), 2u);
  std::vector<base::ByteView> none = {garbage, zeroWidth};
  EXPECT_EQ(icons::pickImage(none, 32, 32), std::nullopt);
  EXPECT_EQ(icons::pickImage({}, 32, 32), std::nullopt);
}

TEST(PickImage, LargestIsBiggestThenDeepest) {
  Bytes small = dibImage(16, 16, 32), big8 = dibImage(48, 48, 8), big32 = dibImage(48, 48, 32);
  std::vector<base::ByteView> group = {small, big8, big32};
  EXPECT_EQ(icons::pickLargestImage(group), 2u);
}

TEST(ImageInfo, ComesFromTheImagesOwnHeader) {
  EXPECT_EQ(icons::readImageInfo(dibImage(48, 48, 4)), (icons::ImageInfo{48, 48, 4, false}));
  EXPECT_EQ(icons::readImageInfo(fixtures::pngImageHeader(256, 256)), (icons::ImageInfo{256, 256, 32, true}));
  EXPECT_EQ(icons::readImageInfo(fixtures::pngImageHeader(64, 64, 8, 2)), (icons::ImageInfo{64, 64, 24, true}));
  fixtures::DibPixels picture = fixtures::dibPixels(2, 3, 8, std::vector<std::uint32_t>(6));
  picture.palette = {0};
  picture.coreHeader = true;
  Bytes core = fixtures::dibFromPixels(picture);
  EXPECT_EQ(icons::readImageInfo(core), (icons::ImageInfo{2, 3, 8, false}));
}

}  // namespace
