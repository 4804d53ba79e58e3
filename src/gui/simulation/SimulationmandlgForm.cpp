// The widgets of the manual simulation and their places: the grid on its
// page at the left, the step buttons, Edit value, Option, the message of a
// running computation and Close at the right, the hint in the status bar.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/simulation/ManualGrid.h"
#include "gui/simulation/Simulationmandlg.h"
#include "gui/simulation/ValueEditdlg.h"

namespace {

const char* const GridHint =
    "Button  : change value and calc data new          Ctrl+Button  : only change value";

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TSimulationmandlg::TSimulationmandlg(Document& doc, TOptiondlg& options, QWidget* parent)
    : QDialog(parent), options_(options), model_(doc)
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
