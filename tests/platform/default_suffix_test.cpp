// The rule every file chooser gives its names by: the default extension
// goes onto a name that has none and is not there yet, and nowhere else.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DefaultSuffix.h"
#include "support/TempFolder.h"
#include "support/WriteFailures.h"

using veltrane::withDefaultSuffix;

TEST(DefaultSuffix, OnlyANewNameWithoutOneGetsTheExtension)
{
    testdoc::TempFolder folder;
    std::ofstream(folder.path("notes")) << "x";
    ASSERT_EQ(::mkfifo(folder.path("pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.path("v1.2"));
    std::filesystem::create_directory(folder.path("runs"));
    ASSERT_EQ(::symlink(folder.path("nowhere").c_str(), folder.path("link").c_str()), 0);
    veltrane::test::DeviceNode full;
    struct Case {
        std::string path;
        std::string ext;
        std::string chosen;
    };
    const Case cases[] = {
        {folder.path("out"), "dat", folder.path("out.dat")},
        {folder.path("out.txt"), "dat", folder.path("out.txt")},
        {folder.path("out."), "dat", folder.path("out.")},
        {folder.path("v1.2/out"), "dat", folder.path("v1.2/out.dat")},  // the point is the folder's
        {folder.path("notes"), "dat", folder.path("notes")},
        {folder.path("pipe"), "dat", folder.path("pipe")},
        {folder.path("runs"), "dat", folder.path("runs")},
        {folder.path("link"), "dat", folder.path("link")},  // a link, if to nothing
        {full.path(), "dat", full.path()},
        {"/dev/null", "dat", "/dev/null"},
        {folder.path("out"), "", folder.path("out")},
        {folder.path("runs/"), "dat", folder.path("runs/")},
        {"", "dat", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withDefaultSuffix(c.path, c.ext), c.chosen) << c.path << " / " << c.ext;
}
