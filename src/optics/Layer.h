#pragma once
// The optical model of one layer: its dielectric tensor, the lateral wave
// vector components it shares with the stack, the two z roots for p and for
// s and the p field ratio Ez/Ex. Units: nm, radians, 1/nm.

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "document/Records.h"
#include "optics/Matrix.h"

class TPlasmon;
class TLayer;

using TLayerList = std::vector<std::unique_ptr<TLayer>>;

// (n, kappa) to (n^2 - kappa^2, 2 n kappa).
Complex NkToEps(double n, double kappa);

class TLayer {
public:
    explicit TLayer(int index);
    virtual ~TLayer() = default;
    TLayer(const TLayer&) = delete;
    TLayer& operator=(const TLayer&) = delete;

    // Turns the tensor about the y axis; only the prism's back layer can.
    virtual void Rotate(double angleDeg) {}
    // Takes the layer's values from the run's working record. The layer with
    // index 0 also writes the shared lateral components kx and kx2 into it.
    virtual void SetParameter(TSimparameter& para);
    // Takes a new angle of incidence from a record that differs from the
    // last one given to SetParameter in Theta only: the angles and the
    // lateral components are all that change.
    virtual void SetAngle(TSimparameter& para);
    // Roots, field factors (and in the TLayer_A branch det and mode tables).
    // Raises EkoNullExecption for a vanishing z component.
    virtual void CalcK() = 0;

    Complex GetEps(int i, int j) const { return eps[i][j]; }
    void SetEps(int i, int j, Complex v) { eps[i][j] = v; }
    Complex GetKzp(int k) const { return kzp[k]; }
    void SetKzp(int k, Complex v) { kzp[k] = v; }
    Complex GetKzs(int k) const { return kzs[k]; }
    void SetKzs(int k, Complex v) { kzs[k] = v; }
    Complex GetFieldFactor(int k) const
    {
        if (fieldFactorDue_)
            CalcFieldFactorIso();
        return fieldFactor[k];
    }
    Complex GetK0() const { return Complex(k0, 0.0); }
    // Hy/Ex of a p wave with the z component kz: the isotropic or, for a
    // layer flagged anisotropic, the tensor form. Its real part is the
    // wave's energy flux along z per |Ex|^2.
    Complex AdmittanceP(Complex kxValue, Complex kz) const;

    int index;
    double invK0 = 0.0;
    double k0 = 0.0;
    double k0Square = 0.0;
    double k0Scaled = 0.0;
    double thetaP = 0.0, thetaS = 0.0;
    int polMode = 0;
    Complex path;
    Complex kx, kxS;
    TVeltraVector kzp, kzs;
    TEpsMatrix eps;
    std::uint8_t aniso = 0;
    // Read through GetFieldFactor: a layer between isotropic neighbours
    // computes it on first use after CalcK.
    mutable std::array<Complex, 2> fieldFactor{};
    // A half-space (first or last layer of its stack) orders its roots so
    // that root 0 decays into it or carries energy away from the stack.
    bool halfSpace = false;
    TPlasmon* schicht = nullptr;
    TPlasmon* grenzNext = nullptr;
    TPlasmon* grenzPrev = nullptr;

protected:
    // The record's value for this row and axis (0 X, 1 Y, 2 Z), converted
    // from n and kappa when the record holds those, with -0.0 made +0.0.
    static Complex RowEps(const TSimparameter& para, int row, int axis);
    // Isotropic roots: p from kx, s from kxS (which differ when the first
    // layer is anisotropic).
    void CalcKzIso();
    void CalcFieldFactorIso() const;
    void CopyLateral(const TSimparameter& para);
    // The lateral components of an isotropic first layer, then copied.
    void SetLateralIso(TSimparameter& para);
    // The isotropic tensor from the row's X value and the lateral components
    // (computed here for the first layer): the end of SetParameter of the
    // isotropic classes.
    void SetIsotropic(TSimparameter& para);

    // Only the field runs read the field factor of a layer between isotropic
    // neighbours; a scan would pay a division per layer and point for it.
    mutable bool fieldFactorDue_ = false;

private:
    // The wavelength k0 was derived from; a scan rarely changes it.
    double k0Wavelength_ = -1.0;
    // k0 sqrt(eps) of a first layer and the values it was taken from.
    Complex wave_, waveEps_{NAN, NAN};
    double waveK0_ = NAN;
};

// Isotropic layer between isotropic neighbours.
class TLayer_I1 : public TLayer {
public:
    explicit TLayer_I1(int index) : TLayer(index) {}
    void SetParameter(TSimparameter& para) override;
    void CalcK() override;
};
