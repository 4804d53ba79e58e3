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
//   (TMainForm::SetModified); it is TMainForm::ManualHost(). The field
//   windows' manual-simulation buttons open the dialog through the main
//   window with this host too, and compute their own view again once it
//   has closed.
// - A window that must follow every step instead passes a host of its own
//   that forwards both calls to the main window's host, so the main plot
//   still follows, and after CurvesComputed recomputes its view.
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
