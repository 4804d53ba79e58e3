#pragma once
// A range marker: a vertical line over a line plot at an X value that lies
// on a grid of fixed steps between a minimum and a maximum; the owner's
// scroll bar position is the step number. The line is combined with the
// plot by not-xor into the screen's copy of the plot's bitmap (the owner
// routes TLinePlot::OnScreenImage to PaintOn), never into the bitmap that is
// saved, copied and printed. Since the screen copy is made afresh from the
// bitmap for every paint, the old line is gone before the new one is drawn.

#include <QImage>
#include <cstdint>

#include "plot/plain/PlotTypes.h"

class TLinePlot;

class TMarker {
public:
    // The grid step is 10^stepExponent; the value is set by the first
    // SetPos or SetValue.
    TMarker(TLinePlot& plot, double min, double max, int stepExponent, TColor colour);

    // The value of a step number, snapped onto the grid and kept inside
    // [min, max]; the position is clamped into 0 .. Steps().
    void SetPos(int position);
    // The value clamped into [min, max] and moved down onto its step.
    void SetValue(double value);
    // Places the line for the current value and asks the plot to repaint.
    void Draw() { Paint(); }
    // The same after the plot repainted; the screen copy never holds an old
    // line, so there is nothing to erase either way.
    void Repaint() { Paint(); }
    // Where the line goes on the plot as it is now laid out: its pixel and
    // whether the value lies inside the X axis's limits.
    void Place();
    // Puts the line into the screen image when it is drawn.
    void PaintOn(QImage& screen) const;

    double Value() const { return value_; }
    int Position() const { return position_; }
    int Steps() const { return steps_; }
    double Min() const { return min_; }
    double Max() const { return max_; }
    double Step() const { return step_; }
    TColor Colour() const { return colour_; }
    int Pixel() const { return pixel_; }
    bool Drawn() const { return drawn_; }
    bool Visible() const { return visible_; }

private:
    void Paint();
    double SnappedValue(int position) const;

    TLinePlot& plot_;
    TColor colour_;
    double min_;
    double max_;
    int exponent_;
    double step_;
    double value_ = 0.0;
    int position_ = 0;
    int pixel_ = 0;
    bool drawn_ = false;
    bool visible_ = false;
    int steps_ = 0;
};
