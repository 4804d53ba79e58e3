#pragma once
// Document files hold single-byte Windows-1252 strings; the program works in
// UTF-8. Characters outside the code page are written as '?'.

#include <string>
#include <string_view>

namespace veltrane {

std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);

}  // namespace veltrane
