#include "optics/ResColList.h"

#include <cmath>
#include <limits>

#include "document/AxisKind.h"

int ResColCount(const TSimparameter& para)
{
    const TSimAxispara& z = para.ZAxis;
    if (ZAxisKind(para) == pkNone)
        return 1;
    if (!z.FixedStep)
        return z.Pktanz;
    // The quotient of a range and its step is rarely exact: 2.7 / 0.3 is
    // 9.000000000000002, which must not add a curve past the end.
    const double n = std::ceil((z.bis - z.von) / z.Colstep + 1.0 - 1e-9);
    if (!(n >= 0.0))
        return 0;
    if (n > double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(n);
}

void CreateResColList(TResColList& list, const TSimparameter& para)
{
    const int columns = ResColCount(para);
    const int points = para.XAxis.Pktanz > 0 ? para.XAxis.Pktanz : 0;
    TResPunkt empty;
    empty.x = empty.Rp = empty.Tp = empty.Rs = empty.Ts = empty.Psi = empty.Delta = NOVALUE;
    empty.valid = 0;
    for (int k = 0; k < columns; ++k) {
        TResColrec col;
        col.Zvalue = NOVALUE;
        col.Points.assign(std::size_t(points), empty);
        list.push_back(std::move(col));
    }
}

void ClearResColList(TResColList& list) { list.clear(); }
