// The one writer behind every file the program writes: a failure leaves the
// old file byte for byte and no temporary file, and a device or a pipe named
// as the file is written in place, never replaced.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
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

TEST(FileWrite, APipeIsWrittenInPlaceAndOneWithoutReaderIsRefused)
{
    testdoc::TempFolder folder;
    const std::string fifo = folder.path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto refused = saveFileBytes(fifo, "no reader");
    ASSERT_TRUE(refused.has_value());
    EXPECT_NE(refused->find("Cannot create file"), std::string::npos) << *refused;

    std::string received;
    std::thread reader([&] {
        const int fd = ::open(fifo.c_str(), O_RDONLY);
        char buf[256];
        for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
            received.append(buf, std::size_t(n));
        ::close(fd);
    });
    // The writer's open waits for no one: try until the reader is there.
    std::optional<std::string> error = "not tried";
    for (int i = 0; i < 500 && error; ++i) {
        error = saveFileBytes(fifo, "through the pipe\n");
        if (error)
            ::usleep(2000);
    }
    if (error)  // let the reader go
        ::close(::open(fifo.c_str(), O_WRONLY));
    reader.join();
    EXPECT_EQ(error, std::nullopt);
    EXPECT_EQ(received, "through the pipe\n");
    struct stat st {};
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"pipe"});
}

TEST(FileWrite, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("plot.bmp");
    const std::vector<std::uint8_t> old = {'o', 'l', 'd', '\n'};
    testdoc::writeBytes(path, old);
    std::optional<std::string> error;
    {
        veltrane::test::FileSizeLimit limit(1000);
        error = saveFileBytes(path, std::string(5000, 'n'));
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(std::strerror(EFBIG)), std::string::npos) << *error;
    EXPECT_EQ(testdoc::readBytes(path), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"plot.bmp"});

    EXPECT_EQ(saveFileBytes(path, "new"), std::nullopt);
    EXPECT_EQ(testdoc::readBytes(path), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"plot.bmp"});
}
