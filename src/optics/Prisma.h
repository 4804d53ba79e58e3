#pragma once
// The prism: from the outer angle Theta and the prism geometry to the
// angles of incidence inside the stack's first layer, the incident Jones
// pair, and the intensity factors of the passage through the prism faces.

#include <cmath>

#include "document/Records.h"
#include "optics/Grenz.h"
#include "optics/Layer.h"

class TPrisma {
public:
    TPrisma();
    TPrisma(const TPrisma&) = delete;
    TPrisma& operator=(const TPrisma&) = delete;

    // Writes rec.ThetaP, rec.ThetaS, rec.Ep, rec.Es and factorP, factorS.
    // Raises EWinkelfehler when no refracted angle exists.
    void Calc(TSimparameter& rec);

    TLayer* front() const { return layers_.empty() ? nullptr : layers_[0].get(); }
    TLayer* back() const { return layers_.size() < 2 ? nullptr : layers_[1].get(); }

    static void JonesVector(double azimutDeg, double ellipticDeg, Complex& Ep, Complex& Es);

    int Prismart = 0;
    std::uint32_t Prismreflek = 0;
    double Prismawinkel = 0.0;
    double epsXX = 0.0, epsZZ = 0.0, epsXZ = 0.0, epsYY = 0.0;
    double alphaIn = 0.0;
    double halfAngle = 0.0;
    // The prism's own two-layer record: air in front, the prism material
    // (the stack's first row) behind.
    TSimparameter para;
    double factorP = 1.0, factorS = 1.0;

private:
    // What the incident pair is derived from.
    struct Light {
        std::int32_t polArt = 0;
        std::uint8_t circular = 0;
        double azimut = 0.0, elliptic = 0.0;
        bool operator==(const Light&) const = default;
    };

    void SetPrismwinkel(const TSimparameter& rec);
    void CreateLayers(TSimparameter& rec);
    // The prism's own two layers for the record's prism material.
    void SetUpLayers(TSimparameter& rec);
    void CopyParameter(const TSimparameter& rec);
    void SetPolarisation(TSimparameter& rec);
    void TakeLight(const Light& light);
    void CalcNoPrism(TSimparameter& rec);
    void CalcTriangular(TSimparameter& rec);
    void CalcCone(TSimparameter& rec) { CalcTriangular(rec); }
    void CalcHalfcylinder(TSimparameter& rec);
    void CalcHemisphere(TSimparameter& rec) { CalcHalfcylinder(rec); }
    void GetEpsDiag();
    void CalcRefraction(TSimparameter& rec);
    void CalcRefractionIso(double& betaP, double& betaS) const;
    void CalcRefractionAniso(double& betaP, double& betaS) const;
    void CalcReflektion(const TSimparameter& rec);
    static TVeltraVector CalcRT1(const TVeltraMatrix& m);
    void CalcFactors(Complex tP, Complex tS);

    // front, back; kept between calls and rebuilt only when the prism
    // material changes between isotropic and anisotropic.
    TLayerList layers_;
    bool anisoLayers_ = false;
    TisoGrenz isoFace_{0, 1};
    TanisoGrenz anisoFace_{0, 1};
    // The prism angle halfAngle was derived from.
    double halfAngleOf_ = NAN;
    // The incident pair and the light it was derived from.
    bool lightKept_ = false;
    Light light_;
    Complex Ep_, Es_;
};
