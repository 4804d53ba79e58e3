#pragma once
// The legend of a line plot: visibility, two title lines and its position,
// and the layout of its block (which columns it lists, where each line goes,
// how large the block is). Painting is the plot's.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/plain/BoxSize.h"
#include "plot/plain/Linedef.h"
#include "plot/plain/PlotTypes.h"

class TLegend {
public:
    std::function<void(TLegend&)> OnValueChange;

    bool Visible() const { return Visible_; }
    const std::string& Title1() const { return Title1_; }
    const std::string& Title2() const { return Title2_; }
    std::int32_t Left() const { return Left_; }
    std::int32_t Top() const { return Top_; }

    void Setvisible(bool v);
    void SetTitle1(const std::string& v);
    void SetTitle2(const std::string& v);
    void SetLeft(std::int32_t v);
    void SetTop(std::int32_t v);
    // Where the plot's own placement puts the legend while it composes its
    // picture: no change notification, the picture is being made.
    void Place(std::int32_t left, std::int32_t top)
    {
        Left_ = left;
        Top_ = top;
    }
    // Copies the settings (not the handler); notifies once on a change.
    void Assign(const TLegend& o);

private:
    void Changed();
    bool Visible_ = true;
    std::string Title1_;
    std::string Title2_;
    std::int32_t Left_ = 70;
    std::int32_t Top_ = 40;
};

// Line pitch of legend and text boxes, in pixels.
constexpr int LegendLinePitch = 14;
// Below the last line of a text box, so that its frame clears the lowest
// pixels of descenders and underscores.
constexpr int DescentRoom = 2;

struct TLegendText {
    std::string Text;
    bool Bold = false;
    int X = 0, Y = 0;
};

// One listed column. Its sample, symbol and arrow stand at the left of its
// column of the legend (X), its text 60 pixels further, one line below the
// other where it is wrapped.
struct TLegendEntry {
    int Col = 0;
    std::string Text;                // the whole title
    std::vector<std::string> Lines;  // as drawn
    int X = 0, Y = 0;
    bool LineSample = false;
    bool Symbol = false;
    bool ArrowRight = false;  // a column of the right axis
    TColor ArrowColor = clBlack;
};

struct TLegendLayout {
    bool Drawn = false;  // false: no columns, nothing is drawn
    int Width = 0, Height = 0;
    std::vector<TLegendText> Titles;
    std::vector<TLegendEntry> Entries;
    int TitleLines = 0;
    bool Separator = false;  // under the titles, when entries follow
    // Where the legend cannot list every column within its limit, the
    // line that says how many it leaves out.
    std::vector<TLegendText> More;
};

// The legend's block. Within the limit (the room the plot area gives it) a
// title or an entry too long for it is wrapped, and entries too many for
// one column go on in further columns side by side; what still does not
// fit is counted in a last line. Unlimited, one column as wide as the
// longest line.
TLegendLayout LayoutLegend(const TLegend& legend, const std::vector<TDataCol>& cols, const TTextMeasure& m,
                           const TPlotFont& regular, const TPlotFont& bold, TBoxLimit limit = {});

// The legend's shape for the placement; nothing drawn, nothing on show.
TBoxShape ShapeOf(const TLegendLayout& lo);

// The font of legend and text boxes: "Courier New" of 960 div pixels per inch.
TPlotFont LegendFont(bool bold, int pixelsPerInch = 96);
