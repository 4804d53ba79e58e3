#include "gui/fit/Auswertungdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

#include "controls/RIEdit.h"
#include "document/Defaults.h"
#include "gui/fit/RangeBars.h"
#include "platform/Platform.h"
#include "platform/qt/PlainText.h"
#include "plot/Lineplot.h"

using namespace veltrane::eval;

TAuswertungdlg::TAuswertungdlg(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc)
{
    setObjectName("Auswertungdlg");
    setWindowTitle("Minimum Evaluation");
    CreateForm();
    DataBox->setCurrentIndex(0);
    for (QTableWidget* g : {DataValueGrid, ScanValueGrid})
        g->setRowCount(2);
    FillGrids();
    TAuswertungpara defaults;
    SetDefaultParameter(defaults);
    SetParameter(defaults);
    DataPlot->OnPlotbildChange = [this](TLinePlot&, TPlotCanvas& c) { PaintRegression(c); };
    resize(980, 620);
}

TAuswertungdlg::~TAuswertungdlg() { DataPlot->OnPlotbildChange = nullptr; }

void TAuswertungdlg::SetDefaultParameter(TAuswertungpara& a) { ::SetDefaultParameter(a); }

void TAuswertungdlg::SetParameter(const TAuswertungpara& a)
{
    nleft->SetDouble(a.left);
    nright->SetDouble(a.right);
    DataCheck->setChecked(a.Data != 0);
    ScanCheck->setChecked(a.Scan != 0);
    DataBox->setCurrentIndex(std::clamp(int(a.Datakind), 0, 2));
    RegCheck->setChecked(a.Reg != 0);
    reg_width->SetInteger(std::clamp(int(a.reg_width), 1, 100));
}

void TAuswertungdlg::GetParameter(TAuswertungpara& a) const
{
    a.left = nleft->Getdouble();
    a.right = nright->Getdouble();
    a.Data = DataCheck->isChecked();
    a.Scan = ScanCheck->isChecked();
    a.Datakind = std::max(0, DataBox->currentIndex());
    a.Reg = RegCheck->isChecked();
    const int w = reg_width->GetInteger();
    a.reg_width = w == Riedit::NAIN ? 30 : w;
}

Axes TAuswertungdlg::CurrentAxes() const { return {EpsMode, XKind, ZKind, XLayerNr, ZLayerNr}; }

void TAuswertungdlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAuswertungdlg::FormShow()
{
    EvalPageControl->setCurrentIndex(1);
    simResults_ = NewSimulationResults(doc_.ResColList);
    scanResults_ = NewScanResults(doc_.ScanColList);
    ScanValueGrid->setRowCount(std::max<int>(int(doc_.ScanColList.size()) + 1, 2));
    LayoutGrids();
    PlotData();

    double lo = 0.0, hi = 0.0;
    if (!DataPlot->minmax(1, lo, 1.0, hi)) {
        lo = DataPlot->XAxis().minValue();
        hi = DataPlot->XAxis().maxValue();
    }
    RangeBars->Rebuild(std::min(lo, hi), std::max(lo, hi));
    if (nleft->GethasValue())
        RangeBars->SetLeftValue(nleft->Getdouble());
    nleft->SetDouble(RangeBars->LeftValue());
    if (nright->GethasValue())
        RangeBars->SetRightValue(nright->Getdouble());
    nright->SetDouble(RangeBars->RightValue());
    DataPlot->Autoscale(true, true, true);
    EvalBtnClick();
}

void TAuswertungdlg::done(int r)
{
    QDialog::done(r);
    // The results belong to one showing.
    simResults_.clear();
    scanResults_.clear();
}

bool TAuswertungdlg::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        ScanGrid1Click();
    return QDialog::event(e);
}

void TAuswertungdlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutGrids();
}

void TAuswertungdlg::LayoutGrids()
{
    // Three equal columns over the table, at least 80 pixels each.
    for (QTableWidget* g : {DataValueGrid, ScanValueGrid}) {
        const int width = std::max(80, (g->viewport()->width() - 4) / 3);
        for (int c = 0; c < 3; ++c)
            g->setColumnWidth(c, width);
    }
}

