#pragma once
// UTF-8 <-> wchar_t text at the Windows API boundary (wchar_t is UTF-16 there).

#include <string>
#include <string_view>

#include "base/utf.h"

namespace base {

inline std::wstring toWide(std::string_view utf8) {
  std::u16string s = utf8ToUtf16(utf8);
  return std::wstring(s.begin(), s.end());
}

inline std::string fromWide(std::wstring_view wide) {
  return utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace base
