#pragma once
// Writes that fail as on a full disk, for the tests of every output that
// writes a file.
//
// DeviceNode: /dev/full, a character device that refuses every write with
// ENOSPC, or /dev/null, which takes every write. Root gets its own node in a
// fresh folder, so that a writer that wrongly replaced its target could only
// hurt that node, never the system's; others use the system's, which they
// cannot replace.
//
// FileSizeLimit: a regular file can take no more than the given number of
// bytes for the scope (writes beyond fail with EFBIG), which fails a write
// to a regular file even for root.

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace veltrane::test {

class DeviceNode {
public:
    enum Kind { Full, Null };
    explicit DeviceNode(Kind kind = Full)
    {
        const std::string name = kind == Full ? "full" : "null";
        std::string pattern = (std::filesystem::temp_directory_path() / "veltrane-dev-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            folder_ = pattern;
        const std::string node = folder_.empty() ? std::string() : (folder_ / name).string();
        const dev_t dev = makedev(1, kind == Full ? 7 : 3);
        path_ = !node.empty() && ::mknod(node.c_str(), S_IFCHR | 0666, dev) == 0 ? node : "/dev/" + name;
    }
    ~DeviceNode()
    {
        std::error_code ec;
        if (!folder_.empty())
            std::filesystem::remove_all(folder_, ec);
    }
    DeviceNode(const DeviceNode&) = delete;
    DeviceNode& operator=(const DeviceNode&) = delete;

    const std::string& path() const { return path_; }
    // Still the device, and nothing else written beside it.
    bool intact() const
    {
        struct stat st {};
        if (::stat(path_.c_str(), &st) != 0 || !S_ISCHR(st.st_mode))
            return false;
        if (path_.rfind("/dev/", 0) == 0)
            return true;
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder_))
            ++n;
        return n == 1;
    }

private:
    std::filesystem::path folder_;
    std::string path_;
};

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_ {};
    void (*oldSignal_)(int) = SIG_DFL;
};

}  // namespace veltrane::test
