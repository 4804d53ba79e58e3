#pragma once
// The small dialog that asks for the layer numbers of one layer operation
// of the parameter dialog. It only collects and checks the numbers: OK is
// possible only with numbers in 1 .. 30, and two different numbers for
// Exchange, Move and Copy.

#include <QDialog>

class QLabel;
class QPushButton;
class TRIEdit;

class TLayerEditdlg : public QDialog {
    Q_OBJECT
public:
    explicit TLayerEditdlg(QWidget* parent = nullptr);

    // The operation code (TLayerOperation), set before showing.
    int Operation = 0;

    QLabel* Label1;
    QLabel* Label2;
    TRIEdit* Nr1;
    TRIEdit* Nr2;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

    // Shows the dialog for `operation` with the numbers given (1-based);
    // on OK they hold the numbers typed and the result is true.
    bool Execute(int operation, int& nr1, int& nr2);

    // Caption, labels and the second number's visibility from Operation.
    void FormShow();

public slots:
    // The checks; each failure shows its own "Error" box and keeps the
    // dialog open.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
};
