#include "gui/simulation/Simulationmandlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTableWidgetItem>

#include "gui/simulation/ManualGrid.h"
#include "gui/simulation/Optiondlg.h"
#include "gui/simulation/ValueEditdlg.h"
#include "platform/Platform.h"

namespace {

// The keys that press the step buttons.
struct StepKey {
    int key;
    QPushButton* TSimulationmandlg::*button;
};
constexpr StepKey StepKeys[] = {
    {Qt::Key_PageUp, &TSimulationmandlg::Button1up},     {Qt::Key_Home, &TSimulationmandlg::Button2up},
    {Qt::Key_Insert, &TSimulationmandlg::Button3up},     {Qt::Key_PageDown, &TSimulationmandlg::Button1down},
    {Qt::Key_End, &TSimulationmandlg::Button2down},      {Qt::Key_Delete, &TSimulationmandlg::Button3down},
};

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool TSimulationmandlg::Execute(TManualSimulationHost& host)
{
    if (!Open(host))
        return false;
    exec();
    return true;
}

bool TSimulationmandlg::Open(TManualSimulationHost& host)
{
    const std::string refusal = model_.CheckOpen();
    if (!refusal.empty()) {
        veltrane::showError("Error", refusal);
        return false;
    }
    host_ = &host;
    FormShow();
    if (!model_.CreateCalc()) {
        host_ = nullptr;
        return false;
    }
    return true;
}

void TSimulationmandlg::FormShow()
{
    model_.Show(EpsMode);
    EnableControls(true);
    FillGrid();
    const int width = model_.FormWidth();
    setFixedWidth(width);
    resize(width, height());
    PageControl1->setFixedWidth(model_.PageWidth());
    LayerGrid1->setFocus();
    // The first thickness inside the stack; a two-layer stack has none and
    // refuses it (ten beeps), and the cursor stays on the first row.
    model_.SelectCell(2, mcThickness);
    LayerGrid1->PlaceCursor(model_.Row(), model_.Col());
    Lmsg->clear();
    HintLabel->clear();
}

void TSimulationmandlg::FillGrid()
{
    const int cols = model_.ColCount() - 1;
    const int rows = model_.RowCount() - 1;
    LayerGrid1->clear();
    LayerGrid1->setColumnCount(cols);
    LayerGrid1->setRowCount(rows);
    QStringList titles;
    for (int c = 1; c <= cols; ++c)
        titles << text(model_.Title(c));
    LayerGrid1->setHorizontalHeaderLabels(titles);
    QStringList numbers;
    for (int r = 1; r <= rows; ++r)
        numbers << QString::number(r);
    LayerGrid1->setVerticalHeaderLabels(numbers);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            LayerGrid1->setItem(r - 1, c - 1, item);
            ShowCell(r, c);
        }
}

void TSimulationmandlg::ShowCell(int row, int col)
{
    if (QTableWidgetItem* item = LayerGrid1->item(row - 1, col - 1))
        item->setText(text(model_.CellText(row, col, veltrane::platform().decimalSeparator())));
}

void TSimulationmandlg::EnableControls(bool on)
{
    controlsEnabled_ = on;
    for (QWidget* w : std::initializer_list<QWidget*>{Button1up, Button2up, Button3up, Button1down, Button2down,
                                                      Button3down, OptionBtn, EditBtn, LayerGrid1, PageControl1,
                                                      CloseBtn})
        w->setEnabled(on);
}

void TSimulationmandlg::ChangeValue(int k)
{
    const auto change = model_.ChangeValue(k);
    if (change == TSimulationmanModel::Change::Refused)
        return;
    ShowCell(model_.Row(), model_.Col());
    if (host_)
        host_->DocumentChanged();
    if (change == TSimulationmanModel::Change::ComputeNow)
        CalcNew();
}

void TSimulationmandlg::CalcNew()
{
    Lmsg->setText("Calulating");
    Lmsg->repaint();
    EnableControls(false);
    model_.Compute();
    if (host_)
        host_->CurvesComputed();
    Lmsg->clear();
    EnableControls(true);
    LayerGrid1->setFocus();
}

void TSimulationmandlg::EditBtnClick()
{
    if (!model_.ConfirmCurrent())
        return;
    ValueEditdlg_->Value = model_.Value(model_.Row(), model_.Col());
    ValueEditdlg_->ThicknessLayer = model_.Col() == mcThickness ? model_.Row() : 0;
    if (!ValueEditdlg_->Execute())
        return;
    if (model_.EditValue(ValueEditdlg_->Value) == TSimulationmanModel::Change::Refused)
        return;
    ShowCell(model_.Row(), model_.Col());
    if (host_)
        host_->DocumentChanged();
    CalcNew();
}

void TSimulationmandlg::OptionBtnClick()
{
    if (options_.Execute(1) && host_)
        host_->DocumentChanged();
    LayerGrid1->setFocus();
}

void TSimulationmandlg::done(int result)
{
    if (host_) {
        if (model_.ChangePending())
            CalcNew();
        model_.Close();
        host_ = nullptr;
    }
    QDialog::done(result);
}

bool TSimulationmandlg::event(QEvent* event)
{
    // The hints of the grid and the buttons show in the dialog's own
    // status bar.
    if (event->type() == QEvent::StatusTip) {
        HintLabel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool TSimulationmandlg::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease)
        return QDialog::eventFilter(watched, event);
    auto* w = qobject_cast<QWidget*>(watched);
    // A key passed on reaches the filter again from each parent; what the
    // handlers do with it a second time changes nothing.
    if (!w || w->window() != this || !controlsEnabled_)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat() && key->key() == Qt::Key_Control)
        return false;
    return press ? FormKeyDown(key->key()) : FormKeyUp(key->key());
}

bool TSimulationmandlg::FormKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        EditBtnClick();
        return true;
    }
    if (key == Qt::Key_Control) {
        model_.CtrlPressed();
        return false;
    }
    for (const StepKey& k : StepKeys)
        if (k.key == key) {
            (this->*k.button)->click();
            return true;
        }
    return false;
}

bool TSimulationmandlg::FormKeyUp(int key)
{
    if (key == Qt::Key_Control && model_.CtrlReleased())
        CalcNew();
    return false;
}
