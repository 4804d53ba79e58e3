#include "plot/plain/ScaleviewModel.h"

#include <algorithm>
#include <cmath>

#include "plot/plain/Axis.h"
#include "plot/plain/PlotColumns.h"

namespace {

constexpr double MaxViewPixel = 1.0e6;

bool inZone(TPoint p, int l, int t, int r, int b) { return p.x >= l && p.x <= r && p.y >= t && p.y <= b; }

}  // namespace

int TViewRange::Kor2Pkt(double value, int p1, int p2) const
{
    double v = value, lo = Lo, hi = Hi;
    bool ok = std::isfinite(v);
    if (ok && Log) {
        ok = v > 0 && lo > 0 && hi > 0;
        if (ok) {
            v = std::log10(v);
            lo = std::log10(lo);
            hi = std::log10(hi);
        }
    }
    if (ok && hi != lo) {
        const double p = double(p2 - p1) / (hi - lo) * (v - lo) + p1;
        if (std::isfinite(p) && std::fabs(p) <= MaxViewPixel)
            return int(std::lround(p));
    }
    return value < Lo ? p1 + 10 : p2 - 10;
}

double TViewRange::Pkt2kor(int p, int p1, int p2) const
{
    const bool lg = Log && Lo > 0 && Hi > 0;
    const double lo = lg ? std::log10(Lo) : Lo, hi = lg ? std::log10(Hi) : Hi;
    const double r = p2 == p1 ? lo : (hi - lo) / double(p2 - p1) * (p - p1) + lo;
    return lg ? std::pow(10.0, r) : r;
}

void TScaleview::Update(int W, int H, const TPlotColumns& cols, const TAxis& x, const TAxis& y1, const TAxis& y2,
                        bool isY2Axis)
{
    if (dragging_)
        return;
    full_ = {0, 0, W, H};
    data_ = {25, 25, W - 25, H - 25};
    isY2_ = isY2Axis;
    x_.Log = x.logscale();
    y1_.Log = y1.logscale();
    y2_.Log = y2.logscale();
    curX_[0] = x.StartValue();
    curX_[1] = x.EndValue();
    curY1_[0] = y1.StartValue();
    curY1_[1] = y1.EndValue();

    double xmin, xmax, y1min, y1max, y2min = 0, y2max = 0;
    const bool hasX = cols.minmax(1, xmin, 1.0, xmax);
    const bool hasY1 = cols.minmax(2, y1min, 1.0, y1max);
    const bool hasY2 = isY2Axis && cols.minmax(3, y2min, 1.0, y2max);

    // The data extremes in plot pixels; the Y span covers both axes' data,
    // so that Y1 and Y2 curves share the miniature's height.
    const int pxMin = x.Kor2Pkt(xmin), pxMax = x.Kor2Pkt(xmax);
    int pyMin = 0, pyMax = 0;
    if (hasY1) {
        pyMin = y1.Kor2Pkt(y1min);
        pyMax = y1.Kor2Pkt(y1max);
    }
    if (hasY2) {
        const int a = y2.Kor2Pkt(y2min), b = y2.Kor2Pkt(y2max);
        pyMin = hasY1 ? std::max(pyMin, a) : a;
        pyMax = hasY1 ? std::min(pyMax, b) : b;
    }
    x_.Lo = x.Pkt2kord(pxMin);
    x_.Hi = x.Pkt2kord(pxMax);
    y1_.Lo = y1.Pkt2kord(pyMin);
    y1_.Hi = y1.Pkt2kord(pyMax);
    y2_.Lo = isY2Axis ? y2.Pkt2kord(pyMin) : 0.0;
    y2_.Hi = isY2Axis ? y2.Pkt2kord(pyMax) : 0.0;

    // Without data, or with all of it on one plot pixel, there is no range
    // to place a frame on.
    hasData_ = hasX && (hasY1 || hasY2) && pxMin != pxMax && pyMin != pyMax && data_.Width() > 0 &&
               data_.Height() > 0;
    if (hasData_)
        View2Rahmen();
}

