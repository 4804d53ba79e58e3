#pragma once
// The shape of the field windows' small edit dialogs: a form of edits,
// "Ok" and "Close" under it, one edit that takes the focus with the caret
// after its text, and an OK that the dialog refuses, staying open, while
// it finds a value wrong. Angles are checked against the range the
// window's scroll bars reach.

#include <QDialog>
#include <string>

#include "fields/ThetaCurve.h"

class QFormLayout;
class QPushButton;
class TRIEdit;

class TFieldEditdlg : public QDialog {
    Q_OBJECT
public:
    TFieldEditdlg(QWidget* parent, const char* name, const QString& title);

    // The angles the window can show; 0 to 90 degrees until set.
    void SetRange(veltrane::AngleRange range) { range_ = range; }

    QPushButton* OkBtn;
    QPushButton* CloseBtn;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

    // A numeric edit of the given width in a new row of the form.
    TRIEdit* AddEdit(const char* name, const QString& caption, int width = 100);
    QFormLayout* Form() const { return form_; }
    // The edit that takes the focus when the dialog shows.
    void SetFocusEdit(TRIEdit* edit) { focus_ = edit; }

    // Takes the edits' values; false keeps the dialog open.
    virtual bool Take() = 0;
    // The edit's angle, or keep when it is empty; false, leaving angle as
    // it was, when the range does not hold it, after the "Error" box.
    bool TakeAngle(TRIEdit* edit, double keep, double& angle);
    // The "Error" box; the edit then takes the focus with its text
    // selected.
    void Refuse(TRIEdit* edit, const std::string& message);
    // "52.5°", with the system's decimal separator.
    static std::string DegreeText(double angle);

private:
    QFormLayout* form_;
    TRIEdit* focus_ = nullptr;
    veltrane::AngleRange range_{0.0, 90.0};
};
