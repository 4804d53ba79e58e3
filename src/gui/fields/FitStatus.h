#pragma once
// The progress frame of the field windows: what is being computed, how far
// it got in percent, a progress bar and a stop button. A window sets it as
// its run control's display while it is shown; the frame shows itself when
// a run starts and hides when it finishes.

#include <QFrame>
#include <functional>
#include <string>

#include "platform/RunControl.h"

class QLabel;
class QProgressBar;
class QToolButton;

class TFitStatus : public QFrame, public veltrane::ProgressDisplay {
    Q_OBJECT
public:
    explicit TFitStatus(QWidget* parent = nullptr);

    void Start(int count, const std::string& text) override;
    void SetPos(int i) override;
    void Finish() override;

    // "25%" for 50 of 200; a run without samples stands at 0 %.
    static QString PercentText(int i, int maximum);

    QLabel* CalcLabel;
    QLabel* PosLabel;
    QProgressBar* Gauge1;
    QToolButton* SpeedButton1;

    // The owning window's stop: it clears the run flag.
    std::function<void()> OnStop;

private:
    void SpeedButton1Click();
    int maximum_ = 0;
};
