#pragma once
// The one UTF-8 <-> UTF-16 pair. Texts are UTF-8 inside the program; UTF-16
// appears only in resource names and at the Windows API boundary.
// Invalid sequences become U+FFFD.

#include <string>
#include <string_view>

namespace base {

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

}  // namespace base
