#include <gtest/gtest.h>

#include "plot/PlotCanvas.h"
#include "plot/plain/PlotGeometry.h"
#include "plot/SymbolStamp.h"

namespace {

QRgb at(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }
constexpr QRgb white = 0xFFFFFF, black = 0x000000, red = 0xFF0000;

}  // namespace

TEST(PlotCanvas, LinesLeaveOutTheirEndPixel)
{
    QImage img = TPlotCanvas::NewBitmap(40, 40);
    {
        TPlotCanvas c(img);
        c.SetPen(clRed);
        c.MoveTo(5, 5);
        c.LineTo(15, 5);
        c.LineTo(15, 15);  // a polyline: the corner is drawn once, the end is left out
        c.MoveTo(20, 20);
        c.LineTo(20, 20);  // nothing
    }
    for (int x = 5; x < 15; ++x)
        EXPECT_EQ(at(img, x, 5), red) << x;
    EXPECT_EQ(at(img, 15, 5), red);
    EXPECT_EQ(at(img, 15, 14), red);
    EXPECT_EQ(at(img, 15, 15), white);
    EXPECT_EQ(at(img, 20, 20), white);
}

TEST(PlotCanvas, RectanglesAreHalfOpen)
{
    QImage img = TPlotCanvas::NewBitmap(40, 40);
    {
        TPlotCanvas c(img);
        c.SetPen(clBlack);
        c.SetBrush(clRed);
        c.Rectangle(10, 10, 20, 15);
        c.FillRect({30, 30, 32, 31}, clBlack);
    }
    EXPECT_EQ(at(img, 10, 10), black);
    EXPECT_EQ(at(img, 19, 14), black);
    EXPECT_EQ(at(img, 20, 14), white);
    EXPECT_EQ(at(img, 19, 15), white);
    EXPECT_EQ(at(img, 15, 12), red);
    EXPECT_EQ(at(img, 31, 30), black);
    EXPECT_EQ(at(img, 32, 30), white);
    EXPECT_EQ(at(img, 30, 31), white);
}

TEST(PlotCanvas, NotXorPenDrawnTwiceRestores)
{
    QImage img = TPlotCanvas::NewBitmap(30, 30);
    {
        TPlotCanvas c(img);
        c.FillRect({0, 0, 30, 30}, RGBColor(10, 200, 30));
    }
    QImage before = img.copy();
    {
        TPlotCanvas c(img);
        c.SetPen(clRed, psDash);
        c.SetPenMode(pmNotXor);
        for (int i = 0; i < 2; ++i) {
            c.MoveTo(2, 2);
            c.LineTo(25, 20);
        }
    }
    EXPECT_EQ(img, before);
}

TEST(PlotCanvas, SymbolStampsKeepTheBackground)
{
    TDataCol filled;
    filled.SymbolArt = saSquare;
    filled.SymbolColor = pcRed;
    filled.Symbolsize = 10;
    TDataCol hollow = filled;
    hollow.SymbolArt = saHSquare;
    for (const TDataCol& col : {filled, hollow}) {
        QImage img = TPlotCanvas::NewBitmap(30, 30);
        {
            TPlotCanvas c(img);
            c.FillRect({0, 0, 30, 30}, RGBColor(0, 0, 255));
            c.Draw(10, 10, InitPaintSymbol(col, smMask), cmSrcAnd);
            c.Draw(10, 10, InitPaintSymbol(col, smImage), cmSrcInvert);
        }
        EXPECT_EQ(at(img, 9, 9), 0x0000FFu);   // around: background
        EXPECT_EQ(at(img, 20, 20), 0x0000FFu);
        if (col.SymbolArt == saSquare) {
            EXPECT_EQ(at(img, 10, 10), black);  // filled shapes keep a black outline
            EXPECT_EQ(at(img, 15, 15), red);
        } else {
            EXPECT_EQ(at(img, 10, 10), red);
            EXPECT_EQ(at(img, 15, 15), 0x0000FFu);  // inside a hollow shape: background
        }
    }
    TDataCol none = filled;
    none.Symbolsize = 0;
    EXPECT_TRUE(InitPaintSymbol(none, smMask).isNull());
    none.Symbolsize = 2000000000;
    EXPECT_EQ(InitPaintSymbol(none, smMask).width(), MaxSymbolSize);
    EXPECT_EQ(InitPaintSymbol(none, smLegend).width(), 10);
}

TEST(PlotGeometry, ClippingEndsOnTheEdgeWithoutOverflow)
{
    TRect r{0, 0, 100, 100};
    TClippedSegment s;
    ASSERT_TRUE(ClipSegment(r, 50, 50, 50, 900000, s));
    EXPECT_EQ(s.y2, 100);
    EXPECT_FALSE(s.firstMoved);
    // Products of a million by a million need 64 bits.
    ASSERT_TRUE(ClipSegment(r, -1000000, -1000000, 1000000, 1000000, s));
    EXPECT_EQ((std::array<int, 4>{s.x1, s.y1, s.x2, s.y2}), (std::array<int, 4>{0, 0, 100, 100}));
    EXPECT_TRUE(s.firstMoved);
    ASSERT_TRUE(ClipSegment(r, -999999, 50, 999999, 51, s));
    EXPECT_EQ(s.x1, 0);
    EXPECT_EQ(s.y1, 50);  // truncated toward zero
    EXPECT_EQ(s.x2, 100);
    EXPECT_FALSE(ClipSegment(r, 101, -5, 900000, 50, s));  // both beyond the right edge
    EXPECT_FALSE(ClipSegment(r, -5, -1, 200, -300, s));
    ASSERT_TRUE(ClipSegment(r, 0, 0, 100, 100, s));  // edges are inside
    EXPECT_FALSE(s.firstMoved);
}

TEST(PlotGeometry, SymbolPointRule)
{
    struct Case {
        int percent;
        const char* marks;  // k = 0..11
    } cases[] = {
        {100, "xxxxxxxxxxxx"}, {60, ".x.x.x.x.x.x"}, {75, ".xxx.xxx.xxx"},
        {50, "x.x.x.x.x.x."},  {30, "x..x..x..x.."}, {0, "............"},
    };
    for (const Case& c : cases) {
        std::string got;
        for (int k = 0; k < 12; ++k)
            got += IsSymbolPoint(c.percent, k) ? 'x' : '.';
        EXPECT_EQ(got, c.marks) << c.percent;
    }
    EXPECT_EQ(EffectiveSymbolSize(0), 0);
    EXPECT_EQ(EffectiveSymbolSize(-3), 0);
    EXPECT_EQ(EffectiveSymbolSize(7), 7);
    EXPECT_EQ(EffectiveSymbolSize(100000), MaxSymbolSize);
}
