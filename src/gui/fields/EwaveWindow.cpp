#include "gui/fields/EwaveWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "fields/FieldSelection.h"
#include "gui/fields/EHOptiondlg.h"
#include "gui/fields/plain/EwaveSetup.h"
#include "gui/fields/FieldNote.h"
#include "gui/fields/FieldPlot.h"
#include "gui/fields/FitStatus.h"
#include "plot/Lineplot.h"

TEwaveWindow::TEwaveWindow(Document& doc, veltrane::RunControl& run, QWidget* parent)
    : QDialog(parent), doc_(doc), run_(run), runState_(run)
{
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Plot = new TLinePlot(this);
    Plot->setObjectName("Plot");
    Plot->Y1Axis().SetTitle("");
    Plot->Y2Axis().SetTitle("");

    Plot->OnPlotbildChange = [this](TLinePlot& plot, TPlotCanvas& c) { PlotbildChange(plot, c); };

    Timer = new QTimer(this);
    Timer->setObjectName("Timer");
    Timer->setSingleShot(true);
    Timer->setInterval(500);
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
    runState_.OnBegin = [this] {
        Timer->stop();
        EnableControls(false);
    };
    runState_.OnEnd = [this] { EnableControls(true); };
    runState_.OnClose = [this](int result) { done(result); };

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    CalcBtn = button("CalcBtn", "&Calc");
    OptionBtn = button("OptionBtn", "&Option");
    mansimBtn = button("mansimBtn", "&manual Sim.");
    mansimBtn->setToolTip("manuelle Simulation");
    HelpBtn = button("HelpBtn", "&Help");
    CloseBtn = button("CloseBtn", "Close");
    connect(OptionBtn, &QPushButton::clicked, this, [this] { OptionBtnClick(); });
    connect(mansimBtn, &QPushButton::clicked, this, [this] { mansimBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    FitStatus1 = new TFitStatus(this);
    FitStatus1->OnStop = [this] { FitStatus1SpeedButton1Click(); };

    BuildToolBar();

    auto* panel = new QVBoxLayout;
    SidePanel = new QVBoxLayout;
    panel->addLayout(SidePanel);
    panel->addStretch();
    auto* buttons = new QGridLayout;
    buttons->addWidget(CalcBtn, 0, 0);
    buttons->addWidget(OptionBtn, 0, 1);
    buttons->addWidget(mansimBtn, 1, 0);
    buttons->addWidget(HelpBtn, 1, 1);
    buttons->addWidget(CloseBtn, 2, 0, 1, 2);
    panel->addLayout(buttons);
    panel->addWidget(FitStatus1);
    auto* sideWidget = new QWidget(this);
    sideWidget->setObjectName("SidePanel");
    sideWidget->setLayout(panel);
    sideWidget->setFixedWidth(270);

    auto* body = new QHBoxLayout;
    body->addWidget(sideWidget);
    body->addWidget(Plot, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(ToolBar);
    outer->addLayout(body, 1);
    resize(960, 640);
}

TEwaveWindow::~TEwaveWindow() { run_.SetDisplay(nullptr); }

void TEwaveWindow::BuildToolBar()
{
    ToolBar = new QToolBar(this);
    ToolBar->setObjectName("ToolBar");
    auto action = [this](const char* name, const QString& text, const QString& hint, bool checkable = false) {
        QAction* a = ToolBar->addAction(text);
        a->setObjectName(name);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        a->setCheckable(checkable);
        return a;
    };
    Data2FileBtn = action("Data2FileBtn", "Save Data", "Save selected fields to file");
    Data2ClipboardBtn = action("Data2ClipboardBtn", "Copy Data", "Copy selected fields to clipboard");
    PrintPlotBtn = action("PrintPlotBtn", "Print", "Print Plot");
    ToolBar->addSeparator();
    ShowallBtn = action("ShowallBtn", "Show all", "rescale plot to show all");
    OverviewBtn = action("OverviewBtn", "Overview", "Plot overview and zoom");
    ZoomBtn = action("ZoomBtn", "Zoom", "Plot Zoom", true);
    ToolBar->addSeparator();
    Plot2ClipboardBtn = action("Plot2ClipboardBtn", "Copy Plot", "Copy Plot to Clipboard");
    Plot2FileBtn = action("Plot2FileBtn", "Save Plot", "Save Plot as Bitmap");
    ToolBar->addSeparator();
    ShowLegendBtn = action("ShowLegendBtn", "Legend", "show Legende on/off", true);
    ShowKommentBtn = action("ShowKommentBtn", "Comment", "show comment on/off", true);
    ShowLayerBtn = action("ShowLayerBtn", "Layer-System", "show Layer-System on/off", true);
    for (QAction* a : {ShowLegendBtn, ShowKommentBtn, ShowLayerBtn})
        a->setChecked(true);

    connect(Data2FileBtn, &QAction::triggered, this, [this] { Data2FileBtnClick(); });
    connect(Data2ClipboardBtn, &QAction::triggered, this, [this] { Data2ClipboardBtnClick(); });
    connect(PrintPlotBtn, &QAction::triggered, this, [this] { PrintPlotBtnClick(); });
    connect(ShowallBtn, &QAction::triggered, this, [this] { Plot->Autoscale(true, true, true); });
    connect(OverviewBtn, &QAction::triggered, this, [this] { Plot->ShowScaleviewdlg(); });
    connect(ZoomBtn, &QAction::toggled, this, [this](bool on) { Plot->isZoom = on; });
    connect(Plot2ClipboardBtn, &QAction::triggered, this, [this] { Plot->CopytoClipboard(); });
    connect(Plot2FileBtn, &QAction::triggered, this, [this] { Plot2FileBtnClick(); });
    connect(ShowLegendBtn, &QAction::toggled, this, [this](bool on) { Plot->Legend().Setvisible(on); });
    connect(ShowKommentBtn, &QAction::toggled, this, [this] { WriteBoxes(); });
    connect(ShowLayerBtn, &QAction::toggled, this, [this] { WriteBoxes(); });
}

TEHOptiondlg& TEwaveWindow::EHOptiondlg()
{
    if (!options_)
        options_ = new TEHOptiondlg(this);
    return *options_;
}

void TEwaveWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    run_.SetDisplay(FitStatus1);
    Plot->SetNote({});
    FormShow();
}

void TEwaveWindow::done(int result)
{
    if (!runState_.Close(result))
        return;
    Timer->stop();
    runState_.Drop();
    FormClose();
    run_.SetDisplay(nullptr);
    QDialog::done(result);
}

void TEwaveWindow::EnableControls(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(CalcBtn), static_cast<QWidget*>(OptionBtn),
                       static_cast<QWidget*>(CloseBtn)})
        w->setEnabled(on);
    mansimBtn->setEnabled(on && bool(OnManualSimulation));
}

