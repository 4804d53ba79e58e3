#pragma once
// What the mouse means over a line plot, apart from any widget: the value
// record at a pixel, the read-out text, the double-click zones, the cursor,
// and the state of a running drag or zoom. The plot widget feeds it the
// rectangles of its last paint.

#include <cstdint>
#include <string>

#include "plot/plain/PlotLayout.h"
#include "plot/plain/PlotTypes.h"

class TAxis;

// The values under one mouse pixel.
struct TMousekord {
    std::int32_t PixelX = 0, PixelY = 0;
    double X = 0.0, Y1 = 0.0;
    double X2 = 0.0, Y2 = 0.0;  // Y2 is 1e-300 while the right axis is hidden
    bool InPlot = false;        // inside the plot rectangle, edges included
};

constexpr double NoMouseValue = 1e-300;

TMousekord MakeMousekord(int x, int y, const TRect& plot, const TAxis& xa, const TAxis& y1, const TAxis& y2,
                         bool isY2Axis);

// "(X: 9.3  Y: 94.2)", or with the right axis "(X: ..  Y1: ..  Y2: ..)";
// empty outside the plot rectangle.
std::string ReadoutText(const TMousekord& m, const TAxis& xa, const TAxis& y1, const TAxis& y2, bool isY2Axis);

enum class TPlotCursor { Default, Hand, Zoom, Cross, SizeFDiag, SizeBDiag, SizeHor, SizeVer };

// Which double-click zone lies under the mouse.
struct THotFlags {
    bool Title = false, X = false, Y1 = false, Y2 = false;
    bool Any() const { return Title || X || Y1 || Y2; }
    bool operator==(const THotFlags&) const = default;
};

// The draggable elements as last painted; an element not painted has an
// empty rectangle and cannot be grabbed.
struct TPlotElements {
    TRect Legend, Box1, Box2;
    bool LegendVisible = false, Box1Visible = false, Box2Visible = false;
    bool OverLegend(int x, int y) const { return LegendVisible && Legend.Contains(x, y); }
    bool OverBox1(int x, int y) const { return Box1Visible && Box1.Contains(x, y); }
    bool OverBox2(int x, int y) const { return Box2Visible && Box2.Contains(x, y); }
    bool OverAny(int x, int y) const { return OverLegend(x, y) || OverBox1(x, y) || OverBox2(x, y); }
};

// Which dialogs a double click may open.
struct TDialogSwitches {
    bool Title = true, X = true, Y1 = true, Y2 = true;
    bool isY2Axis = false;
};

// Over the legend or a text box no zone is hot.
THotFlags HotZones(int x, int y, const TPlotLayout& lo, const TPlotElements& el, const TDialogSwitches& sw);

TPlotCursor PlotCursor(int x, int y, const THotFlags& hot, const TPlotLayout& lo, const TPlotElements& el,
                       bool showKord, bool isZoom);

// A point kept inside r, edges included.
TPoint ClampToRect(TPoint p, const TRect& r);

// A drag or zoom from press to release.
struct TPlotDrag {
    enum Kind { None, Legend, Box1, Box2, Zoom };
    Kind What = None;
    TPoint Press, Current;   // element drags: press pixel and drag pixel
    TMousekord PressKord, CornerKord;  // zoom: the two corners

    bool Active() const { return What != None; }
    TPoint Shift() const { return {Current.x - Press.x, Current.y - Press.y}; }
    // The rubber band, both corners included.
    TRect Band() const;
};

// The element a press at (x, y) grabs: text box 2 before text box 1 before
// the legend, as they are stacked on the picture.
TPlotDrag::Kind GrabbedElement(int x, int y, const TPlotElements& el);
