#pragma once
// The small dialogs that take an angle typed by the user: one Theta for the
// depth window, the two limits for the angle-range window. An empty edit
// keeps the angle it had; an angle the window's scroll bars cannot reach,
// and two equal limits, are refused with an "Error" box and the dialog
// stays open.

#include "gui/fields/FieldEditdlg.h"

class TTheta1Editdlg : public TFieldEditdlg {
    Q_OBJECT
public:
    explicit TTheta1Editdlg(QWidget* parent = nullptr);

    void SetTheta(double theta);
    double GetTheta() const { return theta_; }

    TRIEdit* nTheta;

protected:
    bool Take() override;

private:
    double theta_ = 0.0;
};

class TTheta2Editdlg : public TFieldEditdlg {
    Q_OBJECT
public:
    explicit TTheta2Editdlg(QWidget* parent = nullptr);

    void SetTheta1(double theta);
    void SetTheta2(double theta);
    // After OK the lower limit is the smaller of the two.
    double GetTheta1() const { return theta1_; }
    double GetTheta2() const { return theta2_; }

    TRIEdit* nTheta1;
    TRIEdit* nTheta2;

protected:
    bool Take() override;

private:
    double theta1_ = 0.0;
    double theta2_ = 0.0;
};
