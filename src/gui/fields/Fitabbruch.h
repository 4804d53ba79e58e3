#pragma once
// A small stop window with a progress bar: its Stop button ends the run
// that goes on.

#include <QDialog>

#include "platform/RunControl.h"

class QLabel;
class QProgressBar;
class QPushButton;

class TFitabbruch : public QDialog {
    Q_OBJECT
public:
    explicit TFitabbruch(veltrane::RunControl& run, QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* StopBtn;
    QProgressBar* Gauge1;

    void StopBtnClick() { run_.Stop(); }

private:
    veltrane::RunControl& run_;
};
