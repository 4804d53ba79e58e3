#include "plot/PlotTitleDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "plot/Sprachfeld.h"

namespace {
enum Caption { cCancel = 0, cTitle = 8, cCaption = 12 };
}

TPlotTitleDlg::TPlotTitleDlg(QWidget* parent) : QDialog(parent)
{
    LTitle = new QLabel(this);
    strTitle = new QLineEdit(this);
    strTitle->setObjectName("strTitle");
    strTitle->setMinimumWidth(320);
    LTitle->setBuddy(strTitle);
    TitelOKBtn = new QPushButton("&OK", this);
    TitelOKBtn->setDefault(true);
    TitelCancelBtn = new QPushButton(this);
    connect(TitelOKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(TitelCancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(LTitle);
    row->addWidget(strTitle, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(TitelOKBtn);
    buttons->addWidget(TitelCancelBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(row);
    outer->addLayout(buttons);
    setSizeGripEnabled(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormShow();
}

void TPlotTitleDlg::FormShow()
{
    setWindowTitle(QString::fromUtf8(SprachText(Sprache, cCaption)));
    LTitle->setText(QString::fromUtf8(SprachText(Sprache, cTitle)));
    TitelCancelBtn->setText(QString::fromUtf8(SprachText(Sprache, cCancel)));
}

void TPlotTitleDlg::showEvent(QShowEvent* event)
{
    FormShow();
    strTitle->setFocus();
    strTitle->selectAll();
    QDialog::showEvent(event);
}
