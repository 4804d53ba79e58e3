#pragma once
// The transfer-matrix elements: one per layer (propagation) and one per
// interface, each with a 2x2 matrix for p and one for s.

#include <cmath>
#include <numbers>

#include "document/Records.h"
#include "optics/Layer.h"
#include "optics/Matrix.h"

class TPlasmon {
public:
    TPlasmon() = default;
    virtual ~TPlasmon() = default;
    TPlasmon(const TPlasmon&) = delete;
    TPlasmon& operator=(const TPlasmon&) = delete;

    // Field values at the relative depth t of the complex path p; the pair is
    // propagated there in place. Only the layer element computes them.
    virtual void CalcEWaveP(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample) {}
    virtual void CalcEWaveS(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample) {}
    // Both at once, p for mode 0 or 2 and s for mode 1 or 2, as the depth
    // profile asks for them at every sample.
    virtual void CalcEWave(double t, Complex p, TVeltraVector& pairP, TVeltraVector& pairS, int mode,
                           TEWave& sample)
    {
        if (mode == 0 || mode == 2)
            CalcEWaveP(t, p, pairP, sample);
        if (mode == 1 || mode == 2)
            CalcEWaveS(t, p, pairS, sample);
    }
    // The matrices for the path (0, d) instead of the layer's own.
    virtual void CalcMatrixAt(double d, int mode) {}
    // The pairs carried over the path (0, d) as CalcEWaveP and CalcEWaveS
    // carry them to its end, without the field values; p for mode 0 or 2, s
    // for mode 1 or 2. Only the layer element propagates.
    virtual void CarryAt(double d, int mode, TVeltraVector& p, TVeltraVector& s) {}
    // Records the element's layers and its back references in them.
    virtual void SetLayers(const TLayerList& layers) = 0;
    // Rebuilds p for mode 0 or 2, s for mode 1 or 2.
    virtual void CalcMatrix(int mode) = 0;

    TVeltraMatrix matrixP{TVeltraMatrix::Full};
    TVeltraMatrix matrixS{TVeltraMatrix::Full};
    // Set by the isotropic interface, whose matrices are
    // 0.5 [[1 + q, 1 - q], [1 - q, 1 + q]] with these q: a product with it
    // then takes two complex products instead of eight.
    bool fresnelForm = false;
    Complex qP, qS;
};

using TPlasmonList = std::vector<std::unique_ptr<TPlasmon>>;

// Interface between layer `upper` and layer `lower` = upper + 1.
class TGrenz : public TPlasmon {
public:
    TGrenz(int upper, int lower);
    int upper;
    int lower;
};

// Propagation through one layer: diagonal matrices.
class TSchicht : public TPlasmon {
public:
    explicit TSchicht(int index);
    int index;
};

// A field sample component from a complex value: SetEWaveValue fills the
// value, its modulus and squared modulus, SetEWavePhase the phase in
// degrees. The phase is a library call that keeps no register alive, so the
// layer element does the arithmetic of all its components before the calls.
inline void SetEWaveValue(TEWaveField& field, Complex v)
{
    const double sqr = v.real() * v.real() + v.imag() * v.imag();
    field.value = v;
    // The root of the squared modulus is the modulus to within an ulp; only
    // where squaring leaves the normal range does hypot take over.
    field.modulus = sqr >= 1e-290 && sqr <= 1e290 ? std::sqrt(sqr) : std::abs(v);
    field.modulusSqr = sqr;
}

inline void SetEWavePhase(TEWaveField& field)
{
    field.phaseDeg = std::atan2(field.value.imag(), field.value.real()) * (180.0 / std::numbers::pi);
}

inline void SetEWaveField(TEWaveField& field, Complex v)
{
    SetEWaveValue(field, v);
    SetEWavePhase(field);
}
