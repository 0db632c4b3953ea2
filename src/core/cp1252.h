#pragma once
// The game's texts are single bytes of the Windows-1252 code page (names on
// the wire, the tutorial's ’); drawing and Qt want UTF-8.

#include <string>
#include <string_view>

namespace kf {

std::string cp1252ToUtf8(std::string_view bytes);
// Characters outside the code page become '?'.
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace kf
