// The controls of the evaluation dialog: the menu, the three pages, the
// settings column and the status bar.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controls/RIEdit.h"
#include "gui/fit/Auswertungdlg.h"
#include "gui/fit/RangeBars.h"
#include "gui/common/UpDown.h"
#include "plot/Lineplot.h"

namespace {

QTableWidget* newGrid(QWidget* parent, const char* name)
{
    auto* g = new QTableWidget(2, 3, parent);
    g->setObjectName(name);
    // Row 0 holds the headings, as in the tables of the report.
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    return g;
}

}  // namespace

void TAuswertungdlg::CreateMenu()
{
    MainMenu = new QMenuBar(this);
    struct Item {
        const char* menu;
        const char* plotName;
        const char* dataName;
        void (TAuswertungdlg::*plot)();
        void (TAuswertungdlg::*data)();
    };
    const Item items[] = {
        {"Print", "PrintPlot", "PrintData", &TAuswertungdlg::PrintPlotClick, &TAuswertungdlg::PrintDataClick},
        {"Export", "ExportPlot", "ExportData", &TAuswertungdlg::ExportPlotClick, &TAuswertungdlg::ExportDataClick},
        {"to Clipboard", "ClipPlot", "ClipData", &TAuswertungdlg::ClipPlotClick, &TAuswertungdlg::ClipDataClick},
    };
    for (const Item& it : items) {
        QMenu* m = MainMenu->addMenu(it.menu);
        QAction* p = m->addAction("Min-Plot");
        p->setObjectName(it.plotName);
        connect(p, &QAction::triggered, this, [this, f = it.plot] { (this->*f)(); });
        QAction* d = m->addAction("Min-Data");
        d->setObjectName(it.dataName);
        connect(d, &QAction::triggered, this, [this, f = it.data] { (this->*f)(); });
    }
}

