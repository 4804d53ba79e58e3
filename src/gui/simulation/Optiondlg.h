#pragma once
// The options dialog: step sizes of the manual simulation and of the scan
// scale and shift dialogs, the wide manual dialog, and the limits of the
// iterative fit.
//
// Use: Execute(page) shows doc.Optionpara on page 0 ("Scan", from the scan
// scale and shift dialogs), 1 ("manuelle Simulation", from the manual
// simulation) or 2 ("iterative Simulation", from the fit dialog); without
// a page it opens where it was left. On true doc.Optionpara was written;
// the callers read the steps and limits from the document when they next
// need them. On false nothing changed.

#include <QDialog>
#include <array>

#include "document/Document.h"
#include "gui/simulation/plain/OptionModel.h"

class QCheckBox;
class QPushButton;
class QTabWidget;
class TRIEdit;

class TOptiondlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int KeepPage = -1;

    explicit TOptiondlg(Document& doc, QWidget* parent = nullptr);

    bool Execute(int page = KeepPage);

    // The options of a new document.
    static void SetDefaultOptions(TOptionpara& o);

    QTabWidget* PageControl;
    TRIEdit* nScanShiftstep;
    TRIEdit* nScanScalestep;
    TRIEdit* nEpsrealstep;
    TRIEdit* nEpsimagstep;
    TRIEdit* nDickestep;
    QCheckBox* SimbreiteCheck;
    TRIEdit* nIteranz;
    TRIEdit* nItergrenz;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    // The edit of a TOptionField.
    TRIEdit* Edit(int field) const { return edits_[std::size_t(field)]; }

    void FormShow();

public slots:
    // Writes the options back, or shows why a value is refused and keeps
    // the dialog open on that value.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Document& doc_;
    std::array<TRIEdit*, OptionFieldCount> edits_{};
};
