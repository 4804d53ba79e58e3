#include "gui/fields/Fitabbruch.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TFitabbruch::TFitabbruch(veltrane::RunControl& run, QWidget* parent) : QDialog(parent), run_(run)
{
    setObjectName("Fitabbruch");
    setWindowTitle("Fitting");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName("Gauge1");
    Gauge1->setRange(0, 100);
    StopBtn = new QPushButton("Stop", this);
    StopBtn->setObjectName("StopBtn");
    connect(StopBtn, &QPushButton::clicked, this, [this] { StopBtnClick(); });
    auto* box = new QVBoxLayout(this);
    box->addWidget(Label1);
    box->addWidget(Gauge1);
    box->addWidget(StopBtn, 0, Qt::AlignHCenter);
}
