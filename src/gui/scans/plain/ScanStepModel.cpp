#include "gui/scans/plain/ScanStepModel.h"

#include "gui/common/plain/StepRounding.h"
#include "platform/CFormat.h"

std::vector<std::string> ScanStepModel::Names() const
{
    std::vector<std::string> names;
    for (const TScanColrec& s : doc_.ScanColList)
        names.push_back(s.Name);
    return names;
}

int ScanStepModel::ShowIndex() const
{
    const int last = int(doc_.ScanColList.size()) - 1;
    if (LastIndex <= last)
        return LastIndex < 0 ? -1 : LastIndex;
    return last >= 0 ? 0 : -1;
}

void ScanStepModel::Select(int index)
{
    selected_ = index >= 0 && std::size_t(index) < doc_.ScanColList.size() ? index : -1;
    LastIndex = selected_;
}

bool ScanStepModel::HasSelection() const
{
    return selected_ >= 0 && std::size_t(selected_) < doc_.ScanColList.size();
}

const TScanColrec* ScanStepModel::SelectedScan() const
{
    return HasSelection() ? &doc_.ScanColList[std::size_t(selected_)] : nullptr;
}

double* ScanStepModel::factor()
{
    if (!HasSelection())
        return nullptr;
    TScanColrec& scan = doc_.ScanColList[std::size_t(selected_)];
    return which_ == TScanFactor::Scale ? &scan.Scalefactor : &scan.Shiftfactor;
}

double ScanStepModel::Factor() const
{
    if (!HasSelection())
        return 0.0;
    const TScanColrec& scan = doc_.ScanColList[std::size_t(selected_)];
    return which_ == TScanFactor::Scale ? scan.Scalefactor : scan.Shiftfactor;
}

std::string ScanStepModel::FactorText(char sep) const
{
    return HasSelection() ? veltrane::floatToText(Factor(), sep) : std::string();
}

double ScanStepModel::Step() const
{
    return which_ == TScanFactor::Scale ? doc_.Optionpara.ScanScalestep : doc_.Optionpara.ScanShiftstep;
}

bool ScanStepModel::ApplyStep(int k)
{
    double* f = factor();
    if (!f)
        return false;
    // Rounded as the manual simulation rounds its steps: 0.1 up three
    // times and down three times is 0 again, not a shift of 2.8e-17 that
    // the legend would name.
    *f = SteppedValue(*f, Step(), k);
    return true;
}

bool ScanStepModel::Reset()
{
    double* f = factor();
    if (!f)
        return false;
    *f = which_ == TScanFactor::Scale ? 1.0 : 0.0;
    return true;
}

int ScanStepModel::ButtonSteps(int button) const
{
    static constexpr std::array<int, 3> sizes{1, 10, 100};
    if (button < 0 || button >= ButtonCount)
        return 0;
    // Scale: the first group raises the factor; shift: it moves left.
    const bool firstGroup = button < 3;
    const int sign = (firstGroup == (which_ == TScanFactor::Scale)) ? 1 : -1;
    return sign * sizes[std::size_t(button % 3)];
}