bool TEwaveWindow::QueueTimer(TTimerAction action, int timerIndex)
{
    if (!runState_.Queue(action))
        return false;
    Timer->stop();
    if (const int ms = veltrane::FieldRunState::Interval(timerIndex)) {
        Timer->setInterval(ms);
        Timer->start();
    }
    return true;
}

void TEwaveWindow::FitStatus1SpeedButton1Click() { runState_.Stop(); }

void TEwaveWindow::PlotData()
{
    if (ExportList().empty()) {
        ShowEmptyPlot();
        return;
    }
    const TEHFieldSet fields = doc_.EHOptionpara.Fields;
    Plot->Setrepaintcomp(false);
    Plot->DeleteAllCol();
    const int part = veltrane::AddFieldColumns(*Plot, ExportList(), doc_.Simparameter.PolArt, fields, AngleMode());
    Plot->SetisY2Axis(true);
    SetDepthTitle();
    Plot->Legend().SetTitle1("Part: " + veltrane::ewave::PartText(part));
    Plot->SetNote(veltrane::ewave::NoFieldLines(doc_.Simparameter.PolArt, fields));
    // Autoscale finds nothing to fit without columns and would keep the
    // axes of the run before.
    if (Plot->GetColanz() == 0)
        veltrane::SetEmptyFieldAxes(*Plot, veltrane::SampleSpan(ExportList(), fields, AngleMode()));
    else
        Plot->Autoscale(true, true, true);
    WriteBoxes();
    Plot->Setrepaintcomp(true);
}

void TEwaveWindow::SetDepthTitle()
{
    if (!AngleMode())
        Plot->XAxis().SetTitle(veltrane::AbsoluteScale(doc_.EHOptionpara.Fields) ? "absolute Layer-System [nm]"
                                                                                 : "relative Layer-System [%]");
}

void TEwaveWindow::ShowEmptyPlot()
{
    Plot->Setrepaintcomp(false);
    Plot->DeleteAllCol();
    Plot->SetNote({});
    SetDepthTitle();
    veltrane::SetEmptyFieldAxes(*Plot, PlannedSpan());
    WriteBoxes();
    Plot->Setrepaintcomp(true);
}

bool TEwaveWindow::HasFieldData() const
{
    const TEWaveList& list = ExportList();
    return veltrane::ewave::NoFieldLines(doc_.Simparameter.PolArt, doc_.EHOptionpara.Fields).empty() &&
           std::any_of(list.begin(), list.end(), [](const TEWave& w) { return w.Filled != 0; });
}

void TEwaveWindow::PlotbildChange(TLinePlot&, TPlotCanvas&) {}

const std::vector<std::string>& TEwaveWindow::NoFieldNote() const { return Plot->Note(); }

void TEwaveWindow::WriteBoxes()
{
    veltrane::WriteLayerSystem(*Plot, doc_.Simparameter, Computed, ShowLayerBtn->isChecked(), AngleMode(),
                               !AngleMode());
    veltrane::WriteComment(*Plot, doc_, ShowKommentBtn->isChecked());
}

void TEwaveWindow::OptionsTaken(bool recalc)
{
    if (recalc || ViewMoved())
        Recalculate();
    else
        PlotData();
}

void TEwaveWindow::OptionBtnClick()
{
    TEHOptiondlg& dlg = EHOptiondlg();
    dlg.EHOptionpara = doc_.EHOptionpara;
    dlg.PolArt = doc_.Simparameter.PolArt;
    if (!dlg.Execute())
        return;
    doc_.EHOptionpara = dlg.EHOptionpara;
    OptionsTaken(dlg.Recalc);
}

void TEwaveWindow::mansimBtnClick()
{
    if (!OnManualSimulation)
        return;
    OnManualSimulation();
    AfterManualSimulation();
}
