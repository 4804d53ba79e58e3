#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"

namespace {

constexpr QRgb red = 0xFF0000, blue = 0x0000FF;

QRgb at(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

int countColour(const QImage& img, QRgb colour, const TRect& r)
{
    int n = 0;
    for (int y = std::max(0, r.Top); y < std::min(img.height(), r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(img.width(), r.Right); ++x)
            n += at(img, x, y) == colour;
    return n;
}

// A plot with the default axes 0..100, no legend or text boxes in the way;
// shown, they stand at their own corners.
struct PlotFixture : testing::Test {
    TLinePlot plot;
    PlotFixture()
    {
        plot.AutoPlaceBoxes = false;
        plot.Legend().Setvisible(false);
        plot.TextBox1().Setvisible(false);
        plot.TextBox2().Setvisible(false);
    }
    int line(std::initializer_list<TDPunkt> pts, TPlotColor colour = pcRed)
    {
        int c = plot.AddCol();
        plot.SetLineColor(c, colour);
        for (const TDPunkt& p : pts)
            plot.AddData(c, p.x, p.y, p.valid);
        return c;
    }
    QImage compose(int w = 600, int h = 400)
    {
        QImage img = TPlotCanvas::NewBitmap(w, h);
        TPlotCanvas c(img);
        composed = plot.Compose(c);
        return img;
    }
    int px(double x) { return plot.XAxis().Kor2Pkt(x); }
    int py(double y) { return plot.Y1Axis().Kor2Pkt(y); }
    bool composed = false;
};

}  // namespace

TEST_F(PlotFixture, LineBreaksAtInvalidPoints)
{
    for (bool brk : {true, false}) {
        plot.DeleteAllCol();
        int c = line({{10, 55, true}, {20, 55, true}, {30, 55, false}, {40, 55, true}, {50, 55, true}});
        plot.SetLinebreak(c, brk);
        QImage img = compose();
        int y = py(55);
        EXPECT_EQ(at(img, px(15), y), red);
        EXPECT_EQ(at(img, px(45), y), red);
        EXPECT_EQ(at(img, px(30), y) == red, !brk) << brk;
    }
}

TEST_F(PlotFixture, UnplaceablePointsAreGapsNotStrayLines)
{
    // 1e9 lies hundreds of millions of pixels away; the segment to it would
    // once have landed 100 pixels inside the plot.
    int c = line({{10, 55, true}, {20, 1e9, true}, {30, 55, true}, {40, 55, true}});
    plot.SetLinebreak(c, true);
    QImage img = compose();
    TRect r = plot.GetPlotrec();
    EXPECT_EQ(countColour(img, red, {r.Left, r.Top, r.Right + 1, py(55) - 1}), 0);
    EXPECT_EQ(at(img, px(35), py(55)), red);
    EXPECT_NE(at(img, px(15), py(55)), red);
}

TEST_F(PlotFixture, SegmentsAreClippedAtThePlotEdge)
{
    line({{50, 50, true}, {50, 1e5, true}});        // far above the top
    line({{-5000, 20, true}, {-10, 30, true}});      // wholly left of the plot
    QImage img = compose();
    TRect r = plot.GetPlotrec();
    int x = px(50);
    EXPECT_EQ(at(img, x, r.Top), red);
    EXPECT_EQ(at(img, x, py(50) - 1), red);
    EXPECT_NE(at(img, x, r.Top - 1), red);
    EXPECT_EQ(countColour(img, red, {0, 0, 600, 400}), py(50) - r.Top);
}

TEST_F(PlotFixture, HiddenRightAxisColumnIsNotDrawn)
{
    int c = line({{10, 10, true}, {90, 90, true}});
    plot.SetYAxistyp(c, true);
    QImage img = compose();
    EXPECT_EQ(countColour(img, red, {0, 0, 600, 400}), 0);
    plot.SetisY2Axis(true);
    img = compose();
    EXPECT_GT(countColour(img, red, {0, 0, 600, 400}), 100);
}

TEST_F(PlotFixture, GridOnlyAtInnerTicks)
{
    QImage img = compose();
    TRect r = plot.GetPlotrec();
    int row = py(55);
    QRgb grid = 0x808080;
    EXPECT_EQ(at(img, px(30), row), grid);
    EXPECT_EQ(at(img, px(90), row), grid);
    EXPECT_NE(at(img, r.Right, row), grid);
    EXPECT_NE(at(img, r.Left + 1, row), grid);
    plot.XAxis().SetGitter(false);
    img = compose();
    EXPECT_NE(at(img, px(30), row), grid);
}

TEST_F(PlotFixture, ZeroLineOnlyWhenTheAxisCrossesZero)
{
    plot.Y1Axis().SetZeroline(true);
    plot.Y1Axis().SetZerolineColor(RGBColor(0, 0, 255));
    plot.Y1Axis().SetGitter(false);
    QImage img = compose();
    EXPECT_EQ(countColour(img, blue, {0, 0, 600, 400}), 0);  // 0 is the first tick
    plot.Y1Axis().SetminValue(-50);
    plot.Y1Axis().SetmaxValue(50);
    img = compose();
    EXPECT_EQ(at(img, px(50), py(0)), blue);
}

TEST_F(PlotFixture, SymbolsFollowThePercentage)
{
    int c = line({});
    plot.SetPlotArt(c, paSymbol);
    plot.SetSymbolColor(c, pcBlue);
    plot.SetSymbolsize(c, 5);
    plot.SetSymbolArt(c, saSquare);
    for (int k = 0; k < 8; ++k)
        plot.AddData(c, 10 + 10 * k, 55, true);
    struct Case {
        int percent;
        const char* marks;
    } cases[] = {{100, "xxxxxxxx"}, {60, "xx.x.x.x"}, {50, "x.x.x.x."}, {30, "x..x..x."}, {0, "x......."}};
    for (const Case& cs : cases) {
        plot.SetProzentPunkte(c, cs.percent);
        QImage img = compose();
        std::string got;
        for (int k = 0; k < 8; ++k)
            got += at(img, px(10 + 10 * k), py(55)) == blue ? 'x' : '.';
        EXPECT_EQ(got, cs.marks) << cs.percent;  // the first point always has one
    }
}

TEST_F(PlotFixture, AbsurdSymbolSizesStaySafe)
{
    int c = line({{50, 50, true}, {60, 60, true}});
    plot.SetPlotArt(c, paLineSymbol);
    plot.SetSymbolColor(c, pcBlue);
    plot.SetSymbolsize(c, -4);
    QImage img = compose();
    EXPECT_EQ(countColour(img, blue, {0, 0, 600, 400}), 0);
    EXPECT_GT(countColour(img, red, {0, 0, 600, 400}), 0);
    plot.SetSymbolsize(c, 1 << 30);
    img = compose();
    int n = countColour(img, blue, {0, 0, 600, 400});
    EXPECT_GT(n, 0);
    EXPECT_LE(n, 2 * 256 * 256);
}

TEST_F(PlotFixture, SmallPlotsDrawOnlyTheBackground)
{
    line({{0, 0, true}, {100, 100, true}});
    int events = 0;
    plot.OnPlotbildChange = [&](TLinePlot&, TPlotCanvas&) { ++events; };
    QImage img = compose(200, 300);
    EXPECT_FALSE(composed);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(countColour(img, red, {0, 0, 200, 300}), 0);
    EXPECT_EQ(at(img, 0, 0), 0u);  // the frame
    img = compose(201, 201);
    EXPECT_TRUE(composed);
    EXPECT_EQ(events, 1);
}

TEST_F(PlotFixture, LegendAndTextBoxesDrawWhereTheirRectanglesSay)
{
    plot.Legend().Setvisible(true);
    compose();
    EXPECT_TRUE(plot.LegendRect().IsEmpty());  // no columns: no legend to grab
    int c0 = line({{10, 10, true}, {90, 90, true}});
    int c1 = line({{10, 90, true}, {90, 10, true}}, pcBlue);
    plot.SetYAxistyp(c1, true);
    plot.SetColTitle(c0, "Rp");
    plot.TextBox1().Setvisible(true);
    plot.TextBox1().Title().Add("Layers");
    for (const char* s : {"1", "2", "3"})
        plot.TextBox1().Text1().Add(s);
    QImage img = compose();
    TRect lr = plot.LegendRect();
    EXPECT_EQ(lr.Left, 70);
    EXPECT_EQ(lr.Top, 40);
    EXPECT_EQ(lr.Height(), 2 * 14 + 5);
    EXPECT_EQ(at(img, lr.Left, lr.Top), 0u);  // frame
    // The arrows: left for Y1 in the line colour, right for Y2.
    EXPECT_EQ(at(img, lr.Left + 5, lr.Top + 7), red);
    EXPECT_EQ(at(img, lr.Left + 55, lr.Top + 14 + 7), blue);
    TRect br = plot.TextBoxRect(1);
    EXPECT_EQ(br.Height(), 4 * 14 + DescentRoom);
    EXPECT_EQ(at(img, br.Left + 1, br.Top + 14), 0u);  // the separator
    // The frame runs below the last line's descenders, not through them.
    EXPECT_EQ(at(img, br.Left + 1, br.Bottom - 1), 0u);
    EXPECT_EQ(at(img, br.Left + 1, br.Bottom - 2), 0xFFFFFFu);
    plot.Legend().Setvisible(false);
    compose();
    EXPECT_TRUE(plot.LegendRect().IsEmpty());
}

TEST(LinePlotBitmap, SavedBitmapLoadsBackIdentical)
{
    TLinePlot plot;
    plot.resize(420, 300);
    int c = plot.AddCol();
    plot.AddData(c, 1, 2, true);
    plot.AddData(c, 50, 70, true);
    QTemporaryDir dir;
    QString bmp = dir.filePath("plot.bmp");
    ASSERT_TRUE(plot.SavetoFile(bmp.toStdString()));
    QImage saved;
    plot.GetPlotBitmap(saved);
    QImage loaded(bmp);
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32), saved.convertToFormat(QImage::Format_RGB32));
    QFile f(bmp);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), QByteArray("BM"));
    f.close();

    // A change makes the bitmap stale: saving composes the new picture.
    plot.SetTitle("changed");
    ASSERT_TRUE(plot.SavetoFile(dir.filePath("png.png").toStdString()));
    QImage png(dir.filePath("png.png"), "PNG");
    ASSERT_FALSE(png.isNull());
    EXPECT_NE(png.convertToFormat(QImage::Format_RGB32), saved.convertToFormat(QImage::Format_RGB32));

    // A folder that cannot hold the file (its parent is a plain file).
    EXPECT_FALSE(plot.SavetoFile(dir.filePath("plot.bmp/inner.bmp").toStdString()));
    EXPECT_FALSE(plot.SavetoFile("/nonexistent-folder/plot.bmp"));
}

TEST(LinePlotBitmap, RepaintSwitchGivesOneComposition)
{
    TLinePlot plot;
    plot.resize(300, 300);
    int events = 0;
    plot.OnPlotbildChange = [&](TLinePlot&, TPlotCanvas&) { ++events; };
    plot.Setrepaintcomp(false);
    plot.XAxis().SetminValue(-10);
    plot.XAxis().SetmaxValue(10);
    plot.SetTitle("");
    EXPECT_EQ(plot.Title(), " ");
    EXPECT_EQ(events, 0);
    plot.Setrepaintcomp(true);
    EXPECT_EQ(events, 1);
    QImage img;
    plot.GetPlotBitmap(img);  // current: no second composition
    EXPECT_EQ(events, 1);
    EXPECT_EQ(plot.XAxis().StartValue(), -10);
    plot.CopytoClipboard();
    EXPECT_EQ(events, 1);
}
