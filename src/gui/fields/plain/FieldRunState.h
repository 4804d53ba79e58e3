#pragma once
// The run state of a field window, apart from its widgets: the stages of
// one computation, the Stop that ends them all, a close asked for while
// they run, and what the one-shot timer is to do when it fires.
//
// A computation is a nest of stages (the layer-position window computes a
// depth profile at each limit, then the angle scan). The first stage to
// open begins the run: queued timer work is dropped and the window
// disables its controls and stops its timer (OnBegin), so that no second
// computation can start inside the first. The last stage to end lets the
// window enable them again (OnEnd) and carries out a close asked for
// meanwhile (OnClose). One Stop ends the running loop and refuses every
// stage still to come.

#include <functional>
#include <vector>

#include "platform/RunControl.h"

// What the timer does when it fires.
enum TTimerAction : int { taNone = 0, taTheta1 = 1, taTheta2 = 2, taAll = 3, taPosition = 4 };

namespace veltrane {

// The stages of the layer-position window's whole calculation.
enum class FieldStage { ProfileEH1, ProfileEH2, Scan };

class FieldRunState {
public:
    explicit FieldRunState(RunControl& control) : control_(control) {}
    FieldRunState(const FieldRunState&) = delete;
    FieldRunState& operator=(const FieldRunState&) = delete;

    std::function<void()> OnBegin;
    std::function<void()> OnEnd;
    std::function<void(int result)> OnClose;

    // One stage of a computation, for the scope it lives in. A refused
    // stage tests false and does nothing.
    class Stage {
    public:
        ~Stage();
        Stage(const Stage&) = delete;
        Stage& operator=(const Stage&) = delete;
        explicit operator bool() const { return state_ != nullptr; }

    private:
        friend class FieldRunState;
        explicit Stage(FieldRunState* state) : state_(state) {}
        FieldRunState* state_;
    };

    // A computation the user asked for: refused while one runs.
    Stage Open();
    // A further stage of the running computation (or a new one when none
    // runs): refused once Stop was pressed.
    Stage Next();
    bool Busy() const { return depth_ > 0; }
    bool Stopped() const { return stopped_; }

    // Ends the running loop at its next sample and refuses the stages
    // still to come.
    void Stop();
    // True when the window may close now. During a run the close stops it
    // and is carried out by OnClose when the run has ended.
    bool Close(int result);

    // Queues what the timer does; false, queueing nothing, during a run.
    // What is queued already is kept when it covers the new action: a
    // recalculation of everything, or a moved limit whose profile is still
    // due when the place moves next.
    bool Queue(TTimerAction action);
    TTimerAction Queued() const { return queued_; }
    // What the timer carries out now, emptying the queue; none during a
    // run.
    TTimerAction Take();
    void Drop() { queued_ = taNone; }
    // The timer's delay for an index of the options: n x 500 ms, 0 for
    // "Off", which never fires.
    static int Interval(int timerIndex) { return timerIndex > 0 ? timerIndex * 500 : 0; }

    // The profile of each limit that moved (both when forced), then the
    // angle scan.
    static std::vector<FieldStage> Plan(bool moved1, bool moved2, bool forced);

private:
    void Leave();

    RunControl& control_;
    int depth_ = 0;
    bool stopped_ = false;
    bool closePending_ = false;
    int closeResult_ = 0;
    TTimerAction queued_ = taNone;
};

}  // namespace veltrane
