#include "base/utf.h"

#include <gtest/gtest.h>

namespace {

struct RoundTrip {
  const char* utf8;
  std::u16string utf16;
};

TEST(Utf, ConvertsBothWays) {
  const RoundTrip cases[] = {
      {"", u""},
      {"IDI_SHELL_OPTIONS", u"IDI_SHELL_OPTIONS"},
      {"\xE6\x96\x87\xE4\xBB\xB6\xE5\x90\x8D", u"\u6587\u4EF6\u540D"},  // 文件名
      {"\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},  // needs a surrogate pair
  };
  for (const RoundTrip& c : cases) {
    EXPECT_EQ(base::utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(base::utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
  }
}

TEST(Utf, ReplacesInvalidSequences) {
  EXPECT_EQ(base::utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(base::utf8ToUtf16("\xE6\x96"), u"\uFFFD");         // cut short
  EXPECT_EQ(base::utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");   // overlong
  EXPECT_EQ(base::utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");  // lone surrogate
}

}  // namespace
