// Drawing the document on the main plot: the full replot from the result
// and scan lists, the refresh in place after a manual step, the fixed norm
// scale, the default plot and the two text boxes, and the plot settings
// copied to and from the document.
#include <algorithm>

#include "document/AxisKind.h"
#include "document/Defaults.h"
#include "document/LayerSystemText.h"
#include "document/ScanFile.h"
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/EwavedlgT.h"
#include "gui/fit/Auswertungdlg.h"
#include "gui/fit/Simulationiterdlg.h"
#include "gui/main/MainForm.h"
#include "gui/main/plain/MainPlotTexts.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"

using namespace veltrane::mainplot;

namespace {

int nameColumn(const TSimparameter& p) { return p.EpsMode != 0 ? 1 : 0; }

bool checked(const TMainForm& form, const char* name)
{
    QAction* a = form.Command(name);
    return a && a->isChecked();
}

}  // namespace

void TMainForm::Replot()
{
    TLinePlot& plot = *Plot_;
    plot.Setrepaintcomp(false);
    plot.DeleteAllCol();
    int counter = 0;
    ScanCurves = VisibleScanKinds(doc_.ScanColList);
    AddScans(counter);
    FirstResCol = counter;
    for (int k = 0; k < CurveKindCount; ++k)
        if (ResCurves.Contains(k))
            AddResultCurves(k, counter);

    const bool delta = ResCurves.Contains(ckDelta) || ScanCurves.Contains(ckDelta);
    plot.SetisY2Axis(delta);
    plot.Y2Axis().SetTitle(delta ? "Delta" : "");

    const TSimparameter& p = doc_.Simparameter;
    const int column = nameColumn(p);
    plot.XAxis().SetTitle(XAxisTitle(XAxisKind(p), p.XAxis.LayerNr, column));
    plot.Y1Axis().SetTitle(Y1AxisTitle(ResCurves, ScanCurves));
    const auto legend = LegendTitles(ZAxisKind(p), p.ZAxis.LayerNr, column);
    plot.Legend().SetTitle1(legend.first);
    plot.Legend().SetTitle2(legend.second);

    WriteLayerSystem();
    WriteMainComment();
    plot.Autoscale(true, true, true);
    plot.Setrepaintcomp(true);
}

void TMainForm::AddScans(int& counter)
{
    TLinePlot& plot = *Plot_;
    const char sep = veltrane::platform().decimalSeparator();
    for (const TScanColrec& scan : doc_.ScanColList) {
        if (!scan.Visible)
            continue;
        const int col = plot.AddCol();
        plot.SetColTitle(col, veltrane::ScanColumnTitle(scan, sep));
        if (scan.Kind == ckDelta)
            plot.SetYAxistyp(col, true);
        plot.SetPlotArt(col, paSymbol);
        plot.SetSymbolsize(col, 5);
        if (col == 0) {
            plot.SetSymbolArt(col, saSquare);
            plot.SetSymbolColor(col, pcBlack);
        } else {
            plot.SetNextSymbolArt(col);
            plot.SetNextSymbolColor(col);
        }
        for (const TScanPunkt& pt : scan.Points)
            plot.AddData(col, pt.x + scan.Shiftfactor, pt.y * scan.Scalefactor, true);
        ++counter;
    }
}

void TMainForm::AddResultCurves(int kind, int& counter)
{
    TLinePlot& plot = *Plot_;
    for (const TResColrec& res : doc_.ResColList) {
        const int col = plot.AddCol();
        if (kind == ckDelta)
            plot.SetYAxistyp(col, true);
        plot.SetColTitle(col, CurveKindName(kind) + res.Title);
        plot.SetPlotArt(col, paLine);
        if (col == FirstResCol) {
            plot.SetLineArt(col, laSolid);
            plot.SetLineColor(col, pcRed);
        } else {
            plot.SetNextLineArt(col);
            plot.SetNextLineColor(col);
        }
        for (const TResPunkt& pt : res.Points)
            plot.AddData(col, pt.x, CurveValue(pt, kind), CurvePointValid(pt, kind));
        ++counter;
    }
}

bool TMainForm::ColumnLayoutMatches() const
{
    const TLinePlot& plot = *Plot_;
    int col = FirstResCol;
    for (int k = 0; k < CurveKindCount; ++k) {
        if (!ResCurves.Contains(k))
            continue;
        for (const TResColrec& res : doc_.ResColList) {
            if (col >= plot.GetColanz() || plot.GetPktanz(col) != int(res.Points.size()))
                return false;
            ++col;
        }
    }
    return col == plot.GetColanz();
}

void TMainForm::UpdatePlotData()
{
    // The refresh writes into the columns of the last replot; a document
    // whose curves no longer fit them (another one was loaded, the point
    // count changed) is drawn anew.
    if (!ColumnLayoutMatches()) {
        Replot();
        return;
    }
    TLinePlot& plot = *Plot_;
    plot.Setrepaintcomp(false);
    int col = FirstResCol;
    for (int k = 0; k < CurveKindCount; ++k) {
        if (!ResCurves.Contains(k))
            continue;
        for (const TResColrec& res : doc_.ResColList) {
            for (std::size_t i = 0; i < res.Points.size(); ++i) {
                const TResPunkt& pt = res.Points[i];
                plot.SetData(col, int(i), pt.x, CurveValue(pt, k), CurvePointValid(pt, k));
            }
            ++col;
        }
    }
    WriteLayerSystem();
    WriteMainComment();
    plot.Setrepaintcomp(true);
}

