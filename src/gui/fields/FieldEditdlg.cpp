#include "gui/fields/FieldEditdlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "controls/RIEdit.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"

TFieldEditdlg::TFieldEditdlg(QWidget* parent, const char* name, const QString& title) : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(title);
    auto* outer = new QVBoxLayout(this);
    form_ = new QFormLayout;
    outer->addLayout(form_);
    const DialogButtons buttons =
        MakeDialogButtons(this, {.OkCaption = "Ok", .CancelCaption = "Close", .CancelName = "CloseBtn"});
    OkBtn = buttons.Ok;
    CloseBtn = buttons.Cancel;
    outer->addLayout(buttons.Row);
}

TRIEdit* TFieldEditdlg::AddEdit(const char* name, const QString& caption, int width)
{
    auto* e = new TRIEdit(this);
    e->setObjectName(name);
    e->setFixedWidth(width);
    auto* label = new QLabel(caption, this);
    label->setBuddy(e);
    form_->addRow(label, e);
    return e;
}

// The dialog's showing gives the focus widget a tab focus, which selects
// its whole text; the caret goes behind the text once that is done.
void TFieldEditdlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TRIEdit* e = focus_;
    if (!e)
        return;
    e->setFocus();
    QTimer::singleShot(0, e, [e] {
        e->deselect();
        e->end(false);
    });
}

void TFieldEditdlg::accept()
{
    if (Take())
        QDialog::accept();
}

bool TFieldEditdlg::TakeAngle(TRIEdit* edit, double keep, double& angle)
{
    const double v = edit->Getdouble();
    if (v == Riedit::NADN || (v >= range_.from - 1e-9 && v <= range_.to + 1e-9)) {
        angle = v == Riedit::NADN ? keep : v;
        return true;
    }
    Refuse(edit, "wrong Theta :" + DegreeText(v) + " (" + DegreeText(range_.from) + "-" + DegreeText(range_.to) + ")");
    return false;
}

std::string TFieldEditdlg::DegreeText(double angle)
{
    return veltrane::floatToText(angle, veltrane::platform().decimalSeparator()) + "\xC2\xB0";
}

void TFieldEditdlg::Refuse(TRIEdit* edit, const std::string& message)
{
    veltrane::showError("Error", message);
    edit->setFocus();
    edit->selectAll();
}
