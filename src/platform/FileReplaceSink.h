#pragma once
// Replaces a file without ever leaving it half written: the bytes go to a
// temporary file in the same folder, which finish() flushes to disk, gives
// the target's permissions and renames over the target. Until then the
// target is untouched; a sink destroyed before finish() removes its
// temporary file. A target that exists and is not a regular file (a
// device, a pipe) is written in place instead, every write checked.

#include <string>
#include <vector>

#include "platform/ByteSink.h"

namespace veltrane {

class FileReplaceSink : public ByteSink {
public:
    // Creates the temporary file; raises EStreamError when it cannot.
    explicit FileReplaceSink(const std::string& target);
    ~FileReplaceSink() override;
    FileReplaceSink(const FileReplaceSink&) = delete;
    FileReplaceSink& operator=(const FileReplaceSink&) = delete;

    void write(const void* data, std::size_t n) override;
    void finish() override;

    const std::string& temporaryPath() const { return tempPath_; }

private:
    void openInPlace(const std::string& target);
    void flushBuffer();
    [[noreturn]] void fail(const std::string& what, int err) const;

    std::string target_;
    std::string tempPath_;
    int fd_ = -1;
    bool committed_ = false;
    bool inPlace_ = false;
    std::vector<unsigned char> buffer_;
};

}  // namespace veltrane
