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

// The inverse of the propagation diag(exp(-z), exp(z)) is its swapped
// diagonal: the pair moves to the end of the path.
void carry(const TVeltraMatrix& m, TVeltraVector& a)
{
    a[0] = veltrane::Mul(a[0], m[1][1]);
    a[1] = veltrane::Mul(a[1], m[0][0]);
}

void phasesP(TEWave& sample)
{
    SetEWavePhase(sample.Feld[ehEx]);
    SetEWavePhase(sample.Feld[ehHy]);
    SetEWavePhase(sample.Feld[ehEz]);
}

void phasesS(TEWave& sample)
{
    SetEWavePhase(sample.Feld[ehHx]);
    SetEWavePhase(sample.Feld[ehEy]);
    SetEWavePhase(sample.Feld[ehHz]);
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
    const Complex one(1.0, 0.0);
    if (s == Complex(0.0, 0.0)) {
        // No stretch (the stack's half-spaces): nothing propagates.
        if (mode == 0 || mode == 2) {
            matrixP[0][0] = matrixP[1][1] = one;
            builtP_ = {true, s, kp};
        }
        if (mode == 1 || mode == 2) {
            matrixS[0][0] = matrixS[1][1] = one;
            builtS_ = {true, s, ks};
        }
        return;
    }
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

void TisoSchicht::CalcMatrix(int mode) { CalcPath(layer->path, mode); }

void TisoSchicht::CalcMatrixAt(double d, int mode) { CalcPath(Complex(0.0, d), mode); }

void TisoSchicht::FieldsP(const TVeltraVector& a, TEWave& sample) const
{
    using veltrane::Mul;
    const Complex a0 = a[0], a1 = a[1];
    const Complex k = layer->kzp[0], r = layer->GetFieldFactor(0);
    const double invK0 = layer->invK0;
    SetEWaveValue(sample.Feld[ehEx], a0 + a1);
    SetEWaveValue(sample.Feld[ehHy], Mul((k - Mul(layer->kx, r)) * invK0, a0 - a1));
    SetEWaveValue(sample.Feld[ehEz], Mul(r, a0 - a1));
}

void TisoSchicht::FieldsS(const TVeltraVector& a, TEWave& sample) const
{
    using veltrane::Mul;
    const Complex a0 = a[0], a1 = a[1];
    const Complex k = layer->kzs[0];
    const double invK0 = layer->invK0;
    SetEWaveValue(sample.Feld[ehHx], Mul(-(k * invK0), a0 - a1));
    SetEWaveValue(sample.Feld[ehEy], a0 + a1);
    SetEWaveValue(sample.Feld[ehHz], Mul(layer->kxS * invK0, a0 + a1));
}

void TisoSchicht::CalcEWaveP(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample)
{
    CalcPath(t * p, 0);
    carry(matrixP, amplitudes);
    FieldsP(amplitudes, sample);
    phasesP(sample);
}

void TisoSchicht::CalcEWaveS(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample)
{
    CalcPath(t * p, 1);
    carry(matrixS, amplitudes);
    FieldsS(amplitudes, sample);
    phasesS(sample);
}

void TisoSchicht::CalcEWave(double t, Complex p, TVeltraVector& pairP, TVeltraVector& pairS, int mode,
                            TEWave& sample)
{
    const bool doP = mode == 0 || mode == 2, doS = mode == 1 || mode == 2;
    CalcPath(t * p, mode);
    if (doP) {
        carry(matrixP, pairP);
        FieldsP(pairP, sample);
    }
    if (doS) {
        carry(matrixS, pairS);
        FieldsS(pairS, sample);
    }
    if (doP)
        phasesP(sample);
    if (doS)
        phasesS(sample);
}

void TisoSchicht::CarryAt(double d, int mode, TVeltraVector& p, TVeltraVector& s)
{
    CalcPath(Complex(0.0, d), mode);
    if (mode == 0 || mode == 2)
        carry(matrixP, p);
    if (mode == 1 || mode == 2)
        carry(matrixS, s);
}
