// The curve kinds behind the fit window's data box.
#include <gtest/gtest.h>

#include "gui/fit/plain/FitDataKinds.h"

TEST(FitDataKinds, BoxIndexToKindWithTheEndsForStrayIndices)
{
    using veltrane::fit::DataKindOf;
    EXPECT_EQ(DataKindOf(2), ckRps);
    EXPECT_EQ(DataKindOf(3), ckPsi);  // the box skips the transmissions
    EXPECT_EQ(DataKindOf(4), ckDelta);
    EXPECT_EQ(DataKindOf(-1), ckRp);
    EXPECT_EQ(DataKindOf(6), ckDelta);  // not the document's kind 6, Psi
    EXPECT_STREQ(CurveKindName(DataKindOf(3)), "Psi");
}
