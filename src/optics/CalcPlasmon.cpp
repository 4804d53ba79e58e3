#include "optics/CalcPlasmon.h"

#include <stdexcept>

#include "document/AxisKind.h"
#include "optics/MathError.h"
#include "optics/ComplexOps.h"
#include "optics/Grenz.h"
#include "optics/LayerAniso.h"
#include "optics/ResColList.h"
#include "optics/Schicht.h"
#include "platform/Platform.h"

TCalcPlasmon::TCalcPlasmon()
{
    fullUpdateKinds.Include(pkTheta);
    fullUpdateKinds.Include(pkPhi);
    fullUpdateKinds.Include(pkAzimut);
    fullUpdateKinds.Include(pkElliptic);
}

TCalcPlasmon::~TCalcPlasmon()
{
    ClearElements();
    ClearLayers();
}

void TCalcPlasmon::Init(const TSimparameter& para)
{
    if (para.Layeranz < 2 || para.Layeranz > MaxLayers)
        throw std::invalid_argument(veltrane::CheckSimparameter(para));
    ClearElements();
    ClearLayers();
    layerCount = para.Layeranz;
    polMode = para.PolMode;
    CreateElements(para);
    CreateLayers(para);
    ConnectElements();
    anisoLayout = para.Aniso;
    fullUpdateNeeded = true;
    productCache_.valid = false;
}

void TCalcPlasmon::CreateLayers(const TSimparameter& para)
{
    const int n = layerCount;
    const auto& a = para.Aniso;
    for (int k = 0; k < n; ++k) {
        const bool prev = k > 0 && a[k - 1];
        const bool next = k < n - 1 && a[k + 1];
        if (a[k])
            layers.push_back(std::make_unique<TLayer_A2>(k));
        else if (prev || next)
            layers.push_back(std::make_unique<TLayer_A1>(k));
        else
            layers.push_back(std::make_unique<TLayer_I1>(k));
    }
}

void TCalcPlasmon::CreateElements(const TSimparameter& para)
{
    const auto& a = para.Aniso;
    elements.push_back(std::make_unique<TisoSchicht>(0));
    for (int k = 1; k < layerCount; ++k) {
        if (a[k - 1] || a[k])
            elements.push_back(std::make_unique<TanisoGrenz>(k - 1, k));
        else
            elements.push_back(std::make_unique<TisoGrenz>(k - 1, k));
        elements.push_back(std::make_unique<TisoSchicht>(k));
    }
    elementCount = int(elements.size());
}

void TCalcPlasmon::ConnectElements()
{
    for (auto& e : elements)
        e->SetLayers(layers);
}

void TCalcPlasmon::ClearLayers()
{
    while (!layers.empty())
        layers.pop_back();
}

void TCalcPlasmon::ClearElements()
{
    while (!elements.empty())
        elements.pop_back();
    elementCount = 0;
}

void TCalcPlasmon::UpdateAll(TSimparameter& para)
{
    fullUpdateNeeded = true;
    prisma.Calc(para);
    for (auto& l : layers) {
        l->SetParameter(para);
        l->CalcK();
    }
    for (auto& e : elements)
        e->CalcMatrix(polMode);
    fullUpdateNeeded = false;
}

void TCalcPlasmon::UpdateAngle(TSimparameter& para)
{
    fullUpdateNeeded = true;
    prisma.Calc(para);
    for (auto& l : layers) {
        l->SetAngle(para);
        l->CalcK();
    }
    for (auto& e : elements)
        e->CalcMatrix(polMode);
    fullUpdateNeeded = false;
}

void TCalcPlasmon::UpdateLayer(int layerNr, TSimparameter& para)
{
    TLayer& l = *layers[layerNr - 1];
    l.SetParameter(para);
    l.CalcK();
    for (TPlasmon* e : {l.schicht, l.grenzNext, l.grenzPrev})
        if (e)
            e->CalcMatrix(para.PolMode);
}

void TCalcPlasmon::UpdateLayers(int layerNrX, int layerNrZ, TSimparameter& para)
{
    UpdateLayer(layerNrX, para);
    UpdateLayer(layerNrZ, para);
}

