#include "gui/fields/EwavedlgD.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "controls/EnableRadioGroup.h"
#include "document/NoValue.h"
#include "fields/FieldSelection.h"
#include "fields/ThetaCurve.h"
#include "gui/fields/EHview.h"
#include "gui/fields/plain/EwaveSetup.h"
#include "gui/fields/FieldPlot.h"
#include "gui/fields/LayerposEditdlg.h"
#include "gui/fields/PaintBox.h"
#include "gui/fields/ThetaEditdlgs.h"
#include "gui/fields/Thetaview.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"

using namespace veltrane;

TEwavedlgD::TEwavedlgD(Document& doc, RunControl& run, QWidget* parent) : TEwaveWindow(doc, run, parent)
{
    setObjectName("EwavedlgD");
    setWindowTitle("Veltrane E/H-Felder at Layerposition");
    Plot->SetTitle("E/H-Fields");
    Plot->XAxis().SetTitle("Theta [\xC2\xB0]");
    // The layer table and the comment stay at the left under the legend, as
    // in the depth window: over the angles a resonance rises in the middle
    // and the low angles before it leave the left free.
    BuildViews();
    connect(CalcBtn, &QPushButton::clicked, this, [this] { CalcBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [] { platform().showHelp("PAGE_EH_POS"); });
    resize(980, 720);
}

TEwavedlgD::~TEwavedlgD() = default;

void TEwavedlgD::BuildViews()
{
    auto box = [this](const char* name, const char* hint) {
        auto* b = new TPaintBox(this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setFixedHeight(150);
        return b;
    };
    auto bar = [this](const char* name, const char* hint) {
        auto* s = new QScrollBar(Qt::Horizontal, this);
        s->setObjectName(name);
        s->setToolTip(hint);
        return s;
    };
    ThetaBox = box("ThetaBox", "Click to enter Theta Limits");
    Thetalabel = new QLabel("Theta:", this);
    Thetalabel->setObjectName("Thetalabel");
    Theta_ScrollBar1 = bar("Theta_ScrollBar1", "Set left min angle");
    Theta_ScrollBar2 = bar("Theta_ScrollBar2", "Set left max angle");
    LayerBox = box("LayerBox", "Click to enter Layerposition");
    Layerlabel = new QLabel("Layer:", this);
    Layerlabel->setObjectName("Layerlabel");
    Layer_ScrollBar = bar("Layer_ScrollBar", "");

    auto group = [this](const char* name, const QStringList& items) {
        auto* g = new TEnableRadioGroup(this);
        g->setObjectName(name);
        g->SetItems(items);
        g->setFixedSize(120, 88);
        return g;
    };
    FieldGroupP = group("FieldGroupP", {"Ex", "Hy", "Ez"});
    FieldGroupS = group("FieldGroupS", {"Hx", "Ey", "Hz"});
    FieldGroupP->SetItemIndex(1);
    FieldGroupS->SetItemIndex(1);

    SidePanel->addWidget(ThetaBox);
    SidePanel->addWidget(Thetalabel);
    SidePanel->addWidget(Theta_ScrollBar1);
    SidePanel->addWidget(Theta_ScrollBar2);
    SidePanel->addSpacing(6);
    SidePanel->addWidget(LayerBox);
    SidePanel->addWidget(Layerlabel);
    SidePanel->addWidget(Layer_ScrollBar);
    auto* groups = new QHBoxLayout;
    groups->addWidget(FieldGroupP);
    groups->addWidget(FieldGroupS);
    SidePanel->addLayout(groups);

    thetaview_ = std::make_unique<TThetaview>(ThetaBox, Thetalabel, Theta_ScrollBar1, Theta_ScrollBar2);
    ehview_ = std::make_unique<TEHview>(LayerBox, Layerlabel, EH1List, EH2List, Layer_ScrollBar, FieldGroupP,
                                        FieldGroupS);
    ThetaBox->OnPaint = [this](TPlotCanvas& c) { thetaview_->Paint(c); };
    ThetaBox->OnClick = [this] { ThetaBoxClick(); };
    LayerBox->OnPaint = [this](TPlotCanvas& c) { ehview_->Paint(c); };
    LayerBox->OnClick = [this] { LayerBoxClick(); };
    connect(Theta_ScrollBar1, &QScrollBar::valueChanged, this, [this](int v) { Theta_ScrollBar1Scroll(v); });
    connect(Theta_ScrollBar2, &QScrollBar::valueChanged, this, [this](int v) { Theta_ScrollBar2Scroll(v); });
    connect(Layer_ScrollBar, &QScrollBar::valueChanged, this, [this](int v) { Layer_ScrollBarScroll(v); });
    connect(FieldGroupP, &TEnableCustomRadioGroup::OnClick, this, [this] { FieldGroupPClick(); });
    connect(FieldGroupS, &TEnableCustomRadioGroup::OnClick, this, [this] { FieldGroupSClick(); });
    // The keys move the scroll bars too; the tab order runs down the panel.
    QWidget* order[] = {Theta_ScrollBar1, Theta_ScrollBar2, Layer_ScrollBar, FieldGroupP->Button(0),
                        FieldGroupP->Button(1), FieldGroupP->Button(2), FieldGroupS->Button(0),
                        FieldGroupS->Button(1), FieldGroupS->Button(2), CalcBtn};
    for (QScrollBar* s : {Theta_ScrollBar1, Theta_ScrollBar2, Layer_ScrollBar})
        s->setFocusPolicy(Qt::StrongFocus);
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

TTheta2Editdlg& TEwavedlgD::Theta2Editdlg()
{
    if (!theta2Editdlg_)
        theta2Editdlg_ = new TTheta2Editdlg(this);
    return *theta2Editdlg_;
}

TLayerposEditdlg& TEwavedlgD::LayerposEditdlg()
{
    if (!layerposEditdlg_)
        layerposEditdlg_ = new TLayerposEditdlg(this);
    return *layerposEditdlg_;
}

void TEwavedlgD::SetFieldGroups()
{
    const std::int32_t type = doc_.Simparameter.PolArt;
    FieldGroupP->setEnabled(false);
    FieldGroupS->setEnabled(false);
    if (type == paP) {
        FieldGroupP->setEnabled(true);
        if (FieldGroupP->ItemIndex() < 0)
            FieldGroupP->SetItemIndex(1);
    } else if (type == paS) {
        FieldGroupS->setEnabled(true);
        if (FieldGroupS->ItemIndex() < 0)
            FieldGroupS->SetItemIndex(1);
    } else {
        FieldGroupP->setEnabled(true);
        FieldGroupS->setEnabled(true);
        const bool p = FieldGroupP->ItemIndex() >= 0, s = FieldGroupS->ItemIndex() >= 0;
        if (!p && !s)
            FieldGroupP->SetItemIndex(1);
        if (p && s)
            FieldGroupS->SetItemIndex(-1);
    }
}

void TEwavedlgD::FormShow()
{
    SetFieldGroups();
    EnableControls(false);
    const std::uint8_t option = doc_.Simparameter.PolArt == paS ? 2 : 1;
    thetaview_->SetOption(option);
    ehview_->SetOption(option);
    ComputeThetaCurve();
    ehview_->PolArt = doc_.Simparameter.PolArt;
    LayerBox->hide();
    InitViews();
    SetCalcParameter();
    CreateCalcEwave_D(calc_, run_, doc_.Simparameter, doc_.EHOptionpara, EWaveList);
    Computed = doc_.EHOptionpara;
    ShowEmptyPlot();
    SetTimerAction(taAll, 1.0);
}

void TEwavedlgD::FormClose() { DeleteCalcEwave_D(calc_); }

void TEwavedlgD::ComputeThetaCurve()
{
    thetaview_->Busy = true;
    const TSimparameter& p = doc_.Simparameter;
    CalcThetaCurve(p, ThetaViewRange(p), ThetaViewPoints(p), ResColList);
    thetaview_->SetPoints(ResColList.empty() ? nullptr : &ResColList.front().Points);
    thetaview_->Busy = false;
    thetaview_->SetScrollBar();
}

void TEwavedlgD::InitViews()
{
    TEHOptionpara& o = doc_.EHOptionpara;
    const TSimparameter& p = doc_.Simparameter;
    const AngleRange limits = ewave::StartLimits(p);
    if (o.Theta1 == Riedit::NADN)
        o.Theta1 = limits.from;
    if (o.Theta2 == Riedit::NADN)
        o.Theta2 = limits.to;
    // Limits of the last showing may lie outside an X range made smaller
    // since, where the scroll bars cannot reach them.
    if (const auto reach = thetaview_->Reach()) {
        const AngleRange kept = ewave::LimitsInReach({o.Theta1, o.Theta2}, *reach);
        o.Theta1 = kept.from;
        o.Theta2 = kept.to;
    }
    // A place kept from another document (New keeps the options) may lie
    // outside this stack: it starts again in layer 1.
    ewave::InitLayerPlace(o, p);
    ewave::RaisePktanz(o, p);
    thetaview_->SetTheta1(o.Theta1);
    thetaview_->SetTheta2(o.Theta2);
    ehview_->LayerNr = o.LayerNr;
    ehview_->Layerpos = o.Layerpos;
    ehview_->SetScrollBar(p, o);
}

void TEwavedlgD::SetCalcParameter()
{
    TEHOptionpara& o = doc_.EHOptionpara;
    o.Theta1 = thetaview_->GetTheta1();
    o.Theta2 = thetaview_->GetTheta2();
    o.LayerNr = ehview_->LayerNr;
    o.Layerpos = ehview_->Layerpos;
    ewave::SetPointCounts(o, doc_.Simparameter);
}

void TEwavedlgD::EnableControls(bool on)
{
    TEwaveWindow::EnableControls(on);
    for (QWidget* w : {static_cast<QWidget*>(ThetaBox), static_cast<QWidget*>(LayerBox),
                       static_cast<QWidget*>(Theta_ScrollBar1), static_cast<QWidget*>(Theta_ScrollBar2),
                       static_cast<QWidget*>(Layer_ScrollBar)})
        w->setEnabled(on);
    const std::int32_t type = doc_.Simparameter.PolArt;
    if (type != paS)
        FieldGroupP->setEnabled(on);
    if (type != paP)
        FieldGroupS->setEnabled(on);
}

bool TEwavedlgD::SetTimerAction(TTimerAction action, double factor)
{
    return QueueTimer(action, int(factor + 0.5));
}

void TEwavedlgD::TimerTimer()
{
    Timer->stop();
    switch (TakeTimerAction()) {
    case taTheta1:
    case taTheta2: CalculateAll(false); break;
    case taAll: CalculateAll(true); break;
    case taPosition: Calculate(); break;
    default: break;
    }
}

void TEwavedlgD::CalcBtnClick()
{
    Timer->stop();
    CalculateAll(false);
}

void TEwavedlgD::Theta_ScrollBar1Scroll(int position)
{
    if (SetTimerAction(taTheta1, doc_.EHOptionpara.Timer))
        thetaview_->ScrollTheta1(position);
}

void TEwavedlgD::Theta_ScrollBar2Scroll(int position)
{
    if (SetTimerAction(taTheta2, doc_.EHOptionpara.Timer))
        thetaview_->ScrollTheta2(position);
}

void TEwavedlgD::Layer_ScrollBarScroll(int position)
{
    if (SetTimerAction(taPosition, doc_.EHOptionpara.Timer))
        ehview_->ScrollPosition(position);
}

void TEwavedlgD::ThetaBoxClick()
{
    if (Computing())
        return;
    TTheta2Editdlg& dlg = Theta2Editdlg();
    dlg.SetTheta1(thetaview_->GetTheta1());
    dlg.SetTheta2(thetaview_->GetTheta2());
    dlg.SetRange(ThetaViewRange(doc_.Simparameter));
    if (dlg.exec() != QDialog::Accepted)
        return;
    thetaview_->SetTheta1(dlg.GetTheta1());
    thetaview_->SetTheta2(dlg.GetTheta2());
    CalculateAll(true);
}

void TEwavedlgD::LayerBoxClick()
{
    if (Computing())
        return;
    TLayerposEditdlg& dlg = LayerposEditdlg();
    dlg.SetMaxLayer(doc_.Simparameter.Layeranz);
    dlg.SetLayerTable(ehview_->Table());
    dlg.SetPosition(ehview_->Layerpos);
    dlg.SetLayerNr(ehview_->LayerNr);
    if (dlg.exec() != QDialog::Accepted || dlg.GetPosition() == Riedit::NADN)
        return;
    if (ehview_->SetLayerPosition(dlg.GetLayerNr(), dlg.GetPosition()))
        Calculate();
}

void TEwavedlgD::FieldGroupPClick()
{
    if (FieldGroupS->isEnabled())
        FieldGroupS->SetItemIndex(-1);
    LayerBox->update();
}

void TEwavedlgD::FieldGroupSClick()
{
    if (FieldGroupP->isEnabled())
        FieldGroupP->SetItemIndex(-1);
    LayerBox->update();
}
