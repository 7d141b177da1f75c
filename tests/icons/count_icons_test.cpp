#include "icons/count_icons.h"

#include <gtest/gtest.h>

#include "fixtures/dib_fixture.h"
#include "fixtures/ico_fixture.h"
#include "fixtures/ne_fixture.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/test_paths.h"

namespace {

using base::Bytes;
using fixtures::ResourceId;

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(CountIconsInFile, CountsIconGroupsOrOneIconFile) {
  fixtures::TempDir dir;
  Bytes image = fixtures::dibImage(16, 16, 4);
  struct Case {
    const char* name;
    Bytes content;
    int expected;
  };
  const Case cases[] = {
      {"three.dll", fixtures::buildIconModule({{ResourceId::number(1), {image}}, {ResourceId::number(2), {image}},
                                               {ResourceId::named(u"X"), {image}}}), 3},
      {"plus.dll", fixtures::buildIconModule({{ResourceId::number(1), {image}}}, {.pe32Plus = true}), 1},
      {"no-groups.dll", fixtures::buildPeModule({{fixtures::kRtIcon, ResourceId::number(1), 0, image}}), 0},
      {"old.icl", fixtures::buildNeIconLibrary({{image}, {image, image}}), 2},
      {"three-images.ico", fixtures::buildIconFile({fixtures::dibImage(16, 16, 4), fixtures::dibImage(32, 32, 8),
                                                    fixtures::dibImage(48, 48, 32)}), 1},
      {"no-images.ico", Bytes{0, 0, 1, 0, 0, 0}, 0},
      {"named-wrongly.txt", fixtures::buildIconModule({{ResourceId::number(1), {image}}}), 1},  // content decides
      {"text.exe", Bytes{'h', 'e', 'l', 'l', 'o'}, 0},
      {"empty.dll", Bytes{}, 0},
  };
  for (const Case& c : cases) {
    fixtures::writeFile(dir.file(c.name), text(c.content));
    EXPECT_EQ(icons::countIconsInFile(dir.file(c.name)), c.expected) << c.name;
  }
  EXPECT_EQ(icons::countIconsInFile(""), 0);
  EXPECT_EQ(icons::countIconsInFile(dir.file("missing.dll")), 0);
  EXPECT_EQ(icons::countIconsInFile(dir.path()), 0) << "a folder";
}

TEST(CountIconsInFile, ReadsNonAsciiPaths) {
  fixtures::TempDir dir;
  std::string path = dir.file("\xE5\x9B\xBE\xE6\xA0\x87.dll");  // 图标.dll
  fixtures::writeFile(path, text(fixtures::buildIconModule({{ResourceId::number(1), {fixtures::dibImage(16, 16, 4)}}})));
  EXPECT_EQ(icons::countIconsInFile(path), 1);
}

}  // namespace
