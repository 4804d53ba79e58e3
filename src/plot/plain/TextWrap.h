#pragma once
// Long lines of a box broken into lines no wider than the box may be: after
// a blank where the line has one, else between two characters (a file name
// has no blanks). Every character but the blanks at a break is kept, so a
// wrapped text reads whole.

#include <string>
#include <string_view>
#include <vector>

#include "plot/plain/PlotTypes.h"

// Appends the lines of text to out; one line when it fits `width` pixels.
// A line holds at least one character, even where that is wider.
void WrapText(std::string_view text, int width, const TTextMeasure& m, const TPlotFont& font,
              std::vector<std::string>& out);
