#include "icons/save_icon_as_ico.h"

#include <gtest/gtest.h>

#include "fixtures/dib_fixture.h"
#include "fixtures/ico_fixture.h"
#include "fixtures/ne_fixture.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/test_paths.h"
#include "icons/icon_file.h"

namespace {

using base::Bytes;
using fixtures::ResourceId;

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string expectedIco(const std::vector<Bytes>& images) {
  std::vector<base::ByteView> views(images.begin(), images.end());
  return text(*icons::buildIcoFile(views));
}

class SaveIconAsIcoFile : public ::testing::Test {
 protected:
  fixtures::TempDir dir;
  Bytes a = fixtures::dibImage(16, 16, 4, 1);
  Bytes b = fixtures::dibImage(32, 32, 8, 2);
  Bytes c = fixtures::dibImage(48, 48, 32, 3);
  Bytes threeGroups = fixtures::buildIconModule(
      {{ResourceId::number(3), {a}}, {ResourceId::named(u"MAIN"), {b, c}}, {ResourceId::number(1), {c}}});

  std::string put(const std::string& name, const Bytes& content) {
    fixtures::writeFile(dir.file(name), text(content));
    return dir.file(name);
  }
};

TEST_F(SaveIconAsIcoFile, WritesTheIconFileOfTheDocumentedLayout) {
  // 16x16 at 4 bits and 32x32 at 8 bits: header 0, 1, 2; entries (16, 16, 16, 0, 1, 4, size, 38)
  // and (32, 32, 0, 0, 1, 8, size, 38 + first size); bytes 20-23 of both images zero.
  std::string source = put("pair.ico", fixtures::buildIconFile({a, b}));
  std::string target = dir.file("1.ico");
  ASSERT_EQ(icons::saveIconAsIcoFile(source, target, 1), 1);
  std::string ico = fixtures::readFileText(target);
  const auto s = static_cast<unsigned char>(a.size()), s1 = static_cast<unsigned char>(a.size() >> 8);
  const auto l = static_cast<unsigned char>(b.size()), l1 = static_cast<unsigned char>(b.size() >> 8);
  const unsigned o = 38 + static_cast<unsigned>(a.size());
  const std::vector<unsigned char> head = {
      0, 0, 1, 0, 2, 0,                                                                  // reserved, type, count
      16, 16, 16, 0, 1, 0, 4, 0, s, s1, 0, 0, 38, 0, 0, 0,                               // entry 0
      32, 32, 0, 0, 1, 0, 8, 0, l, l1, 0, 0, (unsigned char)o, (unsigned char)(o >> 8), 0, 0,  // entry 1
  };
  ASSERT_EQ(ico.size(), 38 + a.size() + b.size());
  EXPECT_EQ(std::vector<unsigned char>(ico.begin(), ico.begin() + 38), head);
  for (std::size_t at : {std::size_t{38}, std::size_t{o}}) EXPECT_EQ(ico.substr(at + 20, 4), std::string(4, '\0'));
  EXPECT_EQ(ico.substr(38 + 24, a.size() - 24), text(a).substr(24));
  EXPECT_EQ(ico.substr(38, 20), text(a).substr(0, 20));
}

TEST_F(SaveIconAsIcoFile, WritesGroupNOfAModuleInDirectoryOrder) {
  std::string source = put("three.dll", threeGroups);
  const std::vector<std::vector<Bytes>> groups = {{b, c}, {c}, {a}};  // MAIN, then 1, then 3
  for (int n = 1; n <= 3; ++n) {
    std::string target = dir.file(std::to_string(n) + ".ico");
    EXPECT_EQ(icons::saveIconAsIcoFile(source, target, n), 3);
    EXPECT_EQ(fixtures::readFileText(target), expectedIco(groups[n - 1])) << n;
  }
}

TEST_F(SaveIconAsIcoFile, TellsTheKindByTheLastThreeCharacters) {
  struct Case {
    const char* name;
    bool module;  // content: a module, else an icon file
    int expected;
    bool written;
  };
  const Case cases[] = {
      {"X.EXE", true, 3, true},   {"Y.Ico", false, 1, true},     {"lib.Dll", true, 3, true},
      {"set.icl", true, 3, true}, {"plainexe", true, 3, true},   // no dot is looked for
      {"panel.cpl", true, 0, false}, {"ocx.ocx", true, 0, false}, {"ex", true, 0, false},
      {"module.ico", true, 1, false},  // an icon file that does not read: counts 1, nothing written
      {"icons.dll", false, 0, false},  // not a module: cannot be opened
  };
  for (const Case& c : cases) {
    std::string source = put(c.name, c.module ? threeGroups : fixtures::buildIconFile({a}));
    std::string target = dir.file(std::string("out-") + c.name + ".ico");
    EXPECT_EQ(icons::saveIconAsIcoFile(source, target, 1), c.expected) << c.name;
    EXPECT_EQ(fixtures::fileExists(target), c.written) << c.name;
  }
}

TEST_F(SaveIconAsIcoFile, WritesNothingOutsideItsRules) {
  std::string module = put("three.dll", threeGroups);
  std::string iconFile = put("one.ico", fixtures::buildIconFile({a}));
  struct Case {
    const char* what;
    std::string source, target;
    int number, expected;
  };
  const Case cases[] = {
      {"icon number beyond the count", module, dir.file("t1.ico"), 4, 0},
      {"icon number 0", module, dir.file("t2.ico"), 0, 0},
      {"second icon of an icon file", iconFile, dir.file("t3.ico"), 2, 0},
      {"target folder missing", module, dir.file("no-such-folder/1.ico"), 1, 3},
      {"target not ending in ico", module, dir.file("t4.bmp"), 1, 3},
      {"source missing", dir.file("gone.dll"), dir.file("t5.ico"), 1, 0},
      {"16-bit module", put("old.icl", fixtures::buildNeIconLibrary({{a}})), dir.file("t6.ico"), 1, 0},
      {"module without icon groups", put("bare.dll", fixtures::buildPeModule({})), dir.file("t7.ico"), 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(icons::saveIconAsIcoFile(c.source, c.target, c.number), c.expected) << c.what;
    EXPECT_FALSE(fixtures::fileExists(c.target)) << c.what;
  }
}

TEST_F(SaveIconAsIcoFile, ReplacesAnExistingFile) {
  std::string source = put("one.ico", fixtures::buildIconFile({a}));
  std::string target = dir.file("1.ico");
  fixtures::writeFile(target, std::string(10000, 'x'));
  EXPECT_EQ(icons::saveIconAsIcoFile(source, target, 1), 1);
  EXPECT_EQ(fixtures::readFileText(target), expectedIco({a}));
}

TEST_F(SaveIconAsIcoFile, KeepsPngImagesWhole) {
  Bytes png = fixtures::pngImageHeader(256, 256);
  std::string source = put("modern.dll", fixtures::buildIconModule({{ResourceId::number(1), {a, png}}}));
  std::string target = dir.file("1.ico");
  ASSERT_EQ(icons::saveIconAsIcoFile(source, target, 1), 1);
  std::string ico = fixtures::readFileText(target);
  EXPECT_EQ(ico.substr(ico.size() - png.size()), text(png));
  // second entry: width 0 and height 0 (256), no colour count, 1 plane, 32 bits
  EXPECT_EQ(ico.substr(6 + 16, 8), std::string("\0\0\0\0\x01\0\x20\0", 8));
}

}  // namespace
