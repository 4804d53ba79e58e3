// How the field windows set up their runs from the document: start angles,
// point counts, the layer place and its scroll bar, and the scaling of the
// small views.
#include <gtest/gtest.h>

#include "document/Defaults.h"
#include "gui/fields/plain/EwaveSetup.h"
#include "gui/fields/plain/LayerPlace.h"
#include "gui/fields/plain/ViewScale.h"
#include "support/Stacks.h"

using namespace veltrane;

namespace {

TSimparameter demo(double from, double to)
{
    TSimparameter p = stacks::demo();
    stacks::thetaScan(p, from, to, 200);
    return p;
}

TEHOptionpara options()
{
    TEHOptionpara o;
    SetEHOptionDefaults(o);
    return o;
}

TEST(FieldSetup, StartAnglesOnATheta)
{
    EXPECT_DOUBLE_EQ(ewave::StartTheta(demo(10, 70)), 30.0);
    // Half the span of 60..70 is 5, outside the scan.
    EXPECT_DOUBLE_EQ(ewave::StartTheta(demo(60, 70)), 60.0);
    const AngleRange limits = ewave::StartLimits(demo(10, 70));
    EXPECT_DOUBLE_EQ(limits.from, 16.0);
    EXPECT_DOUBLE_EQ(limits.to, 64.0);
}

// A thickness scan from 0 to 100 nm says nothing about angles.
TEST(FieldSetup, StartAnglesWhenXIsNotTheta)
{
    TSimparameter p = stacks::demo();
    stacks::layerScan(p, pkThickness, 2, 0.0, 100.0, 200, 52.0);
    EXPECT_DOUBLE_EQ(ewave::StartTheta(p), 52.0);
    const AngleRange limits = ewave::StartLimits(p);
    EXPECT_DOUBLE_EQ(limits.from, 43.0);
    EXPECT_DOUBLE_EQ(limits.to, 61.0);
    EXPECT_DOUBLE_EQ(ThetaViewRange(p).to, 90.0);
    p.Theta = 88.0;
    EXPECT_DOUBLE_EQ(ewave::StartLimits(p).to, 90.0);
}

TEST(FieldSetup, PointCounts)
{
    TSimparameter p = demo(10, 70);
    TEHOptionpara o = options();
    o.Pktanz = 10;
    ewave::SetPointCounts(o, p);
    EXPECT_EQ(o.PktanzEff, 8);
    // Fewer than two per layer: the X point count.
    o.Pktanz = 5;
    ewave::SetPointCounts(o, p);
    EXPECT_EQ(o.Pktanz, 200);
    EXPECT_EQ(o.PktanzEff, 200);
    o.Pktanz = 150;
    ewave::RaisePktanz(o, p);
    EXPECT_EQ(o.Pktanz, 200);
    o.Pktanz = 300;
    ewave::RaisePktanz(o, p);
    EXPECT_EQ(o.Pktanz, 300);
    // A new document has no layers: nothing to divide.
    p.Layeranz = 0;
    ewave::SetPointCounts(o, p);
    EXPECT_EQ(o.PktanzEff, 0);
}

TEST(FieldSetup, StalePlaceStartsAgainInLayerOne)
{
    const TSimparameter p = demo(10, 70);
    TEHOptionpara o = options();
    ewave::InitLayerPlace(o, p);
    EXPECT_EQ(o.LayerNr, 1);
    EXPECT_DOUBLE_EQ(o.Layerpos, 25.0);
    o.LayerNr = 2;
    o.Layerpos = 4.0;
    ewave::InitLayerPlace(o, p);
    EXPECT_EQ(o.LayerNr, 2);
    EXPECT_DOUBLE_EQ(o.Layerpos, 4.0);
    // Kept from a document of eight layers, or beyond a thinner layer.
    for (auto [nr, pos] : {std::pair{7, 1.0}, std::pair{2, 6.0}, std::pair{-1, 0.0}}) {
        o.LayerNr = nr;
        o.Layerpos = pos;
        ewave::InitLayerPlace(o, p);
        EXPECT_EQ(o.LayerNr, 1) << nr;
        EXPECT_DOUBLE_EQ(o.Layerpos, 25.0) << nr;
    }
}

TEST(LayerPlace, ScrollPositionsAndPlacesAgree)
{
    const TSimparameter p = demo(10, 70);
    const LayerTable t = MakeLayerTable(p, options());
    EXPECT_DOUBLE_EQ(t.Total, 95.0);
    EXPECT_EQ(LayerScrollMax(t), 950);
    EXPECT_EQ(ScrollOfPlace(t, {1, 25.0}), 450);
    const LayerPlace place = PlaceOfScroll(t, 450);
    EXPECT_EQ(place.LayerNr, 1);
    EXPECT_DOUBLE_EQ(place.Layerpos, 25.0);
    EXPECT_EQ(PlaceOfScroll(t, 0).LayerNr, 0);
    EXPECT_EQ(PlaceOfScroll(t, 950).LayerNr, 3);
    EXPECT_DOUBLE_EQ(PlaceOfScroll(t, 950).Layerpos, 20.0);
}

// 1.9 + 4.8 + 0.3 nm in steps of 0.1: the last step lands a rounding beyond
// the sum of the layers.
TEST(LayerPlace, EveryScrollPositionIsAPlaceTheStackHolds)
{
    TSimparameter p = stacks::base(3);
    p.Dicke[1] = 4.8;
    TEHOptionpara o = options();
    o.d_1 = 1.9;
    o.d_n = 0.3;
    const LayerTable t = MakeLayerTable(p, o);
    for (int pos = 0; pos <= LayerScrollMax(t) + 1; ++pos)
        EXPECT_EQ(PlaceRefusal(t, PlaceOfScroll(t, pos), '.'), "") << pos;
    // Two half-spaces drawn with no depth at all.
    o.d_1 = o.d_n = 0.0;
    const LayerTable flat = MakeLayerTable(stacks::glassAir(), o);
    EXPECT_EQ(LayerScrollMax(flat), 0);
    EXPECT_EQ(ScrollOfPlace(flat, {1, 0.0}), 0);
    EXPECT_EQ(PlaceOfScroll(flat, 5).LayerNr, 0);
}

TEST(LayerPlace, RefusedPlaces)
{
    const LayerTable t = MakeLayerTable(demo(10, 70), options());
    EXPECT_EQ(PlaceRefusal(t, {2, 5.0}, '.'), "");
    EXPECT_EQ(PlaceRefusal(t, {1, 60.5}, ','), "wrong Layer-Position :60,5 nm at Layer-Nr:2 (max. 0-50 nm)");
    EXPECT_EQ(PlaceRefusal(t, {2, -1.0}, '.'), "wrong Layer-Position :-1 nm at Layer-Nr:3 (max. 0-5 nm)");
    EXPECT_EQ(PlaceRefusal(t, {4, 0.0}, '.'), "wrong Layer-Nr:5 (1-4)");
}

TEST(ViewScale, SingleValuesLieInTheMiddle)
{
    ViewRange x, y;
    x.Take(52.0);
    y.Take(0.5);
    y.Take(0.5);
    const ViewScale s(2, 2, 100, 80, x, y);
    EXPECT_EQ(s.Px(52.0), 52);
    EXPECT_EQ(s.Py(0.5), 42);
    EXPECT_TRUE(s.HoldsX(52.0));
    // No value at all: still a scale, nothing divides by zero.
    const ViewScale empty(2, 2, 100, 80, ViewRange{}, ViewRange{});
    EXPECT_EQ(empty.Px(0.0), 52);
}

TEST(FieldSetup, PlotTitles)
{
    EXPECT_EQ(ewave::PartText(ehSqrPhase), "|Field|\xC2\xB2-Phase[\xC2\xB0]");
    EXPECT_EQ(ewave::PartText(ehRealImag), "Real-Imag");
    EXPECT_EQ(ewave::ColumnTitle(ehHy, ehSqrPhase, false), "Hy |Field|\xC2\xB2");
    EXPECT_EQ(ewave::ColumnTitle(ehEx, ehRealImag, true), "Ex imag");
}

}  // namespace
