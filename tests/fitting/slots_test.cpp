#include <gtest/gtest.h>

#include <vector>

#include "FitTestSupport.h"

TEST(RoundToStep, OneDecimalBelowTheStep)
{
    struct Case {
        double step, value, expected;
    };
    const std::vector<Case> cases = {
        {0.001, 1.23456, 1.2346},
        {0.1, -2.349, -2.35},
        {0.1, 2.349, 2.35},
        {5, 7.26, 7.3},
        {0.25, 1.23456, 1.235},
        {50, 1234.5, 1235},    // e = 2, d = 1: unit 10 / 10
        {50, -1234.5, -1235},  // halves away from zero
        {0.001, 0.00004, 0.0},
        {0, 1.23456, 1.23456},  // no step: unchanged
    };
    for (const Case& c : cases)
        EXPECT_NEAR(TSimulationiter::RoundToStep(c.step, c.value), c.expected, 1e-12)
            << c.step << " " << c.value;
}

TEST(ParamSlots, BuiltFromTheParameterCopy)
{
    FitFixture f;
    TSimparameter& p = f.fit.Parameter;
    p.Layeranz = 3;
    p.Aniso[1] = 1;
    p.Dicke = {0, 50, 0};
    p.Eps[0].epsX = {2.25, 0};
    p.Eps[1] = {{-12.1, 1.3}, {-11, 1}, {-10, 0.5}};
    p.Eps[2].epsX = {1.0, 0};
    f.fit.ParamSlots[100].marked = 1;
    f.fit.BuildSlots();

    std::vector<int> enabled;
    for (int s = 0; s < TSimulationiter::SlotCount; ++s)
        if (f.fit.ParamSlots[std::size_t(s)].enabled)
            enabled.push_back(s);
    // Layer 0: eps X real only; layer 1: all seven; layer 2: eps X only.
    EXPECT_EQ(enabled, (std::vector<int>{1, 7, 8, 9, 10, 11, 12, 13, 15, 16}));
    EXPECT_EQ(f.fit.ParamSlots[1].value, 2.25);
    EXPECT_EQ(f.fit.ParamSlots[7].value, 50);
    EXPECT_EQ(f.fit.ParamSlots[12].value, -10);
    EXPECT_EQ(f.fit.ParamSlots[13].value, 0.5);
    EXPECT_EQ(f.fit.ParamSlots[14].value, 0);
    EXPECT_FALSE(f.fit.ParamSlots[100].marked);
}

TEST(ParamSlots, StepsAndVertices)
{
    FitFixture f;
    f.options.Dickestep = 0.1;
    f.options.Epsrealstep = 0.01;
    f.options.Epsimagstep = 0.001;

    f.fit.ParamCount = 3;
    f.fit.ParamIndex = {7, 10, 13};  // layer 1: thickness, eps Y real, eps Z imaginary
    f.fit.FitLeft = 40;
    f.fit.FitRight = 60;
    f.fit.Parameter.XAxis.Typ = 3;
    f.fit.Parameter.ZAxis.Typ = 2;
    const double v[] = {2.345678, -12.34567, 0.123456};

    f.fit.ApplyVertex(v, false);
    const TSimparameter& p = f.fit.Parameter;
    EXPECT_EQ(p.Dicke[1], v[0]);
    EXPECT_EQ(p.Eps[1].epsY.real(), v[1]);
    EXPECT_EQ(p.Eps[1].epsZ.imag(), v[2]);
    EXPECT_NEAR(f.fit.ParamSlots[7].value, 2.35, 1e-12);
    EXPECT_NEAR(f.fit.ParamSlots[10].value, -12.346, 1e-12);
    EXPECT_NEAR(f.fit.ParamSlots[13].value, 0.1235, 1e-12);
    EXPECT_EQ(p.XAxis.Typ, 0);
    EXPECT_EQ(p.XAxis.von, 40);
    EXPECT_EQ(p.XAxis.bis, 60);
    EXPECT_EQ(p.ZAxis.Typ, 0);

    f.fit.ApplyVertex(v, true);
    EXPECT_NEAR(p.Dicke[1], 2.35, 1e-12);
    EXPECT_NEAR(p.Eps[1].epsY.real(), -12.346, 1e-12);
    EXPECT_NEAR(p.Eps[1].epsZ.imag(), 0.1235, 1e-12);
}
