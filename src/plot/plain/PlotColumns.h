#pragma once
// The data columns of a line plot and the interface through which hosts
// fill and style them. Every index is checked; a bad one is reported as a
// list-range error (shown only while ShowListRangError is set) and the
// operation does nothing. Nothing here repaints: the host repaints after a
// batch of changes. A change of points or columns is announced through
// ColumnsChanged.

#include <cstdint>
#include <string>
#include <vector>

#include "plot/plain/Linedef.h"

class TPlotColumns {
public:
    virtual ~TPlotColumns() = default;
    bool ShowListRangError = false;

    int AddCol();
    void AddData(int col, double x, double y, bool valid);
    TDataCol GetColrec(int col) const;
    int GetPktanz(int col) const;
    int GetColanz() const { return int(cols_.size()); }
    std::string GetColTitle(int col) const;
    void SetColTitle(int col, const std::string& title);
    bool GetLinebreak(int col) const;
    void SetLinebreak(int col, bool v);
    bool GetdoLegend(int col) const;
    void SetdoLegend(int col, bool v);
    TDPunkt GetData(int col, int i) const;
    void SetData(int col, int i, double x, double y, bool valid);
    bool GetDataValid(int col, int i) const;
    void SetDataValid(int col, int i, bool valid);
    void DeleteAllCol();
    void DeleteCol(int col);
    void DeleteColData(int col);
    void DeleteData(int col, int i);
    void SetProzentPunkte(int col, std::int32_t percent);
    std::int32_t GetProzentPunkte(int col) const;
    void SetSymbolArt(int col, TSymbolArt v);
    TSymbolArt GetSymbolArt(int col) const;
    void SetSymbolColor(int col, TPlotColor v);
    TPlotColor GetSymbolColor(int col) const;
    void SetSymbolsize(int col, std::int32_t v);
    std::int32_t GetSymbolsize(int col) const;
    void SetLineArt(int col, TLineArt v);
    TLineArt GetLineArt(int col) const;
    void SetLineColor(int col, TPlotColor v);
    TPlotColor GetLineColor(int col) const;
    void SetNextLineColor(int col);
    void SetNextLineArt(int col);
    void SetNextSymbolColor(int col);
    void SetNextSymbolArt(int col);
    void SetPlotArt(int col, TPlotArt v);
    TPlotArt GetPlotArt(int col) const;
    void SetYAxistyp(int col, bool y2);
    bool GetYAxistyp(int col) const;
    void SetdoPlot(int col, bool v);
    bool GetdoPlot(int col) const;

    // The range of the drawn data: kind 1 the X values of every column with
    // doPlot set, 2 the Y values of those of the left axis, 3 of the right
    // axis. Invalid points count too; values that are not finite cannot be
    // placed on an axis and do not. False when there is no value (min = max
    // = 0); a range of a single value is widened by margin on both sides.
    bool minmax(int kind, double& min, double margin, double& max) const;

    // The columns for painting and the legend.
    const std::vector<TDataCol>& Columns() const { return cols_; }

    // "List-Range-Fehler\nTLinePlot . <name>\nvar Index=<i>\nmax Index=<max>"
    static std::string RangeErrorText(const std::string& name, int index, int maxIndex);

protected:
    // Called after columns or points were added, changed or deleted.
    virtual void ColumnsChanged() {}
    void ShowRangeError(const std::string& name, int index, int maxIndex) const;

private:
    // Gives column col the style after that of column col - 1 (col >= 1).
    template <typename T>
    void CycleFromPrevious(int col, const char* name, T TDataCol::*field, T last);
    TDataCol* Col(int col, const char* name);
    const TDataCol* Col(int col, const char* name) const;
    TDPunkt* Point(int col, int i, const char* nameN, const char* nameM);
    const TDPunkt* Point(int col, int i, const char* nameN, const char* nameM) const;

    std::vector<TDataCol> cols_;
};
