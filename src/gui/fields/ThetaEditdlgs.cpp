#include "gui/fields/ThetaEditdlgs.h"

#include <algorithm>

#include "controls/RIEdit.h"

TTheta1Editdlg::TTheta1Editdlg(QWidget* parent) : TFieldEditdlg(parent, "Theta1Editdlg", "Edit Theta")
{
    nTheta = AddEdit("nTheta", "Theta [\u00B0] :");
    SetFocusEdit(nTheta);
}

void TTheta1Editdlg::SetTheta(double theta)
{
    theta_ = theta;
    nTheta->SetDouble(theta);
}

bool TTheta1Editdlg::Take() { return TakeAngle(nTheta, theta_, theta_); }

TTheta2Editdlg::TTheta2Editdlg(QWidget* parent) : TFieldEditdlg(parent, "Theta2Editdlg", "Edit Theta Limits")
{
    nTheta1 = AddEdit("nTheta1", "from Theta [\u00B0] :");
    nTheta2 = AddEdit("nTheta2", "to     Theta [\u00B0] :");
    SetFocusEdit(nTheta1);
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

bool TTheta2Editdlg::Take()
{
    double a = 0.0, b = 0.0;
    if (!TakeAngle(nTheta1, theta1_, a) || !TakeAngle(nTheta2, theta2_, b))
        return false;
    // Equal limits would scan one angle as often as there are samples.
    if (a == b) {
        Refuse(nTheta1, "wrong Theta Limits :" + DegreeText(a) + " - " + DegreeText(b) + " (from Theta < to Theta)");
        return false;
    }
    theta1_ = std::min(a, b);
    theta2_ = std::max(a, b);
    return true;
}
