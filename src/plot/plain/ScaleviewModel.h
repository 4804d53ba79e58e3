#pragma once
// The overview of a plot apart from any widget: the miniature's rectangles
// and value ranges, the red frame marking the part the plot shows, the nine
// drag areas and the limits a released frame stands for.

#include <optional>

#include "plot/plain/PlotTypes.h"

class TAxis;
class TPlotColumns;

// A value range on a pixel span; on a logarithmic axis the decimal
// logarithms of the values are spread evenly.
struct TViewRange {
    double Lo = 0.0, Hi = 0.0;
    bool Log = false;
    // Value to pixel on p1..p2; a value that cannot be placed (zero range,
    // logarithm of a non-positive value, overflow) goes 10 pixels inside the
    // end it lies beyond.
    int Kor2Pkt(double v, int p1, int p2) const;
    double Pkt2kor(int p, int p1, int p2) const;
};

struct TViewLimits {
    double XMin = 0, XMax = 0, Y1Min = 0, Y1Max = 0, Y2Min = 0, Y2Max = 0;
    bool WithY2 = false;
};

class TScaleview {
public:
    static constexpr int t = 2;  // grab tolerance in pixels

    // The miniature's size and the plot it shows. Everything is computed
    // anew from the plot, the frame too unless a drag is running.
    void Update(int W, int H, const TPlotColumns& cols, const TAxis& x, const TAxis& y1, const TAxis& y2,
                bool isY2Axis);

    // There is data to show: only then is a frame drawn and dragged.
    bool HasData() const { return hasData_; }
    const TRect& Full() const { return full_; }
    const TRect& Data() const { return data_; }
    const TRect& Frame() const { return frame_; }
    bool isY2Axis() const { return isY2_; }
    const TViewRange& XRange() const { return x_; }
    const TViewRange& Y1Range() const { return y1_; }
    const TViewRange& Y2Range() const { return y2_; }
    int MapX(double v) const { return x_.Kor2Pkt(v, data_.Left, data_.Right); }
    int MapY(double v, bool y2) const { return (y2 ? y2_ : y1_).Kor2Pkt(v, data_.Bottom, data_.Top); }

    // 1 inside, 2 to 5 the corners, 6 to 9 the edges, 0 elsewhere.
    int GetBereich(TPoint p) const;
    static TRect Dragged(int area, const TRect& frame, int dx, int dy);
    // Larger than 3 t each way and at least t inside the miniature.
    bool Acceptable(const TRect& f) const;

    // The mouse without a button stores its area; with the drag running it
    // moves or sizes the frame. True when the frame changed.
    bool MouseMove(TPoint p);
    // A press on an area starts a drag. True when it did.
    bool MouseDown(TPoint p);
    // The limits the frame stands for, when a drag ended.
    std::optional<TViewLimits> MouseUp();
    bool Dragging() const { return dragging_; }
    int Area() const { return area_; }

    // The initial frame, before the first paint.
    void SetFrame(const TRect& f) { frame_ = f; }

private:
    void View2Rahmen();

    TRect full_, data_;
    TRect frame_{20, 20, 100, 100};
    TRect pressFrame_;
    TPoint press_;
    int area_ = 0;
    bool dragging_ = false;
    bool hasData_ = false;
    bool isY2_ = false;
    TViewRange x_, y1_, y2_;
    double curX_[2] = {0, 0}, curY1_[2] = {0, 0};
};
