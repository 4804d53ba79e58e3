// The Plot, Plot-Option and plot-output commands of the main window.
#include <QAction>

#include "gui/main/MainForm.h"
#include "platform/Platform.h"
#include "platform/qt/GuiServices.h"
#include "plot/Lineplot.h"
#include "plot/PlotSaveAs.h"

void TMainForm::Zoom1Click()
{
    const bool on = Command("Zoom1")->isChecked();
    Plot_->isZoom = on;
    Command("ZoomBtn")->setChecked(on);
}

void TMainForm::Showall1Click() { Plot_->Autoscale(true, true, true); }

void TMainForm::Normscale1Click() { Normscale(); }

void TMainForm::Refresh1Click() { Plot_->repaint(); }

void TMainForm::Replot1Click() { Replot(); }

void TMainForm::Legende1Click() { Plot_->Legend().Setvisible(Command("Legende1")->isChecked()); }

void TMainForm::TextBox1Click() { WriteLayerSystem(); }

void TMainForm::TextBox2Click() { WriteMainComment(); }

void TMainForm::Overview1Click() { Plot_->ShowScaleviewdlg(); }

void TMainForm::Title1Click() { Plot_->Showtitledlg(); }

void TMainForm::XAxis1Click() { Plot_->ShowXAxisdlg(); }

void TMainForm::Y1Axis1Click() { Plot_->ShowY1Axisdlg(); }

void TMainForm::Y2Axis1Click() { Plot_->ShowY2Axisdlg(); }

void TMainForm::ClipPlotClick() { Plot_->CopytoClipboard(); }

void TMainForm::ExportPlotClick() { veltrane::SavePlotAs(*Plot_, "Save Plot", "BMP"); }

void TMainForm::PrintPlotClick()
{
    Plot_->Printkommentar = PlotPrintComment(doc_, veltrane::platform().dateTimeText());
    Plot_->PrintPlot(true);
}

void TMainForm::PrinterSetup1Click() { veltrane::SetupPrinter(this); }
