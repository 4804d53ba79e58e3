#pragma once
// What a plot that places its boxes must show, checked on its last picture:
// the legend and text boxes on show lie inside the plot area and apart, and
// leave given points (the peaks and dips of the curves) in sight; the title
// leaves the axis titles readable. And the smallest size of the window
// round such a plot.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "plot/Lineplot.h"
#include "plot/plain/CurveExtrema.h"

namespace veltrane::test {

inline bool Intersect(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The boxes drawn in the plot's picture, composed first when out of date.
inline std::vector<TRect> DrawnBoxes(TLinePlot& plot)
{
    plot.Bitmap();
    std::vector<TRect> boxes;
    for (const TRect& r : {plot.LegendRect(), plot.TextBoxRect(1), plot.TextBoxRect(2), plot.NoteRect()})
        if (!r.IsEmpty())
            boxes.push_back(r);
    return boxes;
}

inline void ExpectBoxesApart(TLinePlot& plot, const std::string& what)
{
    const std::vector<TRect> boxes = DrawnBoxes(plot);
    const TRect area = plot.GetPlotrec();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const TRect& r = boxes[i];
        EXPECT_TRUE(r.Left >= area.Left && r.Top >= area.Top && r.Right <= area.Right && r.Bottom <= area.Bottom)
            << what << ": a box leaves the plot area";
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(Intersect(boxes[j], r)) << what << ": two boxes overlap";
    }
}

// The plot is drawn, and the title box and the axis titles lie whole in the
// control, none over another.
inline void ExpectTitlesReadable(TLinePlot& plot, const std::string& what)
{
    DrawnBoxes(plot);
    ASSERT_FALSE(plot.GetPlotrec().IsEmpty()) << what << ": no plot drawn";
    const TPlotLayout& lo = plot.Layout();
    const TRect control{0, 0, plot.width(), plot.height()};
    for (const TRect& r : {lo.TitleBox, lo.Y1Title, lo.Y2Title}) {
        if (r.IsEmpty())
            continue;
        EXPECT_TRUE(r.Left >= control.Left && r.Right <= control.Right && r.Top >= control.Top &&
                    r.Bottom <= control.Bottom)
            << what << ": a title is cut at the plot's edge";
    }
    EXPECT_FALSE(Intersect(lo.TitleBox, lo.Y1Title)) << what << ": the left axis title runs under the title";
    EXPECT_FALSE(Intersect(lo.TitleBox, lo.Y2Title)) << what << ": the right axis title runs under the title";
}

// Shrinks a window as far as it lets itself be shrunk, once its plot has
// composed the picture of what it shows now (the picture tells the plot
// how much room its content needs). Returns the size it stops at.
inline QSize ShrinkToSmallest(QWidget& window, TLinePlot& plot)
{
    QSize last;
    for (int pass = 0; pass < 4 && window.size() != last; ++pass) {
        last = window.size();
        plot.Bitmap();
        QApplication::processEvents();
        window.resize(1, 1);
        QApplication::processEvents();
    }
    plot.Bitmap();
    return window.size();
}

// The pixel of a column's largest (or smallest) valid value.
inline TPoint ExtremePixel(TLinePlot& plot, int col, bool largest)
{
    int best = -1;
    for (int i = 0; i < plot.GetPktanz(col); ++i) {
        const TDPunkt p = plot.GetData(col, i);
        if (p.valid && (best < 0 || (largest ? p.y > plot.GetData(col, best).y : p.y < plot.GetData(col, best).y)))
            best = i;
    }
    const TDPunkt p = plot.GetData(col, std::max(best, 0));
    const TAxis& y = plot.GetYAxistyp(col) ? static_cast<const TAxis&>(plot.Y2Axis()) : plot.Y1Axis();
    return {plot.XAxis().Kor2Pkt(p.x), y.Kor2Pkt(p.y)};
}

inline void ExpectInSight(TLinePlot& plot, TPoint p, const std::string& what)
{
    for (const TRect& r : DrawnBoxes(plot))
        EXPECT_FALSE(r.Contains(p.x, p.y)) << what << " at " << p.x << "," << p.y << " lies under a box";
}

// The resonance of a column (its lowest point, or its highest) and its
// flanks down to half its depth: no point of them lies under a box.
inline void ExpectFlanksInSight(TLinePlot& plot, int col, bool largest, const std::string& what)
{
    const std::vector<TRect> boxes = DrawnBoxes(plot);
    const TAxis& y = plot.GetYAxistyp(col) ? static_cast<const TAxis&>(plot.Y2Axis()) : plot.Y1Axis();
    std::vector<TPoint> pts;
    for (int i = 0; i < plot.GetPktanz(col); ++i) {
        const TDPunkt p = plot.GetData(col, i);
        const auto px = plot.XAxis().TryKor2Pkt(p.x), py = y.TryKor2Pkt(p.y);
        if (p.valid && px && py)
            pts.push_back({*px, *py});
    }
    if (pts.size() < 3)
        return;
    // Pixels grow downward: the lowest value is the largest y.
    const auto extreme = std::max_element(pts.begin(), pts.end(), [largest](TPoint a, TPoint b) {
        return largest ? a.y > b.y : a.y < b.y;
    });
    const TFlankSpan span = HalfDepthSpan(pts, std::size_t(extreme - pts.begin()), 0, pts.size() - 1);
    const TRect area = plot.GetPlotrec();
    int hidden = 0;
    for (std::size_t i = span.From; i <= span.To; ++i)
        for (const TRect& r : boxes)
            if (area.ContainsClosed(pts[i].x, pts[i].y) && r.Contains(pts[i].x, pts[i].y))
                ++hidden;
    EXPECT_EQ(hidden, 0) << what << ": " << hidden << " of " << span.To - span.From + 1
                         << " points of the resonance and its flanks lie under a box";
}

// The share of a column's points in the plot area that lie under a box.
inline double HiddenShare(TLinePlot& plot, int col)
{
    const std::vector<TRect> boxes = DrawnBoxes(plot);
    const TRect area = plot.GetPlotrec();
    const TAxis& y = plot.GetYAxistyp(col) ? static_cast<const TAxis&>(plot.Y2Axis()) : plot.Y1Axis();
    int shown = 0, hidden = 0;
    for (int i = 0; i < plot.GetPktanz(col); ++i) {
        const TDPunkt p = plot.GetData(col, i);
        const auto px = plot.XAxis().TryKor2Pkt(p.x), py = y.TryKor2Pkt(p.y);
        if (!p.valid || !px || !py || !area.ContainsClosed(*px, *py))
            continue;
        ++shown;
        for (const TRect& r : boxes)
            if (r.Contains(*px, *py)) {
                ++hidden;
                break;
            }
    }
    return shown ? double(hidden) / shown : 0.0;
}

}  // namespace veltrane::test
