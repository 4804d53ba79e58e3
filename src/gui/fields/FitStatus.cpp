#include "gui/fields/FitStatus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "platform/Platform.h"

TFitStatus::TFitStatus(QWidget* parent) : QFrame(parent)
{
    setObjectName("FitStatus1");
    setFrameShape(QFrame::StyledPanel);
    CalcLabel = new QLabel("Calculating", this);
    CalcLabel->setObjectName("CalcLabel");
    PosLabel = new QLabel(this);
    PosLabel->setObjectName("PosLabel");
    PosLabel->setMinimumWidth(PosLabel->fontMetrics().horizontalAdvance("100%") + 4);
    PosLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName("Gauge1");
    Gauge1->setRange(0, 100);
    Gauge1->setTextVisible(false);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("Stop");
    SpeedButton1->setToolTip("Stop calculation");
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });

    auto* top = new QHBoxLayout;
    top->addWidget(CalcLabel, 1);
    top->addWidget(PosLabel);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Gauge1, 1);
    bottom->addWidget(SpeedButton1);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 2, 4, 2);
    box->setSpacing(2);
    box->addLayout(top);
    box->addLayout(bottom);
    // The window keeps the frame's place while no run shows it.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
}

QString TFitStatus::PercentText(int i, int maximum)
{
    if (maximum <= 0)
        return "0%";
    return QString::number(std::lround(double(i) * 100.0 / maximum)) + "%";
}

void TFitStatus::Start(int count, const std::string& text)
{
    PosLabel->clear();
    maximum_ = count;
    // A range of 0..0 would make the bar a busy indicator.
    Gauge1->setRange(0, std::max(count, 1));
    CalcLabel->setText(QString::fromStdString(text));
    SetPos(0);
    show();
    repaint();
}

void TFitStatus::SetPos(int i)
{
    Gauge1->setValue(std::clamp(i, Gauge1->minimum(), Gauge1->maximum()));
    PosLabel->setText(PercentText(i, maximum_));
}

void TFitStatus::Finish() { hide(); }

void TFitStatus::SpeedButton1Click()
{
    veltrane::platform().beep();
    if (OnStop)
        OnStop();
}
