#include "gui/simulation/plain/LayerRows.h"

#include <algorithm>
#include <cassert>

using Riedit::NADN;

double& RowValue(TSchichtparameter& row, int column)
{
    switch (column) {
    case rcDicke: return row.Dicke;
    case rcEpsXR: return row.EpsXR;
    case rcEpsXI: return row.EpsXI;
    case rcEpsYR: return row.EpsYR;
    case rcEpsYI: return row.EpsYI;
    case rcEpsZR: return row.EpsZR;
    default: assert(column == rcEpsZI); return row.EpsZI;
    }
}

double RowValue(const TSchichtparameter& row, int column)
{
    return RowValue(const_cast<TSchichtparameter&>(row), column);
}

bool RowHoldsValue(const TSchichtparameter& row)
{
    if (row.Dicke != NADN || row.EpsXR != NADN || row.EpsXI != NADN)
        return true;
    return row.Aniso && (row.EpsYR != NADN || row.EpsYI != NADN || row.EpsZR != NADN || row.EpsZI != NADN);
}

int RowsHoldingValues(const TLayerRows& rows)
{
    return int(std::count_if(rows.begin(), rows.end(), RowHoldsValue));
}

void RenameRows(TLayerRows& rows)
{
    for (int k = 0; k < MaxLayers; ++k)
        rows[std::size_t(k)].Name = std::to_string(k + 1);
}

void ClearFirstLayerLoss(TLayerRows& rows)
{
    rows[0].EpsXI = 0.0;
    rows[0].EpsYI = 0.0;
    rows[0].EpsZI = 0.0;
}

void ApplyLayerOperation(TLayerRows& rows, int code, int a, int b)
{
    const auto inRange = [](int k) { return k >= 0 && k < MaxLayers; };
    assert(inRange(a));
    if (!inRange(a))
        return;
    const auto at = [&rows](int k) { return rows.begin() + k; };
    switch (code) {
    case loExchange:
    case loMove:
    case loCopy:
        assert(inRange(b) && a != b);
        if (!inRange(b) || a == b)
            return;
        if (code == loExchange)
            std::swap(rows[std::size_t(a)], rows[std::size_t(b)]);
        else if (code == loCopy)
            rows[std::size_t(b)] = rows[std::size_t(a)];
        else if (a > b)
            std::rotate(at(b), at(a), at(a + 1));
        else
            std::rotate(at(a), at(a + 1), at(b));
        break;
    case loInsert:
        std::rotate(at(a), rows.end() - 1, rows.end());
        rows[std::size_t(a)] = TSchichtparameter{};
        break;
    case loDelete:
        std::rotate(at(a), at(a + 1), rows.end());
        rows.back() = TSchichtparameter{};
        break;
    default:
        assert(false && "unknown layer operation");
    }
}

bool RowEditEnabled(int layer, bool aniso, int column)
{
    const bool imaginary = column == rcEpsXI || column == rcEpsYI || column == rcEpsZI;
    if (layer == 0 && imaginary)
        return false;
    if (column >= rcEpsYR)
        return aniso;
    return true;
}
