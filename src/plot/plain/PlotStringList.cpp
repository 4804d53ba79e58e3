#include "plot/plain/PlotStringList.h"

void TPlotStringList::Add(const std::string& line)
{
    lines_.push_back(line);
    Changed();
}

void TPlotStringList::Clear()
{
    lines_.clear();
    Changed();
}

void TPlotStringList::Assign(const TPlotStringList& o)
{
    if (&o == this)
        return;
    lines_ = o.lines_;
    Changed();
}

void TPlotStringList::Assign(const std::vector<std::string>& lines)
{
    lines_ = lines;
    Changed();
}
