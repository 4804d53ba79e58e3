#pragma once
// Strings are UTF-8 inside the program; padding and truncation count
// characters so that "Theta/[°]" lines up with "Thickness".

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrane {

std::size_t utf8Length(std::string_view s);
// The first n characters of s.
std::string utf8Left(std::string_view s, std::size_t n);
// s padded with blanks on the right (or left) to n characters; longer
// strings are returned unchanged.
std::string padRight(std::string_view s, std::size_t n);
std::string padLeft(std::string_view s, std::size_t n);

}  // namespace veltrane
