#pragma once
// The show-curves dialog: which kinds of computed curves the main plot
// shows and which loaded scans are visible.
//
// Use: put the main window's shown kinds into Curves and call Execute().
// On true the scans' Visible flags in doc.ScanColList were written, and
// the caller copies Curves back into its shown kinds and replots. On false
// nothing changed.

#include <QDialog>
#include <array>

#include "document/Document.h"
#include "gui/simulation/plain/ShowPlotModel.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStatusBar;
class QTabWidget;

class TShowPlotdlg : public QDialog {
    Q_OBJECT
public:
    explicit TShowPlotdlg(Document& doc, QWidget* parent = nullptr);

    TCurveSet Curves;
    // The scans whose flags the dialog edits.
    TScanColList* ScanList;

    bool Execute();

    QTabWidget* PageControl;
    // Bits 0 .. 7: Rp, Rs, R(p+s), Tp, Ts, T(p+s), Psi (captioned "Phi"), Delta.
    std::array<QCheckBox*, 8> CheckBoxes;
    QLabel* ScanLabel;
    QListWidget* CheckListBox;
    QStatusBar* StatusBar1;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    void FormShow();

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CheckListBoxClick();

    ShowPlotModel model_;
};
