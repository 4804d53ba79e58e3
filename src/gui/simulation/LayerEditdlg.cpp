#include "gui/simulation/LayerEditdlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "controls/RIEdit.h"
#include "gui/simulation/plain/LayerEditModel.h"
#include "platform/Platform.h"

TLayerEditdlg::TLayerEditdlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("LayerEditdlg");
    Label1 = new QLabel("Layer:", this);
    Label2 = new QLabel(" with Layer:", this);
    Nr1 = new TRIEdit(this);
    Nr1->setObjectName("Nr1");
    Nr2 = new TRIEdit(this);
    Nr2->setObjectName("Nr2");
    for (TRIEdit* e : {Nr1, Nr2}) {
        e->SetEditType(reInteger);
        e->setFixedWidth(60);
    }
    Label1->setBuddy(Nr1);
    Label2->setBuddy(Nr2);
    const DialogButtons buttons = MakeDialogButtons(this);
    OkBtn = buttons.Ok;
    CancelBtn = buttons.Cancel;

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, Qt::AlignRight);
    grid->addWidget(Nr1, 0, 1);
    grid->addWidget(Label2, 1, 0, Qt::AlignRight);
    grid->addWidget(Nr2, 1, 1);
    grid->setColumnStretch(2, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addStretch();
    outer->addLayout(buttons.Row);
    setTabOrder(Nr1, Nr2);
    setTabOrder(Nr2, OkBtn);
    setTabOrder(OkBtn, CancelBtn);
    setMinimumWidth(240);
}

bool TLayerEditdlg::Execute(int operation, int& nr1, int& nr2)
{
    Operation = operation;
    Nr1->SetInteger(nr1);
    Nr2->SetInteger(nr2);
    if (exec() != QDialog::Accepted)
        return false;
    nr1 = Nr1->GetInteger();
    nr2 = Nr2->GetInteger();
    return true;
}

void TLayerEditdlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TLayerEditdlg::FormShow()
{
    const LayerEditTexts t = LayerEditTextsFor(Operation);
    setWindowTitle(t.Caption);
    Label1->setText(t.Label1);
    if (t.Label2)
        Label2->setText(t.Label2);
    Label2->setVisible(t.SecondNumber);
    Nr2->setVisible(t.SecondNumber);
    Nr1->setFocus();
    Nr1->selectAll();
}

void TLayerEditdlg::accept()
{
    const auto failures = CheckLayerNumbers(Operation, Nr1->GetInteger(), Nr2->GetInteger());
    for (const LayerEditFailure& f : failures) {
        veltrane::showError("Error", f.Message);
        (f.Field == 1 ? Nr1 : Nr2)->setFocus();
    }
    if (failures.empty())
        QDialog::accept();
}