void TAuswertungdlg::EvalBtnClick()
{
    PlotData();
    const double left = RangeBars->LeftValue(), right = RangeBars->RightValue();
    const double percentage = std::max(1, reg_width->GetInteger() == Riedit::NAIN ? 30 : reg_width->GetInteger());
    if (simResults_.size() != doc_.ResColList.size())
        simResults_ = NewSimulationResults(doc_.ResColList);
    if (scanResults_.size() != doc_.ScanColList.size())
        scanResults_ = NewScanResults(doc_.ScanColList);
    EvaluateSimulations(doc_.ResColList, std::max(0, DataBox->currentIndex()), percentage, left, right,
                        simResults_);
    EvaluateScans(doc_.ScanColList, percentage, left, right, scanResults_);
    PlotMinima();
    FillGrids();
    AddRegressionColumns();
    UpdateVisibility();
    FitYRange();
}

void TAuswertungdlg::FillGrids()
{
    const char sep = veltrane::platform().decimalSeparator();
    auto fill = [](QTableWidget* g, const Row& header, const std::vector<Row>& rows) {
        g->clearContents();
        g->setRowCount(std::max<int>(int(rows.size()) + 1, 2));
        for (int c = 0; c < 3; ++c)
            g->setItem(0, c, new QTableWidgetItem(QString::fromStdString(header[std::size_t(c)])));
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (int c = 0; c < 3; ++c)
                g->setItem(int(r) + 1, c, new QTableWidgetItem(QString::fromStdString(rows[r][std::size_t(c)])));
    };
    fill(DataValueGrid, SimulationHeader(), SimulationRows(simResults_, sep));
    fill(ScanValueGrid, ScanHeader(), ScanRows(scanResults_, sep));
    DataTitlePanel->setText(QString::fromStdString(DataTitleCaption(CurrentAxes(), std::max(0, DataBox->currentIndex()))));
}

void TAuswertungdlg::EvalPageControlChange()
{
    ZoomBtn->setChecked(false);
    for (TLinePlot* p : {MinPlot, DataPlot})
        p->isZoom = false;
    const bool plotPage = PagePlot() != nullptr;
    ZoomBtn->setEnabled(plotPage);
    OverviewBtn->setEnabled(plotPage);
    LayoutGrids();
}

TLinePlot* TAuswertungdlg::PagePlot() const
{
    switch (EvalPageControl->currentIndex()) {
    case 0: return MinPlot;
    case 1: return DataPlot;
    default: return nullptr;
    }
}

void TAuswertungdlg::RegCheckClick() { UpdateVisibility(); }
void TAuswertungdlg::DataCheckClick() { UpdateVisibility(); }
void TAuswertungdlg::ScanCheckClick() { UpdateVisibility(); }

void TAuswertungdlg::ScrollBar_LScroll() { nleft->SetDouble(RangeBars->LeftValue()); }
void TAuswertungdlg::ScrollBar_RScroll() { nright->SetDouble(RangeBars->RightValue()); }

void TAuswertungdlg::ScanGrid1Click()
{
    // Without scans the table still has its empty row, which stands for no
    // scan record.
    const int row = ScanValueGrid->currentRow();
    const int k = ScanValueGrid->selectedItems().isEmpty() ? -1 : ScanOfRow(row, int(scanResults_.size()));
    if (k < 0) {
        StatusBar->clearMessage();
        ScanValueGrid->setToolTip(QString());
        return;
    }
    StatusBar->showMessage(QString::fromStdString(scanResults_[std::size_t(k)].Path));
    ScanValueGrid->setToolTip(veltrane::plainToolTip(QString::fromStdString(scanResults_[std::size_t(k)].Name)));
}

void TAuswertungdlg::scalerangBtnClick()
{
    double l = RangeBars->LeftValue(), r = RangeBars->RightValue();
    if (l > r)
        std::swap(l, r);
    DataPlot->SetXAxislimit(l, r);
}

void TAuswertungdlg::ShowallBtnClick()
{
    if (TLinePlot* p = PagePlot())
        p->Autoscale(true, true, true);
}

void TAuswertungdlg::ZoomBtnClick()
{
    if (TLinePlot* p = PagePlot())
        p->isZoom = ZoomBtn->isChecked();
}

void TAuswertungdlg::OverviewBtnClick()
{
    if (TLinePlot* p = PagePlot())
        p->ShowScaleviewdlg();
}

void TAuswertungdlg::HelpBtnClick() { veltrane::platform().showHelp("PAGE_EVALUATION"); }
