// The kind an axis scans, from what its record stores: the X axis stores
// the kind minus one, the Z axis the kind itself, and a damaged file any
// number at all.
#include <gtest/gtest.h>

#include <cstdint>

#include "document/AxisKind.h"

TEST(AxisKind, StoredValuesGiveTheirKindOrNone)
{
    struct Case {
        AxisSlot slot;
        std::int32_t stored;
        int kind;
    };
    const Case cases[] = {
        {AxisSlot::X, 0, pkTheta},           {AxisSlot::X, 1, pkThickness},
        {AxisSlot::X, 10, pkElliptic},       {AxisSlot::X, 11, NoParaKind},
        {AxisSlot::X, -1, NoParaKind},       {AxisSlot::X, INT32_MAX, NoParaKind},
        {AxisSlot::X, INT32_MIN, NoParaKind}, {AxisSlot::Z, 0, pkNone},
        {AxisSlot::Z, 1, pkTheta},           {AxisSlot::Z, 11, pkElliptic},
        {AxisSlot::Z, 12, NoParaKind},       {AxisSlot::Z, -1, NoParaKind},
        {AxisSlot::Z, INT32_MAX, NoParaKind}, {AxisSlot::Z, INT32_MIN, NoParaKind},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.slot == AxisSlot::X ? "X " : "Z ") << c.stored);
        EXPECT_EQ(AxisParaKind(c.slot, c.stored), c.kind);
        TSimparameter p;
        (c.slot == AxisSlot::X ? p.XAxis : p.ZAxis).Typ = c.stored;
        EXPECT_EQ(c.slot == AxisSlot::X ? XAxisKind(p) : ZAxisKind(p), c.kind);
    }
}