void TMainForm::Normscale()
{
    const bool psi = ResCurves.Contains(ckPsi) || ScanCurves.Contains(ckPsi);
    const bool delta = ResCurves.Contains(ckDelta) || ScanCurves.Contains(ckDelta);
    TLinePlot& plot = *Plot_;
    plot.Setrepaintcomp(false);
    if (delta)
        plot.SetY1Y2Axislimit(0, psi ? 90 : 1, 0, 180);
    else
        plot.SetY1Axislimit(0, psi ? 90 : 1);
    plot.Autoscale(true, false, false);
    plot.Setrepaintcomp(true);
}

void TMainForm::SetDefaultPlot()
{
    ::SetDefaultPlot(doc_.Plotwindowpara);
    TLinePlot& plot = *Plot_;
    plot.Setrepaintcomp(false);
    plot.SetTitle(doc_.Plotwindowpara.Title);
    auto axis = [](TAxis& a, const TAxispara& r) {
        a.SetTitle(r.Title);
        a.SetminValue(r.minValue);
        a.SetmaxValue(r.maxValue);
    };
    axis(plot.XAxis(), doc_.Plotwindowpara.XAxis);
    axis(plot.Y1Axis(), doc_.Plotwindowpara.Y1Axis);
    axis(plot.Y2Axis(), doc_.Plotwindowpara.Y2Axis);
    plot.SetisY2Axis(false);
    // Where the user put the boxes belonged to the old document's curves,
    // in this plot and in those of the windows that live on beside it.
    plot.PlaceBoxesAfresh();
    plot.Setrepaintcomp(true);
    std::vector<TLinePlot*> others;
    if (Simulationiterdlg_)
        others.push_back(Simulationiterdlg_->Plot);
    if (Auswertungdlg_)
        others.insert(others.end(), {Auswertungdlg_->MinPlot, Auswertungdlg_->DataPlot});
    if (EwavedlgT_)
        others.push_back(EwavedlgT_->Plot);
    if (EwavedlgD_)
        others.push_back(EwavedlgD_->Plot);
    for (TLinePlot* p : others)
        p->PlaceBoxesAfresh();
}

void TMainForm::WriteLayerSystem()
{
    const TSimparameter& p = doc_.Simparameter;
    const char sep = veltrane::platform().decimalSeparator();
    TTextBox& box = Plot_->TextBox1();
    box.ClearAll();
    box.Title().Add("Layer-System");
    for (const std::string& line : veltrane::LayerSystemLines(p, sep))
        box.Text1().Add(line);
    if (XAxisKind(p) != pkTheta && ZAxisKind(p) != pkTheta)
        box.Text2().Add("Theta=" + veltrane::floatToText(p.Theta, sep) + "\xC2\xB0");
    box.Setvisible(p.Layeranz != 0 && checked(*this, "TextBox1"));
}

void TMainForm::WriteMainComment()
{
    const std::string& comment = doc_.Simparameter.Comment;
    const bool blank = std::all_of(comment.begin(), comment.end(),
                                   [](char c) { return (unsigned char)c <= ' '; });
    TTextBox& box = Plot_->TextBox2();
    if (blank) {
        box.Setvisible(false);
        return;
    }
    box.ClearAll();
    box.Title().Add(comment);
    box.Setvisible(checked(*this, "TextBox2"));
}

void TMainForm::PlotToRecord()
{
    TLinePlot& plot = *Plot_;
    TPlotwindowpara& r = doc_.Plotwindowpara;
    r.Title = plot.Title();
    r.Curves = ResCurves;
    auto axis = [](const TAxis& a, TAxispara& out) {
        out.Title = a.Title();
        out.minValue = a.minValue();
        out.maxValue = a.maxValue();
    };
    axis(plot.XAxis(), r.XAxis);
    axis(plot.Y1Axis(), r.Y1Axis);
    axis(plot.Y2Axis(), r.Y2Axis);
}

void TMainForm::RecordToPlot()
{
    TLinePlot& plot = *Plot_;
    const TPlotwindowpara& r = doc_.Plotwindowpara;
    plot.Setrepaintcomp(false);
    plot.SetTitle(r.Title);
    ResCurves = r.Curves;
    auto axis = [](TAxis& a, const TAxispara& in) {
        a.SetTitle(in.Title);
        a.SetminValue(in.minValue);
        a.SetmaxValue(in.maxValue);
    };
    axis(plot.XAxis(), r.XAxis);
    axis(plot.Y1Axis(), r.Y1Axis);
    axis(plot.Y2Axis(), r.Y2Axis);
    plot.Setrepaintcomp(true);
}
