#include "plot/plain/PlotColumns.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/Platform.h"

std::string TPlotColumns::RangeErrorText(const std::string& name, int index, int maxIndex)
{
    return "List-Range-Fehler\nTLinePlot . " + name + "\nvar Index=" + std::to_string(index) +
           "\nmax Index=" + std::to_string(maxIndex);
}

void TPlotColumns::ShowRangeError(const std::string& name, int index, int maxIndex) const
{
    std::string text = RangeErrorText(name, index, maxIndex);
    if (ShowListRangError)
        veltrane::showError("Error", text);
}

TDataCol* TPlotColumns::Col(int col, const char* name)
{
    return const_cast<TDataCol*>(std::as_const(*this).Col(col, name));
}

const TDataCol* TPlotColumns::Col(int col, const char* name) const
{
    if (col < 0 || col >= int(cols_.size())) {
        ShowRangeError(name, col, int(cols_.size()) - 1);
        return nullptr;
    }
    return &cols_[std::size_t(col)];
}

TDPunkt* TPlotColumns::Point(int col, int i, const char* nameN, const char* nameM)
{
    return const_cast<TDPunkt*>(std::as_const(*this).Point(col, i, nameN, nameM));
}

const TDPunkt* TPlotColumns::Point(int col, int i, const char* nameN, const char* nameM) const
{
    const TDataCol* c = Col(col, nameN);
    if (!c)
        return nullptr;
    if (i < 0 || i >= int(c->Points.size())) {
        ShowRangeError(nameM, i, int(c->Points.size()) - 1);
        return nullptr;
    }
    return &c->Points[std::size_t(i)];
}

int TPlotColumns::AddCol()
{
    cols_.emplace_back();
    ColumnsChanged();
    return int(cols_.size()) - 1;
}

void TPlotColumns::AddData(int col, double x, double y, bool valid)
{
    if (TDataCol* c = Col(col, "AddData")) {
        c->Points.push_back({x, y, valid});
        ColumnsChanged();
    }
}

TDataCol TPlotColumns::GetColrec(int col) const
{
    const TDataCol* c = Col(col, "GetColrec");
    return c ? *c : TDataCol{};
}

int TPlotColumns::GetPktanz(int col) const
{
    const TDataCol* c = Col(col, "GetPktAnz");
    return c ? int(c->Points.size()) : 0;
}

std::string TPlotColumns::GetColTitle(int col) const
{
    const TDataCol* c = Col(col, "GetColTitle");
    return c ? c->Title : std::string();
}

void TPlotColumns::SetColTitle(int col, const std::string& title)
{
    if (TDataCol* c = Col(col, "SetColTitle"))
        c->Title = title;
}

// Getters and setters of one style field, with the names the error shows.
#define VELTRANE_COLUMN_FIELD(Type, Field, Getter, Setter, GetName, SetName) \
    Type TPlotColumns::Getter(int col) const                               \
    {                                                                      \
        const TDataCol* c = Col(col, GetName);                             \
        return c ? c->Field : Type{};                                      \
    }                                                                      \
    void TPlotColumns::Setter(int col, Type v)                             \
    {                                                                      \
        if (TDataCol* c = Col(col, SetName))                               \
            c->Field = v;                                                  \
    }

VELTRANE_COLUMN_FIELD(bool, Linebreak, GetLinebreak, SetLinebreak, "GetLinebreak", "SetLinebreak")
VELTRANE_COLUMN_FIELD(bool, doLegend, GetdoLegend, SetdoLegend, "GetdoLegend", "SetdoLegend")
VELTRANE_COLUMN_FIELD(TSymbolArt, SymbolArt, GetSymbolArt, SetSymbolArt, "GetSymbolArt", "SetSymbolArt")
VELTRANE_COLUMN_FIELD(TPlotColor, SymbolColor, GetSymbolColor, SetSymbolColor, "GetSymbolColor", "SetSymbolColor")
VELTRANE_COLUMN_FIELD(std::int32_t, Symbolsize, GetSymbolsize, SetSymbolsize, "GetSymbolSize", "SetSymbolSize")
VELTRANE_COLUMN_FIELD(TLineArt, LineArt, GetLineArt, SetLineArt, "GetLineArt", "SetLineArt")
VELTRANE_COLUMN_FIELD(TPlotColor, LineColor, GetLineColor, SetLineColor, "GetlineColor", "SetlineColor")
VELTRANE_COLUMN_FIELD(TPlotArt, PlotArt, GetPlotArt, SetPlotArt, "GetPlotArt", "SetPlotArt")
VELTRANE_COLUMN_FIELD(bool, YAxistyp, GetYAxistyp, SetYAxistyp, "GetYAxisTyp", "SetYAxisTyp")
VELTRANE_COLUMN_FIELD(bool, doPlot, GetdoPlot, SetdoPlot, "GetdoPlot", "SetdoPlot")

