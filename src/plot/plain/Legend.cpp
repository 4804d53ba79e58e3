#include "plot/plain/Legend.h"

#include <algorithm>

#include "plot/plain/TextWrap.h"


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

namespace {

constexpr int TextIndent = 60;   // an entry's text, from the left of its column
constexpr int EntryExtra = 65;   // an entry is its text and this much wide
constexpr int ColumnGap = 10;    // between two columns of entries
// A column narrower than this many characters of text would break every
// word: the legend counts what it leaves out instead.
constexpr const char* NarrowestText = "MMMMMMMMMMMM";

int linesWidth(const std::vector<std::string>& lines, const TTextMeasure& m, const TPlotFont& font)
{
    int w = 0;
    for (const std::string& s : lines)
        w = std::max(w, m.TextWidth(font, s));
    return w;
}

std::string moreText(std::size_t left) { return "... " + std::to_string(left) + " more"; }

// Puts the entries into columns of `rows` lines at most, in order, with
// their texts wrapped at `textWidth`; false where they need more than
// `columns` columns. With `count` set, as many as fit go in and the line
// that counts the others is added.
bool flow(TLegendLayout& lo, int firstRow, int rows, int columns, int textWidth, bool count, const TTextMeasure& m,
          const TPlotFont& regular)
{
    lo.More.clear();
    std::vector<int> widths(1, 0);
    int column = 0, row = 0, deepest = 0;
    std::size_t placed = 0;
    for (TLegendEntry& e : lo.Entries) {
        e.Lines.clear();
        WrapText(e.Text, textWidth, m, regular, e.Lines);
        const int h = int(e.Lines.size());
        if (row > 0 && row + h > rows) {
            ++column;
            row = 0;
        }
        // The entry fits, and so does the count line when entries follow.
        const int freeAfter = (columns - 1 - column) * rows + (rows - row - h);
        const bool last = placed + 1 == lo.Entries.size();
        if (column >= columns || h > rows || (count && !last && freeAfter < 1)) {
            if (!count)
                return false;
            break;
        }
        if (column >= int(widths.size()))
            widths.push_back(0);
        e.Y = row;
        e.X = column;
        widths[std::size_t(column)] = std::max(widths[std::size_t(column)], linesWidth(e.Lines, m, regular) + EntryExtra);
        row += h;
        deepest = std::max(deepest, row);
        ++placed;
    }
    if (placed < lo.Entries.size()) {
        if (row >= rows) {
            ++column;
            row = 0;
        }
        if (column >= int(widths.size()))
            widths.push_back(0);
        const std::string text = moreText(lo.Entries.size() - placed);
        lo.More.push_back({text, false, column, row});
        widths[std::size_t(column)] = std::max(widths[std::size_t(column)], m.TextWidth(regular, text) + EntryExtra);
        deepest = std::max(deepest, row + 1);
        lo.Entries.resize(placed);
    }
    // Rows and column numbers to pixels.
    std::vector<int> lefts(widths.size(), 0);
    for (std::size_t k = 1; k < widths.size(); ++k)
        lefts[k] = lefts[k - 1] + widths[k - 1] + ColumnGap;
    for (TLegendEntry& e : lo.Entries) {
        e.X = lefts[std::size_t(e.X)];
        e.Y = LegendLinePitch * (firstRow + e.Y);
    }
    for (TLegendText& t : lo.More) {
        t.X = lefts[std::size_t(t.X)] + TextIndent;
        t.Y = LegendLinePitch * (firstRow + t.Y);
    }
    lo.Width = std::max(lo.Width, lefts.back() + widths.back());
    lo.Height = LegendLinePitch * (firstRow + deepest) + 5;
    return true;
}

}  // namespace

TLegendLayout LayoutLegend(const TLegend& legend, const std::vector<TDataCol>& cols, const TTextMeasure& m,
                           const TPlotFont& regular, const TPlotFont& bold, TBoxLimit limit)
{
    TLegendLayout lo;
    int line = 0;
    std::vector<std::string> parts;
    for (const std::string* title : {&legend.Title1(), &legend.Title2()}) {
        if (title->empty())
            continue;
        parts.clear();
        WrapText(*title, limit.Width - 10, m, bold, parts);
        for (const std::string& part : parts) {
            lo.Width = std::max(lo.Width, m.TextWidth(bold, part) + 10);
            lo.Titles.push_back({part, true, 5, LegendLinePitch * line});
            ++line;
        }
    }
    lo.TitleLines = line;
    if (cols.empty())
        return lo;
    lo.Drawn = true;
    int widest = 0;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const TDataCol& c = cols[i];
        if (!c.doLegend || !c.doPlot)
            continue;
        TLegendEntry e;
        e.Col = int(i);
        e.Text = c.Title.empty() ? "Col" + std::to_string(i) : c.Title;
        e.LineSample = c.PlotArt != paSymbol;
        e.Symbol = c.PlotArt != paLine;
        e.ArrowRight = c.YAxistyp;
        e.ArrowColor = ConvertPlotcolor(c.PlotArt == paSymbol ? c.SymbolColor : c.LineColor);
        widest = std::max(widest, m.TextWidth(regular, e.Text) + EntryExtra);
        lo.Entries.push_back(std::move(e));
    }
    lo.Separator = !lo.Entries.empty();
    const int entries = int(lo.Entries.size());
    const TBoxSize whole{std::max(lo.Width, widest), LegendLinePitch * (line + entries) + 5};
    if (limit.Holds(whole)) {
        for (int k = 0; k < entries; ++k) {
            TLegendEntry& e = lo.Entries[std::size_t(k)];
            e.Lines.assign(1, e.Text);
            e.Y = LegendLinePitch * (line + k);
        }
        lo.Width = whole.Width;
        lo.Height = whole.Height;
        return lo;
    }
    // Too wide or too long for the room: the fewest columns that hold
    // every entry, each entry wrapped to its column's width.
    const int rows = std::max(1, (limit.Height - 5) / LegendLinePitch - line);
    const int narrowest = m.TextWidth(regular, NarrowestText);
    const int titlesWidth = lo.Width;
    int columns = 1;
    for (int k = 1; k <= entries; ++k) {
        const int text = (limit.Width - (k - 1) * ColumnGap) / k - EntryExtra;
        if (k > 1 && text < narrowest)
            break;
        columns = k;
        lo.Width = titlesWidth;
        if (flow(lo, line, rows, k, std::max(text, narrowest), false, m, regular))
            return lo;
    }
    lo.Width = titlesWidth;
    const int text = (limit.Width - (columns - 1) * ColumnGap) / columns - EntryExtra;
    flow(lo, line, rows, columns, std::max(text, narrowest), true, m, regular);
    return lo;
}

TBoxShape ShapeOf(const TLegendLayout& lo)
{
    if (!lo.Drawn)
        return {};
    int lines = int(lo.Titles.size() + lo.More.size());
    for (const TLegendEntry& e : lo.Entries)
        lines += int(e.Lines.size());
    return {{lo.Width, lo.Height}, lines, lo.More.empty()};
}
