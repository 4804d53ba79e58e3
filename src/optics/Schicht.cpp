#include "optics/Schicht.h"

#include <cmath>

#include "optics/ComplexOps.h"
#include "optics/MathError.h"

namespace {

// exp(-z) and exp(z) from one sine, one cosine and one exponential.
void expPair(Complex z, Complex& minus, Complex& plus)
{
    if (z == Complex(0.0, 0.0)) {
        minus = plus = Complex(1.0, 0.0);
        return;
    }
    if (!(std::abs(z.real()) <= 709.78) || !std::isfinite(z.imag()))
        MathErrorHandler(std::isfinite(z.real()) ? MathErrKind::Overflow : MathErrKind::Domain, "cexp",
                         z.real(), z.imag());
    const double e = std::exp(z.real());
    const double c = std::cos(z.imag()), s = std::sin(z.imag());
    plus = Complex(e * c, e * s);
    minus = Complex(c / e, -s / e);
}

}  // namespace

void TisoSchicht::SetLayers(const TLayerList& layers)
{
    layer = layers[index].get();
    layer->schicht = this;
}

void TisoSchicht::CalcPath(Complex s, int mode)
{
    const Complex kp = layer->kzp[0], ks = layer->kzs[0];
    if ((mode == 0 || mode == 2) && !builtP_.Is(s, kp)) {
        builtP_.valid = false;
        expPair(veltrane::Mul(s, kp), matrixP[0][0], matrixP[1][1]);
        builtP_ = {true, s, kp};
    }
    if ((mode == 1 || mode == 2) && !builtS_.Is(s, ks)) {
        builtS_.valid = false;
        // An isotropic layer lit by isotropic first layers has kzs = kzp.
        if (builtP_.Is(s, ks)) {
            matrixS[0][0] = matrixP[0][0];
            matrixS[1][1] = matrixP[1][1];
        } else {
            expPair(veltrane::Mul(s, ks), matrixS[0][0], matrixS[1][1]);
        }
        builtS_ = {true, s, ks};
    }
}

namespace {

// The inverse of the propagation diag(exp(-z), exp(z)) is its swapped
// diagonal: the pair moves to the end of the path.
void carry(const TVeltraMatrix& m, TVeltraVector& a)
{
    a[0] = veltrane::Mul(a[0], m[1][1]);
    a[1] = veltrane::Mul(a[1], m[0][0]);
}

}  // namespace

void TisoSchicht::CalcMatrix(int mode) { CalcPath(layer->path, mode); }

void TisoSchicht::CalcMatrixAt(double d, int mode) { CalcPath(Complex(0.0, d), mode); }

void TisoSchicht::CalcEWaveP(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample)
{
    using veltrane::Mul;
    CalcPath(t * p, 0);
    carry(matrixP, amplitudes);
    const Complex a0 = amplitudes[0], a1 = amplitudes[1];
    const Complex k = layer->kzp[0], r = layer->GetFieldFactor(0);
    const double invK0 = layer->invK0;
    SetEWaveField(sample.Feld[ehEx], a0 + a1);
    SetEWaveField(sample.Feld[ehHy], Mul((k - Mul(layer->kx, r)) * invK0, a0 - a1));
    SetEWaveField(sample.Feld[ehEz], Mul(r, a0 - a1));
}

void TisoSchicht::CalcEWaveS(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample)
{
    using veltrane::Mul;
    CalcPath(t * p, 1);
    carry(matrixS, amplitudes);
    const Complex a0 = amplitudes[0], a1 = amplitudes[1];
    const Complex k = layer->kzs[0];
    const double invK0 = layer->invK0;
    SetEWaveField(sample.Feld[ehHx], Mul(-(k * invK0), a0 - a1));
    SetEWaveField(sample.Feld[ehEy], a0 + a1);
    SetEWaveField(sample.Feld[ehHz], Mul(layer->kxS * invK0, a0 + a1));
}

void TisoSchicht::CarryAt(double d, int mode, TVeltraVector& p, TVeltraVector& s)
{
    CalcPath(Complex(0.0, d), mode);
    if (mode == 0 || mode == 2)
        carry(matrixP, p);
    if (mode == 1 || mode == 2)
        carry(matrixS, s);
}
