// Wine's own modules are real-world inputs nobody here wrote.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "fixtures/test_paths.h"
#include "icons/count_icons.h"
#include "icons/icon_file.h"
#include "icons/icon_source.h"
#include "icons/save_icon_as_ico.h"

namespace {

using base::Bytes;

class WineShell32 : public ::testing::TestWithParam<const char*> {
 protected:
  std::string shell32() const { return fixtures::wineModule(GetParam(), "shell32.dll"); }
};

TEST_P(WineShell32, Holds184IconGroupsNamedOneFirst) {
  REQUIRE_WINE_MODULE(shell32());
  EXPECT_EQ(icons::countIconsInFile(shell32()), 184);
  icons::IconSource source = icons::IconSource::open(shell32());
  EXPECT_EQ(source.kind(), icons::SourceKind::PeModule);
  EXPECT_EQ(source.iconName(0), "IDI_SHELL_OPTIONS");
  for (int i = 0; i < source.iconCount(); ++i) EXPECT_TRUE(source.iconImages(i)) << "group " << i + 1;
}

TEST_P(WineShell32, WritesEveryGroupAsAReadableIconFile) {
  REQUIRE_WINE_MODULE(shell32());
  fixtures::TempDir dir;
  icons::IconSource source = icons::IconSource::open(shell32());
  for (int n = 1; n <= source.iconCount(); ++n) {
    std::string target = dir.file(std::to_string(n) + ".ico");
    ASSERT_EQ(icons::saveIconAsIcoFile(shell32(), target, n), 184);
    std::string written = fixtures::readFileText(target);
    auto images = icons::readIconFile(base::ByteView(reinterpret_cast<const std::uint8_t*>(written.data()), written.size()));
    ASSERT_TRUE(images) << n;
    EXPECT_EQ(images->size(), source.iconImages(n - 1)->size()) << n;
  }
}

INSTANTIATE_TEST_SUITE_P(Both, WineShell32, ::testing::Values("i386", "x86_64"));

#ifndef _WIN32
// The images we write equal, byte for byte, those that icoutils' wrestool
// extracts, but for the zeroed size field of bitmap headers. Compared through
// each file's own directory: wrestool may leave stray bytes after the last image.
std::vector<Bytes> imagesOf(const std::string& icoPath) {
  std::string bytes = fixtures::readFileText(icoPath);
  base::ByteView view(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  std::vector<Bytes> out;
  if (auto images = icons::readIconFile(view))
    for (base::ByteView image : *images) out.emplace_back(image.begin(), image.end());
  return out;
}

std::string wrestoolPath() {
  const char* path = std::getenv("WRESTOOL");
  return path ? path : "";
}

#define REQUIRE_TOOL(path)                                                              \
  do {                                                                                  \
    if (path.empty()) {                                                                 \
      if (fixtures::wineModulesRequired()) FAIL() << "wrestool (icoutils) is missing"; \
      GTEST_SKIP() << "wrestool (icoutils) is not installed";                          \
    }                                                                                   \
  } while (0)

bool isInfoHeaderBitmap(const Bytes& image) { return image.size() >= 40 && image[0] == 40 && image[1] == 0; }

std::map<std::string, std::string> wrestoolFilesByName(const std::string& dir, const std::string& module) {
  std::map<std::string, std::string> byName;
  std::regex pattern(std::regex_replace(module, std::regex("\\."), "\\.") + "_14_(.+)_[0-9]+\\.ico");
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::smatch match;
    std::string file = entry.path().filename().string();
    if (std::regex_match(file, match, pattern)) byName[match[1]] = entry.path().string();
  }
  return byName;
}

TEST_P(WineShell32, MatchesWrestoolImageForImage) {
  REQUIRE_WINE_MODULE(shell32());
  const std::string wrestool = wrestoolPath();
  REQUIRE_TOOL(wrestool);
  fixtures::TempDir ours, theirs;
  std::string command = wrestool + " -x --type=14 -o '" + theirs.path() + "' '" + shell32() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  auto theirFiles = wrestoolFilesByName(theirs.path(), "shell32.dll");
  ASSERT_EQ(theirFiles.size(), 184u);

  icons::IconSource source = icons::IconSource::open(shell32());
  for (int n = 1; n <= source.iconCount(); ++n) {
    std::string name = source.iconName(n - 1);
    ASSERT_TRUE(theirFiles.count(name)) << name;
    std::string target = ours.file(std::to_string(n) + ".ico");
    icons::saveIconAsIcoFile(shell32(), target, n);
    std::vector<Bytes> mine = imagesOf(target), reference = imagesOf(theirFiles[name]);
    ASSERT_EQ(mine.size(), reference.size()) << name;
    for (std::size_t i = 0; i < mine.size(); ++i) {
      if (isInfoHeaderBitmap(reference[i])) std::fill(reference[i].begin() + 20, reference[i].begin() + 24, 0);
      EXPECT_EQ(mine[i], reference[i]) << name << " image " << i;
    }
  }
}

// Every module of Wine's that holds icons: the same groups in the same order
// as wrestool lists them (a group in several languages is listed once per language).
std::vector<std::string> wrestoolGroupNames(const std::string& wrestool, const std::string& module) {
  std::vector<std::string> names;
  std::string command = wrestool + " -l --type=14 '" + module + "' 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return names;
  char line[4096];
  std::regex pattern("--type=14 --name=('?)(.*)\\1 --language=[0-9]+ .*\\n?");  // names come quoted
  while (std::fgets(line, sizeof line, pipe)) {
    std::cmatch match;
    if (std::regex_match(line, match, pattern) && (names.empty() || names.back() != match[2].str()))
      names.push_back(match[2].str());
  }
  pclose(pipe);
  return names;
}

TEST_P(WineShell32, EveryModuleListsTheGroupsWrestoolLists) {
  REQUIRE_WINE_MODULE(shell32());
  const std::string wrestool = wrestoolPath();
  REQUIRE_TOOL(wrestool);
  int modulesWithIcons = 0;
  for (const auto& entry : std::filesystem::directory_iterator(fixtures::wineModuleDir(GetParam()))) {
    std::string module = entry.path().string();
    std::vector<std::string> expected = wrestoolGroupNames(wrestool, module);
    icons::IconSource source = icons::IconSource::open(module);
    std::vector<std::string> names;
    for (int i = 0; i < source.iconCount(); ++i) names.push_back(source.iconName(i));
    EXPECT_EQ(names, expected) << module;
    EXPECT_EQ(icons::countIconsInFile(module), static_cast<int>(expected.size())) << module;
    if (!expected.empty()) ++modulesWithIcons;
  }
  EXPECT_GT(modulesWithIcons, 10);
}
#endif

}  // namespace
