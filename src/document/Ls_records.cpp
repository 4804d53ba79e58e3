// The curve and scan records of the document file. Every version lays out
// their points alike; the scan record differs only in the form of its kind
// and in the visible flag (TScanForm).

#include <climits>

#include "document/Ls_basis.h"
#include "platform/StreamError.h"

namespace {

// Smallest file form of each repeated item: a damaged count is refused
// before anything is allocated for it.
constexpr std::size_t kCurveMinBytes = 5 + 8 + 4;  // title, Z value, point count
constexpr std::size_t kResPunktBytes = 7 * 8 + 1;
constexpr std::size_t kScanPunktBytes = 2 * 8;

std::size_t scanMinBytes(TScanForm form)
{
    // Factors, kind, name, path, visible flag, point count.
    return form == TScanForm::V200 ? 8 + 8 + 1 + 5 + 5 + 4 : 8 + 8 + 8 + 5 + 5 + 1 + 4;
}

std::int32_t countOf(std::size_t n)
{
    if (n > std::size_t(INT32_MAX))
        throw veltrane::EStreamError("Write error: too many items for the document file.");
    return std::int32_t(n);
}

// A count, then the items, each with its number from 1; reading appends.
template <typename List, typename RWItem>
void rwList(TLS_Basis& a, List& list, std::size_t minItemBytes, const char* what, int dir, RWItem rwItem)
{
    std::int32_t n = dir == DirRead ? 0 : countOf(list.size());
    a.RWInt(n, dir);
    if (dir == DirRead) {
        a.CheckCount(n, minItemBytes, what);
        list.reserve(list.size() + std::size_t(n));
        for (std::int32_t i = 0; i < n; ++i)
            rwItem(list.emplace_back(), i + 1);
    } else {
        int number = 0;
        for (auto& item : list)
            rwItem(item, ++number);
    }
}

}  // namespace

void TLS_Basis::RWResColList(TResColList& list, int dir)
{
    rwList(*this, list, kCurveMinBytes, "curves", dir, [&](TResColrec& c, int number) { RWResColrec(c, number, dir); });
}

void TLS_Basis::RWResColrec(TResColrec& c, int number, int dir)
{
    RWString(c.Title, {"Curve", number, "title"}, dir);
    RWDouble(c.Zvalue, dir);
    rwList(*this, c.Points, kResPunktBytes, "points", dir, [&](TResPunkt& p, int) { RWResPunkt(p, dir); });
}

void TLS_Basis::RWResPunkt(TResPunkt& p, int dir)
{
    RWDouble(p.x, dir);
    RWDouble(p.Rp, dir);
    RWDouble(p.Tp, dir);
    RWDouble(p.Rs, dir);
    RWDouble(p.Ts, dir);
    RWDouble(p.Psi, dir);
    RWDouble(p.Delta, dir);
    RWBool(p.valid, dir);
}

void TLS_Basis::RWScanColList(TScanColList& list, TScanForm form, int dir)
{
    rwList(*this, list, scanMinBytes(form), "scans", dir,
           [&](TScanColrec& s, int number) { RWScanColrec(s, form, number, dir); });
}

void TLS_Basis::RWScanColrec(TScanColrec& s, TScanForm form, int number, int dir)
{
    RWDouble(s.Scalefactor, dir);
    RWDouble(s.Shiftfactor, dir);
    if (form == TScanForm::V200)
        RWEnumByte(s.Kind, dir);
    else
        RWEnumBlock(s.Kind, dir);
    RWString(s.Name, {"Scan", number, "name"}, dir);
    RWString(s.Path, {"Scan", number, "path"}, dir);
    if (form != TScanForm::V200)
        RWBool(s.Visible, dir);
    RWScanPoints(s, dir);
}

void TLS_Basis::RWScanPoints(TScanColrec& s, int dir)
{
    rwList(*this, s.Points, kScanPunktBytes, "scan points", dir, [&](TScanPunkt& p, int) { RWScanPunkt(p, dir); });
}

void TLS_Basis::RWScanPunkt(TScanPunkt& p, int dir)
{
    RWDouble(p.x, dir);
    RWDouble(p.y, dir);
}
