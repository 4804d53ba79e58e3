#include "fields/EwaveCalculator.h"

#include <cmath>

#include "fields/SampleGrid.h"
#include "platform/Platform.h"

namespace veltrane {

EwaveCalculator::EwaveCalculator(const TSimparameter& para, RunControl& run) : Run(run) {}

std::string EwaveCalculator::CheckStack(const TSimparameter& para)
{
    if (para.Layeranz < 2 || para.Layeranz > MaxLayers)
        return "The layer system needs 2 to 30 layers for the E/H fields";
    return {};
}

void EwaveCalculator::TakeRecords(const TSimparameter& para, const TEHOptionpara& opt)
{
    Para = para;
    EHOption = opt;
    Para.Theta = EHOption.Theta;
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
    UpdateAll(Para);
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

void EwaveCalculator::CrossInterface(int k)
{
    const TPlasmon& g = *elements[std::size_t(k)];
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
    TPlasmon& element = *elements[std::size_t(e)];
    const Complex path(0.0, thickness);
    if (doP)
        element.CalcEWaveP(t, path, p, sample);
    if (doS)
        element.CalcEWaveS(t, path, s, sample);
}

void EwaveCalculator::CarryThrough(int e, double thickness)
{
    TPlasmon& element = *elements[std::size_t(e)];
    element.CalcMatrixAt(thickness, polMode);
    if (doP)
        vecP = element.matrixP.invers().MulVector(vecP);
    if (doS)
        vecS = element.matrixS.invers().MulVector(vecS);
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
