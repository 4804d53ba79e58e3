#include "gui/fit/Marker.h"

#include <algorithm>
#include <cmath>

#include "gui/common/plain/NumericHelpers.h"
#include "plot/Lineplot.h"
#include "plot/XorFrame.h"

namespace {

// A quotient of grid values that is an integer within rounding counts as
// that integer: 0.1 / 0.1 steps must not fall to the step below (nor 60 /
// 0.1 rise to the one above).
double snapQuotient(double q)
{
    const double nearest = std::round(q);
    return std::fabs(q - nearest) <= 1e-9 * std::max(1.0, std::fabs(q)) ? nearest : q;
}

}  // namespace

TMarker::TMarker(TLinePlot& plot, double min, double max, int stepExponent, TColor colour)
    : plot_(plot), colour_(colour), min_(min), max_(max), exponent_(stepExponent), step_(Pow10(stepExponent))
{
    const double q = std::ceil(snapQuotient((max_ - min_) / step_));
    steps_ = std::isfinite(q) && q > 0.0 ? int(std::min(q, 2.0e9)) : 0;
}

double TMarker::SnappedValue(int position) const
{
    const double v = CeilToDigit(exponent_, double(position) * step_ + min_);
    // The last step can lie past a maximum that is not on the grid.
    return std::clamp(v, std::min(min_, max_), std::max(min_, max_));
}

void TMarker::SetPos(int position)
{
    position_ = std::clamp(position, 0, steps_);
    value_ = SnappedValue(position_);
    Draw();
}

void TMarker::SetValue(double value)
{
    if (!std::isfinite(value))
        value = min_;
    value = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    const double q = std::trunc(snapQuotient((value - min_) / step_));
    position_ = std::clamp(int(std::min(q, 2.0e9)), 0, steps_);
    value_ = SnappedValue(position_);
    Draw();
}

void TMarker::Place()
{
    const TAxis& x = plot_.XAxis();
    const std::optional<std::int32_t> p = x.TryKor2Pkt(value_);
    visible_ = p && value_ >= std::min(x.minValue(), x.maxValue()) && value_ <= std::max(x.minValue(), x.maxValue());
    if (p)
        pixel_ = *p;
    drawn_ = visible_;
}

void TMarker::Paint()
{
    Place();
    plot_.update();
}

void TMarker::PaintOn(QImage& screen) const
{
    if (!drawn_)
        return;
    const TRect r = plot_.GetPlotrec();
    NotXorFrame(screen, {pixel_, r.Top, pixel_ + 1, r.Bottom}, colour_, false);
}
