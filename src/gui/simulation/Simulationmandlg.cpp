#include "gui/simulation/Simulationmandlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/simulation/ManualGrid.h"
#include "gui/simulation/Optiondlg.h"
#include "gui/simulation/ValueEditdlg.h"
#include "platform/Platform.h"

namespace {

const char* const GridHint =
    "Button  : change value and calc data new          Ctrl+Button  : only change value";

// The keys that press the step buttons, with their number of steps.
struct StepKey {
    int key;
    int steps;
};
constexpr StepKey StepKeys[] = {
    {Qt::Key_PageUp, 1},    {Qt::Key_Home, 10}, {Qt::Key_Insert, 100},
    {Qt::Key_PageDown, -1}, {Qt::Key_End, -10}, {Qt::Key_Delete, -100},
};

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TSimulationmandlg::TSimulationmandlg(Document& doc, TOptiondlg& options, QWidget* parent)
    : QDialog(parent), doc_(doc), options_(options), model_(doc)
{
    setObjectName("Simulationmandlg");
    setWindowTitle("Simulation");

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    Layerpage = new QWidget;
    Layerpage->setObjectName("Layerpage");
    LayerGrid1 = new TManualGrid(Layerpage);
    LayerGrid1->setObjectName("LayerGrid1");
    LayerGrid1->setToolTip(GridHint);
    LayerGrid1->setStatusTip(GridHint);
    LayerGrid1->horizontalHeader()->setDefaultSectionSize(TSimulationmanModel::CellWidth);
    LayerGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    LayerGrid1->verticalHeader()->setFixedWidth(TSimulationmanModel::CellWidth);
    LayerGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    LayerGrid1->SetCornerText(text(TSimulationmanModel::ColumnTitle(mcLayerNr, 0)));
    LayerGrid1->OnSelectCell = [this](int row, int col) { return model_.SelectCell(row, col); };
    LayerGrid1->OnDblClick = [this] {
        if (model_.CanEdit)
            EditBtnClick();
    };
    auto* pageBox = new QVBoxLayout(Layerpage);
    pageBox->setContentsMargins(2, 2, 2, 2);
    pageBox->addWidget(LayerGrid1);
    PageControl1->addTab(Layerpage, "Layer");

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Button1up = StepButton("Button1up", "+1", "+1 Step", 1);
    Button2up = StepButton("Button2up", "+10", "+10 Steps", 10);
    Button3up = StepButton("Button3up", "+100", "+100 Steps", 100);
    Button1down = StepButton("Button1down", "-1", "-1 Step", -1);
    Button2down = StepButton("Button2down", "-10", "-10 Steps", -10);
    Button3down = StepButton("Button3down", "-100", "-100 Steps", -100);
    auto* steps = new QGridLayout;
    steps->setSpacing(4);
    const std::array<QPushButton*, 3> ups{Button1up, Button2up, Button3up};
    const std::array<QPushButton*, 3> downs{Button1down, Button2down, Button3down};
    for (int i = 0; i < 3; ++i) {
        steps->addWidget(ups[std::size_t(i)], i, 0);
        steps->addWidget(downs[std::size_t(i)], i, 1);
    }

    EditBtn = new QPushButton("&Edit value", Panel1);
    EditBtn->setObjectName("EditBtn");
    OptionBtn = new QPushButton("Option", Panel1);
    OptionBtn->setObjectName("OptionBtn");
    CloseBtn = new QPushButton("&Close", Panel1);
    CloseBtn->setObjectName("CloseBtn");
    for (QPushButton* b : {EditBtn, OptionBtn, CloseBtn})
        b->setAutoDefault(false);
    connect(EditBtn, &QPushButton::clicked, this, &TSimulationmandlg::EditBtnClick);
    connect(OptionBtn, &QPushButton::clicked, this, &TSimulationmandlg::OptionBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TSimulationmandlg::reject);

    Lmsg = new QLabel(Panel1);
    Lmsg->setObjectName("Lmsg");
    Lmsg->setAlignment(Qt::AlignCenter);
    QFont bold = Lmsg->font();
    bold.setBold(true);
    Lmsg->setFont(bold);
    // The label keeps its height while empty, so nothing jumps when the
    // computation starts.
    Lmsg->setMinimumHeight(Lmsg->fontMetrics().height() + 4);

    auto* panelBox = new QVBoxLayout(Panel1);
    panelBox->setContentsMargins(0, 0, 0, 0);
    panelBox->addLayout(steps);
    panelBox->addSpacing(10);
    panelBox->addWidget(EditBtn);
    panelBox->addWidget(OptionBtn);
    panelBox->addStretch();
    panelBox->addWidget(Lmsg);
    panelBox->addStretch();
    panelBox->addWidget(CloseBtn);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    // The grid's hint is wider than the narrow dialog: it wraps onto a
    // second line, which is always there so that nothing jumps.
    HintLabel = new QLabel(StatusBar1);
    HintLabel->setObjectName("HintLabel");
    HintLabel->setWordWrap(true);
    HintLabel->setFixedHeight(2 * HintLabel->fontMetrics().lineSpacing() + 4);
    StatusBar1->addWidget(HintLabel, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(PageControl1);
    body->addWidget(Panel1, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 0);
    outer->addLayout(body, 1);
    outer->addWidget(StatusBar1);

    setTabOrder(LayerGrid1, Button1up);
    setTabOrder(Button1up, Button1down);
    setTabOrder(Button1down, Button2up);
    setTabOrder(Button2up, Button2down);
    setTabOrder(Button2down, Button3up);
    setTabOrder(Button3up, Button3down);
    setTabOrder(Button3down, EditBtn);
    setTabOrder(EditBtn, OptionBtn);
    setTabOrder(OptionBtn, CloseBtn);

    // The dialog sees every key before its controls.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    ValueEditdlg_ = new TValueEditdlg(this);
    setFixedWidth(TSimulationmanModel::NarrowWidth);
    resize(TSimulationmanModel::NarrowWidth, 380);
}

QPushButton* TSimulationmandlg::StepButton(const char* name, const char* caption, const char* hint, int k)
{
    auto* b = new QPushButton(caption, Panel1);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoDefault(false);
    b->setMinimumWidth(48);
    connect(b, &QPushButton::clicked, this, [this, k] { ChangeValue(k); });
    return b;
}

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
    const std::array<QPushButton*, 6> buttons{Button1up, Button2up, Button3up, Button1down, Button2down, Button3down};
    for (std::size_t i = 0; i < std::size(StepKeys); ++i)
        if (StepKeys[i].key == key) {
            buttons[i]->click();
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
