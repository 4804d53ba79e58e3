// The save request every chooser of the program starts from.
#include <gtest/gtest.h>

#include "platform/Platform.h"

TEST(SaveFileRequest, CarriesWhatItIsGivenAndAsksBeforeOverwriting)
{
    const veltrane::SaveFileRequest r =
        veltrane::saveFileRequest("Save Data", "Data (*.dat)|*.dat", "dat", "/home/u/old.dat");
    EXPECT_EQ(r.title, "Save Data");
    EXPECT_EQ(r.filter, "Data (*.dat)|*.dat");
    EXPECT_EQ(r.defaultExt, "dat");
    EXPECT_EQ(r.fileName, "/home/u/old.dat");
    EXPECT_TRUE(r.initialDir.empty());
    EXPECT_TRUE(r.promptOverwrite);
    EXPECT_TRUE(veltrane::saveFileRequest("Save Plot", "Bitmaps (*.bmp)|*.bmp", "BMP").fileName.empty());
}
