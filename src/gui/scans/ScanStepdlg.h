#pragma once
// The twin dialogs that scale and shift one measured scan in place, step by
// step with six buttons or their keys, and reset it. They change the
// document while open; there is no Cancel.
//
// Use: Execute() shows it modally on the scan used last. After every change
// OnScansChanged runs (the main window marks the document modified and
// redraws its plot); the Option button runs OnOptions, which opens the
// options dialog on its scan page where the step sizes are set.

#include <QDialog>
#include <array>
#include <functional>

#include "document/Document.h"
#include "gui/scans/plain/ScanStepModel.h"

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QStatusBar;

class TScanStepdlg : public QDialog {
    Q_OBJECT
public:
    bool Execute();

    std::function<void()> OnScansChanged;
    std::function<void()> OnOptions;

    ScanStepModel& Model() { return model_; }

    QComboBox* ScanfileBox;
    QLabel* FaktorLabel;
    QLabel* FaktorBar;
    QGroupBox* BtnGroup;
    // In model order: the first group by 1, 10 and 100 steps, then the
    // second.
    std::array<QPushButton*, ScanStepModel::ButtonCount> StepButtons{};
    QPushButton* ResetButton;
    QPushButton* OptionButton;
    QPushButton* CloseBtn;
    QLabel* Label2;
    QStatusBar* StatusBar1;

    void FormShow();
    void ScanfileBoxClick();
    void UpdateFactorBar();
    void ApplyStep(int button);
    void ResetButtonClick();
    void OptionButtonClick();
    // The six keys press their buttons and are consumed; every key updates
    // the factor display.
    bool FormKeyDown(const QKeyEvent& key);

protected:
    TScanStepdlg(Document& doc, TScanFactor which, const std::array<const char*, 6>& hints, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Changed();

    ScanStepModel model_;
};

// "Scale Scanfile": the y multiplier, up with Page Up, Home and Insert.
class TScanScaledlg : public TScanStepdlg {
    Q_OBJECT
public:
    explicit TScanScaledlg(Document& doc, QWidget* parent = nullptr);

    QPushButton* Button1up;
    QPushButton* Button2up;
    QPushButton* Button3up;
    QPushButton* Button1down;
    QPushButton* Button2down;
    QPushButton* Button3down;
};

// "Shift Scanfile": the x shift, left with Page Up, Home and Insert.
class TScanShiftdlg : public TScanStepdlg {
    Q_OBJECT
public:
    explicit TScanShiftdlg(Document& doc, QWidget* parent = nullptr);

    QPushButton* Button1left;
    QPushButton* Button2left;
    QPushButton* Button3left;
    QPushButton* Button1right;
    QPushButton* Button2right;
    QPushButton* Button3right;
};
