#pragma once
// The layer view of the layer-position window: the stack drawn with two
// depth profiles of one field component, at the lower angle (EH1, blue)
// and at the upper angle (EH2, red), the layer boundaries, and a green
// marker at the chosen place, which the scroll bar below moves in steps of
// 0.1 nm.

#include <QPointer>
#include <cstdint>

#include "fields/EWaveList.h"
#include "gui/fields/plain/LayerPlace.h"
#include "gui/fields/plain/ViewScale.h"

class QLabel;
class QScrollBar;
class TEnableRadioGroup;
class TPaintBox;
class TPlotCanvas;

class TEHview {
public:
    TEHview(TPaintBox* box, QLabel* label, const TEWaveList& eh1, const TEWaveList& eh2, QScrollBar* bar,
            TEnableRadioGroup* groupP, TEnableRadioGroup* groupS);

    std::int32_t LayerNr = 0;
    double Layerpos = 0.0;
    std::int32_t PolArt = paP;
    // The angles of the two profiles, for the legend.
    double Theta1 = 0.0, Theta2 = 0.0;

    // An empty set holds only element 0.
    void SetOption(std::uint8_t option) { option_ = option ? option : 1; }

    void Paint(TPlotCanvas& c);
    // Rebuilds the thickness table from the stack and the shown half-space
    // thicknesses and checks the place (false, after the box, when the
    // stack does not hold it); the scroll range covers the whole depth.
    bool SetScrollBar(const TSimparameter& p, const TEHOptionpara& o);
    // Takes a place the stack holds; any other is refused with an "Error"
    // box and changes nothing.
    bool SetLayerPosition(int layerNr, double layerpos);
    // The place at a scroll position.
    void ScrollPosition(int position);
    QString LabelText() const;

    // The component drawn as profile, or -1 when no group holds a
    // selection: the s group's wins when both do.
    int ProfileComponent() const;
    const veltrane::LayerTable& Table() const { return table_; }
    // Depth and value ranges as drawn: each profile over its own samples.
    veltrane::ViewScale Scale(int width, int height) const;

private:
    void ShowPlace();
    // Absolute depth of the chosen place.
    double PlaceDepth() const;

    QPointer<TPaintBox> box_;
    QPointer<QLabel> label_;
    const TEWaveList& eh1_;
    const TEWaveList& eh2_;
    QPointer<QScrollBar> bar_;
    QPointer<TEnableRadioGroup> groupP_, groupS_;
    std::uint8_t option_ = 1;
    veltrane::LayerTable table_;
};
