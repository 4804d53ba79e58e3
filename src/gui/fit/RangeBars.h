#pragma once
// The two range markers of a plot (left red, right green) and the two
// scroll bars below it that move them. Each limit keeps the other's scroll
// bar from reaching it, so the left marker always lies left of the right
// one. The markers go into the plot's screen image only.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "gui/fit/Marker.h"

class QScrollBar;
class TLinePlot;

class TRangeBars : public QWidget {
    Q_OBJECT
public:
    // Colour values of the two markers.
    static constexpr TColor LeftColour = 255;      // red
    static constexpr TColor RightColour = 32768;   // green

    TRangeBars(TLinePlot& plot, const QString& leftHint, const QString& rightHint, QWidget* parent = nullptr);
    ~TRangeBars() override;

    // New markers over [min, max] on steps of 0.1; the left one at the first
    // step, the right one at the last, so that the range is the whole
    // extent.
    void Rebuild(double min, double max);
    // Sets a marker to a value; its scroll bar follows.
    void SetLeftValue(double v);
    void SetRightValue(double v);
    bool HasMarkers() const { return left_ != nullptr; }
    TMarker* Left() const { return left_.get(); }
    TMarker* Right() const { return right_.get(); }
    double LeftValue() const;
    double RightValue() const;

    QScrollBar* ScrollBar_L;
    QScrollBar* ScrollBar_R;

    // After the user moved a limit.
    std::function<void()> OnLeftChange;
    std::function<void()> OnRightChange;

    void ScrollBar_LScroll(int position);
    void ScrollBar_RScroll(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The scroll bars' ranges and positions from the markers, without
    // signals.
    void SyncBars();

    // The plot is a sibling under the same window and may go first.
    QPointer<TLinePlot> plot_;
    std::unique_ptr<TMarker> left_;
    std::unique_ptr<TMarker> right_;
    bool syncing_ = false;
};
