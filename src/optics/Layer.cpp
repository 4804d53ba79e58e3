#include "optics/Layer.h"

#include <cmath>

#include "document/Globals.h"
#include "optics/MathError.h"
#include "optics/ComplexOps.h"
#include "optics/ComplexSqrt.h"
#include "optics/EngineErrors.h"
#include "optics/RootOrder.h"

Complex NkToEps(double n, double kappa) { return Complex(n * n - kappa * kappa, 2.0 * n * kappa); }

TLayer::TLayer(int index) : index(index) {}

Complex TLayer::RowEps(const TSimparameter& para, int row, int axis)
{
    const TEpsXYZ& e = para.Eps[row];
    Complex v = axis == 0 ? e.epsX : axis == 1 ? e.epsY : e.epsZ;
    if (para.EpsMode == emNKappa)
        v = NkToEps(v.real(), v.imag());
    return veltrane::PlusZero(v);
}

void TLayer::SetParameter(TSimparameter& para)
{
    polMode = para.PolMode;
    thetaP = para.ThetaP;
    thetaS = para.ThetaS;
    if (para.Wellenlange != k0Wavelength_) {
        k0Scaled = K0Factor * 6.283185307179586 / para.Wellenlange;
        invK0 = K0Factor / k0Scaled;
        k0 = k0Scaled / K0Factor;
        k0Square = k0 * k0;
        k0Wavelength_ = para.Wellenlange;
    }
    path = Complex(0.0, para.Dicke[index]);
    aniso = para.Aniso[index];
    halfSpace = index == 0 || index == para.Layeranz - 1;
}

void TLayer::CopyLateral(const TSimparameter& para)
{
    kx = para.kx;
    kxS = para.kx2;
}

void TLayer::CalcKzIso()
{
    const Complex k2 = k0Square * eps[0][0];
    Complex kz = veltrane::ComplexSqrt(k2 - veltrane::Mul(kx, kx));
    Complex kzS = kxS == kx ? kz : veltrane::ComplexSqrt(k2 - veltrane::Mul(kxS, kxS));
    if (halfSpace) {
        // p: Hy/Ex = k0 eps / kz; s: Hx/Ey = -kz / k0. The flux of p is the
        // sign of Re(eps conj(kz)).
        const Complex e = eps[0][0];
        const double flux = e.real() * kz.real() + e.imag() * kz.imag();
        if (veltrane::SwapRoots(kz, -kz, flux, -flux))
            kz = -kz;
        if (veltrane::SwapRoots(kzS, -kzS, kzS.real(), -kzS.real()))
            kzS = -kzS;
    }
    kzp[0] = kz;
    kzp[1] = -kz;
    kzs[0] = kzS;
    kzs[1] = -kzS;
    if (kz == Complex(0.0, 0.0) || kzS == Complex(0.0, 0.0))
        throw EkoNullExecption();
}

void TLayer::CalcFieldFactorIso() const
{
    fieldFactor[0] = -veltrane::Div(kx, kzp[0]);
    fieldFactor[1] = -fieldFactor[0];
    fieldFactorDue_ = false;
}

void TLayer::SetIsotropic(TSimparameter& para)
{
    const Complex e = RowEps(para, index, 0);
    eps[0][0] = eps[1][1] = eps[2][2] = e;
    SetLateralIso(para);
}

void TLayer::SetLateralIso(TSimparameter& para)
{
    if (index == 0) {
        // k0 n of the first layer: a Theta scan need not take the root again.
        if (!(eps[0][0] == waveEps_ && k0 == waveK0_)) {
            wave_ = k0 * veltrane::ComplexSqrt(eps[0][0]);
            waveEps_ = eps[0][0];
            waveK0_ = k0;
        }
        para.kx = wave_ * vmath::sin(thetaP);
        para.kx2 = para.kx;
    }
    CopyLateral(para);
}

void TLayer::SetAngle(TSimparameter& para)
{
    thetaP = para.ThetaP;
    thetaS = para.ThetaS;
    SetLateralIso(para);
}

Complex TLayer::AdmittanceP(Complex kxValue, Complex kz) const
{
    if (aniso == 0)
        return k0 * eps[0][0] / kz;
    const double k02 = k0 * k0;
    const Complex A = k02 * eps[0][0], C = k02 * eps[2][2], E = k02 * eps[0][2];
    const Complex R = (A * kxValue + E * kz) / (C * kz + E * kxValue);
    return (kz + kxValue * R) / k0;
}

void TLayer_I1::SetParameter(TSimparameter& para)
{
    TLayer::SetParameter(para);
    SetIsotropic(para);
}

void TLayer_I1::CalcK()
{
    fieldFactorDue_ = false;
    CalcKzIso();
    fieldFactorDue_ = polMode == pmP || polMode == pmBoth;
}
