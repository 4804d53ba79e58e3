#pragma once
// The note a plot shows in place of curves it cannot draw (a field plot
// whose chosen components do not exist for the light): a few lines in a
// framed white box. The plot places it like its other boxes, rather in the
// middle of the plot area, and counts it in its smallest size.

#include <string>
#include <vector>

#include "plot/plain/BoxSize.h"
#include "plot/plain/PlotTypes.h"

struct TNoteLayout {
    int Width = 0, Height = 0;
    struct Line {
        std::string Text;
        int X = 0, Y = 0;  // in the box
    };
    std::vector<Line> Lines;  // centred
};

// Nothing for no lines; lines too wide for the limit are wrapped.
TNoteLayout LayoutNote(const std::vector<std::string>& lines, const TTextMeasure& m, const TPlotFont& font,
                       TBoxLimit limit = {});

inline TBoxShape ShapeOf(const TNoteLayout& lo) { return {{lo.Width, lo.Height}, int(lo.Lines.size()), true}; }
