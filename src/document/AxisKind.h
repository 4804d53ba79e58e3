#pragma once
// The parameter kind (TParaKind) an axis scans, from the value its record
// stores: the X axis stores the kind minus one (0 is Theta), the Z axis the
// kind itself (0 is none). A file may hold any number there, the largest
// int included, so nobody computes with the stored value: every reader
// asks here, and the record keeps what the file held for the next save.

#include <cstdint>

#include "document/Records.h"

enum class AxisSlot { X, Z };

// A stored value that names no kind: it has no name, no layer and no
// quantity to set. The X axis always scans something, so its "none" is
// one of these too.
inline constexpr int NoParaKind = -1;

constexpr int AxisParaKind(AxisSlot slot, std::int32_t stored)
{
    if (slot == AxisSlot::X)
        return stored >= pkTheta - 1 && stored <= pkElliptic - 1 ? int(stored) + 1 : NoParaKind;
    return stored >= pkNone && stored <= pkElliptic ? int(stored) : NoParaKind;
}

constexpr int XAxisKind(const TSimparameter& p) { return AxisParaKind(AxisSlot::X, p.XAxis.Typ); }
constexpr int ZAxisKind(const TSimparameter& p) { return AxisParaKind(AxisSlot::Z, p.ZAxis.Typ); }
