#include "optics/Prisma.h"

#include <cmath>
#include <numbers>

#include "optics/MathError.h"
#include "optics/EngineErrors.h"
#include "optics/LayerAniso.h"

namespace {

double radians(double deg) { return deg * std::numbers::pi / 180.0; }

}  // namespace

TPrisma::TPrisma() = default;

void TPrisma::Calc(TSimparameter& rec)
{
    SetPrismwinkel(rec);
    CreateLayers(rec);
    switch (rec.Prismart) {
    case prNone: CalcNoPrism(rec); break;
    case prTriangular: CalcTriangular(rec); break;
    case prCone: CalcCone(rec); break;
    case prHalfCylinder: CalcHalfcylinder(rec); break;
    case prHemisphere: CalcHemisphere(rec); break;
    default: break;
    }
}

void TPrisma::SetPrismwinkel(const TSimparameter& rec)
{
    // A Theta scan keeps the prism angle: no division for it at every point.
    if (!(rec.Prismawinkel == halfAngleOf_)) {
        halfAngle = radians(0.5 * rec.Prismawinkel);
        halfAngleOf_ = rec.Prismawinkel;
    }
    if (rec.Prismart == prTriangular || rec.Prismart == prCone)
        alphaIn = std::numbers::pi / 2.0 - halfAngle - std::abs(radians(rec.Theta));
    else
        alphaIn = 0.0;
}

void TPrisma::CopyParameter(const TSimparameter& rec)
{
    // The two prism layers read only these fields; copying the whole record
    // (with its comment) at every point would cost an allocation.
    para.Layeranz = 2;
    para.PolArt = rec.PolArt;
    para.PolMode = rec.PolMode;
    para.EpsMode = rec.EpsMode;
    para.Wellenlange = rec.Wellenlange;
    para.Prismart = rec.Prismart;
    para.Prismreflek = rec.Prismreflek;
    para.Prismawinkel = rec.Prismawinkel;
    para.Phiangle = rec.Phiangle;
    para.Theta = rec.Theta;
    para.ThetaP = para.ThetaS = alphaIn;
    para.Dicke[0] = rec.Dicke[0];
    para.Dicke[1] = rec.Dicke[1];
    para.Aniso[1] = rec.Aniso[0];
    para.Aniso[0] = 0;
    para.Eps[1] = rec.Eps[0];
    para.Eps[0] = rec.Eps[0];
    para.Eps[0].epsX = Complex(1.0, 0.0);
}

void TPrisma::CreateLayers(TSimparameter& rec)
{
    Prismart = rec.Prismart;
    Prismreflek = rec.Prismreflek;
    Prismawinkel = rec.Prismawinkel;
    // Without a prism the angles come straight from Theta and nothing reads
    // the prism layers.
    if (rec.Prismart != prNone)
        SetUpLayers(rec);
    SetPolarisation(rec);
}

void TPrisma::SetUpLayers(TSimparameter& rec)
{
    CopyParameter(rec);
    const bool aniso = para.Aniso[1] != 0;
    if (layers_.empty() || aniso != anisoLayers_) {
        layers_.clear();
        if (aniso) {
            layers_.push_back(std::make_unique<TLayer_A1>(0));
            layers_.push_back(std::make_unique<TLayer_P2>(1));
            anisoFace_.SetLayers(layers_);
        } else {
            layers_.push_back(std::make_unique<TLayer_I1>(0));
            layers_.push_back(std::make_unique<TLayer_I1>(1));
            isoFace_.SetLayers(layers_);
        }
        anisoLayers_ = aniso;
    }
    front()->SetParameter(para);
    back()->SetParameter(para);
}

void TPrisma::JonesVector(double azimutDeg, double ellipticDeg, Complex& Ep, Complex& Es)
{
    const double a = radians(azimutDeg), e = radians(ellipticDeg);
    Ep = Complex(std::sin(a) * std::cos(e), std::cos(a) * std::sin(e));
    Es = Complex(std::cos(a) * std::cos(e), -std::sin(a) * std::sin(e));
}

void TPrisma::SetPolarisation(TSimparameter& rec)
{
    // The pair depends on these four values only; a Theta scan keeps them,
    // and the sines and cosines of the Jones vector are not taken again.
    const Light light{rec.PolArt, rec.Circular, rec.Azimut, rec.Elliptic};
    if (!(lightKept_ && light == light_))
        TakeLight(light);
    rec.Ep = Ep_;
    rec.Es = Es_;
    factorP = factorS = 1.0;
}

void TPrisma::TakeLight(const Light& light)
{
    switch (light.polArt) {
    case paP: Ep_ = Complex(1.0, 0.0); Es_ = Complex(0.0, 0.0); break;
    case paS: Ep_ = Complex(0.0, 0.0); Es_ = Complex(1.0, 0.0); break;
    case paPS: Ep_ = Complex(1.0, 0.0); Es_ = Complex(1.0, 0.0); break;
    case paLinear: JonesVector(light.azimut, 0.0, Ep_, Es_); break;
    case paCircular: JonesVector(0.0, light.circular ? -45.0 : 45.0, Ep_, Es_); break;
    case paElliptic: JonesVector(light.azimut, light.elliptic, Ep_, Es_); break;
    default: Ep_ = Es_ = Complex(0.0, 0.0); break;
    }
    light_ = light;
    lightKept_ = true;
}

