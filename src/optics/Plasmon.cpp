#include "optics/Plasmon.h"

#include <cmath>
#include <numbers>

TGrenz::TGrenz(int upper, int lower) : upper(upper), lower(lower)
{
    matrixP.kind = TVeltraMatrix::Full;
    matrixS.kind = TVeltraMatrix::Full;
}

TSchicht::TSchicht(int index) : index(index)
{
    matrixP.kind = TVeltraMatrix::Diagonal;
    matrixS.kind = TVeltraMatrix::Diagonal;
}

void SetEWaveField(TEWaveField& field, Complex v)
{
    const double sqr = v.real() * v.real() + v.imag() * v.imag();
    field.value = v;
    // The root of the squared modulus is the modulus to within an ulp; only
    // where squaring leaves the normal range does hypot take over.
    field.modulus = sqr >= 1e-290 && sqr <= 1e290 ? std::sqrt(sqr) : std::abs(v);
    field.modulusSqr = sqr;
    field.phaseDeg = std::atan2(v.imag(), v.real()) * 180.0 / std::numbers::pi;
}
