#pragma once
// Where the bytes of a file go (a document, a text output, an image). Every
// write is checked: a sink raises EStreamError when it cannot take the
// bytes, and finish() raises when the written whole cannot be made durable.
// Nothing counts as saved before finish() has returned.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace veltrane {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const void* data, std::size_t n) = 0;
    virtual void finish() = 0;
};

// Collects the bytes in memory (tests, the fuzz target's round trip).
class MemorySink : public ByteSink {
public:
    void write(const void* data, std::size_t n) override;
    void finish() override { finished = true; }

    std::vector<std::uint8_t> bytes;
    bool finished = false;
};

}  // namespace veltrane
