#include "plot/plain/TextWrap.h"

namespace {

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

void WrapText(std::string_view text, int width, const TTextMeasure& m, const TPlotFont& font,
              std::vector<std::string>& out)
{
    if (m.TextWidth(font, text) <= width) {
        out.emplace_back(text);
        return;
    }
    // Where each character starts, and the end: lines break there only.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!continuation(text[i]))
            starts.push_back(i);
    starts.push_back(text.size());

    std::size_t first = 0;  // index into starts of the line's first character
    while (starts[first] < text.size()) {
        const std::string_view rest = text.substr(starts[first]);
        // The most characters that fit, at least one: widths grow with the
        // length, so a binary search finds them.
        std::size_t lo = first + 1, hi = starts.size() - 1;
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo + 1) / 2;
            if (m.TextWidth(font, text.substr(starts[first], starts[mid] - starts[first])) <= width)
                lo = mid;
            else
                hi = mid - 1;
        }
        std::size_t end = lo, next = lo;
        if (starts[end] < text.size() && text[starts[end]] != ' ') {
            // Back to the last blank inside the line, where one keeps
            // something before it.
            for (std::size_t k = end; k > first + 1; --k)
                if (text[starts[k - 1]] == ' ') {
                    end = k - 1;
                    next = k;
                    break;
                }
        }
        while (end > first + 1 && text[starts[end - 1]] == ' ')
            --end;
        while (starts[next] < text.size() && text[starts[next]] == ' ')
            ++next;
        out.emplace_back(rest.substr(0, starts[end] - starts[first]));
        first = next;
    }
}
