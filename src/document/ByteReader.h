#pragma once
// Bounds-checked reading of a document held in memory. A read past the end
// raises EStreamError: a file that ends early is damaged, never half-loaded.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veltrane {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Copies n bytes to out, or raises when fewer remain.
    void read(void* out, std::size_t n);
    void seek(std::size_t pos);
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    std::size_t size() const { return bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// The whole content of a regular file; raises EStreamError with the
// system's reason when it cannot be opened or read.
std::vector<std::uint8_t> readWholeFile(const std::string& path);

}  // namespace veltrane
