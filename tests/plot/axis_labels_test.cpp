// The tick labels as a composed plot paints them, with the real fonts: the
// layout leaves room for every label on any axis, no two overlap, and the
// label at the axis limit is always there.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "plot/AxisPaint.h"
#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"

namespace {

enum Which { X, Y1, Y2 };

struct LabelCase {
    Which axis;
    bool log;
    double min, max;
    int W, H;
};

std::string describe(const LabelCase& c)
{
    const char* names[] = {"X", "Y1", "Y2"};
    char text[120];
    std::snprintf(text, sizeof text, "%s %s %g..%g at %dx%d", names[c.axis], c.log ? "log" : "lin", c.min, c.max,
                  c.W, c.H);
    return text;
}

bool overlap(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// A plot composed at W x H with one axis set as the case says; the labels
// of that axis as painted.
struct ComposedAxis {
    TLinePlot plot;
    QImage measureImage = TPlotCanvas::NewBitmap(10, 10);

    explicit ComposedAxis(const LabelCase& c)
    {
        plot.resize(c.W, c.H);
        plot.SetisY2Axis(c.axis == Y2);
        axis(c.axis).Setlogscale(c.log);
        axis(c.axis).SetminValue(c.min);
        axis(c.axis).SetmaxValue(c.max);
        (void)plot.Bitmap();
    }
    TAxis& axis(Which w)
    {
        return w == X ? static_cast<TAxis&>(plot.XAxis())
                      : w == Y1 ? static_cast<TAxis&>(plot.Y1Axis()) : static_cast<TAxis&>(plot.Y2Axis());
    }
    std::vector<TAxisLabel> labels(Which w)
    {
        TPlotCanvas measure(measureImage);
        return axis(w).Labels(plot.GetPlotrec(), measure);
    }
};

TEST(AxisLabels, NoTwoLabelsOverlapAndTheLimitKeepsItsLabel)
{
    const LabelCase cases[] = {
        {X, true, 1e-300, 1e300, 800, 600},   {X, true, 1e-300, 1e300, 1200, 800}, {X, true, 1e-300, 1e300, 420, 300},
        {X, true, 1e-5, 1e7, 800, 600},       {X, true, 1e-200, 1e250, 640, 480},  {X, true, 2, 8, 300, 250},
        {X, false, 0, 100, 250, 250},         {X, false, -2.3, 7, 800, 600},       {X, false, 1e10, 1e10 + 1, 800, 600},
        {X, false, -123456.7, 98765.4, 500, 300}, {X, false, 0.000123, 0.0456, 300, 300},
        {Y1, true, 1e-300, 1e300, 800, 600},  {Y1, true, 1e-300, 1e300, 400, 230}, {Y1, true, 1e-7, 3e4, 800, 260},
        {Y1, false, 0, 100, 250, 250},        {Y1, false, -1e6, 3e6, 600, 210},
        {Y2, true, 1e-300, 1e300, 800, 600},  {Y2, true, 1e-300, 1e300, 500, 240}, {Y2, false, -5, 5, 600, 220},
    };
    for (const LabelCase& c : cases) {
        ComposedAxis composed(c);
        const std::vector<TAxisLabel> labels = composed.labels(c.axis);
        const TAxis& a = composed.axis(c.axis);
        ASSERT_FALSE(labels.empty()) << describe(c);
        // The layout leaves room for every label; none had to yield.
        EXPECT_EQ(labels.size(), a.TickValues().size()) << describe(c);
        EXPECT_EQ(labels.back().Value, a.EndValue()) << describe(c);
        EXPECT_EQ(labels.back().Text, a.GetLabel(a.EndValue())) << describe(c);
        for (std::size_t i = 0; i < labels.size(); ++i)
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(overlap(labels[i].Cell, labels[j].Cell))
                    << describe(c) << ": " << labels[i].Text << " and " << labels[j].Text;
    }
}

TEST(AxisLabels, TheLimitsLabelPushesOutItsNeighbour)
{
    // Ticks every 41 decades from 1E-300; the next one would overflow, so
    // the last tick is the limit 1E300, 26 decades after 1E274.
    TXAxis x;
    x.Setlogscale(true);
    x.SetminValue(1e-300);
    x.SetmaxValue(1e300);
    x.SetGitter(false);
    x.SetFirstRealvalue(0);
    while (x.Schrittweite() < 41)
        x.SetNextRealvalue(0);
    const std::vector<double> ticks = x.TickValues();
    ASSERT_EQ(ticks.back(), 1e300);
    ASSERT_EQ(ticks[ticks.size() - 2], 1e274);

    QImage img = TPlotCanvas::NewBitmap(800, 100);
    const TRect plot{30, 5, 770, 40};
    std::vector<TAxisLabel> labels;
    {
        TPlotCanvas c(img);
        labels = x.Labels(plot, c);
        PaintAxis(c, x, plot, clWhite);
    }
    ASSERT_EQ(labels.size(), ticks.size() - 1);
    EXPECT_EQ(labels.back().Text, "1E300");
    EXPECT_EQ(labels[labels.size() - 2].Text, "1E233");

    // Where 1E274 would stand, between the last two labels, nothing is
    // painted below the ticks.
    const TRect keep = labels.back().Cell;
    const TRect before = labels[labels.size() - 2].Cell;
    EXPECT_GT(keep.Left - before.Right, keep.Width() / 2);
    int dark = 0;
    for (int y = keep.Top; y < keep.Bottom; ++y)
        for (int px = before.Right; px < keep.Left; ++px)
            dark += (img.pixel(px, y) & 0xFFFFFF) == 0;
    EXPECT_EQ(dark, 0);
}

}  // namespace
