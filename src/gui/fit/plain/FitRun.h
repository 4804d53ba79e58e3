#pragma once
// The fit window's run without its widgets: which scans it offers and which
// one is chosen, the scale factors it gives back, and what Start, Stop,
// Accept and the closes may do while a search runs or after it. The window
// binds its controls to it and its handlers delegate here.
//
// The search yields to the event loop once per iteration, so every button
// and the window's own close can reach this class in the middle of a run:
// the run flag is the program's one run control, and every decision below
// asks it first.

#include <vector>

#include "document/Document.h"
#include "fitting/FitHost.h"
#include "fitting/SimulationIter.h"
#include "platform/RunControl.h"

namespace veltrane::fit {

// What the run asks of the window around it, besides what the search shows.
class FitRunView : public FitHost {
public:
    // Before a start: the marks and choices the controls hold go into the
    // search.
    virtual void TakeChoices() {}
    // The controls are locked while the search runs; after it they show
    // its result.
    virtual void ShowRunning(bool running) {}
};

class FitRun {
public:
    FitRun(Document& doc, RunControl& run);
    FitRun(const FitRun&) = delete;
    FitRun& operator=(const FitRun&) = delete;

    // nullptr: no window (nothing is shown).
    void SetView(FitRunView* view);

    TSimulationiter& Search() { return search_; }
    TSimparameter& Parameter() { return search_.Parameter; }
    bool Running() const { return run_.Active(); }

    // On showing: the slots from the parameter copy, the scale factors that
    // any close but Accept gives back, and the scans that can be fitted.
    // Returns the item of Offered() to select: the scan chosen before when it
    // is still offered, else the first; -1 when none is offered.
    int Show();
    const std::vector<int>& Offered() const { return offered_; }
    // The document index of the chosen scan; -1 when no scan can be fitted.
    int ChosenScan() const { return chosen_; }
    // Chooses the scan of an item of Offered(); anything else chooses none.
    void Choose(int item);
    // Resamples the chosen scan over the markers' range; false without a
    // scan or when the range holds none of it.
    bool Resample(double left, double right);
    // The simulated curve of the parameter copy over the fit range, once on
    // showing; no curve without a scan.
    void ComputeOnce();

    // Start: refused while a search runs and without a scan to resample;
    // otherwise the whole search. Returns its stop code (NotRun: refused).
    int Start();
    // Stop: the search ends at its next event pass, with ten beeps.
    void Stop();
    // Accept: the fit range goes into the parameter copy, which the caller
    // takes back into the document; every scan but the chosen one gets its
    // factor back. False while a search runs: the window stays.
    bool Accept(double left, double right);
    // Close and Escape: every scan gets its factor back. False while a
    // search runs: the window stays and the search goes on.
    bool Reject();
    // The window's own close: while a search runs it is stopped instead and
    // the window stays until it is closed again.
    bool MayClose();

private:
    FitRunView& view() { return view_ ? *view_ : noView_; }

    Document& doc_;
    RunControl& run_;
    TSimulationiter search_;
    FitRunView noView_;
    FitRunView* view_ = nullptr;
    std::vector<double> savedFactors_;
    std::vector<int> offered_;
    int chosen_ = -1;
};

}  // namespace veltrane::fit
