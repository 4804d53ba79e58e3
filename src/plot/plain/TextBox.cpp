#include "plot/plain/TextBox.h"

#include <algorithm>

#include "plot/plain/Legend.h"

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
                             const TPlotFont& bold)
{
    TTextBoxLayout lo;
    int line = 0;
    auto add = [&](const TPlotStringList& list, bool isBold) {
        for (const std::string& s : list.Lines()) {
            lo.Width = std::max(lo.Width, m.TextWidth(isBold ? bold : regular, s) + 10);
            lo.Lines.push_back({s, isBold, LegendLinePitch * line});
            ++line;
        }
    };
    add(box.Title(), true);
    add(box.Text1(), false);
    add(box.Text2(), false);
    lo.Height = LegendLinePitch * line;
    if (box.Titleanz() > 0)
        lo.Separators.push_back(LegendLinePitch * box.Titleanz());
    if (box.Text2anz() > 0)
        lo.Separators.push_back(LegendLinePitch * (box.Titleanz() + box.Text1anz()));
    return lo;
}
