#include "platform/Utf8.h"

namespace veltrane {
namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::size_t utf8Length(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        if (!isContinuation(c))
            ++n;
    return n;
}

std::string utf8Left(std::string_view s, std::size_t n)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!isContinuation((unsigned char)s[i])) {
            if (chars == n)
                return std::string(s.substr(0, i));
            ++chars;
        }
    }
    return std::string(s);
}

std::string padRight(std::string_view s, std::size_t n)
{
    std::string out(s);
    std::size_t len = utf8Length(s);
    if (len < n)
        out.append(n - len, ' ');
    return out;
}

std::string padLeft(std::string_view s, std::size_t n)
{
    std::size_t len = utf8Length(s);
    if (len >= n)
        return std::string(s);
    return std::string(n - len, ' ') + std::string(s);
}

}  // namespace veltrane
