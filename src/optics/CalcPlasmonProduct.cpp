// The total matrices: the product of the element chain per polarisation.
#include <algorithm>

#include "document/AxisKind.h"
#include "optics/CalcPlasmon.h"
#include "optics/ComplexOps.h"

namespace {

// b := a x b for the element a, taking its form into account: a diagonal
// propagation (off-diagonal entries zero; the identity for a half-space of
// thickness 0) or a Fresnel interface. The values are those of the plain
// 2x2 product up to rounding.
inline void mulInto(const TVeltraMatrix& a, bool fresnel, Complex q, TVeltraMatrix& b)
{
    if (fresnel) {
        for (int j = 0; j < 2; ++j) {
            const Complex s = b[0][j] + b[1][j];
            const Complex d = veltrane::Mul(q, b[0][j] - b[1][j]);
            b[0][j] = 0.5 * (s + d);
            b[1][j] = 0.5 * (s - d);
        }
        return;
    }
    if (a.kind == TVeltraMatrix::Diagonal) {
        const Complex one(1.0, 0.0);
        if (a[0][0] != one) {
            b[0][0] = veltrane::Mul(b[0][0], a[0][0]);
            b[0][1] = veltrane::Mul(b[0][1], a[0][0]);
        }
        if (a[1][1] != one) {
            b[1][0] = veltrane::Mul(b[1][0], a[1][1]);
            b[1][1] = veltrane::Mul(b[1][1], a[1][1]);
        }
        return;
    }
    const Complex b00 = b[0][0], b01 = b[0][1], b10 = b[1][0], b11 = b[1][1];
    using veltrane::Mul;
    b[0][0] = Mul(a[0][0], b00) + Mul(a[0][1], b10);
    b[0][1] = Mul(a[0][0], b01) + Mul(a[0][1], b11);
    b[1][0] = Mul(a[1][0], b00) + Mul(a[1][1], b10);
    b[1][1] = Mul(a[1][0], b01) + Mul(a[1][1], b11);
}

}  // namespace

void TCalcPlasmon::CalcTotalMatrix()
{
    // E0 x E1 x ... x E(c-2), taken from the right; the last half-space's
    // propagation takes no part. The p and s chains run side by side: each
    // product waits for the one before it, the other chain need not.
    const int c = elementCount;
    const bool p = IsPolarisation('P'), s = IsPolarisation('S');
    if (p)
        totalP.Assign(elements[c - 2]->matrixP);
    if (s)
        totalS.Assign(elements[c - 2]->matrixS);
    for (int k = c - 3; k >= 0; --k) {
        const TPlasmon& e = *elements[k];
        if (p)
            mulInto(e.matrixP, e.fresnelForm, e.qP, totalP);
        if (s)
            mulInto(e.matrixS, e.fresnelForm, e.qS, totalS);
    }
}

void TCalcPlasmon::CalcTotalMatrixPartial(const TSimparameter& para)
{
    // Only the elements of the scanned layers changed since the last full
    // update: the products of the elements before and after them are kept,
    // so a point costs a few products whatever the layer count.
    const int c = elementCount;
    auto range = [&](int layerNr, int& lo, int& hi) {
        const int m = layerNr - 1;
        lo = std::min(lo, std::max(0, 2 * m - 1));
        hi = std::max(hi, std::min(c - 2, 2 * m + 1));
    };
    int lo = c, hi = -1;
    range(para.XAxis.LayerNr, lo, hi);
    if (ZAxisKind(para) != pkNone)
        range(para.ZAxis.LayerNr, lo, hi);
    ProductCache& pc = productCache_;
    if (!pc.valid || pc.lo != lo || pc.hi != hi) {
        pc.lo = lo;
        pc.hi = hi;
        if (IsPolarisation('P'))
            KeepProducts(&TPlasmon::matrixP, &TPlasmon::qP, pc.prefixP, pc.suffixP);
        if (IsPolarisation('S'))
            KeepProducts(&TPlasmon::matrixS, &TPlasmon::qS, pc.prefixS, pc.suffixS);
        pc.valid = true;
    }
    if (IsPolarisation('P'))
        ChainProduct(&TPlasmon::matrixP, &TPlasmon::qP, pc.prefixP, pc.suffixP, totalP);
    if (IsPolarisation('S'))
        ChainProduct(&TPlasmon::matrixS, &TPlasmon::qS, pc.prefixS, pc.suffixS, totalS);
}

void TCalcPlasmon::KeepProducts(TVeltraMatrix TPlasmon::*matrix, Complex TPlasmon::*q, TVeltraMatrix& prefix,
                                TVeltraMatrix& suffix) const
{
    const ProductCache& pc = productCache_;
    for (TVeltraMatrix* m : {&prefix, &suffix}) {
        (*m)[0][0] = (*m)[1][1] = Complex(1.0, 0.0);
        (*m)[0][1] = (*m)[1][0] = Complex(0.0, 0.0);
    }
    for (int k = elementCount - 2; k > pc.hi; --k)
        mulInto((*elements[k]).*matrix, elements[k]->fresnelForm, (*elements[k]).*q, suffix);
    for (int k = pc.lo - 1; k >= 0; --k)
        mulInto((*elements[k]).*matrix, elements[k]->fresnelForm, (*elements[k]).*q, prefix);
}

void TCalcPlasmon::ChainProduct(TVeltraMatrix TPlasmon::*matrix, Complex TPlasmon::*q, const TVeltraMatrix& prefix,
                                const TVeltraMatrix& suffix, TVeltraMatrix& total) const
{
    const ProductCache& pc = productCache_;
    TVeltraMatrix t = suffix;
    for (int k = pc.hi; k >= pc.lo; --k)
        mulInto((*elements[k]).*matrix, elements[k]->fresnelForm, (*elements[k]).*q, t);
    total.Assign(t);
    mulInto(prefix, false, Complex(), total);
}
