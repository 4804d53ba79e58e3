#include "optics/Grenz.h"

#include <cmath>

#include "optics/MathError.h"
#include "optics/ComplexOps.h"

namespace {

// The interface matrix of a Fresnel ratio q.
void fresnel(TVeltraMatrix& m, Complex q)
{
    const Complex a = 0.5 * (1.0 + q), b = 0.5 * (1.0 - q);
    m[0][0] = a;
    m[0][1] = b;
    m[1][0] = b;
    m[1][1] = a;
}

}  // namespace

void TisoGrenz::SetLayers(const TLayerList& layers)
{
    upperLayer = layers[upper].get();
    lowerLayer = layers[lower].get();
    upperLayer->grenzNext = this;
    lowerLayer->grenzPrev = this;
}

void TisoGrenz::CalcMatrix(int mode)
{
    const TLayer& u = *upperLayer;
    const TLayer& w = *lowerLayer;
    fresnelForm = true;
    if (mode == 0 || mode == 2) {
        qP = veltrane::Div(veltrane::Mul(u.kzp[0], w.eps[0][0]), veltrane::Mul(w.kzp[0], u.eps[0][0]));
        fresnel(matrixP, qP);
    }
    if (mode == 1 || mode == 2) {
        qS = veltrane::Div(w.kzs[0], u.kzs[0]);
        fresnel(matrixS, qS);
    }
}

void TanisoGrenz::SetLayers(const TLayerList& layers)
{
    // Both sides of an anisotropic interface are built as TLayer_A layers.
    upperLayer = static_cast<TLayer_A*>(layers[upper].get());
    lowerLayer = static_cast<TLayer_A*>(layers[lower].get());
    upperLayer->grenzNext = this;
    lowerLayer->grenzPrev = this;
}

void TanisoGrenz::Prepare()
{
    const double nU = std::abs(upperLayer->det);
    const double nW = std::abs(lowerLayer->det);
    const double w = 1.0 / vmath::exp(vmath::log(nU * nW) / 3.0);
    const double sw = vmath::sqrt(w);
    weightP = {Complex(1.0, 0.0), Complex(w, 0.0), Complex(sw, 0.0)};
    weightS = {Complex(1.0, 0.0), Complex(sw, 0.0), Complex(sw, 0.0)};
}

TVeltraMatrix TanisoGrenz::FieldMatrixP(const TLayer_A& u, const TLayer_A& x) const
{
    TVeltraMatrix f(TVeltraMatrix::Full);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            Complex s(0.0, 0.0);
            for (int c = 0; c < 3; ++c)
                s += weightP[c] * std::conj(u.modeP[2 * c + i]) * x.modeP[2 * c + j];
            f[i][j] = s;
        }
    return f;
}

TVeltraMatrix TanisoGrenz::FieldMatrixS(const TLayer_A& u, const TLayer_A& x) const
{
    TVeltraMatrix f(TVeltraMatrix::Full);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            Complex s(0.0, 0.0);
            for (int c = 0; c < 2; ++c)
                s += weightS[c] * std::conj(u.modeS[2 * c + i]) * x.modeS[2 * c + j];
            f[i][j] = s;
        }
    return f;
}

void TanisoGrenz::CalcMatrix(int mode)
{
    Prepare();
    const TLayer_A& u = *upperLayer;
    const TLayer_A& w = *lowerLayer;
    if (mode == 0 || mode == 2) {
        fieldUpperP = FieldMatrixP(u, u).invers();
        fieldLowerP = FieldMatrixP(u, w);
        matrixP = fieldUpperP.Mul(fieldLowerP);
    }
    if (mode == 1 || mode == 2) {
        fieldUpperS = FieldMatrixS(u, u).invers();
        fieldLowerS = FieldMatrixS(u, w);
        matrixS = fieldUpperS.Mul(fieldLowerS);
    }
}
