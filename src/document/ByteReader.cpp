#include "document/ByteReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/StreamError.h"

namespace veltrane {
namespace {

// Documents stay far below this; a larger file is refused before memory is
// spent on it.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t(1) << 30;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { if (fd_ >= 0) ::close(fd_); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

void ByteReader::read(void* out, std::size_t n)
{
    if (n > remaining())
        throw EStreamError("Read error: the file ends too early (" + std::to_string(n) +
                           " bytes needed at offset " + std::to_string(pos_) + ", " +
                           std::to_string(remaining()) + " left).");
    if (n > 0)
        std::memcpy(out, bytes_.data() + pos_, n);
    pos_ += n;
}

void ByteReader::seek(std::size_t pos)
{
    if (pos > bytes_.size())
        throw EStreamError("Seek beyond the end of the file.");
    pos_ = pos;
}

std::vector<std::uint8_t> readWholeFile(const std::string& path)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw EStreamError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throw EStreamError("Cannot read file \"" + path + "\". " + std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        throw EStreamError("Cannot open file \"" + path + "\". It is not a regular file.");
    if (std::uint64_t(st.st_size) > kMaxFileBytes)
        throw EStreamError("Cannot read file \"" + path + "\". It is too large for a document.");

    std::vector<std::uint8_t> bytes(std::size_t(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EStreamError("Read error in file \"" + path + "\". " + std::strerror(errno));
        if (n == 0)
            break;  // the file shrank while we read it: the rest is missing
        done += std::size_t(n);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace veltrane
