#include "plot/plain/PlotNote.h"

#include <algorithm>

#include "plot/plain/TextWrap.h"

namespace {

constexpr int Pad = 8;  // from the frame to the text

}  // namespace

TNoteLayout LayoutNote(const std::vector<std::string>& lines, const TTextMeasure& m, const TPlotFont& font,
                       TBoxLimit limit)
{
    TNoteLayout lo;
    if (lines.empty())
        return lo;
    std::vector<std::string> parts;
    for (const std::string& line : lines)
        WrapText(line, limit.Width - 2 * Pad, m, font, parts);
    int width = 0;
    for (const std::string& s : parts)
        width = std::max(width, m.TextWidth(font, s));
    const int pitch = m.TextHeight(font, "E") + 2;
    for (std::size_t i = 0; i < parts.size(); ++i)
        lo.Lines.push_back({parts[i], Pad + (width - m.TextWidth(font, parts[i])) / 2, Pad + int(i) * pitch});
    lo.Width = width + 2 * Pad;
    lo.Height = pitch * int(parts.size()) + 2 * Pad;
    return lo;
}
