#include "document/TextFile.h"

#include "platform/SaveFileBytes.h"

namespace veltrane {

std::string joinLines(const std::vector<std::string>& lines)
{
    std::size_t size = 0;
    for (const std::string& l : lines)
        size += l.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& l : lines) {
        text += l;
        text += '\n';
    }
    return text;
}

std::optional<std::string> saveTextFile(const std::string& path, const std::string& text)
{
    return saveFileBytes(path, text);
}

}  // namespace veltrane
