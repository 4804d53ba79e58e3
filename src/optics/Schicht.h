#pragma once
// Propagation through one layer, and the field values inside it.

#include "optics/Plasmon.h"

class TisoSchicht : public TSchicht {
public:
    explicit TisoSchicht(int index) : TSchicht(index) {}
    void SetLayers(const TLayerList& layers) override;
    void CalcMatrix(int mode) override;
    void CalcMatrixAt(double d, int mode) override;
    void CalcEWaveP(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample) override;
    void CalcEWaveS(double t, Complex p, TVeltraVector& amplitudes, TEWave& sample) override;

    TLayer* layer = nullptr;

protected:
    // exp(-s kz) and exp(s kz) on the diagonal for the complex path s.
    void CalcPath(Complex s, int mode);
};
