// The line plot's own dialogs: title, axes, overview and print. Each is
// made on first use and lives as long as the plot.

#include <QLineEdit>

#include "plot/DruckDlg.h"
#include "plot/Lineplot.h"
#include "plot/PlotAxisDlg.h"
#include "plot/PlotTitleDlg.h"
#include "plot/ScaleviewDlg.h"

TPlotTitleDlg& TLinePlot::TitleDlg()
{
    if (!titleDlg_)
        titleDlg_ = new TPlotTitleDlg(this);
    return *titleDlg_;
}

TPlotAxisDlg& TLinePlot::AxisDlg()
{
    if (!axisDlg_)
        axisDlg_ = new TPlotAxisDlg(this);
    return *axisDlg_;
}

TScaleviewDlg& TLinePlot::ScaleviewDlg()
{
    if (!scaleviewDlg_)
        scaleviewDlg_ = new TScaleviewDlg(*this, this);
    return *scaleviewDlg_;
}

TDruckDlg& TLinePlot::DruckDlg()
{
    if (!druckDlg_)
        druckDlg_ = new TDruckDlg(*this, this);
    return *druckDlg_;
}

void TLinePlot::NotifyUserChange(TUserChange what)
{
    if (OnUserChange)
        OnUserChange(*this, what);
}

void TLinePlot::Showtitledlg()
{
    TPlotTitleDlg& dlg = TitleDlg();
    dlg.Sprache = Sprache_;
    dlg.strTitle->setText(QString::fromStdString(Title_));
    if (dlg.exec() != QDialog::Accepted)
        return;
    const std::string before = Title_;
    SetTitle(dlg.strTitle->text().toStdString());
    if (Title_ != before)
        NotifyUserChange(TUserChange::Title);
}

void TLinePlot::doAxisdlg(TAxis& axis)
{
    if (ShowAxisDialog(AxisDlg(), *this, axis))
        NotifyUserChange(TUserChange::Axis);
}

void TLinePlot::ShowXAxisdlg() { doAxisdlg(XAxis_); }
void TLinePlot::ShowY1Axisdlg() { doAxisdlg(Y1Axis_); }
void TLinePlot::ShowY2Axisdlg() { doAxisdlg(Y2Axis_); }

void TLinePlot::ShowScaleviewdlg()
{
    TScaleviewDlg& dlg = ScaleviewDlg();
    dlg.Sprache = Sprache_;
    dlg.exec();
}

bool TLinePlot::Printing() const { return druckDlg_ && druckDlg_->Printing(); }

TPrintResult TLinePlot::PrintPlot(bool showDialog)
{
    TDruckDlg& dlg = DruckDlg();
    if (dlg.Printing())
        return TPrintResult::Busy;
    dlg.Sprache = Sprache_;
    if (showDialog && dlg.exec() != QDialog::Accepted)
        return TPrintResult::NotStarted;
    return dlg.PrintPlot(Printkommentar);
}
