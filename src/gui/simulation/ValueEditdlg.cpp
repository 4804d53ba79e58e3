#include "gui/simulation/ValueEditdlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "controls/RIEdit.h"
#include "platform/Platform.h"

TValueEditdlg::TValueEditdlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("ValueEditdlg");
    setWindowTitle("Edit value");
    ValueLabel = new QLabel("Value:", this);
    valueedit = new TRIEdit(this);
    valueedit->setObjectName("valueedit");
    valueedit->setMinimumWidth(140);
    ValueLabel->setBuddy(valueedit);
    const DialogButtons buttons = MakeDialogButtons(this);
    OkBtn = buttons.Ok;
    CancelBtn = buttons.Cancel;

    auto* row = new QHBoxLayout;
    row->addWidget(ValueLabel);
    row->addWidget(valueedit, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(row);
    outer->addStretch();
    outer->addLayout(buttons.Row);
    setTabOrder(valueedit, OkBtn);
    setTabOrder(OkBtn, CancelBtn);
    setMinimumWidth(240);
}

void TValueEditdlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TValueEditdlg::FormShow()
{
    valueedit->SetDouble(Value);
    valueedit->setFocus();
    PlaceCaret();
}

void TValueEditdlg::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // The focus that comes with the window's activation selects the whole
    // text; the value is meant to be extended or corrected at its end.
    if (visible)
        PlaceCaret();
}

void TValueEditdlg::PlaceCaret()
{
    valueedit->deselect();
    valueedit->setCursorPosition(int(valueedit->text().size()));
}

void TValueEditdlg::accept()
{
    TValueEditModel model{Value, ThicknessLayer};
    std::string message;
    if (!model.Take(valueedit->Getdouble(), message)) {
        veltrane::showError("Error", message);
        valueedit->setFocus();
        return;
    }
    Value = model.Value;
    QDialog::accept();
}
