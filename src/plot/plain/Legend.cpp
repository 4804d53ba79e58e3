#include "plot/plain/Legend.h"

#include <algorithm>


void TLegend::Changed()
{
    if (OnValueChange)
        OnValueChange(*this);
}

void TLegend::Setvisible(bool v)
{
    if (Visible_ != v) { Visible_ = v; Changed(); }
}
void TLegend::SetTitle1(const std::string& v)
{
    if (Title1_ != v) { Title1_ = v; Changed(); }
}
void TLegend::SetTitle2(const std::string& v)
{
    if (Title2_ != v) { Title2_ = v; Changed(); }
}
void TLegend::SetLeft(std::int32_t v)
{
    if (Left_ != v) { Left_ = v; Changed(); }
}
void TLegend::SetTop(std::int32_t v)
{
    if (Top_ != v) { Top_ = v; Changed(); }
}

void TLegend::Assign(const TLegend& o)
{
    if (&o == this)
        return;
    bool changed = Visible_ != o.Visible_ || Title1_ != o.Title1_ || Title2_ != o.Title2_ ||
                   Left_ != o.Left_ || Top_ != o.Top_;
    Visible_ = o.Visible_;
    Title1_ = o.Title1_;
    Title2_ = o.Title2_;
    Left_ = o.Left_;
    Top_ = o.Top_;
    if (changed)
        Changed();
}

TPlotFont LegendFont(bool bold, int pixelsPerInch)
{
    return TPlotFont{"Courier New", pixelsPerInch > 0 ? 960 / pixelsPerInch : 10, bold};
}

TLegendLayout LayoutLegend(const TLegend& legend, const std::vector<TDataCol>& cols, const TTextMeasure& m,
                           const TPlotFont& regular, const TPlotFont& bold)
{
    TLegendLayout lo;
    int line = 0;
    for (const std::string* title : {&legend.Title1(), &legend.Title2()}) {
        if (title->empty())
            continue;
        lo.Width = std::max(lo.Width, m.TextWidth(bold, *title) + 10);
        lo.Titles.push_back({*title, true, 5, LegendLinePitch * line});
        ++line;
    }
    lo.TitleLines = line;
    if (cols.empty())
        return lo;
    lo.Drawn = true;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const TDataCol& c = cols[i];
        if (!c.doLegend || !c.doPlot)
            continue;
        TLegendEntry e;
        e.Col = int(i);
        e.Text = c.Title.empty() ? "Col" + std::to_string(i) : c.Title;
        e.Y = LegendLinePitch * line;
        e.LineSample = c.PlotArt != paSymbol;
        e.Symbol = c.PlotArt != paLine;
        e.ArrowRight = c.YAxistyp;
        e.ArrowColor = ConvertPlotcolor(c.PlotArt == paSymbol ? c.SymbolColor : c.LineColor);
        lo.Width = std::max(lo.Width, m.TextWidth(regular, e.Text) + 65);
        lo.Entries.push_back(std::move(e));
        ++line;
    }
    lo.Height = LegendLinePitch * line + 5;
    lo.Separator = line != lo.TitleLines;
    return lo;
}
