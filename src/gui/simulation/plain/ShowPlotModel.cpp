#include "gui/simulation/plain/ShowPlotModel.h"

void ShowPlotModel::Load(TCurveSet curves, const TScanColList& scans)
{
    Curves = curves;
    ScanVisible.clear();
    for (const TScanColrec& s : scans)
        ScanVisible.push_back(s.Visible != 0);
}

void ShowPlotModel::Apply(TScanColList& scans) const
{
    // The list cannot change while the dialog is open; a mismatch leaves
    // the scans it cannot match as they were.
    for (std::size_t k = 0; k < scans.size() && k < ScanVisible.size(); ++k)
        scans[k].Visible = ScanVisible[k] ? 1 : 0;
}
