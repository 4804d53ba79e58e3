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
    // One propagation serves p and s where their roots agree.
    void CalcEWave(double t, Complex p, TVeltraVector& pairP, TVeltraVector& pairS, int mode,
                   TEWave& sample) override;
    void CarryAt(double d, int mode, TVeltraVector& p, TVeltraVector& s) override;

    TLayer* layer = nullptr;

protected:
    // exp(-s kz) and exp(s kz) on the diagonal for the complex path s.
    void CalcPath(Complex s, int mode);

private:
    // Ex, Hy, Ez and Hx, Ey, Hz from the pairs at the sample's depth.
    void FieldsP(const TVeltraVector& a, TEWave& sample) const;
    void FieldsS(const TVeltraVector& a, TEWave& sample) const;

    // What each diagonal was last built from. The same path and root give
    // the same matrix: the field runs then neither rebuild what the update
    // built nor build s apart from p where the roots agree.
    struct Built {
        bool valid = false;
        Complex path, kz;
        bool Is(Complex s, Complex k) const { return valid && s == path && k == kz; }
    };
    Built builtP_, builtS_;
};
