#include "platform/DefaultSuffix.h"

#include <sys/stat.h>

namespace veltrane {

std::string withDefaultSuffix(const std::string& path, const std::string& ext)
{
    if (ext.empty() || path.empty() || path.back() == '/')
        return path;
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.find('.', nameStart) != std::string::npos)
        return path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0)
        return path;
    return path + "." + ext;
}

}  // namespace veltrane
