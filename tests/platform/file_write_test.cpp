// The one writer behind every file the program writes: a file is replaced
// whole, keeping its permissions and the links to it; a device or a pipe
// named as the file is written in place, never replaced by a rename.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "support/TempFolder.h"
#include "platform/SaveFileBytes.h"
#include "support/WriteFailures.h"

using veltrane::saveFileBytes;

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

std::string textOf(const std::string& path)
{
    const auto bytes = testdoc::readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(FileWrite, ReplacingKeepsPermissionsAndLinks)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("doc.vtn");
    ASSERT_EQ(saveFileBytes(path, "first"), std::nullopt);
    ::chmod(path.c_str(), 0604);

    ASSERT_EQ(saveFileBytes(path, "second"), std::nullopt);
    EXPECT_EQ(modeOf(path), 0604u);
    EXPECT_EQ(textOf(path), "second");

    const std::string link = folder.path("link.vtn");
    std::filesystem::create_symlink(path, link);
    ASSERT_EQ(saveFileBytes(link, "third"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(textOf(path), "third");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"doc.vtn", "link.vtn"}));
}

TEST(FileWrite, NewFileFollowsTheUmask)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("new.vtn");
    const mode_t mask = ::umask(022);
    EXPECT_EQ(saveFileBytes(path, "new"), std::nullopt);
    ::umask(mask);
    EXPECT_EQ(modeOf(path), 0644u);
}

TEST(FileWrite, AFullDeviceReportsNoSpaceAndStaysTheDevice)
{
    veltrane::test::DeviceNode full;
    const std::string bytes(200000, 'x');
    const auto error = saveFileBytes(full.path(), bytes);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(std::strerror(ENOSPC)), std::string::npos) << *error;
    EXPECT_NE(error->find(full.path()), std::string::npos) << *error;
    EXPECT_TRUE(full.intact());

    // A device that takes the bytes is written in place, too.
    veltrane::test::DeviceNode null(veltrane::test::DeviceNode::Null);
    EXPECT_EQ(saveFileBytes(null.path(), bytes), std::nullopt);
    EXPECT_TRUE(null.intact());
}

TEST(FileWrite, APipeIsNotReplaced)
{
    testdoc::TempFolder folder;
    const std::string fifo = folder.path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Without a reader it is refused at once rather than waited for.
    const auto error = saveFileBytes(fifo, "no reader");
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("Cannot create file"), std::string::npos) << *error;
    struct stat st {};
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"pipe"});
}
