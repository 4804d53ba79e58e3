// The axis's settings, its tick layouts and the mapping between values and
// pixels.

#include "plot/plain/Axis.h"

#include <algorithm>
#include <cmath>

#include "plot/plain/DecimalDigits.h"

using veltrane::compose;
using veltrane::decompose;
using veltrane::DecimalDigits;

TAxis::TAxis()
{
    Font_.Name = "Courier New";
    Font_.Size = ConvertFontSize(10);
    Font_.Bold = false;
}

void TAxis::Changed()
{
    if (OnValueChange)
        OnValueChange(*this);
}

template <typename T>
static bool store(T& field, const T& v)
{
    if (field == v)
        return false;
    field = v;
    return true;
}

void TAxis::SetTitle(const std::string& v) { if (store(Title_, v)) Changed(); }
void TAxis::SetminValue(double v) { if (store(minValue_, v)) Changed(); }
void TAxis::SetmaxValue(double v) { if (store(maxValue_, v)) Changed(); }
void TAxis::Setlogscale(bool v) { if (store(logscale_, v)) Changed(); }
void TAxis::SetZahlenformat(TZahlenFormat v) { if (store(ZahlenFormat_, v)) Changed(); }
void TAxis::SetGitter(bool v) { if (store(Gitter_, v)) Changed(); }
void TAxis::SetGitterStyle(TPenStyle v) { if (store(Gitterstyle_, v)) Changed(); }
void TAxis::SetGitterColor(TColor v) { if (store(GitterColor_, v)) Changed(); }
void TAxis::SetZeroline(bool v) { if (store(Zeroline_, v)) Changed(); }
void TAxis::SetZerolineColor(TColor v) { if (store(ZerolineColor_, v)) Changed(); }
void TAxis::SetZerolinewidth(TZeroweite v) { if (store(Zerolinewidth_, v)) Changed(); }

void TAxis::Assign(const TAxis& other)
{
    if (&other == this)
        return;
    bool changed = false;
    changed |= store(Title_, other.Title_);
    changed |= store(minValue_, other.minValue_);
    changed |= store(maxValue_, other.maxValue_);
    changed |= store(logscale_, other.logscale_);
    changed |= store(ZahlenFormat_, other.ZahlenFormat_);
    changed |= store(Gitter_, other.Gitter_);
    changed |= store(Gitterstyle_, other.Gitterstyle_);
    changed |= store(GitterColor_, other.GitterColor_);
    changed |= store(Zeroline_, other.Zeroline_);
    changed |= store(ZerolineColor_, other.ZerolineColor_);
    changed |= store(Zerolinewidth_, other.Zerolinewidth_);
    changed |= store(Font_, other.Font_);
    if (changed)
        Changed();
}

void TAxis::SetPixelRange(std::int32_t first, std::int32_t last)
{
    FirstPixel_ = first;
    LastPixel_ = last;
}

// ---- limits and layouts ----------------------------------------------------

void TAxis::Checkminmaxvalue(double& min, double& max) const
{
    if (max < min)
        std::swap(min, max);
    if (logscale_) {
        if (min <= 0)
            min = 1e-5;
        if (min >= max)
            max = min * 100;
    } else if (min == max) {
        min -= 1;
        max += 1;
        // Far from zero a unit is lost in rounding: widen relatively instead.
        if (min == max) {
            double d = std::fabs(min) * 1e-3;
            min -= d;
            max += d;
        }
    }
}

void TAxis::LayoutFromLimits(double min, double max)
{
    Checkminmaxvalue(min, max);
    workMin_ = min;
    workMax_ = max;
    if (logscale_) {
        Startwertlog();
        FirstlogSchrittweite();
    } else {
        First125Schrittweite();
        Startwert125();
    }
}

