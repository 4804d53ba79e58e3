// The one writer behind every file the program writes: a device or a pipe
// named as the file is written in place, never replaced by a rename.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempFolder.h"
#include "document/TextFile.h"
#include "support/WriteFailures.h"

using veltrane::saveFileBytes;

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
