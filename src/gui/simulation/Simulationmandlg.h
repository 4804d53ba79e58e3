#pragma once
// The manual simulation ("Simulation"): the thickness and the dielectric
// constants of single layers are stepped by the option steps, and each
// step computes the document's curves anew and has them drawn at once.
// Holding Ctrl defers the computation until Ctrl is released.
//
// Use: one dialog for the program, created with the document and the
// program's options dialog. The opener sets EpsMode (the document's input
// mode) and the two flags that say which window opened it, then calls
// Execute with its host (ManualSimulationHost.h says what the host does).
// Execute refuses, with a message, a document of fewer than two layers and
// a record the engine cannot simulate. Closing computes whatever change is
// still waiting, so the curves always match the parameters afterwards.
//
// Its rules live in TSimulationmanModel; this class binds the widgets to it.

#include <QDialog>
#include <array>

#include "document/Document.h"
#include "gui/simulation/plain/ManualSimulationHost.h"
#include "gui/simulation/plain/SimulationmanModel.h"

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QWidget;
class TManualGrid;
class TOptiondlg;
class TValueEditdlg;

class TSimulationmandlg : public QDialog {
    Q_OBJECT
public:
    TSimulationmandlg(Document& doc, TOptiondlg& options, QWidget* parent = nullptr);

    // Input mode of the column titles: 0 eps, otherwise n and kappa.
    int EpsMode = 0;
    // Opened from the field window at one angle, or at a layer position;
    // both false from the main window. The host does what differs.
    bool FromEwaveT = false;
    bool FromEwaveD = false;

    // Shows the dialog modally; false when it refused to open.
    bool Execute(TManualSimulationHost& host);
    // What Execute does before it shows the dialog: the checks and the
    // showing's preparation. Tests show the dialog themselves after it.
    bool Open(TManualSimulationHost& host);

    // A step of k x the current column's step (the step buttons and keys).
    void ChangeValue(int k);
    // Computes the curves and has the host draw them, controls disabled.
    void CalcNew();
    void EditBtnClick();
    void OptionBtnClick();

    TSimulationmanModel& Model() { return model_; }
    TValueEditdlg& ValueEditdlg() { return *ValueEditdlg_; }

    QTabWidget* PageControl1;
    QWidget* Layerpage;
    TManualGrid* LayerGrid1;
    QWidget* Panel1;
    QPushButton* Button1up;
    QPushButton* Button2up;
    QPushButton* Button3up;
    QPushButton* Button1down;
    QPushButton* Button2down;
    QPushButton* Button3down;
    QPushButton* EditBtn;
    QPushButton* OptionBtn;
    QPushButton* CloseBtn;
    QLabel* Lmsg;
    QStatusBar* StatusBar1;
    QLabel* HintLabel;  // the hint under the mouse, in the status bar

    bool ControlsEnabled() const { return controlsEnabled_; }

public slots:
    // Every way of closing ends here: the waiting change is computed and
    // the showing's driver deleted.
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FillGrid();
    void ShowCell(int row, int col);
    void EnableControls(bool on);
    bool FormKeyDown(int key);
    bool FormKeyUp(int key);
    QPushButton* StepButton(const char* name, const char* caption, const char* hint, int k);

    TOptiondlg& options_;
    TSimulationmanModel model_;
    TValueEditdlg* ValueEditdlg_ = nullptr;
    TManualSimulationHost* host_ = nullptr;
    bool controlsEnabled_ = true;
};
