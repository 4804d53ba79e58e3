#include "gui/fields/Thetaview.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "gui/fields/PaintBox.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"
#include "plot/PlotCanvas.h"

namespace {

constexpr int Margin = 1;

QString degrees(double v)
{
    return QString::fromStdString(veltrane::floatToText(v, veltrane::platform().decimalSeparator())) + "\u00B0";
}

}  // namespace

TThetaview::TThetaview(TPaintBox* box, QLabel* label, QScrollBar* bar1, QScrollBar* bar2)
    : box_(box), label_(label), twoMarkers_(bar2 != nullptr)
{
    bar_[0] = bar1;
    bar_[1] = bar2;
}

void TThetaview::SetOption(std::uint8_t option)
{
    option_ = (option & 3) ? (option & 3) : 1;
    Changed();
}

veltrane::ViewRange TThetaview::XRange() const
{
    veltrane::ViewRange r;
    if (points_)
        for (const TResPunkt& p : *points_)
            r.Take(p.x);
    return r.Widened();
}

std::optional<veltrane::AngleRange> TThetaview::Reach() const
{
    if (!points_ || points_->empty())
        return std::nullopt;
    const veltrane::ViewRange r = XRange();
    return veltrane::AngleRange{r.min, r.max};
}

veltrane::ViewScale TThetaview::Scale(int width, int height) const
{
    veltrane::ViewRange y;
    if (points_)
        for (const TResPunkt& p : *points_) {
            if (!p.valid)
                continue;
            if (option_ & 1)
                y.Take(p.Rp);
            if (option_ & 2)
                y.Take(p.Rs);
        }
    // The frame lies one pixel in, the plot area one more.
    const int inner = Margin + 1;
    return veltrane::ViewScale(inner, inner, std::max(width - Margin - 2 * inner, 1), std::max(height - Margin - 2 * inner, 1),
                     XRange(), y);
}

void TThetaview::Paint(TPlotCanvas& c)
{
    if (Busy || !points_ || points_->empty())
        return;
    const veltrane::ViewScale s = Scale(c.Width(), c.Height());
    c.SetPen(clBlack, psSolid, 1);
    c.SetBrush(clWhite);
    c.Rectangle(0, 0, c.Width() - Margin, c.Height() - Margin);

    c.SetTextTransparent(true);
    c.SetFont({"Arial", 8, false});
    if (option_ & 1) {
        c.SetTextColor(veltrane::ViewBlue);
        c.TextOut(5, 5, "Rp");
    }
    if (option_ & 2) {
        c.SetTextColor(veltrane::ViewRed);
        c.TextOut(5, c.TextHeight("Rs") + 7, "Rs");
    }

    c.SetClipRect({s.left, s.top, s.left + s.width + 1, s.top + s.height + 1});
    auto curve = [&](double TResPunkt::*value, TColor color) {
        c.SetPen(color, psSolid, 1);
        const TResPunkt& first = points_->front();
        c.MoveTo(s.Px(first.x), s.Py(first.*value));
        for (const TResPunkt& p : *points_)
            if (p.valid)
                c.LineTo(s.Px(p.x), s.Py(p.*value));
    };
    if (option_ & 1)
        curve(&TResPunkt::Rp, veltrane::ViewBlue);
    if (option_ & 2)
        curve(&TResPunkt::Rs, veltrane::ViewRed);

    // Not-xor markers stay visible over the curves and the frame.
    c.SetPenMode(pmNotXor);
    c.SetPen(veltrane::ViewGreen, psSolid, 1);
    for (int m = 0; m < (twoMarkers_ ? 2 : 1); ++m) {
        if (!s.HoldsX(theta_[m]))
            continue;
        const int x = s.Px(theta_[m]);
        c.MoveTo(x, s.top);
        c.LineTo(x, s.top + s.height);
    }
    c.SetPenMode(pmCopy);
    c.ClearClip();
}

void TThetaview::SetScrollBar()
{
    const veltrane::ViewRange r = XRange();
    const int max = int(std::ceil((r.max - r.min) / Step - 1e-9));
    for (QScrollBar* bar : bar_)
        if (bar) {
            const QSignalBlocker quiet(bar);
            bar->setRange(0, std::max(max, 0));
        }
}

void TThetaview::ScrollTheta1(int position) { Scroll(0, position); }
void TThetaview::ScrollTheta2(int position) { Scroll(1, position); }

void TThetaview::Scroll(int marker, int position)
{
    const veltrane::ViewRange r = XRange();
    // The last step of a range that is no whole number of steps would go
    // past the curve, where the marker cannot be drawn.
    const auto angleAt = [&](int pos) { return std::min(pos * Step + r.min, r.max); };
    double angle = angleAt(position);
    // Two limits that meet would scan one angle as often as there are
    // samples: the moved one goes a step on, or back where the range ends.
    if (twoMarkers_ && std::fabs(angle - theta_[1 - marker]) < Step / 2) {
        QScrollBar* bar = bar_[marker];
        const int last = bar ? bar->maximum() : position;
        const int step = angle >= theta_[marker] ? 1 : -1;
        for (int next : {position + step, position - step})
            if (next >= 0 && next <= last) {
                angle = angleAt(next);
                if (bar) {
                    const QSignalBlocker quiet(bar);
                    bar->setValue(next);
                }
                break;
            }
    }
    theta_[marker] = angle;
    Changed();
}

void TThetaview::SetTheta1(double angle) { Set(0, angle); }
void TThetaview::SetTheta2(double angle) { Set(1, angle); }

void TThetaview::Set(int marker, double angle)
{
    theta_[marker] = angle;
    if (QScrollBar* bar = bar_[marker]) {
        const double pos = std::ceil((angle - XRange().min) / Step - 1e-9);
        const QSignalBlocker quiet(bar);
        bar->setValue(int(std::clamp(pos, double(bar->minimum()), double(bar->maximum()))));
    }
    Changed();
}

double TThetaview::GetTheta1() const { return twoMarkers_ ? std::min(theta_[0], theta_[1]) : theta_[0]; }
double TThetaview::GetTheta2() const { return twoMarkers_ ? std::max(theta_[0], theta_[1]) : theta_[0]; }

QString TThetaview::LabelText() const
{
    if (!twoMarkers_)
        return "Theta: " + degrees(theta_[0]);
    return "Theta: " + degrees(GetTheta1()) + " - " + degrees(GetTheta2());
}

void TThetaview::Changed()
{
    if (label_)
        label_->setText(LabelText());
    if (box_)
        box_->update();
}
