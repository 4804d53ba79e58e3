#include <gtest/gtest.h>

#include <vector>

#include "plot/plain/Legend.h"
#include "plot/plain/PlotLayout.h"
#include "plot/plain/TextBox.h"
#include "plot_fake_metrics.h"

namespace {

struct DefaultAxes {
    TXAxis x;
    TY1Axis y1;
    TY2Axis y2;
    DefaultAxes()
    {
        for (TAxis* a : {static_cast<TAxis*>(&x), static_cast<TAxis*>(&y1), static_cast<TAxis*>(&y2)}) {
            a->SetminValue(0);
            a->SetmaxValue(100);
        }
    }
};

TPlotLayout layout(DefaultAxes& axes, int W, int H, bool y2 = false)
{
    TPlotLayoutInput in;
    in.W = W;
    in.H = H;
    in.isY2Axis = y2;
    in.Title = "x/y-Plot";
    return LayoutPlot(in, axes.x, axes.y1, axes.y2, FixedMetrics());
}

std::vector<int> ticks(const TAxis& a)
{
    std::vector<int> out{a.Kor2Pkt(a.StartValue())};
    double x = a.StartValue();
    for (int i = 1;; ++i) {
        double y = a.NextValue(i, x);
        if (!(y <= a.EndValue()))
            break;
        out.push_back(a.Kor2Pkt(y));
        x = y;
    }
    return out;
}

}  // namespace

TEST(PlotLayout, DefaultAxesOn600x400)
{
    DefaultAxes axes;
    TPlotLayout lo = layout(axes, 600, 400);
    EXPECT_EQ(lo.Plot, (TRect{51, 32, 578, 341}));
    EXPECT_EQ(lo.Xh, 32);
    EXPECT_EQ(lo.Y1w, 41);
    EXPECT_EQ(lo.XOverlap, 12);
    EXPECT_EQ(lo.Y1Overlap, 7);
    EXPECT_EQ(lo.XLabelRow, (TRect{39, 341, 590, 373}));
    EXPECT_EQ(lo.Y1Column, (TRect{10, 25, 51, 348}));
    // The title box is centred: "x/y-Plot" is 64 pixels wide.
    EXPECT_EQ(lo.TitleBox, (TRect{228, 4, 372, 21}));

    axes.x.SetPixelRange(lo.Plot.Left, lo.Plot.Right);
    axes.y1.SetPixelRange(lo.Plot.Bottom, lo.Plot.Top);
    EXPECT_EQ(ticks(axes.x), (std::vector<int>{51, 104, 156, 209, 262, 315, 367, 420, 473, 525, 578}));
    EXPECT_EQ(ticks(axes.y1), (std::vector<int>{341, 310, 279, 248, 217, 187, 156, 125, 94, 63, 32}));
}

TEST(PlotLayout, NarrowPlotsCoarsenTheirTicks)
{
    DefaultAxes axes;
    layout(axes, 260, 400);
    EXPECT_GT(axes.x.Schrittweite(), 10);
    layout(axes, 600, 230);
    EXPECT_GT(axes.y1.Schrittweite(), 10);
}

// Labels 15 px high need ticks more than 17 px apart on the axis as it is
// painted, title and axis title left out.
TEST(PlotLayout, SmallPlotsKeepTheirYLabelsApart)
{
    struct Case { int W, H; double min, max; };
    for (const Case& c : {Case{260, 210, -180, 180}, Case{250, 250, 0, 100}, Case{600, 230, 0, 100}}) {
        DefaultAxes axes;
        axes.y1.SetminValue(c.min);
        axes.y1.SetmaxValue(c.max);
        TPlotLayout lo = layout(axes, c.W, c.H);
        axes.y1.SetPixelRange(lo.Plot.Bottom, lo.Plot.Top);
        const std::vector<int> y = ticks(axes.y1);
        ASSERT_GE(y.size(), 2u) << c.W << "x" << c.H;
        for (std::size_t i = 1; i < y.size(); ++i)
            EXPECT_GT(y[i - 1] - y[i], 17) << c.W << "x" << c.H << " tick " << i;
    }
}

TEST(PlotLayout, RightAxisTakesItsColumn)
{
    DefaultAxes axes;
    TPlotLayout lo = layout(axes, 600, 400, true);
    EXPECT_EQ(lo.Y2w, 41);
    EXPECT_EQ(lo.Plot.Right, 600 - 10 - 41);
    EXPECT_EQ(lo.Y2Column, (TRect{549, 25, 590, 348}));
}

