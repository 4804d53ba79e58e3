#include "optics/LayerAniso.h"

#include <cmath>
#include <numbers>

#include "optics/MathError.h"
#include "optics/ComplexOps.h"
#include "optics/ComplexSqrt.h"
#include "optics/EngineErrors.h"
#include "optics/RootOrder.h"

namespace {

TEpsMatrix rotated(const TEpsMatrix& r, const TEpsMatrix& eps)
{
    TEpsMatrix m = r.Mul(eps).Mul(r.Transpose());
    for (auto& row : m.rows)
        for (auto& v : row.v)
            v = veltrane::PlusZero(v);
    return m;
}

}  // namespace

TEpsMatrix RotationMatrixZ(double angleDeg)
{
    const double a = angleDeg * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    TEpsMatrix m;
    m[0][0] = c;
    m[0][1] = -s;
    m[1][0] = s;
    m[1][1] = c;
    m[2][2] = 1.0;
    return m;
}

TEpsMatrix RotationMatrixY(double angleDeg)
{
    const double a = angleDeg * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    TEpsMatrix m;
    m[0][0] = c;
    m[0][2] = -s;
    m[1][1] = 1.0;
    m[2][0] = s;
    m[2][2] = c;
    return m;
}

void TLayer_A::SetParameter(TSimparameter& para) { TLayer::SetParameter(para); }

void TLayer_A::CalcK() { det = CalcDeterminant(); }

Complex TLayer_A::CalcDeterminant() const
{
    const TEpsMatrix& e = eps;
    return e[0][0] * e[1][1] * e[2][2] + e[0][1] * e[1][2] * e[2][0] + e[0][2] * e[1][0] * e[2][1] -
           e[0][2] * e[1][1] * e[2][0] - e[0][1] * e[1][0] * e[2][2] - e[0][0] * e[1][2] * e[2][1];
}

void TLayer_A::CalcPS()
{
    if (polMode == pmP || polMode == pmBoth)
        CalcP();
    if (polMode == pmS || polMode == pmBoth)
        CalcS();
}

void TLayer_A::CalcP()
{
    for (int k = 0; k < 2; ++k) {
        modeP[k] = Complex(1.0, 0.0);
        modeP[2 + k] = (kzp[k] - kx * fieldFactor[k]) * invK0;
        modeP[4 + k] = eps[2][0] + eps[2][2] * fieldFactor[k];
    }
}

void TLayer_A::CalcS()
{
    for (int k = 0; k < 2; ++k) {
        modeS[k] = Complex(1.0, 0.0);
        modeS[2 + k] = -invK0 * kzs[k];
        modeS[4 + k] = invK0 * kxS;
    }
}

void TLayer_A1::SetParameter(TSimparameter& para)
{
    TLayer_A::SetParameter(para);
    SetIsotropic(para);
}

void TLayer_A1::CalcK()
{
    TLayer_A::CalcK();
    CalcKzIso();
    if (polMode == pmP || polMode == pmBoth)
        CalcFieldFactorIso();
    CalcPS();
}

void TLayer_A2::SetParameter(TSimparameter& para)
{
    TLayer_A::SetParameter(para);
    // The tensor depends on the row, the input mode and Phi only; a Theta
    // scan need not turn it again at every point.
    const TEpsXYZ& row = para.Eps[index];
    if (!tensorKept_ || !(row == keptRow_) || para.EpsMode != keptMode_ || para.Phiangle != keptPhi_) {
        eps = TEpsMatrix();
        for (int a = 0; a < 3; ++a)
            eps[a][a] = RowEps(para, index, a);
        RotatePhi(para.Phiangle);
        keptRow_ = row;
        keptMode_ = para.EpsMode;
        keptPhi_ = para.Phiangle;
        tensorKept_ = true;
    }
    CalcKxAniso(para);
    CopyLateral(para);
}

void TLayer_A2::SetAngle(TSimparameter& para)
{
    thetaP = para.ThetaP;
    thetaS = para.ThetaS;
    CalcKxAniso(para);
    CopyLateral(para);
}

void TLayer_A2::RotatePhi(double angleDeg)
{
    if (angleDeg != 0.0)
        eps = rotated(RotationMatrixZ(angleDeg), eps);
}

void TLayer_P2::Rotate(double angleDeg)
{
    eps = rotated(RotationMatrixY(angleDeg), eps);
    tensorKept_ = false;
}

void TLayer_A2::CalcKxAniso(TSimparameter& para)
{
    if (index != 0)
        return;
    const Complex a = k0Square * eps[0][0];
    const Complex c = k0Square * eps[2][2];
    const Complex b = k0Square * eps[0][2];
    const double S = vmath::sin(thetaP), C = vmath::cos(thetaP);
    para.kx = S * veltrane::ComplexSqrt(vmath::div(a * c - b * b, a * S * S + c * C * C + 2.0 * b * S * C));
    para.kx2 = k0 * veltrane::ComplexSqrt(eps[1][1]) * vmath::sin(thetaS);
}

void TLayer_A2::CalcKzAniso()
{
    const Complex A = k0Square * eps[0][0];
    const Complex B = k0Square * eps[1][1];
    const Complex C = k0Square * eps[2][2];
    const Complex E = k0Square * eps[0][2];
    // eps zz = 0 leaves no quadratic for kz: the layer cannot carry p light.
    if (C == Complex(0.0, 0.0))
        throw EkoNullExecption();
    using veltrane::Mul;
    const Complex invC = veltrane::Div(1.0, C);
    const Complex P = Mul(2.0 * Mul(E, kx), invC);
    const Complex Q = Mul(Mul(A, Mul(kx, kx)) + Mul(E, E) - Mul(A, C), invC);
    const Complex R = veltrane::ComplexSqrt(P * P / 4.0 - Q);
    Complex r0 = -P / 2.0 + R, r1 = -P / 2.0 - R;
    Complex s0 = veltrane::ComplexSqrt(B - kxS * kxS);
    if (halfSpace) {
        // p: Hy/Ex = (kz - kx r) / k0 with r = Ez/Ex of the root.
        auto flux = [&](Complex kz) {
            const Complex r = -(A * kx + E * kz) / (C * kz + E * kx);
            return (kz - kx * r).real();
        };
        if (veltrane::SwapRoots(r0, r1, flux(r0), flux(r1)))
            std::swap(r0, r1);
        if (veltrane::SwapRoots(s0, -s0, s0.real(), -s0.real()))
            s0 = -s0;
    }
    kzp[0] = r0;
    kzp[1] = r1;
    kzs[0] = s0;
    kzs[1] = -s0;
    if (r0 == Complex(0.0, 0.0) || r1 == Complex(0.0, 0.0) || s0 == Complex(0.0, 0.0))
        throw EkoNullExecption();
}

void TLayer_A2::CalcFieldFactorAniso()
{
    const Complex A = k0Square * eps[0][0];
    const Complex C = k0Square * eps[2][2];
    const Complex E = k0Square * eps[0][2];
    for (int k = 0; k < 2; ++k) {
        const Complex den = C * kzp[k] + E * kx;
        if (den == Complex(0.0, 0.0))
            throw EkoNullExecption();
        fieldFactor[k] = -veltrane::Div(A * kx + E * kzp[k], den);
    }
}

void TLayer_A2::CalcK()
{
    TLayer_A::CalcK();
    CalcKzAniso();
    if (polMode == pmP || polMode == pmBoth)
        CalcFieldFactorAniso();
    CalcPS();
}
