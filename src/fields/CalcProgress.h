#pragma once
// What a field computation tells its progress frame. The windows' frame
// implements it; tests record the calls; a run without a frame uses
// NoProgress.

#include <string>

namespace veltrane {

class CalcProgress {
public:
    virtual ~CalcProgress() = default;
    // Shows the frame with the given maximum and text, at position 0.
    virtual void Start(int count, const std::string& text) = 0;
    virtual void SetPos(int i) = 0;
    // Hides the frame.
    virtual void Finish() = 0;
};

class NoProgress final : public CalcProgress {
public:
    void Start(int, const std::string&) override {}
    void SetPos(int) override {}
    void Finish() override {}
};

}  // namespace veltrane
