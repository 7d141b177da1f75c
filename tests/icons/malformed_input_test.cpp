// Hostile files give the neutral result (no icons, nothing read) - never a
// crash, a hang or a huge allocation. Run under the sanitizers too.

#include <gtest/gtest.h>

#include "fixtures/dib_fixture.h"
#include "fixtures/ico_fixture.h"
#include "fixtures/ne_fixture.h"
#include "fixtures/pe_fixture.h"
#include "icons/icon_file.h"
#include "icons/icon_source.h"

namespace {

using base::Bytes;

// Reads everything a source offers, as the command-line tool would.
void readEverything(const Bytes& file) {
  icons::IconSource source = icons::IconSource::fromBytes(file);
  for (int i = 0; i < source.iconCount(); ++i) {
    (void)source.iconName(i);
    if (auto images = source.iconImages(i)) (void)icons::buildIcoFile(*images);
  }
}

Bytes validPe() { return fixtures::buildIconModule({{fixtures::ResourceId::named(u"APP"), {fixtures::dibImage(16, 16, 4)}}}); }
Bytes validNe() { return fixtures::buildNeIconLibrary({{fixtures::dibImage(16, 16, 4)}}); }
Bytes validIco() { return fixtures::buildIconFile({fixtures::dibImage(16, 16, 4), fixtures::dibImage(32, 32, 8)}); }

TEST(MalformedInput, EveryTruncationIsSafe) {
  for (const Bytes& file : {validPe(), validNe(), validIco()}) {
    for (std::size_t length = 0; length < file.size(); length += 7) readEverything(Bytes(file.begin(), file.begin() + length));
  }
}

std::size_t peResourceOffset(const Bytes& pe) {
  base::ByteReader r(pe);
  std::uint32_t optional = r.u32(0x3C) + 24;
  std::uint32_t section = optional + r.u16(r.u32(0x3C) + 20);
  return r.u32(section + 20);  // raw data of the only section
}

struct Patch {
  const char* what;
  std::size_t offset;               // from the start of the resource tree
  std::vector<std::uint8_t> bytes;  // little-endian
  int count;                        // icons the source still lists
  bool firstReadable;
};

TEST(MalformedInput, PeResourceTreePatchesGiveTheNeutralResult) {
  // The tree of validPe(): root with types 3 and 14 at 0; RT_ICON names at 32 and their
  // languages at 56; RT_GROUP_ICON names at 80 and their languages at 104; data entries
  // of the icon at 128 and of the group at 144; the name "APP" at 160.
  const Patch patches[] = {
      {"root entry count 65535+65535", 12, {0xFF, 0xFF, 0xFF, 0xFF}, 0, false},
      {"group type loops back to the root", 28, {0x00, 0x00, 0x00, 0x80}, 2, false},
      {"group's language level loops back to the root", 100, {0x00, 0x00, 0x00, 0x80}, 1, false},
      {"icon's language entry names a directory", 76, {0x00, 0x00, 0x00, 0x80}, 1, false},
      {"icon data size 0xFFFFFFFF", 128 + 4, {0xFF, 0xFF, 0xFF, 0xFF}, 1, false},
      {"group data RVA past every section", 144, {0x00, 0x00, 0x00, 0x70}, 1, false},
      {"name length 65535: the group stays, nameless", 160, {0xFF, 0xFF}, 1, true},
  };
  Bytes valid = validPe();
  std::size_t tree = peResourceOffset(valid);
  for (const Patch& p : patches) {
    Bytes file = valid;
    std::copy(p.bytes.begin(), p.bytes.end(), file.begin() + tree + p.offset);
    icons::IconSource source = icons::IconSource::fromBytes(file);
    EXPECT_EQ(source.iconCount(), p.count) << p.what;
    if (p.count > 0) {
      EXPECT_EQ(source.iconImages(0).has_value(), p.firstReadable) << p.what;
    }
    readEverything(file);
  }
}

TEST(MalformedInput, GroupCountBeyondItsDataIsNotRead) {
  Bytes group = fixtures::iconGroupData({1});
  group[4] = group[5] = 0xFF;  // 65535 entries in 20 bytes
  Bytes module = fixtures::buildPeModule({
      {fixtures::kRtGroupIcon, fixtures::ResourceId::number(1), 0, group},
      {fixtures::kRtIcon, fixtures::ResourceId::number(1), 0, fixtures::dibImage(16, 16, 4)},
  });
  icons::IconSource source = icons::IconSource::fromBytes(module);
  ASSERT_EQ(source.iconCount(), 1);
  EXPECT_FALSE(source.iconImages(0));
}

TEST(MalformedInput, HeaderFieldsOutOfRange) {
  struct HeaderPatch {
    const char* what;
    Bytes (*make)();
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
  };
  const HeaderPatch patches[] = {
      {"PE offset past the end", validPe, 0x3C, {0xFF, 0xFF, 0xFF, 0x7F}},
      {"PE offset 0xFFFFFFFF", validPe, 0x3C, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"section count 65535", validPe, 0x46, {0xFF, 0xFF}},
      {"optional header size 65535", validPe, 0x54, {0xFF, 0xFF}},
      {"unknown optional header magic", validPe, 0x58, {0x07, 0x01}},
      {"NE resource table past the end", validNe, 0x64, {0xFF, 0xFF}},
      {"NE alignment shift 255", validNe, 0x80, {0xFF, 0x00}},
      {"NE type with 65535 resources", validNe, 0x84, {0xFF, 0xFF}},
      {"icon file count 65535", validIco, 4, {0xFF, 0xFF}},
      {"icon file image size 0xFFFFFFFF", validIco, 14, {0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const HeaderPatch& p : patches) {
    Bytes file = p.make();
    std::copy(p.bytes.begin(), p.bytes.end(), file.begin() + p.offset);
    icons::IconSource source = icons::IconSource::fromBytes(file);
    for (int i = 0; i < source.iconCount(); ++i) EXPECT_FALSE(source.iconImages(i)) << p.what;
    readEverything(file);
  }
}

TEST(MalformedInput, GroupsRepeatingOneImageAreNotAmplified) {
  // 4000 entries naming one 296-byte image would make an icon file far larger than the module.
  Bytes image = fixtures::dibImage(16, 16, 4);
  Bytes module = fixtures::buildPeModule({
      {fixtures::kRtGroupIcon, fixtures::ResourceId::number(1), 0, fixtures::iconGroupData(std::vector<std::uint16_t>(4000, 1))},
      {fixtures::kRtIcon, fixtures::ResourceId::number(1), 0, image},
  });
  icons::IconSource source = icons::IconSource::fromBytes(module);
  ASSERT_EQ(source.iconCount(), 1);
  EXPECT_FALSE(source.iconImages(0));
}

}  // namespace
