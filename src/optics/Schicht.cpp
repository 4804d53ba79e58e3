#include "optics/Schicht.h"

#include <cmath>

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
    if (mode == 0 || mode == 2)
        expPair(s * layer->kzp[0], matrixP[0][0], matrixP[1][1]);
    if (mode == 1 || mode == 2) {
        // An isotropic layer lit by isotropic first layers has kzs = kzp.
        if (mode == 2 && layer->kzs[0] == layer->kzp[0]) {
            matrixS[0][0] = matrixP[0][0];
            matrixS[1][1] = matrixP[1][1];
        } else {
            expPair(s * layer->kzs[0], matrixS[0][0], matrixS[1][1]);
        }
    }
}

void TisoSchicht::CalcMatrix(int mode) { CalcPath(layer->path, mode); }

void TisoSchicht::CalcMatrixAt(double d, int mode) { CalcPath(Complex(0.0, d), mode); }

void TisoSchicht::CalcEWaveP(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample)
{
    CalcPath(t * p, 0);
    amplitudes = matrixP.invers().MulVector(amplitudes);
    const Complex a0 = amplitudes[0], a1 = amplitudes[1];
    const Complex k = layer->kzp[0], r = layer->GetFieldFactor(0), k0 = layer->GetK0();
    SetEWaveField(sample.Feld[ehEx], a0 + a1);
    SetEWaveField(sample.Feld[ehHy], ((k - layer->kx * r) / k0) * (a0 - a1));
    SetEWaveField(sample.Feld[ehEz], r * (a0 - a1));
}

void TisoSchicht::CalcEWaveS(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample)
{
    CalcPath(t * p, 1);
    amplitudes = matrixS.invers().MulVector(amplitudes);
    const Complex a0 = amplitudes[0], a1 = amplitudes[1];
    const Complex k = layer->kzs[0], k0 = layer->GetK0();
    SetEWaveField(sample.Feld[ehHx], -(k / k0) * (a0 - a1));
    SetEWaveField(sample.Feld[ehEy], a0 + a1);
    SetEWaveField(sample.Feld[ehHz], (layer->kxS / k0) * (a0 + a1));
}
