#include "icons/module_icons.h"

#include <gtest/gtest.h>

#include "fixtures/dib_fixture.h"
#include "fixtures/ne_fixture.h"
#include "fixtures/pe_fixture.h"

namespace {

using base::Bytes;
using fixtures::ResourceId;

std::vector<std::string> groupNames(const icons::ModuleIcons& module) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < module.groupCount(); ++i) names.push_back(module.groupName(i).display());
  return names;
}

Bytes imageBytes(const icons::ModuleIcons& module, std::size_t group, std::size_t image) {
  auto images = module.groupImages(group);
  if (!images || image >= images->size()) return {};
  return Bytes((*images)[image].begin(), (*images)[image].end());
}

class PeIcons : public ::testing::TestWithParam<fixtures::PeOptions> {};

TEST_P(PeIcons, ListsGroupsNamedFirstThenByNumber) {
  Bytes a = fixtures::dibImage(16, 16, 4, 1), b = fixtures::dibImage(32, 32, 8, 2), c = fixtures::dibImage(32, 32, 32, 3);
  Bytes module = fixtures::buildIconModule(
      {{ResourceId::number(7), {a}}, {ResourceId::named(u"ZETA"), {b}}, {ResourceId::number(2), {c}},
       {ResourceId::named(u"ALPHA"), {a, b}}},
      GetParam());
  auto icons = icons::readModuleIcons(module);
  ASSERT_TRUE(icons);
  EXPECT_EQ(icons->kind(), icons::ModuleKind::Pe);
  EXPECT_EQ(groupNames(*icons), (std::vector<std::string>{"ALPHA", "ZETA", "2", "7"}));
  EXPECT_EQ(imageBytes(*icons, 0, 0), a);
  EXPECT_EQ(imageBytes(*icons, 0, 1), b);
  EXPECT_EQ(imageBytes(*icons, 1, 0), b);
  EXPECT_EQ(imageBytes(*icons, 2, 0), c);
  EXPECT_EQ(imageBytes(*icons, 3, 0), a);
}

INSTANTIATE_TEST_SUITE_P(Layouts, PeIcons,
                         ::testing::Values(fixtures::PeOptions{},
                                           fixtures::PeOptions{.pe32Plus = true},
                                           // found through the data directory, not by section name
                                           fixtures::PeOptions{.resourceSectionName = ".icons", .decoyRsrcSection = true},
                                           // data RVAs mapped through another section
                                           fixtures::PeOptions{.pe32Plus = true, .dataInOwnSection = true}));

TEST(PeIconLanguages, NeutralGroupFirstThenFirstListedAndImagesInTheGroupsLanguage) {
  Bytes german = fixtures::dibImage(16, 16, 4, 10), english = fixtures::dibImage(16, 16, 4, 20),
        neutral = fixtures::dibImage(16, 16, 4, 30);
  using fixtures::kRtGroupIcon;
  using fixtures::kRtIcon;
  Bytes module = fixtures::buildPeModule({
      // group 1 exists in German, English and neutral: neutral is read, and its image 1 is the neutral one
      {kRtGroupIcon, ResourceId::number(1), 0x407, fixtures::iconGroupData({1})},
      {kRtGroupIcon, ResourceId::number(1), 0x409, fixtures::iconGroupData({1})},
      {kRtGroupIcon, ResourceId::number(1), 0, fixtures::iconGroupData({1})},
      // group 2 exists in German and English only: German comes first; image 2 has no German variant
      {kRtGroupIcon, ResourceId::number(2), 0x409, fixtures::iconGroupData({1, 2})},
      {kRtGroupIcon, ResourceId::number(2), 0x407, fixtures::iconGroupData({1, 2})},
      {kRtIcon, ResourceId::number(1), 0x407, german},
      {kRtIcon, ResourceId::number(1), 0x409, english},
      {kRtIcon, ResourceId::number(1), 0, neutral},
      {kRtIcon, ResourceId::number(2), 0x409, english},
  });
  auto icons = icons::readModuleIcons(module);
  ASSERT_TRUE(icons);
  ASSERT_EQ(icons->groupCount(), 2u);
  EXPECT_EQ(imageBytes(*icons, 0, 0), neutral);
  EXPECT_EQ(imageBytes(*icons, 1, 0), german);
  EXPECT_EQ(imageBytes(*icons, 1, 1), english) << "no German or neutral variant: any language";
}

TEST(PeIconGroups, AGroupNamingAMissingImageIsNotRead) {
  using fixtures::kRtGroupIcon;
  using fixtures::kRtIcon;
  Bytes image = fixtures::dibImage(16, 16, 4);
  Bytes module = fixtures::buildPeModule({
      {kRtGroupIcon, ResourceId::number(1), 0, fixtures::iconGroupData({1, 99})},
      {kRtGroupIcon, ResourceId::number(2), 0, fixtures::iconGroupData({1})},
      {kRtIcon, ResourceId::number(1), 0, image},
  });
  auto icons = icons::readModuleIcons(module);
  ASSERT_TRUE(icons);
  EXPECT_EQ(icons->groupCount(), 2u) << "still counted";
  EXPECT_FALSE(icons->groupImages(0));
  EXPECT_EQ(imageBytes(*icons, 1, 0), image);
}

TEST(PeIconGroups, ImageSizeComesFromTheDataEntryNotTheGroup) {
  Bytes image = fixtures::dibImage(32, 32, 8);
  // The builder writes bytesInRes as 0xDEAD, far from the real size.
  Bytes module = fixtures::buildIconModule({{ResourceId::number(1), {image}}});
  auto icons = icons::readModuleIcons(module);
  ASSERT_TRUE(icons);
  EXPECT_EQ(imageBytes(*icons, 0, 0).size(), image.size());
}

TEST(NeIcons, ListsGroupsInTableOrderWithTheirImages) {
  Bytes a = fixtures::dibImage(32, 32, 4, 5), b = fixtures::dibImage(16, 16, 1, 6), c = fixtures::dibImage(32, 32, 8, 7);
  Bytes module = fixtures::buildNeIconLibrary({{a, b}, {c}});
  auto icons = icons::readModuleIcons(module);
  ASSERT_TRUE(icons);
  EXPECT_EQ(icons->kind(), icons::ModuleKind::Ne);
  EXPECT_EQ(groupNames(*icons), (std::vector<std::string>{"1", "2"}));
  // Lengths are kept in alignment units: an image may carry padding after its bytes.
  for (auto [group, index, expected] : {std::tuple{0, 0, &a}, {0, 1, &b}, {1, 0, &c}}) {
    Bytes got = imageBytes(*icons, group, index);
    ASSERT_GE(got.size(), expected->size());
    EXPECT_EQ(Bytes(got.begin(), got.begin() + expected->size()), *expected);
  }
}

TEST(NeIcons, NamedGroupsKeepTheirNames) {
  Bytes image = fixtures::dibImage(16, 16, 4);
  Bytes module = fixtures::buildNeModule({
      {0x8003, 0x8001, {}, image},
      {0x800E, 0, "APPICON", fixtures::iconGroupData({1})},
      {0x800E, 0x8005, {}, fixtures::iconGroupData({1})},
  });
  auto icons = icons::readModuleIcons(module);
  ASSERT_TRUE(icons);
  EXPECT_EQ(groupNames(*icons), (std::vector<std::string>{"APPICON", "5"}));
  EXPECT_TRUE(icons->groupImages(0));
}

}  // namespace
