// The controls of the fit window and their layout: the parameter grid, the
// choices of scan, data, optimation and range, the iteration read-out, the
// buttons, and the plot with its range bars.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "controls/RIEdit.h"
#include "gui/fit/plain/FitDataKinds.h"
#include "gui/fit/RangeBars.h"
#include "gui/fit/Simulationiterdlg.h"
#include "plot/Lineplot.h"

using namespace veltrane::fit;

QWidget* TSimulationiterdlg::CreateGrid()
{
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    auto* layerHead = new QLabel("Layer", box);
    grid->addWidget(layerHead, 0, 0, 2, 1, Qt::AlignBottom);
    auto* thick = new QLabel("Thick. [nm]", box);
    grid->addWidget(thick, 0, 1, 2, 1, Qt::AlignBottom);
    const char* const parts[3] = {"Eps-X", "Eps-Y", "Eps-Z"};
    for (int k = 0; k < 3; ++k) {
        PartLabels[std::size_t(k)] = new QLabel(parts[k], box);
        grid->addWidget(PartLabels[std::size_t(k)], 0, 2 + 2 * k, 1, 2, Qt::AlignHCenter);
        for (int j = 0; j < 2; ++j) {
            QLabel*& l = RealImagLabels[std::size_t(2 * k + j)];
            l = new QLabel(box);
            grid->addWidget(l, 1, 2 + 2 * k + j);
        }
    }
    for (int r = 0; r < GridRows; ++r) {
        QLabel*& label = LayerNr[std::size_t(r)];
        label = new QLabel(box);
        label->setObjectName(QString("LayerNr%1").arg(r + 1));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("30") + 6);
        grid->addWidget(label, 2 + r, 0);
        for (int c = 0; c < GridColumns; ++c) {
            auto* cb = new QCheckBox(box);
            cb->setObjectName(QString("CheckBox%1").arg(r * GridColumns + c + 1));
            cb->setMinimumWidth(cb->fontMetrics().horizontalAdvance("-12.3456") + 28);
            CheckBoxes[std::size_t(r * GridColumns + c)] = cb;
            grid->addWidget(cb, 2 + r, 1 + c);
        }
    }
    LayerScrollBar = new QScrollBar(Qt::Vertical, box);
    LayerScrollBar->setObjectName("LayerScrollBar");
    LayerScrollBar->setRange(1, FirstLayerMax);
    LayerScrollBar->setPageStep(GridRows);
    grid->addWidget(LayerScrollBar, 2, 1 + GridColumns, GridRows, 1);
    LayerPosLabel = new QLabel(box);
    LayerPosLabel->setObjectName("LayerPosLabel");
    LayerPosLabel->setMinimumWidth(LayerPosLabel->fontMetrics().horizontalAdvance("30") + 4);
    grid->addWidget(LayerPosLabel, 2, 2 + GridColumns, Qt::AlignTop);
    connect(LayerScrollBar, &QScrollBar::valueChanged, this, [this](int p) { LayerScrollBarScroll(p); });
    return box;
}

QWidget* TSimulationiterdlg::CreateChoices()
{
    auto* w = new QWidget(this);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);

    auto* left = new QGridLayout;
    auto* scaleLabel = new QLabel("Scale-Faktor:", w);
    CheckBox0 = new QCheckBox(w);
    CheckBox0->setObjectName("CheckBox0");
    scaleLabel->setBuddy(CheckBox0);
    left->addWidget(scaleLabel, 0, 0);
    left->addWidget(CheckBox0, 0, 1);
    auto* scanLabel = new QLabel("Scan:", w);
    ScanfileBox = new QComboBox(w);
    ScanfileBox->setObjectName("ScanfileBox");
    ScanfileBox->setMinimumContentsLength(16);
    ScanfileBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    scanLabel->setBuddy(ScanfileBox);
    left->addWidget(scanLabel, 1, 0);
    left->addWidget(ScanfileBox, 1, 1);
    auto* dataLabel = new QLabel("Data:", w);
    ScandataBox = new QComboBox(w);
    ScandataBox->setObjectName("ScandataBox");
    for (TCurveKind kind : veltrane::fit::DataKinds)
        ScandataBox->addItem(CurveKindName(kind));
    dataLabel->setBuddy(ScandataBox);
    left->addWidget(dataLabel, 2, 0);
    left->addWidget(ScandataBox, 2, 1);
    left->setRowStretch(3, 1);
    row->addLayout(left);

    Iterartgroup = new QGroupBox("Iteration-optimation", w);
    Iterartgroup->setObjectName("Iterartgroup");
    auto* ig = new QVBoxLayout(Iterartgroup);
    XMinimumBtn = new QRadioButton("x-minimum", Iterartgroup);
    FullSpectrumBtn = new QRadioButton("full spectrum", Iterartgroup);
    FullSpectrumBtn->setChecked(true);
    ig->addWidget(XMinimumBtn);
    ig->addWidget(FullSpectrumBtn);
    ig->addStretch();
    row->addWidget(Iterartgroup);

    RangeBox = new QGroupBox("X -Fit Range", w);
    RangeBox->setObjectName("RangeBox");
    auto* rg = new QGridLayout(RangeBox);
    nleftlimit = new TRIEdit(RangeBox);
    nleftlimit->setObjectName("nleftlimit");
    nrightlimit = new TRIEdit(RangeBox);
    nrightlimit->setObjectName("nrightlimit");
    for (TRIEdit* e : {nleftlimit, nrightlimit}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance("-000.000") + 12);
    }
    rg->addWidget(new QLabel("left:", RangeBox), 0, 0);
    rg->addWidget(nleftlimit, 0, 1);
    rg->addWidget(new QLabel("right:", RangeBox), 1, 0);
    rg->addWidget(nrightlimit, 1, 1);
    rg->setRowStretch(2, 1);
    row->addWidget(RangeBox);

    IterGroup = new QGroupBox("Iteration", w);
    IterGroup->setObjectName("IterGroup");
    auto* it = new QGridLayout(IterGroup);
    nIternum = new QLabel(IterGroup);
    nIternum->setObjectName("nIternum");
    nIterlim = new QLabel(IterGroup);
    nIterlim->setObjectName("nIterlim");
    nIterlim->setMinimumWidth(nIterlim->fontMetrics().horizontalAdvance("8,8888E+888") + 4);
    it->addWidget(new QLabel("Iter-num.:", IterGroup), 0, 0);
    it->addWidget(nIternum, 0, 1);
    it->addWidget(new QLabel("divergence:", IterGroup), 1, 0);
    it->addWidget(nIterlim, 1, 1);
    it->setRowStretch(2, 1);
    row->addWidget(IterGroup);
    return w;
}

