#pragma once
// The size of a box a plot holds (legend, text box, note), and the most
// room a box may take: a box laid out within a limit wraps its long lines
// and, where it is a legend, sets its entries side by side, so that the
// whole box stands inside the plot area and no text is cut.

#include <limits>

struct TBoxSize {
    int Width = 0, Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
    bool operator==(const TBoxSize&) const = default;
};

struct TBoxLimit {
    int Width = std::numeric_limits<int>::max();
    int Height = std::numeric_limits<int>::max();
    bool Holds(TBoxSize s) const { return s.Width <= Width && s.Height <= Height; }
};

// A box as laid out within a limit: its size (empty when it is not on
// show), the lines of text it takes, and whether it holds all its text
// (a legend with too many entries for the room counts the rest instead).
struct TBoxShape {
    TBoxSize Size;
    int Lines = 0;
    bool Whole = true;
};
