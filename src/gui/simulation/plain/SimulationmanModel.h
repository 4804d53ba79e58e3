#pragma once
// The manual simulation apart from its widgets: which grid cells may be
// edited, the value a step or an edit writes into the document, when a
// computation must follow, and the dialog's own simulation driver.
//
// Grid coordinates are those the user sees: row 0 holds the titles and
// row r (1 .. Layeranz) layer r; column 0 the layer number, column 1 the
// thickness, columns 2 .. 7 the real and imaginary parts of eps X, Y and Z
// (n and kappa in the n-and-kappa input mode, as the document stores them).

#include <memory>
#include <string>

#include "document/Document.h"

class TCalcPlasmon;

enum TManColumn : int {
    mcLayerNr = 0, mcThickness, mcEpsXR, mcEpsXI, mcEpsYR, mcEpsYI, mcEpsZR, mcEpsZI, ManColumnCount
};

class TSimulationmanModel {
public:
    static constexpr int NarrowWidth = 460;
    static constexpr int NarrowPageWidth = 330;
    static constexpr int WideExtra = 270;
    static constexpr int CellWidth = 70;

    explicit TSimulationmanModel(Document& doc);
    ~TSimulationmanModel();
    TSimulationmanModel(const TSimulationmanModel&) = delete;
    TSimulationmanModel& operator=(const TSimulationmanModel&) = delete;

    // The message that refuses a showing, or "" when the dialog may open:
    // with fewer than two layers there is no cell to step.
    std::string CheckOpen() const;
    // A new showing: the state of the last one is forgotten (a Ctrl held
    // when it closed no longer defers computing) and the current cell is
    // the first thickness. Select row 2 afterwards, as the grid does.
    void Show(int epsMode);

    // The driver of this showing; creating it empties the result list and
    // prepares empty curves of the same shape. False (the engine has shown
    // why) when the record cannot be simulated.
    bool CreateCalc();
    // The document's curves from its current values, through the driver.
    void Compute();
    // Closing: fills the curves again when nothing was computed in this
    // showing. A pending change is the dialog's to compute first, since
    // its host must redraw.
    void Close();
    bool HasCalc() const { return calc_ != nullptr; }

    bool Anisotropic() const;
    int ColCount() const { return Anisotropic() ? ManColumnCount : mcEpsYR; }
    int RowCount() const { return doc_.Simparameter.Layeranz + 1; }
    int FormWidth() const;
    int PageWidth() const;

    static std::string ColumnTitle(int col, int epsMode);
    std::string Title(int col) const { return ColumnTitle(col, epsMode_); }
    // Row 1 .. Layeranz: the number, or the value ("" for the empty marker
    // and for the Y and Z columns of an isotropic layer).
    std::string CellText(int row, int col, char sep) const;

    // Whether the cell at (row, col) may be stepped or edited.
    bool MayEdit(int row, int col) const;
    // The grid's request to move the cursor: refused cells sound ten beeps
    // and keep the cursor where it was. CanEdit takes the answer.
    bool SelectCell(int row, int col);
    int Row() const { return row_; }
    int Col() const { return col_; }
    bool CurrentEditable() const { return MayEdit(row_, col_); }
    // The same, with the ten beeps of a refused cell.
    bool ConfirmCurrent();

    double StepSize(int col) const;
    double Value(int row, int col) const;

    enum class Change { Refused, Deferred, ComputeNow };
    // A step of k x the column's step on the current cell, rounded to the
    // decimals of the step or of the value (StepRounding.h). A step that
    // would leave a thickness below 0 is refused as a refused cell is.
    Change ChangeValue(int k);
    // The value edit's number for the current cell; it always computes.
    // The value edit refuses a negative thickness itself; here it is
    // refused with the beeps, so that none reaches the document.
    Change EditValue(double v);

    void CtrlPressed() { AutoCalc = false; }
    // True when the release must compute the changes made meanwhile.
    bool CtrlReleased();
    // True when closing must compute a change nobody computed yet.
    bool ChangePending() const { return !UpToDate; }

    bool AutoCalc = true;
    bool UpToDate = true;
    bool Calculated = false;
    bool CanEdit = false;

private:
    void SetValue(int row, int col, double v);
    // Whether v may go into the current cell; ten beeps when not.
    bool ConfirmValue(double v) const;
    bool Wide() const;

    Document& doc_;
    int epsMode_ = 0;
    int row_ = 1, col_ = mcThickness;
    std::unique_ptr<TCalcPlasmon> calc_;
};
