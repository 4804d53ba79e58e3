#include "gui/fields/ThetaEditdlgs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/RIEdit.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"

namespace {

TRIEdit* angleEdit(QDialog* dlg, QFormLayout* form, const char* name, const QString& caption)
{
    auto* e = new TRIEdit(dlg);
    e->setObjectName(name);
    e->setFixedWidth(100);
    auto* label = new QLabel(caption, dlg);
    label->setBuddy(e);
    form->addRow(label, e);
    return e;
}

// "Ok" and "Close" under the edits.
void buttons(QDialog* dlg, QVBoxLayout* outer, QPushButton*& ok, QPushButton*& close)
{
    ok = new QPushButton("Ok", dlg);
    ok->setObjectName("OkBtn");
    ok->setDefault(true);
    close = new QPushButton("Close", dlg);
    close->setObjectName("CloseBtn");
    QObject::connect(ok, &QPushButton::clicked, dlg, &QDialog::accept);
    QObject::connect(close, &QPushButton::clicked, dlg, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(close);
    outer->addLayout(row);
}


// The edit's angle, or keep when it is empty; false, after the "Error" box
// and with the edit focused, when the range does not hold the angle.
bool takeAngle(TRIEdit* e, double keep, veltrane::AngleRange range, double& angle)
{
    const double v = e->Getdouble();
    angle = v == Riedit::NADN ? keep : v;
    if (v == Riedit::NADN || (v >= range.from - 1e-9 && v <= range.to + 1e-9))
        return true;
    const char sep = veltrane::platform().decimalSeparator();
    auto deg = [sep](double d) { return veltrane::floatToText(d, sep) + "\xC2\xB0"; };
    veltrane::showError("Error", "wrong Theta :" + deg(v) + " (" + deg(range.from) + "-" + deg(range.to) + ")");
    e->setFocus();
    e->selectAll();
    return false;
}

}  // namespace

// The dialog's showing gives the focus widget a tab focus, which selects
// its whole text; the caret goes behind the text once that is done.
void FocusAtEnd(TRIEdit* e)
{
    e->setFocus();
    QTimer::singleShot(0, e, [e] {
        e->deselect();
        e->end(false);
    });
}

TTheta1Editdlg::TTheta1Editdlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("Theta1Editdlg");
    setWindowTitle("Edit Theta");
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    nTheta = angleEdit(this, form, "nTheta", "Theta [\u00B0] :");
    buttons(this, outer, OkBtn, CloseBtn);
}

void TTheta1Editdlg::SetTheta(double theta)
{
    theta_ = theta;
    nTheta->SetDouble(theta);
}

void TTheta1Editdlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FocusAtEnd(nTheta);
}

void TTheta1Editdlg::accept()
{
    double theta = 0.0;
    if (!takeAngle(nTheta, theta_, range_, theta))
        return;
    theta_ = theta;
    QDialog::accept();
}

TTheta2Editdlg::TTheta2Editdlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("Theta2Editdlg");
    setWindowTitle("Edit Theta Limits");
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    nTheta1 = angleEdit(this, form, "nTheta1", "from Theta [\u00B0] :");
    nTheta2 = angleEdit(this, form, "nTheta2", "to     Theta [\u00B0] :");
    buttons(this, outer, OkBtn, CloseBtn);
}

void TTheta2Editdlg::SetTheta1(double theta)
{
    theta1_ = theta;
    nTheta1->SetDouble(theta);
}

void TTheta2Editdlg::SetTheta2(double theta)
{
    theta2_ = theta;
    nTheta2->SetDouble(theta);
}

void TTheta2Editdlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FocusAtEnd(nTheta1);
}

void TTheta2Editdlg::accept()
{
    double a = 0.0, b = 0.0;
    if (!takeAngle(nTheta1, theta1_, range_, a) || !takeAngle(nTheta2, theta2_, range_, b))
        return;
    theta1_ = std::min(a, b);
    theta2_ = std::max(a, b);
    QDialog::accept();
}
