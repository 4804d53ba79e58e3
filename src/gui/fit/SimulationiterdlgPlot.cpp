// The fit window's plot (the chosen scan as symbols, the simulated curve as
// a line) and what the running search shows through the window.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "document/CurveQuantity.h"
#include "gui/fit/plain/FitDataKinds.h"
#include "gui/fit/Simulationiterdlg.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"

namespace {

constexpr int ScanCol = 0;
constexpr int SimCol = 1;

const char* leftAxisTitle(int datakind)
{
    return datakind <= 2 ? "Ref-Koeff" : CurveKindName(veltrane::fit::DataKindOf(datakind));
}

}  // namespace

void TSimulationiterdlg::DrawScan()
{
    TLinePlot& plot = *Plot;
    plot.Setrepaintcomp(false);
    plot.DeleteColData(ScanCol);
    plot.SetPlotArt(ScanCol, paSymbol);
    plot.SetSymbolsize(ScanCol, 5);
    plot.SetSymbolArt(ScanCol, saSquare);
    plot.SetSymbolColor(ScanCol, pcBlack);
    if (ChosenScan() >= 0) {
        const TScanColrec& scan = doc_.ScanColList[std::size_t(ChosenScan())];
        plot.SetColTitle(ScanCol, "iterative Simualtion  " + scan.Name);
        for (const TScanPunkt& p : scan.Points)
            plot.AddData(ScanCol, p.x + scan.Shiftfactor, p.y * scan.Scalefactor, true);
    } else {
        plot.SetColTitle(ScanCol, "iterative Simualtion  ");
    }
    plot.Setrepaintcomp(true);
}

void TSimulationiterdlg::DrawSimulation()
{
    TLinePlot& plot = *Plot;
    const int kind = std::max(0, ScandataBox->currentIndex());
    plot.Setrepaintcomp(false);
    plot.DeleteColData(SimCol);
    plot.SetPlotArt(SimCol, paLine);
    plot.SetLineArt(SimCol, laSolid);
    plot.SetLineColor(SimCol, pcRed);
    if (!Fit().ResultList.empty()) {
        const TResColrec& col = Fit().ResultList.front();
        plot.SetColTitle(SimCol, CurveKindName(veltrane::fit::DataKindOf(kind)) + col.Title);
        for (const TResPunkt& p : col.Points)
            plot.AddData(SimCol, p.x, CurveQuantity(p, veltrane::fit::DataKindOf(kind)), p.valid != 0);
    }
    plot.Y1Axis().SetTitle(leftAxisTitle(kind));
    plot.XAxis().SetTitle("Theta/[°]");
    plot.Setrepaintcomp(true);
}

void TSimulationiterdlg::ShowScaleFactor()
{
    if (ChosenScan() < 0) {
        CheckBox0->setText("");
        return;
    }
    const double f = doc_.ScanColList[std::size_t(ChosenScan())].Scalefactor;
    CheckBox0->setText(QString::fromStdString(veltrane::floatToText(f, veltrane::platform().decimalSeparator())));
}

void TSimulationiterdlg::ShowIteration(const std::string& iternum, const std::string& divergence)
{
    nIternum->setText(QString::fromStdString(iternum));
    nIterlim->setText(QString::fromStdString(divergence));
}

void TSimulationiterdlg::VertexShown()
{
    FillGrid();
    DrawSimulation();
    ShowScaleFactor();
}

void TSimulationiterdlg::ScanChanged()
{
    DrawScan();
    ShowScaleFactor();
}