QWidget* TAuswertungdlg::CreateControls()
{
    auto* w = new QWidget(this);
    auto* col = new QVBoxLayout(w);
    col->setContentsMargins(0, 0, 0, 0);

    auto* tools = new QGridLayout;
    auto tool = [&](QPushButton*& b, const char* name, const char* caption, const char* hint, int r, int c) {
        b = new QPushButton(caption, w);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        tools->addWidget(b, r, c);
    };
    tool(ZoomBtn, "ZoomBtn", "Zoom", "Zoom with the mouse", 0, 0);
    ZoomBtn->setCheckable(true);
    tool(OverviewBtn, "OverviewBtn", "Overview", "Overview of the whole plot", 0, 1);
    tool(scalerangBtn, "scalerangBtn", "Range", "Scale X to the evaluation limits", 1, 0);
    tool(ShowallBtn, "ShowallBtn", "Show all", "Scale to all data", 1, 1);
    col->addLayout(tools);

    auto* dataLabel = new QLabel("evaluated data", w);
    DataBox = new QComboBox(w);
    DataBox->setObjectName("DataBox");
    for (int kind : {ckRp, ckRs, ckRps})
        DataBox->addItem(CurveKindName(kind));
    dataLabel->setBuddy(DataBox);
    col->addWidget(dataLabel);
    col->addWidget(DataBox);

    auto* range = new QGroupBox("X-Range", w);
    auto* rg = new QGridLayout(range);
    nleft = new TRIEdit(range);
    nleft->setObjectName("nleft");
    nright = new TRIEdit(range);
    nright->setObjectName("nright");
    for (TRIEdit* e : {nleft, nright}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    rg->addWidget(new QLabel("left:", range), 0, 0);
    rg->addWidget(nleft, 0, 1);
    rg->addWidget(new QLabel("right:", range), 1, 0);
    rg->addWidget(nright, 1, 1);
    col->addWidget(range);

    auto* peakLabel = new QLabel("shape of peak [%]", w);
    col->addWidget(peakLabel);
    auto* peakRow = new QHBoxLayout;
    reg_width = new TRIEdit(w);
    reg_width->setObjectName("reg_width");
    reg_width->SetEditType(reInteger);
    reg_width->setReadOnly(true);
    reg_width->setFixedWidth(reg_width->fontMetrics().horizontalAdvance("0000") + 12);
    UpDown1 = new TUpDown(reg_width, 1, 100, w);
    UpDown1->setObjectName("UpDown1");
    peakRow->addWidget(reg_width);
    peakRow->addWidget(UpDown1);
    peakRow->addStretch();
    col->addLayout(peakRow);

    RegCheck = new QCheckBox("Show Regression", w);
    RegCheck->setObjectName("RegCheck");
    col->addWidget(RegCheck);
    auto* show = new QGroupBox("Show/Export", w);
    auto* sg = new QVBoxLayout(show);
    DataCheck = new QCheckBox("Simulation", show);
    DataCheck->setObjectName("DataCheck");
    ScanCheck = new QCheckBox("Scan", show);
    ScanCheck->setObjectName("ScanCheck");
    sg->addWidget(DataCheck);
    sg->addWidget(ScanCheck);
    col->addWidget(show);

    EvalBtn = new QPushButton("Evaluate", w);
    EvalBtn->setObjectName("EvalBtn");
    col->addWidget(EvalBtn);
    col->addStretch();
    CloseBtn = new QPushButton("&Close", w);
    CloseBtn->setObjectName("CloseBtn");
    HelpBtn = new QPushButton("&Help", w);
    HelpBtn->setObjectName("HelpBtn");
    for (QPushButton* b : {EvalBtn, CloseBtn, HelpBtn})
        b->setAutoDefault(false);
    col->addWidget(CloseBtn);
    col->addWidget(HelpBtn);
    w->setFixedWidth(std::max(w->sizeHint().width(), 190));
    return w;
}

void TAuswertungdlg::CreateForm()
{
    CreateMenu();
    EvalPageControl = new QTabWidget(this);
    EvalPageControl->setObjectName("EvalPageControl");

    MinPlot = new TLinePlot;
    MinPlot->setObjectName("MinPlot");
    MinPlot->SetTitle("Min-Plot");
    EvalPageControl->addTab(MinPlot, "Min-Plot");

    auto* dataPage = new QWidget;
    DataPlot = new TLinePlot(dataPage);
    DataPlot->setObjectName("DataPlot");
    DataPlot->SetTitle("Data-Plot");
    RangeBars = new TRangeBars(*DataPlot, "Left evaluation limit", "Right evaluation limit", dataPage);
    auto* dp = new QVBoxLayout(dataPage);
    dp->setContentsMargins(0, 0, 0, 0);
    dp->addWidget(DataPlot, 1);
    dp->addWidget(RangeBars);
    EvalPageControl->addTab(dataPage, "Data-Plot");

    // The tables one above the other: the caption of the simulation table
    // names both parameters and needs the page's width.
    auto* valuePage = new QWidget;
    auto* vp = new QVBoxLayout(valuePage);
    auto* dataPanel = new QVBoxLayout;
    DataTitlePanel = new QLabel("Simulation", valuePage);
    DataTitlePanel->setObjectName("DataTitlePanel");
    DataValueGrid = newGrid(valuePage, "DataValueGrid");
    dataPanel->addWidget(DataTitlePanel);
    dataPanel->addWidget(DataValueGrid, 1);
    auto* scanPanel = new QVBoxLayout;
    ScanTitlePanel = new QLabel("Scan Files", valuePage);
    ScanTitlePanel->setObjectName("ScanTitlePanel");
    ScanValueGrid = newGrid(valuePage, "ScanValueGrid");
    scanPanel->addWidget(ScanTitlePanel);
    scanPanel->addWidget(ScanValueGrid, 1);
    vp->addLayout(dataPanel, 1);
    vp->addLayout(scanPanel, 1);
    EvalPageControl->addTab(valuePage, "Min-Data");

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(false);

    auto* body = new QHBoxLayout;
    body->addWidget(EvalPageControl, 1);
    body->addWidget(CreateControls());
    auto* top = new QVBoxLayout(this);
    top->setMenuBar(MainMenu);
    top->addLayout(body, 1);
    top->addWidget(StatusBar);

    connect(EvalBtn, &QPushButton::clicked, this, [this] { EvalBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { reject(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    connect(RegCheck, &QCheckBox::clicked, this, [this] { RegCheckClick(); });
    connect(DataCheck, &QCheckBox::clicked, this, [this] { DataCheckClick(); });
    connect(ScanCheck, &QCheckBox::clicked, this, [this] { ScanCheckClick(); });
    connect(EvalPageControl, &QTabWidget::currentChanged, this, [this] { EvalPageControlChange(); });
    connect(ScanValueGrid, &QTableWidget::itemSelectionChanged, this, [this] { ScanGrid1Click(); });
    connect(scalerangBtn, &QPushButton::clicked, this, [this] { scalerangBtnClick(); });
    connect(ShowallBtn, &QPushButton::clicked, this, [this] { ShowallBtnClick(); });
    connect(ZoomBtn, &QPushButton::clicked, this, [this] { ZoomBtnClick(); });
    connect(OverviewBtn, &QPushButton::clicked, this, [this] { OverviewBtnClick(); });
    RangeBars->OnLeftChange = [this] { ScrollBar_LScroll(); };
    RangeBars->OnRightChange = [this] { ScrollBar_RScroll(); };
}
