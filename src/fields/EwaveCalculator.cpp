#include "fields/EwaveCalculator.h"

#include <cmath>

#include "fields/SampleGrid.h"
#include "optics/ComplexOps.h"
#include "platform/Errors.h"
#include "platform/Platform.h"

namespace veltrane {

EwaveCalculator::EwaveCalculator(const TSimparameter& para, RunControl& run) : Run(run) {}

std::string EwaveCalculator::CheckStack(const TSimparameter& para)
{
    if (para.Layeranz < 2 || para.Layeranz > MaxLayers)
        return "The layer system needs 2 to 30 layers for the E/H fields";
    // The fields run the engine's set-up, not its simulation, so the
    // engine's refusal of a stack must be asked for here.
    return CheckThicknesses(para);
}

void EwaveCalculator::TakeRecords(const TSimparameter& para, const TEHOptionpara& opt)
{
    Para = para;
    EHOption = opt;
    Para.Theta = EHOption.Theta;
    // New records: the first angle of the run needs the full update.
    fullUpdateNeeded = true;
}

void EwaveCalculator::MatchStack()
{
    // The layers and elements were built for the record given at creation; a
    // record with another layer count, anisotropy or polarisation mode needs
    // them rebuilt, or the walk would run through a stack that no longer
    // exists, or leave the newly asked polarisation uncomputed yet filled.
    bool same = Para.Layeranz == layerCount && Para.PolMode == polMode;
    for (int k = 0; same && k < layerCount; ++k)
        same = (Para.Aniso[std::size_t(k)] != 0) == (anisoLayout[std::size_t(k)] != 0);
    if (!same)
        Init(Para);
    doP = IsPolarisation('P');
    doS = IsPolarisation('S');
}

void EwaveCalculator::StartVectors()
{
    vecP[0] = vecP[1] = vecS[0] = vecS[1] = Complex(1.0, 0.0);
    // Within one run only Theta changes from angle to angle.
    if (fullUpdateNeeded)
        UpdateAll(Para);
    else
        UpdateAngle(Para);
    CalcTotalMatrix();
    // The incident tangential amplitude of a unit field: Ex = Ep cos(ThetaP)
    // for p, Ey = Es for s. The first entry of each pair is the incident
    // wave, the second the reflected one, r a = M(1,0) a / M(0,0).
    if (doP) {
        TVeltraVector rt;
        rt[1] = Para.Ep * std::cos(Para.ThetaP);
        const Complex a = rt[1];
        CalcRTAmplitude(rt, totalP);
        vecP[0] = a;
        vecP[1] = rt[0];
    }
    if (doS) {
        TVeltraVector rt;
        rt[1] = Para.Es;
        const Complex a = rt[1];
        CalcRTAmplitude(rt, totalS);
        vecS[0] = a;
        vecS[1] = rt[0];
    }
    TPlasmon& first = *elements[0];
    first.CalcMatrixAt(EHOption.d_1, polMode);
    if (doP)
        vecP = first.matrixP.MulVector(vecP);
    if (doS)
        vecS = first.matrixS.MulVector(vecS);
}

namespace {

// The inverse of the Fresnel form 0.5 [[1 + q, 1 - q], [1 - q, 1 + q]] is
// the same form with 1/q. Its determinant is q: a singular one fails as the
// general inverse fails.
void crossFresnel(Complex q, TVeltraVector& v)
{
    if (std::norm(q) < 1e-16)
        throw EListError("zero deteminant in invers");
    const Complex sum = v[0] + v[1], dif = Div(v[0] - v[1], q);
    v[0] = 0.5 * (sum + dif);
    v[1] = 0.5 * (sum - dif);
}

}  // namespace

void EwaveCalculator::CrossInterface(int k)
{
    const TPlasmon& g = *elements[std::size_t(k)];
    if (g.fresnelForm) {
        if (doP)
            crossFresnel(g.qP, vecP);
        if (doS)
            crossFresnel(g.qS, vecS);
        return;
    }
    if (doP)
        vecP = g.matrixP.invers().MulVector(vecP);
    if (doS)
        vecS = g.matrixS.invers().MulVector(vecS);
}

void EwaveCalculator::EnterLastHalfSpace()
{
    CrossInterface(elementCount - 2);
    vecP[1] = Complex(0.0, 0.0);
    vecS[1] = Complex(0.0, 0.0);
}

void EwaveCalculator::FieldsAt(int e, double thickness, double t, TVeltraVector& p, TVeltraVector& s,
                               TEWave& sample)
{
    elements[std::size_t(e)]->CalcEWave(t, Complex(0.0, thickness), p, s, polMode, sample);
}

void EwaveCalculator::CarryThrough(int e, double thickness)
{
    elements[std::size_t(e)]->CarryAt(thickness, polMode, vecP, vecS);
}

void EwaveCalculator::EndRun()
{
    Run.Finish();
    Run.End();
}

void EwaveCalculator::EndRun(const char* failure)
{
    EndRun();
    showError("Error  Calc E-Wave", failure);
}

double EwaveCalculator::ElementThickness(int layerIndex) const
{
    return ShownThickness(Para, EHOption, layerIndex, layerCount);
}

}  // namespace veltrane
