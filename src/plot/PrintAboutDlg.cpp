#include "plot/PrintAboutDlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "plot/plain/Sprachfeld.h"

namespace {
enum Caption { cCancel = 0, cPrinting = 23 };
}

TPrintAboutDlg::TPrintAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle("Print Status");
    setWindowModality(Qt::ApplicationModal);
    LUbertext = new QLabel(this);
    LUbertext->setAlignment(Qt::AlignCenter);
    LUbertext->setMinimumSize(220, 40);
    PrintabCancelBtn = new QPushButton(this);
    connect(PrintabCancelBtn, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        PrintabCancelBtn->setEnabled(false);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PrintabCancelBtn);
    buttons->addStretch();
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(LUbertext);
    outer->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormShow();
}

void TPrintAboutDlg::FormShow()
{
    LUbertext->setText(QString::fromUtf8(SprachText(Sprache, cPrinting)));
    PrintabCancelBtn->setText(QString::fromUtf8(SprachText(Sprache, cCancel)));
}

void TPrintAboutDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TPrintAboutDlg::closeEvent(QCloseEvent* event) { event->ignore(); }