#undef VELTRANE_COLUMN_FIELD

TDPunkt TPlotColumns::GetData(int col, int i) const
{
    const TDPunkt* p = Point(col, i, "GetData: [n]", "GetData: [m]");
    return p ? *p : TDPunkt{};
}

void TPlotColumns::SetData(int col, int i, double x, double y, bool valid)
{
    if (TDPunkt* p = Point(col, i, "SetData: [n]", "SetData: [m]")) {
        *p = {x, y, valid};
        ColumnsChanged();
    }
}

bool TPlotColumns::GetDataValid(int col, int i) const
{
    const TDPunkt* p = Point(col, i, "GetData: [n]", "GetData: [m]");
    return p ? p->valid : false;
}

void TPlotColumns::SetDataValid(int col, int i, bool valid)
{
    if (TDPunkt* p = Point(col, i, "SetData: [n]", "SetData: [m]")) {
        p->valid = valid;
        ColumnsChanged();
    }
}

void TPlotColumns::DeleteAllCol()
{
    cols_.clear();
    ColumnsChanged();
}

void TPlotColumns::DeleteCol(int col)
{
    if (Col(col, "DeleteCol")) {
        cols_.erase(cols_.begin() + col);
        ColumnsChanged();
    }
}

void TPlotColumns::DeleteColData(int col)
{
    if (TDataCol* c = Col(col, "deleteColData")) {
        c->Points.clear();
        ColumnsChanged();
    }
}

void TPlotColumns::DeleteData(int col, int i)
{
    if (Point(col, i, "deleteData: [n]", "deleteData: [m]")) {
        cols_[std::size_t(col)].Points.erase(cols_[std::size_t(col)].Points.begin() + i);
        ColumnsChanged();
    }
}

void TPlotColumns::SetProzentPunkte(int col, std::int32_t percent)
{
    if (TDataCol* c = Col(col, "SetProzentPunkte"))
        c->ProzentPunkte = std::clamp<std::int32_t>(percent, 0, 100);
}

std::int32_t TPlotColumns::GetProzentPunkte(int col) const
{
    const TDataCol* c = Col(col, "GetProzentPunkte");
    return c ? c->ProzentPunkte : 0;
}

// The style cycles take the style of the previous column one step on; the
// colour cycles leave out white (after aqua, and after white, comes black).
template <typename T>
void TPlotColumns::CycleFromPrevious(int col, const char* name, T TDataCol::*field, T last)
{
    if (col < 1) {
        ShowRangeError(name, col, int(cols_.size()) - 1);
        return;
    }
    if (TDataCol* c = Col(col, name)) {
        const T prev = cols_[std::size_t(col - 1)].*field;
        c->*field = prev >= last ? T(0) : T(prev + 1);
    }
}

void TPlotColumns::SetNextLineColor(int col) { CycleFromPrevious(col, "SetNextLineColor", &TDataCol::LineColor, pcAqua); }
void TPlotColumns::SetNextSymbolColor(int col)
{
    CycleFromPrevious(col, "SetNextSymbolColor", &TDataCol::SymbolColor, pcAqua);
}
void TPlotColumns::SetNextLineArt(int col) { CycleFromPrevious(col, "SetNextLineArt", &TDataCol::LineArt, laDashDotDot); }
void TPlotColumns::SetNextSymbolArt(int col) { CycleFromPrevious(col, "SetNextSymbolArt", &TDataCol::SymbolArt, saStar); }

bool TPlotColumns::minmax(int kind, double& min, double margin, double& max) const
{
    min = max = 0.0;
    bool found = false;
    for (const TDataCol& c : cols_) {
        if (!c.doPlot || (kind == 2 && c.YAxistyp) || (kind == 3 && !c.YAxistyp))
            continue;
        for (const TDPunkt& p : c.Points) {
            const double v = kind == 1 ? p.x : p.y;
            if (!std::isfinite(v))
                continue;
            if (!found) {
                min = max = v;
                found = true;
            } else if (v < min) {
                min = v;
            } else if (v > max) {
                max = v;
            }
        }
    }
    if (found && min == max && margin != 0.0) {
        min -= margin;
        max += margin;
    }
    return found;
}
