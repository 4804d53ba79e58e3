#include "plot/PlotTitleDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "plot/PlotDialogButtons.h"
#include "plot/plain/Sprachfeld.h"

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
    const DialogButtons buttons = MakePlotDialogButtons(this);
    TitelOKBtn = buttons.Ok;
    TitelCancelBtn = buttons.Cancel;

    auto* row = new QHBoxLayout;
    row->addWidget(LTitle);
    row->addWidget(strTitle, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(row);
    outer->addLayout(buttons.Row);
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
