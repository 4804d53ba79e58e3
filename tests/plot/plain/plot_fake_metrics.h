#pragma once
// Text metrics for layout tests: every font 15 pixels high, 8 pixels per
// character.

#include <string_view>

#include "plot/plain/PlotTypes.h"
#include "platform/Utf8.h"

struct FixedMetrics : TTextMeasure {
    int TextWidth(const TPlotFont&, std::string_view text) const override
    {
        return 8 * int(veltrane::utf8Length(text));
    }
    int TextHeight(const TPlotFont&, std::string_view) const override { return 15; }
};
