#pragma once
// "Edit value": one number for a cell of the manual simulation's grid.
//
// Use: set Value (and ThicknessLayer for a thickness cell), Execute(); on true
// Value holds the number typed. OK with a text that is no number, or with
// a negative thickness, shows an "Error" box and keeps the dialog open;
// Cancel changes nothing.

#include <QDialog>

#include "gui/simulation/plain/ValueEditModel.h"

class QLabel;
class QPushButton;
class TRIEdit;

class TValueEditdlg : public QDialog {
    Q_OBJECT
public:
    explicit TValueEditdlg(QWidget* parent = nullptr);

    bool Execute() { return exec() == QDialog::Accepted; }

    double Value = 0.0;
    // The layer whose thickness the value is (0: no thickness); below 0
    // it is refused with the layer named.
    int ThicknessLayer = 0;

    QLabel* ValueLabel;
    TRIEdit* valueedit;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

    // The value into the edit, which takes the focus with the caret after
    // the last character and nothing selected.
    void FormShow();

public slots:
    void accept() override;
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PlaceCaret();
};