void TScaleview::View2Rahmen()
{
    TRect f;
    f.Left = MapX(curX_[0]);
    f.Right = MapX(curX_[1]);
    f.Bottom = MapY(curY1_[0], false);
    f.Top = MapY(curY1_[1], false);
    if (f.Left <= full_.Left)
        f.Left = full_.Left + t;
    if (f.Right >= full_.Right)
        f.Right = full_.Right - t;
    if (f.Top <= full_.Top)
        f.Top = full_.Top + t;
    if (f.Bottom >= full_.Bottom)
        f.Bottom = full_.Bottom - t;
    if (!(f.Width() > 3 * t && f.Height() > 3 * t)) {
        if (f.Height() < 3 * t) {
            if (full_.Bottom - f.Bottom <= 4 * t)
                f.Top = f.Bottom - 3 * t;
            else
                f.Bottom = f.Top + 3 * t;
        }
        if (f.Width() < 3 * t) {
            if (full_.Right - f.Right <= 4 * t)
                f.Left = f.Right - 3 * t;
            else
                f.Right = f.Left + 3 * t;
        }
    }
    frame_ = f;
}

int TScaleview::GetBereich(TPoint p) const
{
    const TRect& f = frame_;
    if (inZone(p, f.Left + t, f.Top + t, f.Right - t, f.Bottom - t))
        return 1;
    if (inZone(p, f.Left - t, f.Top - t, f.Left + t, f.Top + t))
        return 2;
    if (inZone(p, f.Right - t, f.Bottom - t, f.Right + t, f.Bottom + t))
        return 3;
    if (inZone(p, f.Right - t, f.Top - t, f.Right + t, f.Top + t))
        return 4;
    if (inZone(p, f.Left - t, f.Bottom - t, f.Left + t, f.Bottom + t))
        return 5;
    if (inZone(p, f.Left - t, f.Top + t, f.Left + t, f.Bottom - t))
        return 6;
    if (inZone(p, f.Right - t, f.Top + t, f.Right + t, f.Bottom - t))
        return 7;
    if (inZone(p, f.Left + t, f.Top - t, f.Right - t, f.Top + t))
        return 8;
    if (inZone(p, f.Left + t, f.Bottom - t, f.Right - t, f.Bottom + t))
        return 9;
    return 0;
}

TRect TScaleview::Dragged(int area, const TRect& f, int dx, int dy)
{
    TRect n = f;
    switch (area) {
    case 1: n = {f.Left + dx, f.Top + dy, f.Right + dx, f.Bottom + dy}; break;
    case 2: n.Left += dx; n.Top += dy; break;
    case 3: n.Right += dx; n.Bottom += dy; break;
    case 4: n.Right += dx; n.Top += dy; break;
    case 5: n.Left += dx; n.Bottom += dy; break;
    case 6: n.Left += dx; break;
    case 7: n.Right += dx; break;
    case 8: n.Top += dy; break;
    case 9: n.Bottom += dy; break;
    default: break;
    }
    return n;
}

bool TScaleview::Acceptable(const TRect& f) const
{
    return f.Width() > 3 * t && f.Height() > 3 * t && f.Left >= full_.Left + t && f.Top >= full_.Top + t &&
           f.Right <= full_.Right - t && f.Bottom <= full_.Bottom - t;
}

bool TScaleview::MouseMove(TPoint p)
{
    if (!dragging_) {
        area_ = hasData_ ? GetBereich(p) : 0;
        return false;
    }
    const TRect n = Dragged(area_, pressFrame_, p.x - press_.x, p.y - press_.y);
    if (!Acceptable(n) || n == frame_)
        return false;
    frame_ = n;
    return true;
}

bool TScaleview::MouseDown(TPoint p)
{
    area_ = hasData_ ? GetBereich(p) : 0;
    if (area_ == 0)
        return false;
    dragging_ = true;
    pressFrame_ = frame_;
    press_ = p;
    return true;
}

std::optional<TViewLimits> TScaleview::MouseUp()
{
    if (!dragging_)
        return std::nullopt;
    dragging_ = false;
    TViewLimits v;
    v.XMin = x_.Pkt2kor(frame_.Left, data_.Left, data_.Right);
    v.XMax = x_.Pkt2kor(frame_.Right, data_.Left, data_.Right);
    v.Y1Min = y1_.Pkt2kor(frame_.Bottom, data_.Bottom, data_.Top);
    v.Y1Max = y1_.Pkt2kor(frame_.Top, data_.Bottom, data_.Top);
    v.WithY2 = isY2_;
    if (isY2_) {
        v.Y2Min = y2_.Pkt2kor(frame_.Bottom, data_.Bottom, data_.Top);
        v.Y2Max = y2_.Pkt2kor(frame_.Top, data_.Bottom, data_.Top);
    }
    return v;
}
