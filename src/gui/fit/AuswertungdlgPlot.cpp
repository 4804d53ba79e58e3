// The evaluation's plots: the curves and scans with their regression
// cubics and minimum circles on the data plot, and the minima against the
// second parameter on the minimum plot.
#include <QCheckBox>
#include <QComboBox>
#include <algorithm>

#include "document/CurveQuantity.h"
#include "document/ScanFile.h"
#include "gui/fit/Auswertungdlg.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"

using namespace veltrane::eval;

namespace {

bool hasMinimum(const TAuswrec& r) { return r.xmin != NOVALUE && r.ymin != NOVALUE; }

}  // namespace

void TAuswertungdlg::PlotData()
{
    TLinePlot& plot = *DataPlot;
    const char sep = veltrane::platform().decimalSeparator();
    const int kind = std::max(0, DataBox->currentIndex());
    const Axes axes = CurrentAxes();
    plot.Setrepaintcomp(false);
    plot.DeleteAllCol();
    scanCol_.assign(doc_.ScanColList.size(), -1);
    simCol_.assign(doc_.ResColList.size(), -1);
    scanRegCol_.assign(doc_.ScanColList.size(), -1);
    simRegCol_.assign(doc_.ResColList.size(), -1);
    bool first = true;
    for (std::size_t k = 0; k < doc_.ScanColList.size(); ++k) {
        const TScanColrec& scan = doc_.ScanColList[k];
        // Psi and Delta scans have no resonance dip to show.
        if (scan.Kind >= 3)
            continue;
        const int col = plot.AddCol();
        scanCol_[k] = col;
        plot.SetColTitle(col, veltrane::ScanColumnTitle(scan, sep));
        plot.SetPlotArt(col, paSymbol);
        plot.SetSymbolsize(col, 5);
        if (first) {
            plot.SetSymbolArt(col, saSquare);
            plot.SetSymbolColor(col, pcBlack);
            first = false;
        } else {
            plot.SetNextSymbolArt(col);
            plot.SetNextSymbolColor(col);
        }
        for (const TScanPunkt& p : scan.Points)
            plot.AddData(col, p.x + scan.Shiftfactor, p.y * scan.Scalefactor, true);
    }
    first = true;
    for (std::size_t k = 0; k < doc_.ResColList.size(); ++k) {
        const TResColrec& res = doc_.ResColList[k];
        const int col = plot.AddCol();
        simCol_[k] = col;
        plot.SetColTitle(col, DataName(kind) + res.Title);
        plot.SetPlotArt(col, paLine);
        if (first) {
            plot.SetLineArt(col, laSolid);
            plot.SetLineColor(col, pcRed);
            first = false;
        } else {
            plot.SetNextLineArt(col);
            plot.SetNextLineColor(col);
        }
        for (const TResPunkt& p : res.Points)
            plot.AddData(col, p.x, CurveQuantity(p, std::clamp(kind, int(ckRp), int(ckRps))), p.valid != 0);
    }
    plot.XAxis().SetTitle(DataPlotXTitle(axes));
    plot.Y1Axis().SetTitle("Ref-Koeff ");
    const auto legend = DataLegendTitles(axes);
    plot.Legend().SetTitle1(legend.first);
    plot.Legend().SetTitle2(legend.second);
    UpdateVisibility();
    plot.Setrepaintcomp(true);
}

void TAuswertungdlg::AddRegressionColumns()
{
    TLinePlot& plot = *DataPlot;
    plot.Setrepaintcomp(false);
    auto addCurve = [&plot](const TAuswrec& r) {
        const int col = plot.AddCol();
        plot.SetdoLegend(col, false);
        for (const TRegPunkt& p : r.Curve)
            plot.AddData(col, p.x, p.y, true);
        return col;
    };
    for (std::size_t k = 0; k < scanResults_.size() && k < scanCol_.size(); ++k) {
        const int own = scanCol_[k];
        if (own < 0)
            continue;
        const int col = addCurve(scanResults_[k]);
        scanRegCol_[k] = col;
        plot.SetPlotArt(col, paLineSymbol);
        plot.SetLineColor(col, plot.GetSymbolColor(own));
        plot.SetSymbolColor(col, plot.GetSymbolColor(own));
        plot.SetSymbolsize(col, plot.GetSymbolsize(own));
        plot.SetSymbolArt(col, plot.GetSymbolArt(own));
    }
    for (std::size_t k = 0; k < simResults_.size() && k < simCol_.size(); ++k) {
        const int own = simCol_[k];
        const int col = addCurve(simResults_[k]);
        simRegCol_[k] = col;
        plot.SetPlotArt(col, paLine);
        plot.SetLineColor(col, plot.GetLineColor(own));
        plot.SetLineArt(col, plot.GetLineArt(own));
    }
    plot.Setrepaintcomp(true);
}

