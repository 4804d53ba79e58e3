#include "platform/FileReplaceSink.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/StreamError.h"

namespace veltrane {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

// A link is replaced at the file it points to, so that saving through a
// link does not turn it into a file of its own.
std::string resolvedTarget(const std::string& target)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        std::filesystem::path p = std::filesystem::canonical(target, ec);
        if (!ec)
            return p.string();
    }
    return target;
}

std::string folderOf(const std::string& path)
{
    std::filesystem::path p(path);
    std::filesystem::path parent = p.parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

FileReplaceSink::FileReplaceSink(const std::string& target) : target_(resolvedTarget(target))
{
    struct stat st {};
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        openInPlace(target);
        return;
    }
    // Renaming would get past a write-protected file; it stays protected.
    if (::access(target_.c_str(), F_OK) == 0 &&
        ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0)
        throw EStreamError("Cannot create file \"" + target + "\". " + std::strerror(errno));
    std::random_device rd;
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tempPath_ = target_ + ".~" + std::to_string(rd() % 1000000u) + ".tmp";
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        const int err = errno;
        tempPath_.clear();
        throw EStreamError("Cannot create file \"" + target + "\". " + std::strerror(err));
    }
    // The replaced file keeps its permissions; a new file gets the usual ones.
    if (exists)
        (void)::fchmod(fd_, st.st_mode & 07777);
    buffer_.reserve(kBufferBytes);
}

void FileReplaceSink::openInPlace(const std::string& target)
{
    // A device or a pipe is not a file that a rename may replace: renaming
    // over /dev/full would put a plain file in its place. It takes the bytes
    // itself. Not blocking on the open keeps a pipe without a reader from
    // hanging the program; the writes then block as usual.
    fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        throw EStreamError("Cannot create file \"" + target + "\". " + std::strerror(errno));
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags >= 0)
        (void)::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    inPlace_ = true;
    buffer_.reserve(kBufferBytes);
}

FileReplaceSink::~FileReplaceSink()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_ && !tempPath_.empty())
        ::unlink(tempPath_.c_str());
}

void FileReplaceSink::fail(const std::string& what, int err) const
{
    throw EStreamError(what + " \"" + target_ + "\". " + std::strerror(err));
}

void FileReplaceSink::write(const void* data, std::size_t n)
{
    if (fd_ < 0)
        throw EStreamError("Write error: the file \"" + target_ + "\" is already closed.");
    const auto* p = static_cast<const unsigned char*>(data);
    if (buffer_.size() + n > kBufferBytes)
        flushBuffer();
    if (n >= kBufferBytes) {
        buffer_.assign(p, p + n);
        flushBuffer();
    } else {
        buffer_.insert(buffer_.end(), p, p + n);
    }
}

void FileReplaceSink::flushBuffer()
{
    std::size_t done = 0;
    while (done < buffer_.size()) {
        ssize_t w = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (w < 0 && errno == EINTR)
            continue;
        if (w < 0)
            fail("Write error in file", errno);
        if (w == 0)
            fail("Write error in file", EIO);
        done += std::size_t(w);
    }
    buffer_.clear();
}

void FileReplaceSink::finish()
{
    flushBuffer();
    // A device or a pipe need not support fsync; what it took it has.
    if (::fsync(fd_) != 0 && !(inPlace_ && (errno == EINVAL || errno == EROFS || errno == ENOTSUP)))
        fail("Cannot write file", errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        fail("Cannot close file", errno);
    if (inPlace_) {
        committed_ = true;
        return;
    }
    if (::rename(tempPath_.c_str(), target_.c_str()) != 0)
        fail("Cannot replace file", errno);
    committed_ = true;
    // The new name should survive a crash too; a folder that cannot be
    // synced does not undo the save.
    int dir = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

}  // namespace veltrane