void TAxis::SetFirstRealvalue(int)
{
    double min = minValue_, max = maxValue_;
    bool usable = std::isfinite(min) && std::isfinite(max) && std::isfinite(max - min);
    if (!usable) {
        // Keep the last good layout; before any, lay out the empty range.
        if (hasLayout_)
            return;
        min = max = 0.0;
    }
    const double start = StartValue_, end = EndValue_, step = Schrittweite_;
    const double wmin = workMin_, wmax = workMax_;
    const bool linear = LinearSteps_;
    LayoutFromLimits(min, max);
    auto sound = [this] {
        return std::isfinite(StartValue_) && std::isfinite(EndValue_) && std::isfinite(Schrittweite_) &&
               Schrittweite_ > 0 && StartValue_ <= EndValue_ && (!logscale_ || StartValue_ > 0);
    };
    if (!sound()) {
        if (hasLayout_) {
            StartValue_ = start;
            EndValue_ = end;
            Schrittweite_ = step;
            LinearSteps_ = linear;
            workMin_ = wmin;
            workMax_ = wmax;
        } else {
            LayoutFromLimits(0.0, 0.0);
        }
    }
    hasLayout_ = true;
}

void TAxis::SetNextRealvalue(int)
{
    if (logscale_)
        NextlogSchrittweite();
    else {
        Next125Schrittweite();
        Startwert125();
    }
}

void TAxis::First125Schrittweite()
{
    double range = workMax_ - workMin_;
    DecimalDigits d = decompose(range, 1);
    int E = d.exponent;
    char digit = d.digits.empty() ? '1' : d.digits[0];
    char step;
    if (digit == '1')
        step = '1';
    else if (digit <= '3')
        step = '2';
    else if (digit <= '6')
        step = '5';
    else {
        step = '1';
        ++E;
    }
    double v;
    Schrittweite_ = compose(false, std::string(1, step), E - 1, v) ? v : range;
}

void TAxis::Next125Schrittweite()
{
    DecimalDigits d = decompose(Schrittweite_, 1);
    if (d.digits.empty())
        return;
    int E = d.exponent;
    char digit = d.digits[0];
    if (digit == '1')
        digit = '2';
    else if (digit == '2')
        digit = '5';
    else if (digit == '5') {
        digit = '1';
        ++E;
    }
    double v;
    // A step that cannot be written keeps the previous one.
    if (compose(false, std::string(1, digit), E, v))
        Schrittweite_ = v;
}

void TAxis::Startwert125()
{
    double min = workMin_;
    double step = Schrittweite_;
    int deci = Getdeci(step);
    if (std::fabs(min) > step) {
        // min rounded down (toward minus infinity) to the step's digit
        // position: keep the digits down to that position, and for a
        // negative value with nonzero dropped digits add one in the last.
        // Fifteen digits drop the binary noise of a computed minimum, so that
        // -0.30000000000000004 starts at -0.3 and not a step lower; a step
        // further down than that needs all digits up to its position.
        int k = std::clamp(decompose(min, 17).exponent - deci + 1, 15, 17);
        DecimalDigits d = decompose(min, k);
        int n = d.exponent - deci;
        double v = min;
        if (n <= 0) {
            v = min < 0 ? -Pot10n(deci) : 0.0;
        } else {
            std::string D = d.digits.substr(0, std::min(d.digits.size(), std::size_t(n)));
            int E = d.exponent;
            if (d.negative && D.size() < d.digits.size() && str_aufrunden(D))
                ++E;
            if (!compose(d.negative, D, E, v))
                v = min;
        }
        StartValue_ = v;
    } else if (std::fabs(min) == step) {
        StartValue_ = min < 0 ? -step : step;
    } else {
        StartValue_ = min < 0 ? -step : 0.0;
    }
    EndValue_ = Runden_nach(Runden((workMax_ - StartValue_) / step + 0.499) * step + StartValue_, deci);
    LinearSteps_ = true;
}

// The exponent E2 of the upper limit, one more when its leading digit is not 1.
static int upperExponent(double max)
{
    DecimalDigits d = decompose(max, 1);
    int E = d.exponent;
    if (d.digits.empty() || d.digits[0] != '1')
        ++E;
    return E;
}

void TAxis::Startwertlog()
{
    int E1 = decompose(workMin_, 1).exponent;
    // Rounding to one digit can lift the start above the data (0.096 reads
    // as 0.1): step down a decade then.
    double start = Pot10n(E1 - 1);
    for (int n = 0; n < 40 && start > workMin_ * (1 + 1e-12); ++n) {
        --E1;
        start = Pot10n(E1 - 1);
    }
    StartValue_ = start;
    int E2 = upperExponent(workMax_);
    if (E2 - E1 - 1 > 0) {
        LinearSteps_ = false;
        Schrittweite_ = 1;
    } else {
        LinearSteps_ = true;
        Schrittweite_ = StartValue_;
    }
}

