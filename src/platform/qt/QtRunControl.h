#pragma once
// The program's run control: its event pass is a pass of the Qt event loop,
// in which the progress frame repaints and the Stop buttons are pressed.

#include "platform/RunControl.h"

namespace veltrane {

class QtRunControl final : public RunControl {
protected:
    void ProcessMessages() override;
};

}  // namespace veltrane