bool TCalcPlasmon::IsFullUpdate(int i, int j, const TSimparameter& para) const
{
    const int zKind = ZAxisKind(para);
    return fullUpdateNeeded || (i == 0 && j == 0) || fullUpdateKinds.Contains(XAxisKind(para)) ||
           para.XAxis.LayerNr == 1 ||
           (zKind != pkNone && (fullUpdateKinds.Contains(zKind) || para.ZAxis.LayerNr == 1));
}

bool TCalcPlasmon::IsAngleStep(int i, int j, const TSimparameter& para) const
{
    return !fullUpdateNeeded && !(i == 0 && j == 0) && XAxisKind(para) == pkTheta && ZAxisKind(para) == pkNone;
}

void TCalcPlasmon::Update(int i, int j, TSimparameter& para)
{
    if (IsFullUpdate(i, j, para))
        UpdateAll(para);
    else if (ZAxisKind(para) != pkNone)
        UpdateLayers(para.XAxis.LayerNr, para.ZAxis.LayerNr, para);
    else
        UpdateLayer(para.XAxis.LayerNr, para);
}

void TCalcPlasmon::SetXValue(int i, TSimparameter& para)
{
    const TSimAxispara& x = para.XAxis;
    const double v = i * (x.bis - x.von) / (x.Pktanz - 1) + x.von;
    para.Xvalue = v;
    SetParameterValue(XAxisKind(para), x.LayerNr, v, para);
}

void TCalcPlasmon::SetZValue(int j, TSimparameter& para, const TResColList& list)
{
    SetParameterValue(ZAxisKind(para), para.ZAxis.LayerNr, list[j].Zvalue, para);
}

void TCalcPlasmon::SetParameterValue(int code, int layerNr, double value, TSimparameter& para)
{
    if (code < pkTheta || code > pkElliptic)
        return;
    const bool layerKind = code >= pkThickness && code <= pkEpsZImag;
    if (layerKind && (layerNr < 1 || layerNr > MaxLayers))
        return;
    const int row = layerNr - 1;
    switch (code) {
    case pkTheta: para.Theta = value; break;
    case pkThickness: para.Dicke[row] = value; break;
    case pkEpsXReal: para.Eps[row].epsX.real(value); break;
    case pkEpsXImag: para.Eps[row].epsX.imag(value); break;
    case pkEpsYReal: para.Eps[row].epsY.real(value); break;
    case pkEpsYImag: para.Eps[row].epsY.imag(value); break;
    case pkEpsZReal: para.Eps[row].epsZ.real(value); break;
    case pkEpsZImag: para.Eps[row].epsZ.imag(value); break;
    case pkPhi: para.Phiangle = value; break;
    case pkAzimut: para.Azimut = value; break;
    case pkElliptic: para.Elliptic = value; break;
    default: break;
    }
}

void TCalcPlasmon::CalcRT(TVeltraVector& rt, const TVeltraMatrix& m, Complex a)
{
    // The Jones component is an amplitude: it enters linearly, so that
    // intensities weigh with |Ep|^2 and the p-s phase survives.
    const Complex t = veltrane::Div(a, m[0][0]);
    rt[0] = veltrane::Mul(m[1][0], t);
    rt[1] = t;
}

void TCalcPlasmon::CalcRTAmplitude(TVeltraVector& rt, const TVeltraMatrix& m)
{
    const Complex t = rt[1] / m[0][0];
    rt[0] = m[1][0] * t;
    rt[1] = t;
}

void TCalcPlasmon::CalcPoint(int i, int j, TSimparameter& para, const TResColList& list)
{
    if (ZAxisKind(para) != pkNone)
        SetZValue(j, para, list);
    // Inside the run the record changes only by the scan, so a Theta step
    // re-reads nothing else.
    const bool angle = IsAngleStep(i, j, para);
    const bool full = angle || IsFullUpdate(i, j, para);
    if (angle)
        UpdateAngle(para);
    else
        Update(i, j, para);
    if (full) {
        productCache_.valid = false;
        CalcTotalMatrix();
    } else {
        CalcTotalMatrixPartial(para);
    }
    if (IsPolarisation('P')) {
        CalcRT(rtP, totalP, para.Ep);
        vmath::checked(rtP[0], "CalcRT");
        vmath::checked(rtP[1], "CalcRT");
    }
    if (IsPolarisation('S')) {
        CalcRT(rtS, totalS, para.Es);
        vmath::checked(rtS[0], "CalcRT");
        vmath::checked(rtS[1], "CalcRT");
    }
}

