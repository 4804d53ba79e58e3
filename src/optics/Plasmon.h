#pragma once
// The transfer-matrix elements: one per layer (propagation) and one per
// interface, each with a 2x2 matrix for p and one for s.

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

// Builds a field sample component from a complex value.
void SetEWaveField(TEWaveField& field, Complex v);