void TAuswertungdlg::UpdateVisibility()
{
    TLinePlot& plot = *DataPlot;
    const bool data = DataCheck->isChecked(), scan = ScanCheck->isChecked(), reg = RegCheck->isChecked();
    plot.Setrepaintcomp(false);
    for (int c : scanCol_)
        if (c >= 0)
            plot.SetdoPlot(c, scan);
    for (int c : simCol_)
        if (c >= 0)
            plot.SetdoPlot(c, data);
    for (int c : scanRegCol_)
        if (c >= 0)
            plot.SetdoPlot(c, reg && scan);
    for (int c : simRegCol_)
        if (c >= 0)
            plot.SetdoPlot(c, reg && data);
    plot.Setrepaintcomp(true);
}

void TAuswertungdlg::PaintRegression(TPlotCanvas& c)
{
    TLinePlot& plot = *DataPlot;
    const TRect area = plot.GetPlotrec();
    c.SetClipRect({area.Left, area.Top, area.Right, area.Bottom + 8});
    auto circle = [&](const TAuswrec& r, TColor colour) {
        const auto x = plot.XAxis().TryKor2Pkt(r.xmin);
        const auto y = plot.Y1Axis().TryKor2Pkt(r.ymin);
        if (!x || !y)
            return;
        c.SetPen(colour);
        c.SetBrush(colour);
        c.Ellipse(*x - 8, *y - 8, *x + 8, *y + 8);
    };
    if (ScanCheck->isChecked())
        for (std::size_t k = 0; k < scanResults_.size() && k < scanCol_.size(); ++k)
            if (scanCol_[k] >= 0 && hasMinimum(scanResults_[k]))
                circle(scanResults_[k], ConvertPlotcolor(plot.GetSymbolColor(scanCol_[k])));
    if (DataCheck->isChecked())
        for (std::size_t k = 0; k < simResults_.size() && k < simCol_.size(); ++k)
            if (hasMinimum(simResults_[k]))
                circle(simResults_[k], ConvertPlotcolor(plot.GetLineColor(simCol_[k])));
    c.ClearClip();
}

void TAuswertungdlg::FitYRange()
{
    TLinePlot& plot = *DataPlot;
    double lowest = 0.0;
    bool any = false;
    auto take = [&](const std::vector<TAuswrec>& recs) {
        for (const TAuswrec& r : recs)
            if (hasMinimum(r) && (!any || r.ymin < lowest)) {
                lowest = r.ymin;
                any = true;
            }
    };
    if (ScanCheck->isChecked())
        take(scanResults_);
    if (DataCheck->isChecked())
        take(simResults_);
    if (!any)
        return;
    // The circle around the lowest minimum reaches 8 pixels below it; the
    // axis goes down that far when it does not already.
    plot.Bitmap();
    const auto p = plot.Y1Axis().TryKor2Pkt(lowest);
    if (!p)
        return;
    const double below = plot.Y1Axis().Pkt2kord(*p + 8);
    if (below < plot.Y1Axis().minValue())
        plot.SetY1Axislimit(below, plot.Y1Axis().maxValue());
}

void TAuswertungdlg::PlotMinima()
{
    TLinePlot& plot = *MinPlot;
    const Axes axes = CurrentAxes();
    plot.Setrepaintcomp(false);
    plot.DeleteAllCol();
    plot.SetisY2Axis(true);
    if (!simResults_.empty()) {
        const int x = plot.AddCol();
        plot.SetColTitle(x, "x-min");
        plot.SetPlotArt(x, paLineSymbol);
        plot.SetSymbolArt(x, saSquare);
        plot.SetSymbolColor(x, pcBlack);
        plot.SetLineColor(x, pcBlack);
        const int y = plot.AddCol();
        plot.SetColTitle(y, "y-min");
        plot.SetPlotArt(y, paLineSymbol);
        plot.SetSymbolArt(y, saCircle);
        plot.SetSymbolColor(y, pcRed);
        plot.SetLineColor(y, pcRed);
        plot.SetYAxistyp(y, true);
        for (const TAuswrec& r : simResults_) {
            if (!hasMinimum(r))
                continue;
            plot.AddData(x, r.Zvalue, r.xmin, true);
            plot.AddData(y, r.Zvalue, r.ymin, true);
        }
    }
    plot.Legend().SetTitle1("Data=" + DataName(std::max(0, DataBox->currentIndex())));
    plot.Legend().SetTitle2("");
    plot.XAxis().SetTitle(ZAxisName(axes));
    plot.Y1Axis().SetTitle("X-Min");
    plot.Y2Axis().SetTitle("Y-Min");
    plot.Autoscale(true, true, true);
    plot.Setrepaintcomp(true);
}
