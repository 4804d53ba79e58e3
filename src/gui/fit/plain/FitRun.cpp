#include "gui/fit/plain/FitRun.h"

#include <memory>

#include "gui/common/plain/NumericHelpers.h"
#include "gui/fit/plain/FitScans.h"
#include "optics/CalcPlasmon.h"

namespace veltrane::fit {

FitRun::FitRun(Document& doc, RunControl& run)
    : doc_(doc), run_(run), search_(doc.ScanColList, doc.Optionpara, run)
{
}

void FitRun::SetView(FitRunView* view)
{
    view_ = view;
    search_.SetHost(view);
}

int FitRun::Show()
{
    search_.BuildSlots();
    savedFactors_ = SaveScaleFactors(doc_.ScanColList);
    offered_ = FittableScans(doc_.ScanColList);
    if (offered_.empty())
        return -1;
    for (std::size_t i = 0; i < offered_.size(); ++i)
        if (offered_[i] == chosen_)
            return int(i);
    return 0;
}

void FitRun::Choose(int item)
{
    chosen_ = item >= 0 && item < int(offered_.size()) ? offered_[std::size_t(item)] : -1;
    search_.ScanIndex = chosen_;
}

bool FitRun::Resample(double left, double right)
{
    if (chosen_ < 0)
        return false;
    search_.LeftLimit = left;
    search_.RightLimit = right;
    return search_.ResampleScan();
}

void FitRun::ComputeOnce()
{
    if (chosen_ < 0) {
        search_.ResultList.clear();
        return;
    }
    search_.PutFitRange(search_.Parameter);
    std::unique_ptr<TCalcPlasmon> calc;
    if (CreateCalcPlasmon(calc, search_.Parameter, search_.ResultList, ErrorReport::ShowBox) && calc)
        RunCalcPlasmon(calc.get(), search_.Parameter, search_.ResultList, ErrorReport::ShowBox);
    DeleteCalcPlasmon(calc);
}

int FitRun::Start()
{
    // A second start from inside the running search's event pass would
    // restart the loop on the vertices it is working on.
    if (Running())
        return TSimulationiter::NotRun;
    view().TakeChoices();
    if (!search_.ResampleScan())
        return TSimulationiter::NotRun;
    view().ScanChanged();
    view().ShowRunning(true);
    const int code = search_.Iteration();
    view().ShowRunning(false);
    return code;
}

void FitRun::Stop()
{
    search_.Stop();
    BeepTenTimes();
}

bool FitRun::Accept(double left, double right)
{
    if (Running())
        return false;
    if (Resample(left, right))
        search_.PutFitRange(search_.Parameter);
    // The chosen scan keeps the factor it was fitted with.
    RestoreScaleFactors(doc_.ScanColList, savedFactors_, chosen_);
    return true;
}

bool FitRun::Reject()
{
    // Closing would pull the window from under the running search.
    if (Running())
        return false;
    RestoreScaleFactors(doc_.ScanColList, savedFactors_);
    return true;
}

bool FitRun::MayClose()
{
    if (!Running())
        return true;
    // As the main window does: the run is asked to end, and the window can
    // be closed once it has.
    run_.Stop();
    return false;
}

}  // namespace veltrane::fit
