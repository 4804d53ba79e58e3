#pragma once
// The smallest size a line plot asks its window for, from what it shows:
// the title row readable, and a plot area that holds the boxes on show at
// their own sizes apart with as much room again for the curves, within the
// largest size the plot may ask for (the share of a 1366 x 768 screen its
// window leaves it). Where that is too little, the area the largest size
// gives: the boxes are then wrapped to stand apart, or overlap, inside it.

#include <functional>
#include <vector>

#include "plot/plain/BoxSize.h"
#include "plot/plain/PlotLayout.h"

// A control of 200 pixels or less across or down shows no plot at all.
constexpr int SmallestShownPlot = 201;
// What a window, with its frame, may ask of a 1366 x 768 screen that also
// shows a panel of the desktop: its frame and the panel take the rest.
constexpr TBoxSize ScreenBudget{1350, 700};

// boxes: the boxes on show at their own sizes; largest: the largest control
// size the plot may ask for; layoutAt: the plot's layout for a control of
// W x H pixels, for the content as it is (it must not change the plot).
TBoxSize PlotMinimumSize(const std::vector<TBoxSize>& boxes, TBoxSize largest,
                         const std::function<TPlotLayout(int W, int H)>& layoutAt);
