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
    field.value = v;
    field.modulus = std::abs(v);
    field.modulusSqr = v.real() * v.real() + v.imag() * v.imag();
    field.phaseDeg = std::arg(v) * 180.0 / std::numbers::pi;
}
