#include "gui/fit/Simulationiterdlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "controls/RIEdit.h"
#include "document/NumericHelpers.h"
#include "gui/fit/FitScans.h"
#include "gui/fit/RangeBars.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"

using namespace veltrane::fit;

TSimulationiterdlg::TSimulationiterdlg(Document& doc, veltrane::RunControl& run, QWidget* parent)
    : QDialog(parent), doc_(doc), run_(run), Iter(doc.ScanColList, doc.Optionpara, run)
{
    setObjectName("Simulationiterdlg");
    setWindowTitle("iterative Simulation");
    CreateForm();
    Iter.SetHost(this);
    ScandataBox->setCurrentIndex(0);
    Plot->DeleteAllCol();
    Plot->AddCol();
    Plot->AddCol();
    Plot->SetTitle("iterative Simulation");
    resize(1100, 560);
}

TSimulationiterdlg::~TSimulationiterdlg() { Iter.SetHost(nullptr); }

void TSimulationiterdlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSimulationiterdlg::FormShow()
{
    const auto parts = PartCaptions(Iter.Parameter.EpsMode);
    for (int k = 0; k < 6; ++k)
        RealImagLabels[std::size_t(k)]->setText(QString::fromStdString(parts[std::size_t(k % 2)]));

    Iter.BuildSlots();
    {
        const QSignalBlocker block(LayerScrollBar);
        LayerScrollBar->setValue(1);
    }
    firstLayer_ = 1;
    LayerPosLabel->setText("1");
    FillGrid();

    savedFactors_ = SaveScaleFactors(doc_.ScanColList);
    offered_ = FittableScans(doc_.ScanColList);
    int item = 0;
    for (std::size_t i = 0; i < offered_.size(); ++i)
        if (offered_[i] == chosenScan_)
            item = int(i);
    {
        const QSignalBlocker block(ScanfileBox);
        ScanfileBox->clear();
        for (int index : offered_)
            ScanfileBox->addItem(QString::fromStdString(doc_.ScanColList[std::size_t(index)].Name));
        ScanfileBox->setCurrentIndex(offered_.empty() ? -1 : item);
    }
    nIternum->clear();
    nIterlim->clear();
    ChooseScan();
    if (chosenScan_ >= 0) {
        Iter.PutFitRange(Iter.Parameter);
        ComputeOnce();
    } else {
        Iter.ResultList.clear();
    }
    DrawSimulation();
    scalerangBtnClick();
}

void TSimulationiterdlg::ChooseScan()
{
    const int item = ScanfileBox->currentIndex();
    chosenScan_ = item >= 0 && item < int(offered_.size()) ? offered_[std::size_t(item)] : -1;
    Iter.ScanIndex = chosenScan_;
    DrawScan();
    RebuildMarkers();
    if (chosenScan_ >= 0) {
        Iter.LeftLimit = RangeBars->LeftValue();
        Iter.RightLimit = RangeBars->RightValue();
        Iter.ResampleScan();
    }
    ShowScaleFactor();
}

void TSimulationiterdlg::RebuildMarkers()
{
    if (chosenScan_ < 0) {
        nleftlimit->SethasValue(false);
        nrightlimit->SethasValue(false);
        return;
    }
    const ScanExtent e = ScanExtentOf(doc_.ScanColList[std::size_t(chosenScan_)]);
    RangeBars->Rebuild(e.first, e.last);
    ShowLimits();
}

void TSimulationiterdlg::ShowLimits()
{
    nleftlimit->SetDouble(RangeBars->LeftValue());
    nrightlimit->SetDouble(RangeBars->RightValue());
}

void TSimulationiterdlg::FillGrid()
{
    const char sep = veltrane::platform().decimalSeparator();
    const bool running = Running();
    for (int r = 0; r < GridRows; ++r) {
        LayerNr[std::size_t(r)]->setText(QString::fromStdString(RowLabel(firstLayer_, r)));
        for (int c = 0; c < GridColumns; ++c) {
            const SlotCell cell = CellOf(Iter, SlotAt(firstLayer_, r, c), sep);
            QCheckBox* cb = CheckBoxes[std::size_t(r * GridColumns + c)];
            cb->setText(QString::fromStdString(cell.caption));
            cb->setChecked(cell.checked);
            cb->setEnabled(cell.enabled && !running);
        }
    }
}

