#include <gtest/gtest.h>

#include <QTest>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "plot/plain/Sprachfeld.h"
#include "platform/Cp1252.h"

TEST(LinePlotWidget, ScreenShowsTheComposedBitmap)
{
    TLinePlot plot;
    plot.resize(400, 300);
    int c = plot.AddCol();
    plot.AddData(c, 10, 10, true);
    plot.AddData(c, 90, 80, true);
    int copies = 0;
    plot.OnPlotbildCopyed = [&](TLinePlot&) { ++copies; };
    plot.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plot));
    QImage screen = plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage bitmap;
    plot.GetPlotBitmap(bitmap);
    ASSERT_EQ(screen.size(), bitmap.size());
    // The read-out label is transparent and empty, so the two agree.
    EXPECT_EQ(screen, bitmap.convertToFormat(QImage::Format_RGB32));
    EXPECT_GE(copies, 1);
}

TEST(LinePlotWidget, SettersInvalidateOnlyOnChange)
{
    TLinePlot plot;
    plot.resize(300, 300);
    int events = 0;
    plot.OnPlotbildChange = [&](TLinePlot&, TPlotCanvas&) { ++events; };
    QImage img;
    plot.GetPlotBitmap(img);
    ASSERT_EQ(events, 1);
    plot.SetTitle("x/y-Plot");
    plot.SetRahmen(true);
    plot.SetisY2Axis(false);
    plot.Legend().SetLeft(70);
    plot.GetPlotBitmap(img);
    EXPECT_EQ(events, 1);
    plot.TextBox2().Text1().Add("line");  // an edit of a text box's lines
    plot.GetPlotBitmap(img);
    EXPECT_EQ(events, 2);
    plot.Y2Axis().SetTitle("new");
    plot.GetPlotBitmap(img);
    EXPECT_EQ(events, 3);
}

TEST(Sprachfeld, CaptionsInBothLanguages)
{
    EXPECT_STREQ(SprachText(deutsch, 0), "&Abbruch");
    EXPECT_STREQ(SprachText(englisch, 0), "&Cancel");
    EXPECT_STREQ(SprachText(englisch, 16), "exponentical");
    EXPECT_STREQ(SprachText(englisch, 23), "printing plot");
    EXPECT_STREQ(SprachText(deutsch, 21), "Format");
    EXPECT_STREQ(SprachText(englisch, 24), "");
    // In the document's code page the umlaut and the sharp s are one byte each.
    EXPECT_EQ(veltrane::utf8ToCp1252(SprachText(deutsch, 13)), "Plot-\xDC" "bersicht");
    EXPECT_EQ(veltrane::utf8ToCp1252(SprachText(deutsch, 15)), "Flie\xDF" "komma");
    for (int i = 0; i < SprachfeldCount; ++i) {
        EXPECT_STRNE(Sprachfeld[0][std::size_t(i)], "");
        EXPECT_STRNE(Sprachfeld[1][std::size_t(i)], "");
    }
}
