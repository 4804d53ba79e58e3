#include <gtest/gtest.h>

#include "platform/qt/QtPlatform.h"

TEST(QtPlatform, FiltersTranslateToQtNameFilters)
{
    EXPECT_EQ(veltrane::qtFilter("Bitmaps (*.bmp)|*.bmp").toStdString(), "Bitmaps (*.bmp)");
    EXPECT_EQ(veltrane::qtFilter("Scans|*.dto;*.ell|All (*.*)|*.*").toStdString(),
              "Scans (*.dto *.ell);;All (*.*)");
}
