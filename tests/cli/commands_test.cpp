#include "cli/commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fixtures/dib_fixture.h"
#include "fixtures/ne_fixture.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/test_paths.h"
#include "icons/add_icon_from_file.h"
#include "icons/png_codec.h"
#include "icons/render_image_as_bmp.h"
#include "icons/save_icon_as_ico.h"

namespace {

using base::Bytes;
using fixtures::ResourceId;

struct Result {
  int code;
  std::string out, err;
};

Result run(std::vector<std::string> args) {
  std::ostringstream out, err;
  int code = cli::run(args, out, err);
  return {code, out.str(), err.str()};
}

class Cli : public ::testing::Test {
 protected:
  fixtures::TempDir dir;
  std::string put(const std::string& name, const Bytes& content) {
    fixtures::writeFile(dir.file(name), std::string(content.begin(), content.end()));
    return dir.file(name);
  }
  std::string module() {
    Bytes a = fixtures::dibImage(16, 16, 4), b = fixtures::dibImage(32, 32, 8);
    return put("two.dll", fixtures::buildIconModule({{ResourceId::number(1), {a}}, {ResourceId::named(u"B"), {a, b}}}));
  }
};

TEST_F(Cli, CountPrintsTheNumberOfIcons) {
  Result r = run({"count", module()});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "2\n");
}

TEST_F(Cli, IcoWritesTheSameFilesAsTheWorkFolderWriter) {
  std::string source = module();
  std::string out = dir.file("out/nested");  // created if missing
  Result r = run({"ico", source, out});
  ASSERT_EQ(r.code, 0) << r.err;
  for (int n = 1; n <= 2; ++n) {
    std::string reference = dir.file("ref-" + std::to_string(n) + ".ico");
    icons::saveIconAsIcoFile(source, reference, n);
    EXPECT_EQ(fixtures::readFileText(out + "/" + std::to_string(n) + ".ico"), fixtures::readFileText(reference)) << n;
  }
}

TEST_F(Cli, ErrorsAndExitCodes) {
  std::string text = put("notes.txt", Bytes{'h', 'i'});
  std::string old = put("old.icl", fixtures::buildNeIconLibrary({{fixtures::dibImage(16, 16, 4)}}));
  std::string bare = put("bare.dll", fixtures::buildPeModule({}));
  struct Case {
    std::vector<std::string> args;
    int code;
    const char* says;  // on stderr
  };
  const Case cases[] = {
      {{}, 2, "no command"},
      {{"frobnicate", text}, 2, "unknown command"},
      {{"count"}, 2, "count takes one FILE"},
      {{"ico", text}, 2, "ico takes FILE and DIR"},
      {{"count", dir.file("missing.dll")}, 1, "no icons"},
      {{"ico", text, dir.file("o1")}, 1, "neither a module nor an icon file"},
      {{"ico", dir.file("missing.dll"), dir.file("o2")}, 1, "cannot be read"},
      {{"ico", bare, dir.file("o3")}, 1, "holds no icons"},
      {{"ico", old, dir.file("o4")}, 1, "16-bit"},
      {{"list"}, 2, "list takes one FILE"},
      {{"list", text}, 1, "neither a module nor an icon file"},
      {{"list", bare}, 1, "holds no icons"},
      {{"bmp", text}, 2, "bmp takes FILE and DIR"},
      {{"bmp", text, dir.file("o5")}, 1, "neither a module nor an icon file"},
      {{"bmp", dir.file("missing.dll"), dir.file("o6")}, 1, "cannot be read"},
      {{"png", text}, 2, "png takes FILE and DIR"},
      {{"png", text, dir.file("o7"), "--size"}, 2, "png takes FILE and DIR"},
      {{"png", text, dir.file("o7"), "--size", "0"}, 2, "--size takes a whole number"},
      {{"png", text, dir.file("o7"), "--size", "x"}, 2, "--size takes a whole number"},
      {{"png", text, dir.file("o7"), "--size", "32"}, 1, "neither a module nor an icon file"},
  };
  for (const Case& c : cases) {
    Result r = run(c.args);
    EXPECT_EQ(r.code, c.code) << c.says;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
}

TEST_F(Cli, ListShowsNamesAndImagesAsTheyAre) {
  Bytes png = fixtures::pngImageHeader(256, 256);
  std::string source = put("list.dll", fixtures::buildIconModule({{ResourceId::named(u"IDI_APP"),
                                                                   {fixtures::dibImage(16, 16, 4), png}},
                                                                  {ResourceId::number(7), {fixtures::dibImage(48, 48, 32)}}}));
  Result r = run({"list", source});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "1 IDI_APP 16x16/4 256x256/32(png)\n2 7 48x48/32\n");
  r = run({"list", module()});
  EXPECT_EQ(r.out, "1 B 16x16/4 32x32/8\n2 1 16x16/4\n") << "named groups come first";
  std::string old = put("old.icl", fixtures::buildNeIconLibrary({{fixtures::dibImage(32, 32, 1)}}));
  EXPECT_EQ(run({"list", old}).out, "1 1 32x32/1\n");
}