void TPrisma::CalcNoPrism(TSimparameter& rec) { rec.ThetaP = rec.ThetaS = radians(rec.Theta); }

void TPrisma::CalcTriangular(TSimparameter& rec)
{
    back()->Rotate(90.0 - 0.5 * Prismawinkel);
    GetEpsDiag();
    CalcRefraction(rec);
    if (Prismreflek)
        CalcReflektion(rec);
}

void TPrisma::CalcHalfcylinder(TSimparameter& rec)
{
    rec.ThetaP = rec.ThetaS = radians(rec.Theta);
    if (Prismreflek) {
        back()->Rotate(rec.Theta);
        CalcReflektion(rec);
    }
}

void TPrisma::GetEpsDiag()
{
    const TLayer& b = *back();
    epsXX = b.eps[0][0].real();
    epsYY = b.eps[1][1].real();
    epsZZ = b.eps[2][2].real();
    epsXZ = b.eps[0][2].real();
}

void TPrisma::CalcRefraction(TSimparameter& rec)
{
    const double sign = rec.Theta >= 0.0 ? 1.0 : -1.0;
    double betaP = 0.0, betaS = 0.0;
    if (rec.Aniso[0])
        CalcRefractionAniso(betaP, betaS);
    else
        CalcRefractionIso(betaP, betaS);
    rec.ThetaP = sign * (std::numbers::pi / 2.0 - halfAngle - betaP);
    rec.ThetaS = sign * (std::numbers::pi / 2.0 - halfAngle - betaS);
}

// Snell's law at the entrance face for the index sqrt(eps); a material
// without a positive eps refracts into no real angle.
static double snell(double alpha, double eps)
{
    if (alpha == 0.0)
        return 0.0;
    if (!(eps > 0.0))
        throw EWinkelfehler();
    const double v = std::sin(alpha) / std::sqrt(eps);
    if (!(std::abs(v) <= 1.0))
        throw EWinkelfehler();
    return std::asin(v);
}

void TPrisma::CalcRefractionIso(double& betaP, double& betaS) const
{
    betaP = betaS = snell(alphaIn, epsXX);
}

void TPrisma::CalcRefractionAniso(double& betaP, double& betaS) const
{
    betaP = 0.0;
    if (alphaIn != 0.0) {
        if (!(epsXX > 0.0) || !(epsZZ > 0.0))
            throw EWinkelfehler();
        const double s = std::sin(alphaIn);
        const double X = (epsXX * epsZZ - epsXZ * epsXZ) / (s * s * epsZZ) + epsXZ * epsXZ / (epsZZ * epsZZ) -
                         epsXX / epsZZ;
        // No real root: the p wave has no refracted angle.
        if (!(X >= 0.0))
            throw EWinkelfehler();
        const double R = std::sqrt(X);
        const double m = -epsXZ / epsZZ;
        const double t = alphaIn < 0.0 ? m - R : m + R;
        if (t == 0.0)
            throw EWinkelfehler();
        betaP = std::atan(1.0 / t);
    }
    betaS = snell(alphaIn, epsYY);
}

void TPrisma::CalcReflektion(const TSimparameter& rec)
{
    TGrenz& face = anisoLayers_ ? static_cast<TGrenz&>(anisoFace_) : static_cast<TGrenz&>(isoFace_);
    face.SetLayers(layers_);
    front()->CalcK();
    back()->CalcK();
    face.CalcMatrix(para.PolMode);
    Complex tP(0.0, 0.0), tS(0.0, 0.0);
    if (rec.PolMode == pmP || rec.PolMode == pmBoth)
        tP = CalcRT1(face.matrixP)[1];
    if (rec.PolMode == pmS || rec.PolMode == pmBoth)
        tS = CalcRT1(face.matrixS)[1];
    CalcFactors(tP, tS);
}

TVeltraVector TPrisma::CalcRT1(const TVeltraMatrix& m)
{
    TVeltraVector rt;
    rt[1] = Complex(1.0, 0.0) / m[0][0];
    rt[0] = m[1][0] * rt[1];
    return rt;
}

void TPrisma::CalcFactors(Complex tP, Complex tS)
{
    const TLayer& f = *front();
    const TLayer& b = *back();
    const Complex kf = f.GetKzp(0), kb = b.GetKzp(0);
    // Energy flux ratio through the face: Re of the admittances Hy/Ex (p)
    // and of kz (s). For a lossless material it equals |Yb / Yf|, and an
    // absorbing prism material still passes light.
    const Complex Yf = f.AdmittanceP(f.kx, kf);
    const Complex Yb = b.AdmittanceP(f.kx, kb);
    const double cP = Yf.real() > 0.0 && Yb.real() > 0.0 ? Yb.real() / Yf.real() : 0.0;
    const Complex qf = f.GetKzs(0), qb = b.GetKzs(0);
    const double cS = qf.real() > 0.0 && qb.real() > 0.0 ? qb.real() / qf.real() : 0.0;
    factorP = std::norm(tP) * cP;
    factorS = std::norm(tS) * cS;
}
