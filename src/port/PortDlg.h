#pragma once
// The port settings dialog: works on its own copy of the settings, which
// the port takes back when the dialog closes with OK.

#include <QDialog>

#include "port/PortSettings.h"

class QComboBox;
class QLabel;
class QPushButton;
class TRIEdit;

class TPortDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPortDlg(QWidget* parent = nullptr);

    TPortSettings Settings;

    QLabel* Portstr;
    QComboBox* PortBox;
    QComboBox* BaudBox;
    QLabel* UserBaudstr;
    TRIEdit* UserBaud;
    QComboBox* DatenbitBox;
    QComboBox* ParityBox;
    QComboBox* StopbitBox;
    QComboBox* ProtokollBox;
    QPushButton* OkBtn;
    QPushButton* CloseBtn;

    // Fills the controls from Settings; reads them back.
    void FormShow();
    void FormClose();

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BaudBoxChange();
};
