#include "gui/fields/EwavedlgT.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "document/NoValue.h"
#include "fields/FieldSelection.h"
#include "fields/SampleGrid.h"
#include "fields/ThetaCurve.h"
#include "gui/fields/plain/EwaveSetup.h"
#include "gui/fields/plain/LayerPlace.h"
#include "gui/fields/FieldPlot.h"
#include "gui/fields/PaintBox.h"
#include "gui/fields/ThetaEditdlgs.h"
#include "gui/fields/Thetaview.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"

using namespace veltrane;

TEwavedlgT::TEwavedlgT(Document& doc, RunControl& run, QWidget* parent) : TEwaveWindow(doc, run, parent)
{
    setObjectName("EwavedlgT");
    setWindowTitle("Veltrane E/H-Felder at Theta");
    Plot->SetTitle("E/H-Fields");

    ThetaBox = new TPaintBox(this);
    ThetaBox->setObjectName("ThetaBox");
    ThetaBox->setToolTip("Click to enter Theta");
    ThetaBox->setFixedHeight(190);
    Thetalabel = new QLabel("Theta: 90 [\u00B0]", this);
    Thetalabel->setObjectName("Thetalabel");
    Theta_ScrollBar = new QScrollBar(Qt::Horizontal, this);
    Theta_ScrollBar->setObjectName("Theta_ScrollBar");
    SidePanel->addWidget(ThetaBox);
    SidePanel->addWidget(Thetalabel);
    SidePanel->addWidget(Theta_ScrollBar);

    view_ = std::make_unique<TThetaview>(ThetaBox, Thetalabel, Theta_ScrollBar);
    ThetaBox->OnPaint = [this](TPlotCanvas& c) { view_->Paint(c); };
    ThetaBox->OnClick = [this] { ThetaBoxClick(); };
    connect(Theta_ScrollBar, &QScrollBar::valueChanged, this, [this](int v) { Theta_ScrollBarScroll(v); });
    connect(CalcBtn, &QPushButton::clicked, this, [this] { CalcBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [] { platform().showHelp("PAGE_EH_THETA"); });
    // The keys move the scroll bar too; the tab order runs down the panel.
    Theta_ScrollBar->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(Theta_ScrollBar, CalcBtn);
}

TEwavedlgT::~TEwavedlgT() = default;

TTheta1Editdlg& TEwavedlgT::Theta1Editdlg()
{
    if (!theta1Editdlg_)
        theta1Editdlg_ = new TTheta1Editdlg(this);
    return *theta1Editdlg_;
}

void TEwavedlgT::FormShow()
{
    EnableControls(false);
    // S light computes no Rp: the view shows what was computed.
    view_->SetOption(doc_.Simparameter.PolArt == paS ? 2 : 1);
    ComputeThetaCurve();
    InitThetaview();
    SetCalcParameter();
    CreateCalcEwave_T(calc_, run_, doc_.Simparameter, doc_.EHOptionpara, EWaveList);
    Computed = doc_.EHOptionpara;
    ShowEmptyPlot();
    QueueTimer(taAll, 1);
}

void TEwavedlgT::FormClose() { DeleteCalcEwave_T(calc_); }

void TEwavedlgT::ComputeThetaCurve()
{
    view_->Busy = true;
    const TSimparameter& p = doc_.Simparameter;
    CalcThetaCurve(p, ThetaViewRange(p), ThetaViewPoints(p), ResColList);
    view_->SetPoints(ResColList.empty() ? nullptr : &ResColList.front().Points);
    view_->Busy = false;
    view_->SetScrollBar();
}

void TEwavedlgT::InitThetaview()
{
    TEHOptionpara& o = doc_.EHOptionpara;
    if (o.Theta == Riedit::NADN)
        o.Theta = ewave::StartTheta(doc_.Simparameter);
    // The angle of the last showing may lie outside an X range made
    // smaller since: the label, the run and the export would name an angle
    // the scroll bar cannot reach and the view cannot mark.
    if (const auto reach = view_->Reach())
        o.Theta = ewave::ThetaInReach(o.Theta, *reach);
    ewave::RaisePktanz(o, doc_.Simparameter);
    view_->SetTheta1(o.Theta);
}

void TEwavedlgT::SetCalcParameter()
{
    TEHOptionpara& o = doc_.EHOptionpara;
    o.Theta = view_->GetTheta1();
    ewave::SetPointCounts(o, doc_.Simparameter);
}

void TEwavedlgT::EnableControls(bool on)
{
    TEwaveWindow::EnableControls(on);
    ThetaBox->setEnabled(on);
    Theta_ScrollBar->setEnabled(on);
}

void TEwavedlgT::Calculate()
{
    const auto stage = OpenStage();
    if (!stage)
        return;
    SetCalcParameter();
    Computed = doc_.EHOptionpara;
    RunCalcEwave_T(calc_, doc_.Simparameter, doc_.EHOptionpara, EWaveList);
    PlotData();
}

void TEwavedlgT::PlotbildChange(TLinePlot& plot, TPlotCanvas& c)
{
    PaintLayerLines(plot, c, EWaveList, doc_.EHOptionpara.Fields);
}

ViewRange TEwavedlgT::PlannedSpan() const
{
    const TSimparameter& p = doc_.Simparameter;
    ViewRange span;
    if (p.Layeranz < 2)
        return span;
    if (AbsoluteScale(doc_.EHOptionpara.Fields)) {
        const LayerTable t = MakeLayerTable(p, doc_.EHOptionpara);
        span.Take(-t.d_1);
        span.Take(t.Total - t.d_1);
    } else {
        span.Take(SampleRelDepth(0, 0.0));
        span.Take(SampleRelDepth(p.Layeranz - 1, 1.0));
    }
    return span;
}

bool TEwavedlgT::ViewMoved() const { return view_->GetTheta1() != Computed.Theta; }

void TEwavedlgT::TimerTimer()
{
    Timer->stop();
    if (TakeTimerAction() != taNone)
        Calculate();
}

void TEwavedlgT::CalcBtnClick()
{
    Timer->stop();
    Calculate();
}

void TEwavedlgT::Theta_ScrollBarScroll(int position)
{
    if (QueueTimer(taTheta1, doc_.EHOptionpara.Timer))
        view_->ScrollTheta1(position);
}

void TEwavedlgT::ThetaBoxClick()
{
    if (Computing())
        return;
    TTheta1Editdlg& dlg = Theta1Editdlg();
    dlg.SetTheta(view_->GetTheta1());
    dlg.SetRange(ThetaViewRange(doc_.Simparameter));
    if (dlg.exec() != QDialog::Accepted)
        return;
    view_->SetTheta1(dlg.GetTheta());
    Calculate();
}

void TEwavedlgT::AfterManualSimulation()
{
    // The stack changed under the window: its curve and its fields follow.
    ComputeThetaCurve();
    view_->SetTheta1(view_->GetTheta1());
    Calculate();
}
