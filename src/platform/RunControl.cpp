#include "platform/RunControl.h"

namespace veltrane {

bool RunControl::Begin()
{
    if (active_)
        return false;
    active_ = true;
    CalcRunning = 1;
    return true;
}

void RunControl::End()
{
    CalcRunning = 0;
    active_ = false;
}

void RunControl::Start(int count, const std::string& text)
{
    if (display_)
        display_->Start(count, text);
}

void RunControl::SetPos(int i)
{
    if (display_)
        display_->SetPos(i);
}

void RunControl::Finish()
{
    if (display_)
        display_->Finish();
}

}  // namespace veltrane
