#include "fitting/CubicRegression.h"

#include <algorithm>
#include <cmath>

double Tcubicregression::Potenz(double x, int k)
{
    double r = 1.0;
    for (int i = 0; i < k; ++i)
        r *= x;
    return r;
}

double Tcubicregression::Polynom(const std::array<double, 4>& c, double t)
{
    return ((c[3] * t + c[2]) * t + c[1]) * t + c[0];
}

std::array<double, 4> Tcubicregression::Ableitung(std::array<double, 4> c, int order)
{
    for (int o = 0; o < order; ++o) {
        for (int i = 0; i < 3; ++i)
            c[i] = (i + 1) * c[i + 1];
        c[3] = 0.0;
    }
    return c;
}

void Tcubicregression::AddPoint(const TAuswPunkt& p)
{
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
    Selected.push_back(p);
}

bool Tcubicregression::AddLevelPoint(const TAuswPunkt& p, const TAuswPunkt& q)
{
    if (p.y <= Level) {
        AddPoint(p);
        return p.y < Level;  // a point on the level ends its side
    }
    if (q.y <= Level) {
        TAuswPunkt crossing = p;
        crossing.x = p.x + (Level - p.y) / (q.y - p.y) * (q.x - p.x);
        crossing.y = Level;
        AddPoint(crossing);
    }
    return false;
}

void Tcubicregression::SelectPoints(const std::vector<TAuswPunkt>& c, int i)
{
    const int count = int(c.size());
    xmin = xmax = c[std::size_t(i)].x;
    Selected.clear();
    if (i - 1 >= 0)
        AddPoint(c[std::size_t(i - 1)]);
    AddPoint(c[std::size_t(i)]);
    if (i + 1 < count)
        AddPoint(c[std::size_t(i + 1)]);
    for (int k = i - 2; k >= 0; --k)
        if (!AddLevelPoint(c[std::size_t(k)], c[std::size_t(k + 1)]))
            break;
    for (int k = i + 2; k < count; ++k)
        if (!AddLevelPoint(c[std::size_t(k)], c[std::size_t(k - 1)]))
            break;
}

double Tcubicregression::SumX(int k) const
{
    double s = 0.0;
    for (const TAuswPunkt& p : Selected)
        s += Potenz(ToT(p.x), k);
    return s;
}

double Tcubicregression::SumXY(int k) const
{
    double s = 0.0;
    for (const TAuswPunkt& p : Selected)
        s += Potenz(ToT(p.x), k) * p.y;
    return s;
}

void Tcubicregression::SetMatrix()
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            matrix[i][j] = SumX(i + j);
}

void Tcubicregression::SetVector()
{
    for (int i = 0; i < 4; ++i)
        coeff[i] = SumXY(i);
}

bool Tcubicregression::Gauss()
{
    auto a = matrix;
    auto b = coeff;
    double scale = 0.0;
    for (const auto& row : a)
        for (double v : row)
            scale = std::max(scale, std::fabs(v));
    const double tiny = 1e-12 * scale;
    std::array<int, 4> r{0, 1, 2, 3};
    for (int k = 0; k < 4; ++k) {
        int piv = k;
        for (int i = k + 1; i < 4; ++i)
            if (std::fabs(a[r[i]][k]) > std::fabs(a[r[piv]][k]))
                piv = i;
        if (!(std::fabs(a[r[piv]][k]) > tiny))
            return false;
        std::swap(r[k], r[piv]);
        for (int i = k + 1; i < 4; ++i) {
            // The factor is taken before the row changes under it.
            const double f = a[r[i]][k] / a[r[k]][k];
            for (int j = k; j < 4; ++j)
                a[r[i]][j] -= f * a[r[k]][j];
            b[r[i]] -= f * b[r[k]];
        }
    }
    for (int i = 3; i >= 0; --i) {
        double s = b[r[i]];
        for (int j = i + 1; j < 4; ++j)
            s -= a[r[i]][j] * b[r[j]];
        b[r[i]] = s / a[r[i]][i];
    }
    for (int i = 0; i < 4; ++i)
        coeff[i] = b[r[i]];
    return std::all_of(coeff.begin(), coeff.end(), [](double c) { return std::isfinite(c); });
}

double Tcubicregression::Extremum(double x0) const
{
    const double h = 0.01 * (xmax - xmin);
    if (!(h > 0.0))
        return NOVALUE;
    double a = x0 - h, b = x0, c = x0 + h;
    double pa = P(a), pb = P(b), pc = P(c);
    double dir = 1.0;
    if (pc > pa) {
        std::swap(a, c);
        std::swap(pa, pc);
        dir = -1.0;
    }
    int steps = 0;
    while (!(pb <= pa && pb <= pc)) {
        a = b;
        pa = pb;
        b = c;
        pb = pc;
        c = b + dir * h;
        pc = P(c);
        if ((dir > 0 && c > xmax) || (dir < 0 && c < xmin) || ++steps > 100)
            return NOVALUE;
    }
    double lo = std::min(a, c), hi = std::max(a, c);
    for (double half = (hi - lo) * 0.5; half > 1e-5; half *= 0.5) {
        const double m = (hi + lo) * 0.5;
        const double dm = dP(m);
        if (dm == 0.0)  // on the root: lo would stop seeing a sign change
            return m;
        if (dm * dP(lo) < 0.0)
            hi = m;
        else
            lo = m;
    }
    return (hi + lo) * 0.5;
}

TAuswPunkt Tcubicregression::FitMinimum(const std::vector<TAuswPunkt>& candidates, int index,
                                        double level)
{
    fitted = false;
    Level = level;
    SelectPoints(candidates, index);

    std::vector<double> xs;
    xs.reserve(Selected.size());
    for (const TAuswPunkt& p : Selected)
        xs.push_back(p.x);
    std::sort(xs.begin(), xs.end());
    if (std::unique(xs.begin(), xs.end()) - xs.begin() < 4)
        return TAuswPunkt{};

    center = (xmin + xmax) * 0.5;
    halfWidth = (xmax - xmin) * 0.5;
    SetMatrix();
    SetVector();
    if (!Gauss())
        return TAuswPunkt{};
    fitted = true;
    deriv = Ableitung(coeff, 1);

    const double x = Extremum(candidates[std::size_t(index)].x);
    // The initial bracket reaches one step past the selected points; a
    // minimum found there is an extrapolation, not a result.
    if (x == NOVALUE || x < xmin || x > xmax)
        return TAuswPunkt{};
    TAuswPunkt r;
    r.x = x;
    r.y = P(x);
    r.Index = index;
    r.valid = 1;
    return r;
}

void Tcubicregression::GetCurve(std::vector<TRegPunkt>& curve) const
{
    if (!fitted) {
        curve.clear();
        return;
    }
    const std::size_t n = curve.size();
    for (std::size_t k = 0; k < n; ++k) {
        const double x = n > 1 ? xmin + (xmax - xmin) * double(k) / double(n - 1) : xmin;
        curve[k] = TRegPunkt{x, P(x)};
    }
}
