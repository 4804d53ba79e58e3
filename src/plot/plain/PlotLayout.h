#pragma once
// Where the parts of a line plot go: the label rows and columns of the axes,
// the plot rectangle and the title box, for a control of W x H pixels. The
// tick layouts of the axes are chosen here so that labels do not collide.

#include <string>

#include "plot/plain/Axis.h"
#include "plot/plain/PlotTypes.h"

struct TPlotLayout {
    int Xh = 0;      // height of the X label row
    int XLength = 0; // the X axis length the tick step was chosen for
    int Y1w = 0, Y2w = 0;
    int XOverlap = 0, Y1Overlap = 0, Y2Overlap = 0;
    int Tt = 0;      // height of the title text
    int Ta = 0;      // height of an axis title
    TRect Plot, TitleBox, XLabelRow, Y1Column, Y2Column;
    TRect Y1Title, Y2Title;  // the axis titles above the label columns
    // The narrowest control whose title box leaves these axis titles
    // readable: both share the top row, and the box is centred.
    int TitleRowWidth = 0;
};

struct TPlotLayoutInput {
    int W = 0, H = 0;
    bool isY2Axis = false;
    std::string Title;
    TPlotFont TitleFont;
    TPlotFont AxisTitleFont;
};

// Lays out the axes (their tick steps and overlaps change) and returns the
// rectangles. The coarsening of each axis stops after MaxCoarsening steps.
TPlotLayout LayoutPlot(const TPlotLayoutInput& in, TAxis& x, TAxis& y1, TAxis& y2, const TTextMeasure& m);

// A decade axis coarsens by one decade per step: enough steps for one that
// spans every double.
constexpr int MaxCoarsening = 650;
