#include <gtest/gtest.h>

#include "document/NoValue.h"
#include "gui/main/plain/MainPlotTexts.h"

using namespace veltrane::mainplot;

TEST(MainPlotTexts, AxisAndLegendTitles)
{
    EXPECT_EQ(XAxisTitle(pkTheta, 2, 0), "Theta/[°]");
    EXPECT_EQ(XAxisTitle(pkThickness, 3, 0), "Thickness/[nm] (L=3)");
    EXPECT_EQ(XAxisTitle(pkEpsXReal, 2, 1), "n-X (L=2)");
    EXPECT_EQ(XAxisTitle(pkNone, 2, 0), "");
    EXPECT_EQ(XAxisTitle(57, 2, 0), "");  // a damaged file's kind names nothing

    TCurveSet none, rp, psi, scan;
    rp.Include(ckRp);
    psi.Include(ckPsi);
    scan.Include(ckRps);
    EXPECT_EQ(Y1AxisTitle(none, none), "");
    EXPECT_EQ(Y1AxisTitle(rp, psi), "Ref-Koeff Psi ");
    EXPECT_EQ(Y1AxisTitle(none, scan), "Ref-Koeff ");

    EXPECT_EQ(LegendTitles(pkThickness, 4, 0), std::make_pair(std::string("Z=Thickness/[nm]"), std::string("(Layer_Nr=4)")));
    EXPECT_EQ(LegendTitles(pkPhi, 4, 0), std::make_pair(std::string("Z=Phi/[°]"), std::string()));
    EXPECT_EQ(LegendTitles(pkNone, 4, 0), std::make_pair(std::string(), std::string()));
    for (int odd : {-1, pkElliptic + 1, 57})
        EXPECT_EQ(LegendTitles(odd, 4, 0), std::make_pair(std::string(), std::string())) << odd;
}

TEST(MainPlotTexts, CurveValuesAndGaps)
{
    TResPunkt p;
    p.Rp = 0.3;
    p.Rs = 0.4;
    p.Tp = 0.6;
    p.Ts = 0.8;
    p.Psi = NOVALUE;
    p.Delta = 120;
    p.valid = 1;
    EXPECT_DOUBLE_EQ(CurveValue(p, ckRps), 0.5);
    EXPECT_DOUBLE_EQ(CurveValue(p, ckTps), 1.0);
    // A Psi the computation could not give is a gap in a valid point.
    EXPECT_FALSE(CurvePointValid(p, ckPsi));
    EXPECT_TRUE(CurvePointValid(p, ckDelta));
    EXPECT_TRUE(CurvePointValid(p, ckRp));
    p.valid = 0;
    EXPECT_FALSE(CurvePointValid(p, ckRp));
}
