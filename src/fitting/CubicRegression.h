#pragma once
// Least-squares cubic through the bottom of a dip and the minimum of that
// cubic, for the resonance-minimum evaluation.

#include <array>
#include <cstdint>
#include <vector>

#include "document/NoValue.h"

struct TAuswPunkt {
    double x = NOVALUE;
    double y = NOVALUE;
    std::int32_t Index = -1;
    std::uint8_t valid = 0;
};

// One point of a drawn regression curve.
struct TRegPunkt {
    double x = 0.0;
    double y = 0.0;
};

class Tcubicregression {
public:
    // The minimum of the cubic fitted to the candidates below level around
    // candidate index; x and y are NOVALUE (valid 0) when the selected points
    // do not determine a cubic or its minimum lies outside their extent.
    TAuswPunkt FitMinimum(const std::vector<TAuswPunkt>& candidates, int index, double level);
    // Fills every point of curve with the fitted cubic over the selected
    // extent; empties it when no cubic was fitted.
    void GetCurve(std::vector<TRegPunkt>& curve) const;

    static double Potenz(double x, int k);
    // Value of c0 + c1 t + c2 t² + c3 t³.
    static double Polynom(const std::array<double, 4>& c, double t);
    // Coefficients of the derivative of the given order.
    static std::array<double, 4> Ableitung(std::array<double, 4> c, int order);

    double Level = 0.0;
    std::vector<TAuswPunkt> Selected;
    double xmin = 0.0, xmax = 0.0;

private:
    void SelectPoints(const std::vector<TAuswPunkt>& candidates, int i);
    void AddPoint(const TAuswPunkt& p);
    bool AddLevelPoint(const TAuswPunkt& p, const TAuswPunkt& q);
    double SumX(int k) const;
    double SumXY(int k) const;
    void SetMatrix();
    void SetVector();
    // Solves the normal equations by elimination with partial pivoting;
    // false when a pivot is negligible against the matrix (fewer than four
    // distinct x, or points too close to tell apart).
    bool Gauss();
    double Extremum(double x0) const;
    // The fit runs in t = (x - center) / halfWidth, which keeps the normal
    // equations well conditioned for data far from x = 0 (angles near 45°).
    double ToT(double x) const { return (x - center) / halfWidth; }
    double P(double x) const { return Polynom(coeff, ToT(x)); }
    double dP(double x) const { return Polynom(deriv, ToT(x)); }

    double center = 0.0, halfWidth = 1.0;
    std::array<std::array<double, 4>, 4> matrix{};
    std::array<double, 4> coeff{};
    std::array<double, 4> deriv{};
    bool fitted = false;
};
