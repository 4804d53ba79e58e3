#pragma once
// The one long computation that may go on at a time, a fit or a field run:
// its run flag, its progress and its pass of the event loop per sample or
// iteration. The program has one, owned by the main window; the GUI gives
// it the event pass and the progress frame, tests script them, and without
// either a run simply goes to its end.
//
// The event pass lets the user press Stop while a run goes on, and with it
// every other command: a run that is active refuses a second one, so that
// nothing frees or changes what the running loop works on.

#include <cstdint>
#include <string>

namespace veltrane {

// What a run shows while it goes on (the field windows' progress frame).
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    // Shows the display with the given maximum and text, at position 0.
    virtual void Start(int count, const std::string& text) = 0;
    virtual void SetPos(int i) = 0;
    // Hides the display.
    virtual void Finish() = 0;
};

class RunControl {
public:
    RunControl() = default;
    virtual ~RunControl() = default;
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    // Starts a run and sets the run flag. False, changing nothing, while
    // another run is active: the second start is refused.
    bool Begin();
    // Ends the active run and clears the run flag.
    void End();
    // A run has begun and not yet ended, whether or not it was stopped.
    bool Active() const { return active_; }

    // The stop buttons: the loop ends at its next test of the flag.
    void Stop() { CalcRunning = 0; }
    bool Running() const { return CalcRunning != 0; }

    // Progress goes to the display set by the window that shows it; none is
    // fine. A window clears it before the display goes away.
    void SetDisplay(ProgressDisplay* display) { display_ = display; }
    void Start(int count, const std::string& text);
    void SetPos(int i);
    void Finish();

    // A run's pass of the event loop, once per sample or iteration.
    void Yield() { ProcessMessages(); }

    // 1 while a run goes on and nobody pressed Stop.
    std::uint8_t CalcRunning = 0;

protected:
    // The event pass itself; none without a GUI.
    virtual void ProcessMessages() {}

private:
    bool active_ = false;
    ProgressDisplay* display_ = nullptr;
};

}  // namespace veltrane
