#pragma once
// A run control for tests: it records what a run tells its progress frame,
// counts the event passes and runs onPass in each, e.g. to press Stop or to
// try a second run in the middle of the first.

#include <functional>
#include <string>

#include "platform/RunControl.h"

namespace veltrane::test {

struct RecordingProgress : ProgressDisplay {
    void Start(int count, const std::string& t) override
    {
        max = count;
        text = t;
        pos = 0;
        visible = true;
        ++starts;
    }
    void SetPos(int i) override { pos = i; }
    void Finish() override { visible = false; }
    int max = -1, pos = -1, starts = 0;
    std::string text;
    bool visible = false;
};

class ScriptedRunControl : public RunControl {
public:
    ScriptedRunControl() { SetDisplay(&progress); }
    void ProcessMessages() override
    {
        ++passes;
        if (onPass)
            onPass(passes);
    }

    RecordingProgress progress;
    int passes = 0;
    std::function<void(int pass)> onPass;
};

}  // namespace veltrane::test
