#pragma once
// Interfaces: the plain Fresnel form between isotropic layers, and the
// mode-matching form where one side is anisotropic.

#include <array>

#include "optics/LayerAniso.h"
#include "optics/Plasmon.h"

class TisoGrenz : public TGrenz {
public:
    TisoGrenz(int upper, int lower) : TGrenz(upper, lower) {}
    void SetLayers(const TLayerList& layers) override;
    void CalcMatrix(int mode) override;

    TLayer* upperLayer = nullptr;
    TLayer* lowerLayer = nullptr;
};

class TanisoGrenz : public TGrenz {
public:
    TanisoGrenz(int upper, int lower) : TGrenz(upper, lower) {}
    void SetLayers(const TLayerList& layers) override;
    // Throws EListError "zero deteminant in invers" for a singular upper
    // field matrix.
    void CalcMatrix(int mode) override;

    TVeltraMatrix fieldUpperP{TVeltraMatrix::Full};
    TVeltraMatrix fieldUpperS{TVeltraMatrix::Full};
    TVeltraMatrix fieldLowerP{TVeltraMatrix::Full};
    TVeltraMatrix fieldLowerS{TVeltraMatrix::Full};
    std::array<Complex, 3> weightP{};
    std::array<Complex, 3> weightS{};
    TLayer_A* upperLayer = nullptr;
    TLayer_A* lowerLayer = nullptr;

protected:
    void Prepare();
    TVeltraMatrix FieldMatrixP(const TLayer_A& u, const TLayer_A& x) const;
    TVeltraMatrix FieldMatrixS(const TLayer_A& u, const TLayer_A& x) const;
};
