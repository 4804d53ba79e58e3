#pragma once
// A free text box of a line plot: a bold title block and two text blocks,
// its position, and the layout of its framed block.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/plain/BoxSize.h"
#include "plot/plain/PlotStringList.h"
#include "plot/plain/PlotTypes.h"

class TTextBox {
public:
    // Box 1 starts at (250, 70), any other at (200, 200).
    explicit TTextBox(int number = 1);
    TTextBox(const TTextBox&) = delete;
    TTextBox& operator=(const TTextBox&) = delete;

    bool Visible() const { return Visible_; }
    std::int32_t Left() const { return Left_; }
    std::int32_t Top() const { return Top_; }
    // The blocks; hosts clear them and add lines directly.
    TPlotStringList& Title() { return Title_; }
    TPlotStringList& Text1() { return Text1_; }
    TPlotStringList& Text2() { return Text2_; }
    const TPlotStringList& Title() const { return Title_; }
    const TPlotStringList& Text1() const { return Text1_; }
    const TPlotStringList& Text2() const { return Text2_; }
    int Titleanz() const { return Title_.Count(); }
    int Text1anz() const { return Text1_.Count(); }
    int Text2anz() const { return Text2_.Count(); }

    void Setvisible(bool v);
    void SetLeft(std::int32_t v);
    void SetTop(std::int32_t v);
    // Where the plot's own placement puts the box while it composes its
    // picture: no change notification, the picture is being made.
    void Place(std::int32_t left, std::int32_t top)
    {
        Left_ = left;
        Top_ = top;
    }
    void SetTitle(const TPlotStringList& lines) { Title_.Assign(lines); }
    void SetText1(const TPlotStringList& lines) { Text1_.Assign(lines); }
    void SetText2(const TPlotStringList& lines) { Text2_.Assign(lines); }
    void ClearAll();
    // The handler of the box and of its three lists: any edit notifies.
    void SetOnValueChange(std::function<void(TTextBox&)> handler);
    // Copies visibility, position and lines (not the handler).
    void Assign(const TTextBox& o);

private:
    void Changed();
    std::function<void(TTextBox&)> OnValueChange_;
    bool Visible_ = true;
    TPlotStringList Title_, Text1_, Text2_;
    std::int32_t Left_, Top_;
};

struct TTextBoxLine {
    std::string Text;
    bool Bold = false;
    int Y = 0;
};

struct TTextBoxLayout {
    int Width = 0, Height = 0;
    std::vector<TTextBoxLine> Lines;
    std::vector<int> Separators;  // y of each separator line
};

// The box's block: its lines 14 pixels apart, a line too wide for the limit
// wrapped, and the frame one pixel clear of the last line's descenders.
TTextBoxLayout LayoutTextBox(const TTextBox& box, const TTextMeasure& m, const TPlotFont& regular,
                             const TPlotFont& bold, TBoxLimit limit = {});

inline TBoxShape ShapeOf(const TTextBoxLayout& lo) { return {{lo.Width, lo.Height}, int(lo.Lines.size()), true}; }