void TAxis::EncloseDecades()
{
    // Extend the decade layout by whole steps until the data are enclosed.
    int Es = decompose(StartValue_, 1).exponent;
    int s = int(Runden(Schrittweite_));
    int k = int(Runden((upperExponent(workMax_) - Es) / Schrittweite_ + 0.499));
    double v = 0;
    bool ok = compose(false, "1", Es + k * s, v);
    for (int n = 0; ok && n < 400 && v < workMax_ * (1 - 1e-12); ++n) {
        ++k;
        ok = compose(false, "1", Es + k * s, v);
    }
    EndValue_ = ok ? v : workMax_;
}

void TAxis::FirstlogSchrittweite()
{
    if (LinearSteps_) {
        EndValue_ = Runden_nach(Runden((workMax_ - StartValue_) / Schrittweite_ + 0.499) * Schrittweite_ +
                                    StartValue_,
                                Getdeci(Schrittweite_));
    } else {
        EncloseDecades();
    }
}

void TAxis::NextlogSchrittweite()
{
    if (LinearSteps_)
        Schrittweite_ = 1;
    LinearSteps_ = false;
    Schrittweite_ += 1;
    EncloseDecades();
}

double TAxis::NextValue(int i, double x) const
{
    if (LinearSteps_)
        return Runden_nach(StartValue_ + i * Schrittweite_, Getdeci(Schrittweite_));
    int E = decompose(x, 1).exponent;
    double v;
    if (compose(false, "1", E + int(Runden(Schrittweite_)), v))
        return v;
    // The next decade overflows: the ticks end at the axis limit, which the
    // decade layout took as its end.
    return x < EndValue_ ? EndValue_ : HUGE_VAL;
}

// ---- mapping ---------------------------------------------------------------

std::optional<std::int32_t> TAxis::TryKor2Pkt(double v) const
{
    double a = StartValue_, b = EndValue_;
    if (!std::isfinite(v))
        return std::nullopt;
    if (logscale_) {
        if (v <= 0 || a <= 0 || b <= 0)
            return std::nullopt;
        a = std::log10(a);
        b = std::log10(b);
        v = std::log10(v);
    }
    double p = double(LastPixel_ - FirstPixel_) / (b - a) * (v - a) + FirstPixel_;
    if (!std::isfinite(p) || std::fabs(p) > MaxPixel)
        return std::nullopt;
    return std::int32_t(Runden(p));
}

std::int32_t TAxis::Kor2Pkt(double v) const
{
    if (auto p = TryKor2Pkt(v))
        return *p;
    double a = StartValue_, b = EndValue_;
    if (std::isnan(v))
        return FirstPixel_;
    if (logscale_) {
        if (a <= 0 || b <= 0)
            return FirstPixel_;
        a = std::log10(a);
        b = std::log10(b);
        v = v <= 0 ? -HUGE_VAL : std::log10(v);
    }
    double p = double(LastPixel_ - FirstPixel_) / (b - a) * (v - a) + FirstPixel_;
    if (std::isnan(p))
        return FirstPixel_;
    return std::int32_t(std::clamp(p, -MaxPixel, MaxPixel));
}

double TAxis::Pkt2kord(std::int32_t p) const
{
    double a = StartValue_, b = EndValue_;
    bool lg = logscale_ && a > 0 && b > 0;
    if (lg) {
        a = std::log10(a);
        b = std::log10(b);
    }
    double v = LastPixel_ == FirstPixel_ ? a : a + (b - a) / double(LastPixel_ - FirstPixel_) * (p - FirstPixel_);
    return lg ? std::pow(10.0, v) : v;
}

std::int32_t TAxis::Getminspace(int length)
{
    double best = std::fabs(double(length) - 2.0 * Overlap_);
    FirstPixel_ = Overlap_;
    LastPixel_ = length - Overlap_;
    double x = StartValue_;
    std::int32_t px = Kor2Pkt(x);
    for (int i = 1;; ++i) {
        if (i > MaxTicks)
            return 0;  // far too many ticks for any label
        double y = NextValue(i, x);
        if (!(y <= EndValue_))
            break;
        std::int32_t py = Kor2Pkt(y);
        best = std::min(best, std::fabs(double(py) - double(px)));
        x = y;
        px = py;
    }
    return std::int32_t(best);
}