TEST_F(Cli, BmpWritesThePicturesTheProgramExports) {
  std::string source = module();
  Result r = run({"bmp", source, dir.file("bmp")});
  ASSERT_EQ(r.code, 0) << r.err;
  icons::IconImageList list = icons::createIconImageList(32, 32);
  for (int n = 1; n <= 2; ++n) {
    ASSERT_EQ(icons::addIconFromFile(list, source, n - 1), n - 1);
    Bytes expected = icons::renderImageAsBmp(list, n - 1);
    EXPECT_EQ(fixtures::readFileText(dir.file("bmp/" + std::to_string(n) + ".bmp")),
              std::string(expected.begin(), expected.end())) << n;
  }
}

TEST_F(Cli, BmpSkipsAnIconThatCannotBeDrawnAndSaysSo) {
  Bytes rle = fixtures::dibImage(32, 32, 8);
  rle[16] = 1;  // biCompression BI_RLE8: not drawn
  std::string source = put("mixed.dll", fixtures::buildIconModule({{ResourceId::number(1), {rle}},
                                                                   {ResourceId::number(2), {fixtures::dibImage(32, 32, 8)}}}));
  Result r = run({"bmp", source, dir.file("mixed")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("icon 1 cannot be drawn"), std::string::npos) << r.err;
  EXPECT_FALSE(fixtures::fileExists(dir.file("mixed/1.bmp")));
  EXPECT_EQ(fixtures::readFileText(dir.file("mixed/2.bmp")).size(), 3126u);
}

TEST_F(Cli, PngWritesTheImageOfTheAskedSizeWithItsAlpha) {
  std::string source = module();
  struct Case {
    std::vector<std::string> extra;
    int firstIconSide;  // icon 1, the named one, holds 16x16 and 32x32
  };
  const Case cases[] = {{{}, 32}, {{"--size", "16"}, 16}, {{"--size", "20"}, 16}, {{"--size", "256"}, 32}};
  for (const Case& c : cases) {
    fixtures::TempDir out;
    std::vector<std::string> args = {"png", source, out.path()};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    Result r = run(args);
    ASSERT_EQ(r.code, 0) << r.err;
    std::string file = fixtures::readFileText(out.file("1.png"));
    auto decoded = icons::decodePng(Bytes(file.begin(), file.end()));
    ASSERT_TRUE(decoded) << c.firstIconSide;
    EXPECT_EQ(decoded->width, c.firstIconSide);
    EXPECT_TRUE(fixtures::fileExists(out.file("2.png")));
  }
  // The bitmap's AND mask becomes alpha: its transparent pixels are clear in the PNG.
  fixtures::DibPixels picture = fixtures::dibPixels(2, 1, 24, {0x112233, 0x445566});
  picture.mask = {0, 1};
  Bytes masked = fixtures::dibFromPixels(picture);
  fixtures::TempDir out;
  ASSERT_EQ(run({"png", put("masked.ico", fixtures::buildIconModule({{ResourceId::number(1), {masked}}})), out.path()}).code, 0);
  std::string file = fixtures::readFileText(out.file("1.png"));
  auto decoded = icons::decodePng(Bytes(file.begin(), file.end()));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->argb, (std::vector<std::uint32_t>{0xFF112233, 0x00445566}));
}

TEST_F(Cli, HelpGoesToStandardOutput) {
  Result r = run({"--help"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("Usage: iconextract"), std::string::npos);
}

}  // namespace
