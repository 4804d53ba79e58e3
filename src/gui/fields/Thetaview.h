#pragma once
// The small reflectivity view of a field window: a computed curve of Rp
// (or Rs) over the angles of incidence, with one marker at Theta or two at
// the limits of an angle range, each moved by its scroll bar in steps of
// 0.1°. The label under the view names the marked angles.

#include <QPointer>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/Records.h"
#include "fields/ThetaCurve.h"
#include "gui/fields/plain/ViewScale.h"

class QLabel;
class QScrollBar;
class TPaintBox;
class TPlotCanvas;

class TThetaview {
public:
    static constexpr double Step = 0.1;

    // A second scroll bar gives the view two markers.
    TThetaview(TPaintBox* box, QLabel* label, QScrollBar* bar1, QScrollBar* bar2 = nullptr);

    // Painting waits until the window has its curve.
    bool Busy = true;
    // The curve's points; the view draws nothing without any.
    void SetPoints(const std::vector<TResPunkt>* points) { points_ = points; }
    // Bit 0 Rp, bit 1 Rs; an empty set shows Rp.
    void SetOption(std::uint8_t option);
    std::uint8_t Option() const { return option_; }

    void Paint(TPlotCanvas& c);
    // The scroll ranges over the curve's angles, 0 .. ceil(range / 0.1).
    void SetScrollBar();
    void ScrollTheta1(int position);
    void ScrollTheta2(int position);
    void SetTheta1(double angle);
    void SetTheta2(double angle);
    // One marker: its angle; two: the smaller and the larger.
    double GetTheta1() const;
    double GetTheta2() const;
    QString LabelText() const;

    // The angles of the curve as scaled (a single angle widened).
    veltrane::ViewRange XRange() const;
    // The angles the scroll bars reach and the markers can be drawn at:
    // those of the curve; none while the view has no curve.
    std::optional<veltrane::AngleRange> Reach() const;
    veltrane::ViewScale Scale(int width, int height) const;

private:
    void Scroll(int marker, int position);
    void Set(int marker, double angle);
    void Changed();

    QPointer<TPaintBox> box_;
    QPointer<QLabel> label_;
    QPointer<QScrollBar> bar_[2];
    bool twoMarkers_;
    std::uint8_t option_ = 1;
    const std::vector<TResPunkt>* points_ = nullptr;
    double theta_[2] = {0.0, 0.0};
};
