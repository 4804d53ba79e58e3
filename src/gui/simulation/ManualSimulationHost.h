#pragma once
// What the manual simulation needs from the window that opened it.
//
// The dialog changes the document's layer values in place and computes the
// document's curves (doc.ResColList) itself, with its own driver; the
// curves keep their number and their point counts. The host draws them and
// keeps the document's modified mark:
//
// - The main window's host refreshes the main plot in place
//   (TMainForm::UpdatePlotData) and marks the document modified
//   (TMainForm::SetModified); it is TMainForm::ManualHost().
// - A field window that opens the dialog passes a host of its own: it
//   forwards both calls to the main window's host, which the main window
//   hands to it, so the main plot follows too, and after CurvesComputed
//   recomputes its own view from the changed stack.
//
// The calls come while the dialog is modal, with its controls disabled for
// CurvesComputed; a host must not open the manual simulation again.
class TManualSimulationHost {
public:
    virtual ~TManualSimulationHost() = default;
    // The curves were computed anew from the document's current values.
    virtual void CurvesComputed() = 0;
    // A layer value or an option of the document changed.
    virtual void DocumentChanged() = 0;
};
