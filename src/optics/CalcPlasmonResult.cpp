// Point results: reflectivities, transmissions and ellipsometric angles of
// one point from the amplitudes of the run, and the titles of the columns.
#include <cmath>
#include <numbers>

#include "document/AxisKind.h"
#include "optics/CalcPlasmon.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;

bool finite(const TResPunkt& p)
{
    return std::isfinite(p.Rp) && std::isfinite(p.Tp) && std::isfinite(p.Rs) && std::isfinite(p.Ts) &&
           std::isfinite(p.Psi) && std::isfinite(p.Delta);
}

bool realPositive(Complex a, Complex b)
{
    return a.imag() == 0.0 && b.imag() == 0.0 && a.real() > 0.0 && b.real() > 0.0;
}

}  // namespace

void TCalcPlasmon::StoreResult(int i, int j, const TSimparameter& para, TResColList& list, bool valid)
{
    // Built in place: a copy of a point assembled field by field on the
    // stack would read back pairs of fields the stores have not settled.
    TResPunkt& p = list[j].Points[i];
    p.x = para.Xvalue;
    CalcRpTp(p, valid);
    CalcRsTs(p, valid);
    CalcPsiDelta(p, valid);
    if (valid) {
        CorrectTransmission(p);
        // A non-finite value (a zero eps in a division) is a math error of
        // this point, never a number in a valid point.
        if (!finite(p)) {
            CalcRpTp(p, false);
            CalcRsTs(p, false);
            CalcPsiDelta(p, false);
        }
    }
}

void TCalcPlasmon::CalcRpTp(TResPunkt& p, bool valid) const
{
    p.valid = valid;
    if (!valid) {
        p.Rp = p.Tp = NOVALUE;
        return;
    }
    const double f = prisma.factorP;
    p.Rp = f * f * std::norm(rtP[0]);
    p.Tp = f * std::norm(rtP[1]);
}

void TCalcPlasmon::CalcRsTs(TResPunkt& p, bool valid) const
{
    p.valid = valid;
    if (!valid) {
        p.Rs = p.Ts = NOVALUE;
        return;
    }
    const double f = prisma.factorS;
    p.Rs = f * f * std::norm(rtS[0]);
    p.Ts = f * std::norm(rtS[1]);
}

void TCalcPlasmon::CalcPsiDelta(TResPunkt& p, bool valid) const
{
    p.valid = valid;
    if (!valid) {
        p.Psi = p.Delta = NOVALUE;
        return;
    }
    const Complex a = rtP[0] * prisma.factorP;
    const Complex b = rtS[0] * prisma.factorS;
    const bool aZero = a == Complex(0.0, 0.0), bZero = b == Complex(0.0, 0.0);
    if (aZero) {
        p.Psi = 0.0;
        p.Delta = NOVALUE;
    }
    if (bZero) {
        p.Psi = 90.0;
        p.Delta = NOVALUE;
    }
    if (aZero || bZero)
        return;
    // arg(conj(a) / conj(b)) = arg(conj(a) b): the quotient's modulus does
    // not change its angle. Delta first: its arctangent waits for less.
    double delta = std::arg(std::conj(a) * b) * kDeg + 180.0;
    if (delta > 180.0)
        delta = 360.0 - delta;
    p.Delta = delta;
    p.Psi = std::atan2(std::sqrt(std::norm(a)), std::sqrt(std::norm(b))) * kDeg;
}

void TCalcPlasmon::CorrectTransmission(TResPunkt& p) const
{
    const TLayer& F = *layers.front();
    const TLayer& L = *layers.back();
    const Complex kx = F.kx;
    const Complex kzF = F.GetKzp(0), kzL = L.GetKzp(0);
    const Complex qF = F.GetKzs(0), qL = L.GetKzs(0);
    Complex cp(0.0, 0.0), cs(0.0, 0.0);
    // Propagating p light on both sides: real roots whose admittance is
    // positive (for a hyperbolic half-space the forward root has kz < 0).
    if (kzF.imag() == 0.0 && kzL.imag() == 0.0) {
        const Complex xF = F.AdmittanceP(kx, kzF), xL = L.AdmittanceP(kx, kzL);
        if (xF.real() > 0.0 && xL.real() > 0.0)
            cp = xL / xF;
    }
    if (realPositive(qF, qL))
        cs = qL / qF;
    p.Tp = std::abs(cp) * p.Tp;
    p.Ts = std::abs(cs) * p.Ts;
}

void TCalcPlasmon::SetZValues(const TSimparameter& para, TResColList& list) const
{
    const TSimAxispara& z = para.ZAxis;
    const double step = z.FixedStep ? z.Colstep : (z.bis - z.von) / (z.Pktanz - 1);
    const char sep = veltrane::platform().decimalSeparator();
    for (std::size_t k = 0; k < list.size(); ++k) {
        TResColrec& col = list[k];
        if (ZAxisKind(para) != pkNone) {
            col.Zvalue = double(k) * step + z.von;
            col.Title.assign(1, '(');
            col.Title += veltrane::floatToText(col.Zvalue, sep);
            col.Title += ')';
        } else {
            col.Zvalue = NOVALUE;
            col.Title.clear();
        }
    }
}