QWidget* TSimulationiterdlg::CreateButtons()
{
    auto* w = new QWidget(this);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    auto make = [&](QPushButton*& b, const char* name, const char* caption) {
        b = new QPushButton(caption, w);
        b->setObjectName(name);
        b->setAutoDefault(false);
        row->addWidget(b);
    };
    make(StartBtn, "StartBtn", "Start");
    make(StopBtn, "StopBtn", "Stop");
    make(OkBtn, "OkBtn", "Accept");
    make(CloseBtn, "CloseBtn", "&Close");
    make(OptionBtn, "OptionBtn", "Option");
    make(HelpBtn, "HelpBtn", "&Help");
    row->addStretch();
    StopBtn->setEnabled(false);
    return w;
}

void TSimulationiterdlg::CreateForm()
{
    auto* left = new QVBoxLayout;
    left->addWidget(CreateGrid());
    left->addWidget(CreateChoices());
    left->addStretch();
    left->addWidget(CreateButtons());

    auto* right = new QVBoxLayout;
    auto* tools = new QHBoxLayout;
    auto tool = [&](QPushButton*& b, const char* name, const char* caption, const char* hint) {
        b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        tools->addWidget(b);
    };
    tool(ZoomBtn, "ZoomBtn", "Zoom", "Zoom with the mouse");
    ZoomBtn->setCheckable(true);
    tool(scalerangBtn, "scalerangBtn", "Fit range", "Scale X to the fit range");
    tool(OverviewBtn, "OverviewBtn", "Overview", "Overview of the whole plot");
    tool(ShowallBtn, "ShowallBtn", "Show all", "Scale to all data");
    tools->addStretch();
    right->addLayout(tools);
    Plot = new TLinePlot(this);
    Plot->setObjectName("Plot");
    Plot->SetLeastSize(QSize(480, 360));
    Plot->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    right->addWidget(Plot, 1);
    RangeBars = new TRangeBars(*Plot, "left Fit limit", "right Fit limit", this);
    right->addWidget(RangeBars);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 0);
    top->addLayout(right, 1);

    lockedWhileRunning_ = {LayerScrollBar, CheckBox0,  ScanfileBox, ScandataBox, Iterartgroup, RangeBox,
                           StartBtn,       OkBtn,      CloseBtn,    OptionBtn,   HelpBtn,      ZoomBtn,
                           scalerangBtn,   OverviewBtn, ShowallBtn, RangeBars};
    for (QCheckBox* cb : CheckBoxes)
        lockedWhileRunning_.push_back(cb);

    connect(ScanfileBox, &QComboBox::activated, this, [this] { ScanfileBoxClick(); });
    connect(ScandataBox, &QComboBox::activated, this, [this] { ScandataBoxClick(); });
    connect(StartBtn, &QPushButton::clicked, this, [this] { StartBtnClick(); });
    connect(StopBtn, &QPushButton::clicked, this, [this] { StopBtnClick(); });
    connect(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
    connect(OptionBtn, &QPushButton::clicked, this, [this] { OptionBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    connect(ZoomBtn, &QPushButton::clicked, this, [this] { ZoomBtnClick(); });
    connect(scalerangBtn, &QPushButton::clicked, this, [this] { scalerangBtnClick(); });
    connect(OverviewBtn, &QPushButton::clicked, this, [this] { OverviewBtnClick(); });
    connect(ShowallBtn, &QPushButton::clicked, this, [this] { ShowallBtnClick(); });
    RangeBars->OnLeftChange = [this] { ScrollBar_LScroll(); };
    RangeBars->OnRightChange = [this] { ScrollBar_RScroll(); };
}
