#include "platform/SaveFileBytes.h"

#include "platform/FileReplaceSink.h"
#include "platform/StreamError.h"

namespace veltrane {

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
