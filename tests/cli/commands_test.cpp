#include "cli/commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fixtures/dib_fixture.h"
#include "fixtures/ne_fixture.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/test_paths.h"
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
  };
  for (const Case& c : cases) {
    Result r = run(c.args);
    EXPECT_EQ(r.code, c.code) << c.says;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
}

TEST_F(Cli, HelpGoesToStandardOutput) {
  Result r = run({"--help"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("Usage: iconextract"), std::string::npos);
}

}  // namespace
