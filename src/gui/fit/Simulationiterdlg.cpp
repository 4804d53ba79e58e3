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
#include "gui/fit/plain/FitScans.h"
#include "gui/fit/RangeBars.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"

using namespace veltrane::fit;

TSimulationiterdlg::TSimulationiterdlg(Document& doc, veltrane::RunControl& run, QWidget* parent)
    : QDialog(parent), doc_(doc), fit_(doc, run)
{
    setObjectName("Simulationiterdlg");
    setWindowTitle("iterative Simulation");
    CreateForm();
    fit_.SetView(this);
    ScandataBox->setCurrentIndex(0);
    Plot->DeleteAllCol();
    Plot->AddCol();
    Plot->AddCol();
    Plot->SetTitle("iterative Simulation");
    resize(1100, 560);
}

TSimulationiterdlg::~TSimulationiterdlg() { fit_.SetView(nullptr); }

void TSimulationiterdlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSimulationiterdlg::FormShow()
{
    const auto parts = PartCaptions(Parameter().EpsMode);
    for (int k = 0; k < 6; ++k)
        RealImagLabels[std::size_t(k)]->setText(QString::fromStdString(parts[std::size_t(k % 2)]));

    const int item = fit_.Show();
    {
        const QSignalBlocker block(LayerScrollBar);
        LayerScrollBar->setValue(1);
    }
    firstLayer_ = 1;
    LayerPosLabel->setText("1");
    FillGrid();

    {
        const QSignalBlocker block(ScanfileBox);
        ScanfileBox->clear();
        for (int index : fit_.Offered())
            ScanfileBox->addItem(QString::fromStdString(doc_.ScanColList[std::size_t(index)].Name));
        ScanfileBox->setCurrentIndex(item);
    }
    nIternum->clear();
    nIterlim->clear();
    ChooseScan();
    fit_.ComputeOnce();
    DrawSimulation();
    scalerangBtnClick();
}

void TSimulationiterdlg::ChooseScan()
{
    fit_.Choose(ScanfileBox->currentIndex());
    DrawScan();
    RebuildMarkers();
    fit_.Resample(RangeBars->LeftValue(), RangeBars->RightValue());
    ShowScaleFactor();
}

void TSimulationiterdlg::RebuildMarkers()
{
    if (ChosenScan() < 0) {
        nleftlimit->SethasValue(false);
        nrightlimit->SethasValue(false);
        return;
    }
    const ScanExtent e = ScanExtentOf(doc_.ScanColList[std::size_t(ChosenScan())]);
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
    const bool running = fit_.Running();
    for (int r = 0; r < GridRows; ++r) {
        LayerNr[std::size_t(r)]->setText(QString::fromStdString(RowLabel(firstLayer_, r)));
        for (int c = 0; c < GridColumns; ++c) {
            const SlotCell cell = CellOf(Fit(), SlotAt(firstLayer_, r, c), sep);
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
            TParamSlot& s = Fit().ParamSlots[std::size_t(slot)];
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
    StoreMarks();
    TSimulationiter& iter = Fit();
    iter.Datakind = std::max(0, ScandataBox->currentIndex());
    iter.Iterartgroup = XMinimumBtn->isChecked() ? TSimulationiter::XMinimum : TSimulationiter::FullSpectrum;
    iter.FitScale = CheckBox0->isChecked();
    iter.LeftLimit = RangeBars->LeftValue();
    iter.RightLimit = RangeBars->RightValue();
}

void TSimulationiterdlg::ShowRunning(bool running)
{
    for (QWidget* w : lockedWhileRunning_)
        w->setEnabled(!running);
    StopBtn->setEnabled(running);
    if (running) {
        ZoomBtn->setChecked(false);
        Plot->isZoom = false;
        StopBtn->setFocus();
    } else {
        // The grid enables only the boxes whose slots can be marked.
        FillGrid();
        DrawSimulation();
        ShowScaleFactor();
        // The fitted curve and the rescaled scan may reach past the axes
        // chosen for the start curve: scaled afresh, as when the scan or
        // the data kind changes, so that nothing drawn is cut off unseen.
        scalerangBtnClick();
    }
}

void TSimulationiterdlg::StartBtnClick() { fit_.Start(); }

void TSimulationiterdlg::StopBtnClick() { fit_.Stop(); }

void TSimulationiterdlg::OkBtnClick()
{
    if (fit_.Accept(RangeBars->LeftValue(), RangeBars->RightValue()))
        QDialog::accept();
}

void TSimulationiterdlg::CloseBtnClick() { reject(); }

void TSimulationiterdlg::reject()
{
    if (fit_.Reject())
        QDialog::reject();
}

void TSimulationiterdlg::closeEvent(QCloseEvent* event)
{
    if (!fit_.MayClose()) {
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
    Fit().LeftLimit = RangeBars->LeftValue();
}

void TSimulationiterdlg::ScrollBar_RScroll()
{
    nrightlimit->SetDouble(RangeBars->RightValue());
    Fit().RightLimit = RangeBars->RightValue();
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