veltrane::CalcOutcome TCalcPlasmon::CalcSimulation(TSimparameter& para, TResColList& list,
                                                   veltrane::ErrorReport report)
{
    veltrane::CalcOutcome outcome;
    // The point the run goes to next, in its order (i outer, j inner), and
    // the columns it walks; a refused run leaves the list as it was.
    int atI = 0, atJ = 0, columns = 0;
    bool accepted = false;
    try {
        const std::string refusal = CheckRun(para, list);
        if (!refusal.empty())
            throw std::invalid_argument(refusal);
        accepted = true;
        SetZValues(para, list);
        columns = ZAxisKind(para) == pkNone ? 1 : int(list.size());
        fullUpdateNeeded = true;
        productCache_.valid = false;
        for (int i = 0; i < para.XAxis.Pktanz; ++i) {
            atI = i;
            atJ = 0;
            SetXValue(i, para);
            for (int j = 0; j < columns; ++j, atJ = j) {
                bool valid = true;
                try {
                    CalcPoint(i, j, para, list);
                } catch (const EWinkelfehler&) {
                    valid = false;
                } catch (const EkoNullExecption&) {
                    valid = false;
                } catch (const veltrane::EMathError&) {
                    valid = false;
                }
                StoreResult(i, j, para, list, valid);
            }
            atI = i + 1;
            atJ = 0;
        }
    } catch (const std::exception& e) {
        outcome = {false, "Error  CalcSimulation", e.what()};
    }
    if (accepted)
        ClearUnreached(list, atI, atJ, columns);
    if (!outcome.ok && report == veltrane::ErrorReport::ShowBox)
        veltrane::showError(outcome.caption, outcome.message);
    return outcome;
}

void TCalcPlasmon::ClearUnreached(TResColList& list, int atI, int atJ, int columns)
{
    // Points a run does not reach must not keep numbers of an earlier run.
    // Clearing them afterwards, not all of them ahead, writes every point of
    // a complete run once.
    for (int k = 0; k < int(list.size()); ++k) {
        auto& points = list[std::size_t(k)].Points;
        const int first = k >= columns ? 0 : k < atJ ? atI + 1 : atI;
        for (std::size_t i = std::size_t(first); i < points.size(); ++i) {
            TResPunkt& p = points[i];
            p.x = p.Rp = p.Tp = p.Rs = p.Ts = p.Psi = p.Delta = NOVALUE;
            p.valid = 0;
        }
    }
}

namespace {

veltrane::CalcOutcome fail(std::string caption, std::string message, veltrane::ErrorReport report)
{
    if (report == veltrane::ErrorReport::ShowBox)
        veltrane::showError(caption, message);
    return {false, std::move(caption), std::move(message)};
}

}  // namespace

veltrane::CalcOutcome CreateCalcPlasmon(std::unique_ptr<TCalcPlasmon>& calc, const TSimparameter& para,
                                        TResColList& list, veltrane::ErrorReport report)
{
    calc.reset();
    const std::string refusal = veltrane::CheckSimparameter(para);
    if (!refusal.empty())
        return fail("Error CalcSimulation", refusal, report);
    try {
        calc = std::make_unique<TCalcPlasmon>();
        ClearResColList(list);
        CreateResColList(list, para);
        calc->Init(para);
    } catch (const std::exception& e) {
        DeleteCalcPlasmon(calc);
        return fail("Error CalcSimulation", e.what(), report);
    }
    return {};
}

veltrane::CalcOutcome RunCalcPlasmon(TCalcPlasmon* calc, const TSimparameter& para, TResColList& list,
                                     veltrane::ErrorReport report)
{
    if (!calc)
        return {false, "", ""};
    try {
        calc->work = para;
        return calc->CalcSimulation(calc->work, list, report);
    } catch (const std::exception& e) {
        return fail("Error CalcSimulation2", e.what(), report);
    } catch (...) {
        return fail("Error CalcSimulation2", "", report);
    }
}

void DeleteCalcPlasmon(std::unique_ptr<TCalcPlasmon>& calc) { calc.reset(); }