TEST(PlotLayout, DegenerateLimitsAndLabelsThatNeverFitStillEnd)
{
    struct WideMetrics : FixedMetrics {
        int TextWidth(const TPlotFont&, std::string_view) const override { return 5000; }
        int TextHeight(const TPlotFont&, std::string_view) const override { return 5000; }
    };
    for (double v : {1e20, -1e-300, 0.0}) {
        DefaultAxes axes;
        axes.x.SetminValue(v);
        axes.x.SetmaxValue(v);
        axes.y1.SetminValue(v);
        axes.y1.SetmaxValue(v);
        TPlotLayoutInput in;
        in.W = 300;
        in.H = 300;
        LayoutPlot(in, axes.x, axes.y1, axes.y2, WideMetrics());
        EXPECT_LE(axes.x.StartValue(), axes.x.EndValue());
    }
}

namespace {

TDataCol column(const std::string& title, bool y2 = false, TPlotArt art = paLine)
{
    TDataCol c;
    c.Title = title;
    c.YAxistyp = y2;
    c.PlotArt = art;
    return c;
}

}  // namespace

TEST(LegendModel, ListsDrawnColumnsWithTheirArrows)
{
    TLegend legend;
    legend.SetTitle1("Rp");
    std::vector<TDataCol> cols{column(""), column("", true), column("hidden"), column("scan", false, paSymbol)};
    cols[2].doPlot = false;
    cols[3].SymbolColor = pcRed;
    FixedMetrics m;
    TLegendLayout lo = LayoutLegend(legend, cols, m, {}, {});
    ASSERT_EQ(lo.Entries.size(), 3u);
    EXPECT_EQ(lo.Entries[0].Text, "Col0");
    EXPECT_EQ(lo.Entries[1].Text, "Col1");
    EXPECT_FALSE(lo.Entries[0].ArrowRight);
    EXPECT_TRUE(lo.Entries[1].ArrowRight);
    EXPECT_EQ(lo.Entries[2].Text, "scan");
    EXPECT_FALSE(lo.Entries[2].LineSample);
    EXPECT_TRUE(lo.Entries[2].Symbol);
    EXPECT_EQ(lo.Entries[2].ArrowColor, ConvertPlotcolor(pcRed));
    EXPECT_EQ(lo.Entries[1].Y, 28);
    EXPECT_EQ(lo.Height, 4 * 14 + 5);
    EXPECT_EQ(lo.Width, 4 * 8 + 65);
    EXPECT_TRUE(lo.Separator);
    EXPECT_EQ(lo.TitleLines, 1);

    cols.resize(2);
    cols[1].doLegend = false;
    cols.push_back(column("c"));
    lo = LayoutLegend(legend, cols, m, {}, {});
    EXPECT_EQ(lo.Height, 47);  // one title line and two entries
    ASSERT_EQ(lo.Entries.size(), 2u);
    EXPECT_EQ(lo.Entries[1].Text, "c");
}

TEST(LegendModel, NoColumnsNoLegendAndSettersNotifyOnChange)
{
    TLegend legend;
    legend.SetTitle1("title");
    EXPECT_FALSE(LayoutLegend(legend, {}, FixedMetrics(), {}, {}).Drawn);
    int calls = 0;
    legend.OnValueChange = [&](TLegend&) { ++calls; };
    legend.SetLeft(70);
    legend.SetTop(40);
    legend.SetTitle1("title");
    EXPECT_EQ(calls, 0);
    legend.SetLeft(71);
    legend.Setvisible(false);
    EXPECT_EQ(calls, 2);
}

TEST(TextBoxModel, HeightsAndSeparators)
{
    TTextBox box(1);
    EXPECT_EQ(box.Left(), 250);
    EXPECT_EQ(TTextBox(2).Top(), 200);
    int calls = 0;
    box.SetOnValueChange([&](TTextBox&) { ++calls; });
    box.Title().Add("Layers");
    for (const char* s : {"1 Prism", "2 Gold", "3 Water"})
        box.Text1().Add(s);
    EXPECT_EQ(calls, 4);
    FixedMetrics m;
    TTextBoxLayout lo = LayoutTextBox(box, m, {}, {});
    EXPECT_EQ(lo.Height, 4 * 14 + DescentRoom);
    EXPECT_EQ(lo.Separators, (std::vector<int>{14}));
    EXPECT_EQ(lo.Width, 7 * 8 + 10);
    EXPECT_TRUE(lo.Lines[0].Bold);
    EXPECT_FALSE(lo.Lines[1].Bold);

    box.Text2().Add("comment");
    lo = LayoutTextBox(box, m, {}, {});
    EXPECT_EQ(lo.Separators, (std::vector<int>{14, 56}));
    box.ClearAll();
    lo = LayoutTextBox(box, m, {}, {});
    EXPECT_EQ(lo.Height, 0);
    EXPECT_EQ(lo.Width, 0);
}
