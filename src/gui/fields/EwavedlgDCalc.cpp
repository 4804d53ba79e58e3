// The computations of the layer-position window: the two depth profiles of
// the layer view and the angle scan at the chosen place, one stop ending
// all of them.
#include <QTimer>

#include "fields/CalcEwave_T.h"
#include "gui/fields/EHview.h"
#include "gui/fields/plain/EwaveSetup.h"
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/FieldPlot.h"
#include "gui/fields/PaintBox.h"
#include "gui/fields/Thetaview.h"
#include "plot/Lineplot.h"

using namespace veltrane;

void TEwavedlgD::CalculateAll(bool forced)
{
    const auto all = OpenStage();
    if (!all)
        return;
    // A stack refused when the window showed has no calculator, and the
    // plot stays empty: its profiles would each be refused once more.
    if (!calc_)
        return;
    const TEHOptionpara& o = doc_.EHOptionpara;
    const bool moved1 = thetaview_->GetTheta1() != o.Theta1;
    const bool moved2 = thetaview_->GetTheta2() != o.Theta2;
    if (!ehview_->SetScrollBar(doc_.Simparameter, o))
        return;
    for (FieldStage stage : FieldRunState::Plan(moved1, moved2, forced)) {
        if (stage != FieldStage::Scan) {
            CalcProfile(stage == FieldStage::ProfileEH2);
            continue;
        }
        LayerBox->show();
        LayerBox->update();
        RunScan();
    }
}

void TEwavedlgD::CalcProfile(bool upper)
{
    const auto stage = NextStage();
    if (!stage)
        return;
    SetCalcParameter();
    TEHOptionpara profile = doc_.EHOptionpara;
    profile.Theta = upper ? profile.Theta2 : profile.Theta1;
    (upper ? ehview_->Theta2 : ehview_->Theta1) = profile.Theta;
    TEWaveList& list = upper ? EH2List : EH1List;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, run_, doc_.Simparameter, profile, list);
    RunCalcEwave_T(calc, doc_.Simparameter, profile, list);
    DeleteCalcEwave_T(calc);
    LayerBox->update();
}

void TEwavedlgD::Calculate()
{
    const auto stage = OpenStage();
    if (stage)
        RunScan();
}

void TEwavedlgD::RunScan()
{
    const auto stage = NextStage();
    if (!stage)
        return;
    SetCalcParameter();
    Computed = doc_.EHOptionpara;
    RunCalcEwave_D(calc_, doc_.Simparameter, doc_.EHOptionpara, EWaveList);
    PlotData();
}

ViewRange TEwavedlgD::PlannedSpan() const
{
    ViewRange span;
    span.Take(thetaview_->GetTheta1());
    span.Take(thetaview_->GetTheta2());
    return span;
}

bool TEwavedlgD::ViewMoved() const
{
    return thetaview_->GetTheta1() != Computed.Theta1 || thetaview_->GetTheta2() != Computed.Theta2 ||
           ehview_->LayerNr != Computed.LayerNr || ehview_->Layerpos != Computed.Layerpos;
}

void TEwavedlgD::AfterManualSimulation()
{
    // The stack changed under the window: its curve, profiles and scan
    // follow.
    const double theta1 = thetaview_->GetTheta1(), theta2 = thetaview_->GetTheta2();
    ComputeThetaCurve();
    thetaview_->SetTheta1(theta1);
    thetaview_->SetTheta2(theta2);
    CalculateAll(true);
}
