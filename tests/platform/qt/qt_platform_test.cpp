#include <gtest/gtest.h>

#include <QTimer>

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtRunControl.h"

TEST(QtPlatform, FiltersTranslateToQtNameFilters)
{
    EXPECT_EQ(veltrane::qtFilter("Bitmaps (*.bmp)|*.bmp").toStdString(), "Bitmaps (*.bmp) (*.bmp)");
    EXPECT_EQ(veltrane::qtFilter("Scans|*.dto;*.ell|All (*.*)|*.*").toStdString(),
              "Scans (*.dto *.ell) (*.dto *.ell);;All (*.*) (*.*)");
}

TEST(QtRunControl, AStopButtonPressedInTheEventPassEndsTheLoop)
{
    veltrane::QtRunControl run;
    ASSERT_TRUE(run.Begin());
    QTimer::singleShot(0, [&] { run.Stop(); });
    int passes = 0;
    while (run.Running() && passes < 1000) {
        run.Yield();
        ++passes;
    }
    EXPECT_FALSE(run.Running());
    EXPECT_LT(passes, 1000);
    EXPECT_TRUE(run.Active());  // stopped, but the loop has not returned yet
    run.End();
    EXPECT_FALSE(run.Active());
}
