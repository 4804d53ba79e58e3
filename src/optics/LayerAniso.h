#pragma once
// The layers an anisotropic interface reads: they carry the p and s mode
// tables (field components per root) and the determinant of their tensor.

#include "optics/Layer.h"

class TLayer_A : public TLayer {
public:
    explicit TLayer_A(int index) : TLayer(index) {}
    void SetParameter(TSimparameter& para) override;
    void CalcK() override;

    // Ex0, Ex1, Hy0, Hy1, Dz0, Dz1
    std::array<Complex, 6> modeP{};
    // Ey0, Ey1, Hx0, Hx1, Hz0, Hz1
    std::array<Complex, 6> modeS{};
    Complex det;

protected:
    Complex CalcDeterminant() const;
    void CalcPS();
    void CalcP();
    void CalcS();
};

// Isotropic layer next to an anisotropic one; the front (air) layer of an
// anisotropic prism.
class TLayer_A1 : public TLayer_A {
public:
    explicit TLayer_A1(int index) : TLayer_A(index) {}
    void SetParameter(TSimparameter& para) override;
    void CalcK() override;
};

// Anisotropic layer: diag(X, Y, Z) turned by Phi about the z axis.
class TLayer_A2 : public TLayer_A {
public:
    explicit TLayer_A2(int index) : TLayer_A(index) {}
    void SetParameter(TSimparameter& para) override;
    void SetAngle(TSimparameter& para) override;
    void CalcK() override;

protected:
    void RotatePhi(double angleDeg);
    void CalcKxAniso(TSimparameter& para);
    void CalcKzAniso();
    void CalcFieldFactorAniso();

    // The record values the tensor was last built from.
    bool tensorKept_ = false;
    TEpsXYZ keptRow_;
    std::int32_t keptMode_ = 0;
    double keptPhi_ = 0.0;
};

// Anisotropic prism material, which can also be turned about the y axis.
class TLayer_P2 : public TLayer_A2 {
public:
    explicit TLayer_P2(int index) : TLayer_A2(index) {}
    void Rotate(double angleDeg) override;
};

TEpsMatrix RotationMatrixZ(double angleDeg);
TEpsMatrix RotationMatrixY(double angleDeg);
