#include "document/TextFile.h"

#include "document/FileReplaceSink.h"
#include "document/StreamError.h"

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

std::optional<std::string> saveFileBytes(const std::string& path, std::string_view bytes)
{
    try {
        FileReplaceSink file(path);
        file.write(bytes.data(), bytes.size());
        file.finish();
    } catch (const EStreamError& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

}  // namespace veltrane
