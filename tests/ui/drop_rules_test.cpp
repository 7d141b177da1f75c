#include "ui/drop_rules.h"

#include <gtest/gtest.h>

#include "ui/keyboard.h"
#include "ui/open_file_filter.h"

namespace {

using namespace ui;

TEST(DropEffectFor, FollowsTheKeysAndWhatTheSourceAllows) {
  struct Case {
    bool files, ctrl, shift;
    unsigned allowed, expected;
  };
  const unsigned all = dropCopy | dropMove | dropLink;
  const Case cases[] = {
      {false, false, false, all, dropNone},  // no file list
      {true, true, false, all, dropCopy},    {true, true, false, dropMove, dropNone},
      {true, false, true, all, dropMove},    {true, false, true, dropCopy, dropNone},
      {true, true, true, all, dropNone},     {true, false, false, all, dropCopy},
      {true, false, false, dropMove | dropLink, dropMove},
      {true, false, false, dropLink, dropLink},
      {true, false, false, dropNone, dropNone},
  };
  for (const Case& c : cases)
    EXPECT_EQ(dropEffectFor(c.files, c.ctrl, c.shift, c.allowed), c.expected)
        << c.files << c.ctrl << c.shift << " allowed " << c.allowed;
}

TEST(DroppedPathsText, OnePathAloneSeveralEachEndedByCrLf) {
  EXPECT_EQ(droppedPathsText({"C:\\a.dll"}), "C:\\a.dll");
  EXPECT_EQ(droppedPathsText({"C:\\a.dll", "D:\\图标.ico"}), "C:\\a.dll\r\nD:\\图标.ico\r\n");
}

TEST(OpenFileFilterList, PairsEndedByAnEmptyPair) {
  using namespace std::string_literals;
  EXPECT_EQ(openFileFilterList("可执行文件（*.exe）|*.exe|所有文件（*.*）|*.*"),
            "可执行文件（*.exe）\0*.exe\0所有文件（*.*）\0*.*\0\0"s);
  EXPECT_EQ(openFileFilterList("A|*.a||  "), "A\0*.a\0\0"s);
  EXPECT_EQ(openFileFilterList(" \t"), "");
}

TEST(KeyActionFor, EscAloneClosesTabMovesEnterAndF1DoNothing) {
  struct Case {
    int key;
    bool ctrl, shift, alt;
    KeyAction expected;
  };
  const Case cases[] = {
      {keyEscape, false, false, false, KeyAction::Close},   {keyEscape, false, true, false, KeyAction::PassOn},
      {keyEscape, true, false, false, KeyAction::PassOn},   {keyEscape, false, false, true, KeyAction::PassOn},
      {keyTab, false, false, false, KeyAction::FocusNext},  {keyTab, false, true, false, KeyAction::FocusPrevious},
      {keyEnter, false, false, false, KeyAction::Ignore},   {keyF1, false, false, false, KeyAction::Ignore},
      {'A', false, false, false, KeyAction::PassOn},
  };
  for (const Case& c : cases) EXPECT_EQ(keyActionFor(c.key, c.ctrl, c.shift, c.alt), c.expected) << c.key;
}

}  // namespace
