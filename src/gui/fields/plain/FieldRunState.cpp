#include "gui/fields/plain/FieldRunState.h"

namespace veltrane {

FieldRunState::Stage::~Stage()
{
    if (state_)
        state_->Leave();
}

FieldRunState::Stage FieldRunState::Open()
{
    if (depth_ > 0)
        return Stage(nullptr);
    return Next();
}

FieldRunState::Stage FieldRunState::Next()
{
    if (depth_ == 0) {
        stopped_ = false;
        queued_ = taNone;
        ++depth_;
        if (OnBegin)
            OnBegin();
        return Stage(this);
    }
    if (stopped_)
        return Stage(nullptr);
    ++depth_;
    return Stage(this);
}

void FieldRunState::Leave()
{
    if (--depth_ > 0)
        return;
    if (OnEnd)
        OnEnd();
    if (closePending_) {
        closePending_ = false;
        if (OnClose)
            OnClose(closeResult_);
    }
}

void FieldRunState::Stop()
{
    stopped_ = true;
    control_.Stop();
}

bool FieldRunState::Close(int result)
{
    if (depth_ == 0)
        return true;
    // The running loop works on the window's calculator and samples.
    Stop();
    closePending_ = true;
    closeResult_ = result;
    return false;
}

bool FieldRunState::Queue(TTimerAction action)
{
    if (depth_ > 0)
        return false;
    const bool keep =
        queued_ == taAll || (action == taPosition && (queued_ == taTheta1 || queued_ == taTheta2));
    if (!keep)
        queued_ = action;
    return true;
}

TTimerAction FieldRunState::Take()
{
    if (depth_ > 0)
        return taNone;
    const TTimerAction action = queued_;
    queued_ = taNone;
    return action;
}

std::vector<FieldStage> FieldRunState::Plan(bool moved1, bool moved2, bool forced)
{
    std::vector<FieldStage> stages;
    if (moved1 || forced)
        stages.push_back(FieldStage::ProfileEH1);
    if (moved2 || forced)
        stages.push_back(FieldStage::ProfileEH2);
    stages.push_back(FieldStage::Scan);
    return stages;
}

}  // namespace veltrane