void TSimulationiterdlg::StoreMarks()
{
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c) {
            const int slot = SlotAt(firstLayer_, r, c);
            if (slot < 0 || slot >= TSimulationiter::SlotCount)
                continue;
            TParamSlot& s = Iter.ParamSlots[std::size_t(slot)];
            // A disabled slot cannot be marked, whatever its box shows.
            s.marked = s.enabled && CheckBoxes[std::size_t(r * GridColumns + c)]->isChecked();
        }
}

void TSimulationiterdlg::LayerScrollBarScroll(int position)
{
    StoreMarks();
    firstLayer_ = std::clamp(position, 1, FirstLayerMax);
    FillGrid();
    LayerPosLabel->setText(QString::number(firstLayer_));
}

void TSimulationiterdlg::ScanfileBoxClick()
{
    ChooseScan();
    scalerangBtnClick();
}

void TSimulationiterdlg::ScandataBoxClick()
{
    DrawSimulation();
    scalerangBtnClick();
}

void TSimulationiterdlg::TakeChoices()
{
    Iter.Datakind = std::max(0, ScandataBox->currentIndex());
    Iter.Iterartgroup = XMinimumBtn->isChecked() ? TSimulationiter::XMinimum : TSimulationiter::FullSpectrum;
    Iter.FitScale = CheckBox0->isChecked();
    Iter.LeftLimit = RangeBars->LeftValue();
    Iter.RightLimit = RangeBars->RightValue();
}

void TSimulationiterdlg::SetRunning(bool running)
{
    for (QWidget* w : lockedWhileRunning_)
        w->setEnabled(!running);
    StopBtn->setEnabled(running);
    if (running) {
        ZoomBtn->setChecked(false);
        Plot->isZoom = false;
    } else {
        // The grid enables only the boxes whose slots can be marked.
        FillGrid();
    }
}

void TSimulationiterdlg::StartBtnClick()
{
    if (Running())
        return;
    StoreMarks();
    TakeChoices();
    if (!Iter.ResampleScan())
        return;
    DrawScan();
    SetRunning(true);
    StopBtn->setFocus();
    Iter.Iteration();
    SetRunning(false);
    DrawSimulation();
    ShowScaleFactor();
}

void TSimulationiterdlg::StopBtnClick()
{
    Iter.Stop();
    BeepTenTimes();
}

void TSimulationiterdlg::OkBtnClick()
{
    if (Running())
        return;
    if (chosenScan_ >= 0) {
        Iter.LeftLimit = RangeBars->LeftValue();
        Iter.RightLimit = RangeBars->RightValue();
        if (Iter.ResampleScan())
            Iter.PutFitRange(Iter.Parameter);
    }
    // The chosen scan keeps the factor it was fitted with.
    RestoreScaleFactors(doc_.ScanColList, savedFactors_, chosenScan_);
    QDialog::accept();
}

void TSimulationiterdlg::CloseBtnClick() { reject(); }

void TSimulationiterdlg::reject()
{
    // Escape or Close while the search runs would pull the window from
    // under it.
    if (Running())
        return;
    RestoreScaleFactors(doc_.ScanColList, savedFactors_);
    QDialog::reject();
}

void TSimulationiterdlg::closeEvent(QCloseEvent* event)
{
    if (Running()) {
        // As the main window does: the run is asked to end, and the window
        // can be closed once it has.
        run_.Stop();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TSimulationiterdlg::OptionBtnClick()
{
    if (OpenOptions)
        OpenOptions();
}

void TSimulationiterdlg::HelpBtnClick() { veltrane::platform().showHelp("PAGE_SIM_ITER"); }

void TSimulationiterdlg::ScrollBar_LScroll()
{
    nleftlimit->SetDouble(RangeBars->LeftValue());
    Iter.LeftLimit = RangeBars->LeftValue();
}

void TSimulationiterdlg::ScrollBar_RScroll()
{
    nrightlimit->SetDouble(RangeBars->RightValue());
    Iter.RightLimit = RangeBars->RightValue();
}

void TSimulationiterdlg::ZoomBtnClick() { Plot->isZoom = ZoomBtn->isChecked(); }

void TSimulationiterdlg::scalerangBtnClick()
{
    if (!RangeBars->HasMarkers())
        return;
    double l = RangeBars->LeftValue(), r = RangeBars->RightValue();
    if (l > r)
        std::swap(l, r);
    Plot->Setrepaintcomp(false);
    Plot->SetXAxislimit(l, r);
    Plot->Autoscale(false, true, false);
    Plot->Setrepaintcomp(true);
}

void TSimulationiterdlg::OverviewBtnClick() { Plot->ShowScaleviewdlg(); }

void TSimulationiterdlg::ShowallBtnClick() { Plot->Autoscale(true, true, true); }
