#include "plot/plain/TextBox.h"

#include <algorithm>

#include "plot/plain/Legend.h"
#include "plot/plain/TextWrap.h"

TTextBox::TTextBox(int number) : Left_(number == 1 ? 250 : 200), Top_(number == 1 ? 70 : 200) {}

void TTextBox::Changed()
{
    if (OnValueChange_)
        OnValueChange_(*this);
}

void TTextBox::Setvisible(bool v)
{
    if (Visible_ != v) { Visible_ = v; Changed(); }
}
void TTextBox::SetLeft(std::int32_t v)
{
    if (Left_ != v) { Left_ = v; Changed(); }
}
void TTextBox::SetTop(std::int32_t v)
{
    if (Top_ != v) { Top_ = v; Changed(); }
}

void TTextBox::ClearAll()
{
    Title_.Clear();
    Text1_.Clear();
    Text2_.Clear();
}

void TTextBox::SetOnValueChange(std::function<void(TTextBox&)> handler)
{
    OnValueChange_ = std::move(handler);
    auto notify = [this] { Changed(); };
    Title_.OnChange = notify;
    Text1_.OnChange = notify;
    Text2_.OnChange = notify;
}

void TTextBox::Assign(const TTextBox& o)
{
    if (&o == this)
        return;
    Visible_ = o.Visible_;
    Left_ = o.Left_;
    Top_ = o.Top_;
    Title_.Assign(o.Title_);
    Text1_.Assign(o.Text1_);
    Text2_.Assign(o.Text2_);
}

TTextBoxLayout LayoutTextBox(const TTextBox& box, const TTextMeasure& m, const TPlotFont& regular,
                             const TPlotFont& bold, TBoxLimit limit)
{
    TTextBoxLayout lo;
    int line = 0;
    std::vector<std::string> parts;
    auto add = [&](const TPlotStringList& list, bool isBold) {
        const TPlotFont& font = isBold ? bold : regular;
        for (const std::string& s : list.Lines()) {
            parts.clear();
            WrapText(s, limit.Width - 10, m, font, parts);
            for (const std::string& part : parts) {
                lo.Width = std::max(lo.Width, m.TextWidth(font, part) + 10);
                lo.Lines.push_back({part, isBold, LegendLinePitch * line});
                ++line;
            }
        }
        return line;
    };
    const int titleEnd = add(box.Title(), true);
    const int text1End = add(box.Text1(), false);
    add(box.Text2(), false);
    // The glyphs of a line reach 13 pixels below its top: a frame at the
    // pitch itself would run through the descenders of the last line.
    lo.Height = line > 0 ? LegendLinePitch * line + DescentRoom : 0;
    if (box.Titleanz() > 0)
        lo.Separators.push_back(LegendLinePitch * titleEnd);
    if (box.Text2anz() > 0)
        lo.Separators.push_back(LegendLinePitch * text1End);
    return lo;
}
