#include "platform/ByteSink.h"

namespace veltrane {

void MemorySink::write(const void* data, std::size_t n)
{
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), p, p + n);
}

}  // namespace veltrane
