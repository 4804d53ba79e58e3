#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "FitTestSupport.h"

namespace {

constexpr int ThickLayer1 = 7;     // layer 1, thickness
constexpr int EpsRealLayer1 = 8;   // layer 1, eps X real

double quadratic(std::span<const double> v)
{
    return (v[0] - 3.0) * (v[0] - 3.0) + 2.0 * (v[1] - 1.5) * (v[1] - 1.5);
}

// Marks the two parameters of layer 1 with start values (2, 1).
void markTwo(FitFixture& f)
{
    f.fit.Parameter.Layeranz = 3;
    f.fit.Parameter.Dicke[1] = 2.0;
    f.fit.Parameter.Eps[1].epsX = {1.0, 0.5};
    f.fit.ParamSlots[ThickLayer1].marked = 1;
    f.fit.ParamSlots[EpsRealLayer1].marked = 1;
}

std::vector<std::string> texts(const veltrane::ScriptedPlatform& p)
{
    std::vector<std::string> t;
    for (const auto& b : p.boxes)
        t.push_back(b.text);
    return t;
}

}  // namespace

TEST(Simplex, ConvergesOnAQuadraticBowl)
{
    FitFixture f;
    markTwo(f);
    FunctionObjective obj(quadratic);
    f.fit.SetObjective(&obj);
    f.options.Iteranz = 50;
    f.options.Itergrenz = 0.1;

    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::LimitReached);
    EXPECT_EQ(f.fit.IterNum, 8);
    EXPECT_EQ(texts(f.platform), std::vector<std::string>{"Iterationlimit reached"});
    EXPECT_EQ(obj.begins, 1);
    EXPECT_EQ(obj.ends, 1);
    // Vertex 0 is the best and the copy holds it rounded to the steps.
    for (int i = 1; i <= 2; ++i)
        EXPECT_LE(f.fit.y[0], f.fit.y[std::size_t(i)]);
    EXPECT_LT(f.fit.y[0], 0.1);
    EXPECT_NEAR(f.fit.Parameter.Dicke[1], TSimulationiter::RoundToStep(0.1, f.fit.p[0][0]), 1e-12);
    EXPECT_NEAR(f.fit.Parameter.Eps[1].epsX.real(), TSimulationiter::RoundToStep(0.001, f.fit.p[0][1]), 1e-12);
    EXPECT_EQ(f.fit.Parameter.Eps[1].epsX.imag(), 0.5);
    EXPECT_NEAR(f.fit.ParamSlots[ThickLayer1].value, f.fit.Parameter.Dicke[1], 1e-12);
    // One yield per iteration, the best vertex shown each time and at the end.
    EXPECT_EQ(f.host.iterNums.size(), 8u);
    EXPECT_EQ(f.host.vertexShown, 9);
}

TEST(Simplex, StartSimplexAndLabels)
{
    FitFixture f;
    markTwo(f);
    f.fit.Parameter.Dicke[1] = 0.0;  // a zero start value gets a step of its own
    f.platform.separator = ',';
    FunctionObjective obj(quadratic);
    f.fit.SetObjective(&obj);
    f.options.Iteranz = 1;

    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::IterationsDone);
    // No move: only the three start vertices were evaluated.
    ASSERT_EQ(obj.points.size(), 3u);
    EXPECT_EQ(obj.points[0], (std::vector<double>{0.0, 1.0}));
    EXPECT_EQ(obj.points[1], (std::vector<double>{TSimulationiter::ZeroStartStep(ThickLayer1), 1.0}));
    EXPECT_GT(obj.points[1][0], 0.0);
    EXPECT_NEAR(obj.points[2][1], 1.1, 1e-15);
    // With the 1 nm step f = 9.5, 4.5, 9.32: the best is vertex 1, the
    // worst vertex 0.
    EXPECT_EQ(f.host.iterNums, std::vector<std::string>{"1"});
    EXPECT_EQ(f.host.divergences, std::vector<std::string>{"7,0000E+00"});
    EXPECT_EQ(f.fit.p[0][0], 1.0);
    EXPECT_NEAR(f.fit.Parameter.Dicke[1], 1.0, 1e-12);
    EXPECT_NEAR(f.fit.Parameter.Eps[1].epsX.real(), 1.0, 1e-12);
    EXPECT_EQ(texts(f.platform), std::vector<std::string>{"Number of Iterations reached"});
}

TEST(Simplex, DivergenceLimitStopsAtTheFirstIteration)
{
    FitFixture f;
    markTwo(f);
    FunctionObjective obj(quadratic);
    f.fit.SetObjective(&obj);
    f.options.Iteranz = 1;
    f.options.Itergrenz = 100;
    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::LimitReached);
    EXPECT_EQ(obj.points.size(), 3u);
}

TEST(Simplex, DivergenceLimitZeroRunsToTheIterationLimit)
{
    FitFixture f;
    markTwo(f);
    FunctionObjective obj(quadratic);
    f.fit.SetObjective(&obj);
    f.options.Iteranz = 30;
    f.options.Itergrenz = 0;
    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::IterationsDone);
    EXPECT_EQ(f.fit.IterNum, 30);
    EXPECT_NEAR(f.fit.p[0][0], 3.0, 0.01);
    EXPECT_NEAR(f.fit.p[0][1], 1.5, 0.01);
}

TEST(Simplex, StopButton)
{
    FitFixture f;
    markTwo(f);
    FunctionObjective obj(quadratic);
    f.fit.SetObjective(&obj);
    f.options.Itergrenz = 0;
    f.run.onPass = [&](int pass) {
        if (pass == 3)
            f.fit.Stop();
    };
    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::Stopped);
    EXPECT_EQ(f.fit.IterNum, 3);
    EXPECT_EQ(texts(f.platform), std::vector<std::string>{"Iteration stopped"});
    EXPECT_FALSE(f.run.Active());
}

TEST(Simplex, NoFitStartsWhileAnotherRunIsActive)
{
    FitFixture f;
    markTwo(f);
    FunctionObjective obj(quadratic);
    f.fit.SetObjective(&obj);
    ASSERT_TRUE(f.run.Begin());
    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::NotRun);
    EXPECT_EQ(obj.begins, 0);
    EXPECT_TRUE(f.platform.boxes.empty());
    EXPECT_TRUE(f.run.Active());  // the other run goes on
    f.run.End();
    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::LimitReached);
    EXPECT_FALSE(f.run.Active());
}

TEST(Simplex, VertexOrder)
{
    struct Case {
        std::vector<double> y;
        int ilo, ihi, inhi;
    };
    const std::vector<Case> cases = {
        {{1, 1, 1}, 2, 1, 0},  // equal values: the last is the best
        {{3, 1, 2}, 1, 0, 2},
        {{1, 2, 3, 0}, 3, 2, 1},
        {{5, 4}, 1, 0, 1},
    };
    for (const Case& c : cases) {
        const TSimplexOrder o = TSimulationiter::OrderVertices(c.y.data(), int(c.y.size()));
        EXPECT_EQ(o.ilo, c.ilo);
        EXPECT_EQ(o.ihi, c.ihi);
        EXPECT_EQ(o.inhi, c.inhi);
    }
}

TEST(Simplex, MarkCounts)
{
    for (int marks : {0, 10, 11}) {
        FitFixture f;
        f.fit.Parameter.Layeranz = 4;
        for (int s = 0; s < marks; ++s) {
            f.fit.ParamSlots[std::size_t(7 + s)].marked = 1;
            TSimulationiter::SetSlotValue(f.fit.Parameter, 7 + s, 1.0 + s);
        }
        FunctionObjective obj([](std::span<const double> v) {
            double s = 0;
            for (std::size_t j = 0; j < v.size(); ++j)
                s += (v[j] - double(j)) * (v[j] - double(j));
            return s;
        });
        f.fit.SetObjective(&obj);
        f.options.Iteranz = 20;
        const int code = f.fit.Iteration();
        const auto t = texts(f.platform);
        ASSERT_EQ(t.size(), 1u) << marks;
        if (marks == 10) {
            EXPECT_EQ(code, TSimulationiter::IterationsDone);
            EXPECT_EQ(f.fit.ParamCount, 10);
            EXPECT_EQ(obj.points.front().size(), 10u);
            EXPECT_LT(f.fit.y[0], obj.f(obj.points.front()));
        } else {
            EXPECT_EQ(code, TSimulationiter::NotRun);
            EXPECT_EQ(t[0], marks == 0 ? "no layer parameter marked !" : "too many parameter marked (max 10)!");
            EXPECT_EQ(obj.begins, 0);
            EXPECT_TRUE(obj.points.empty());
        }
    }
}

TEST(Simplex, PsiAndDeltaRefusedWhereTheyHaveNoValue)
{
    struct Case {
        int datakind, iterart;
        bool scale;
        bool runs;
    };
    const std::vector<Case> cases = {
        {3, TSimulationiter::XMinimum, false, false},
        {4, TSimulationiter::XMinimum, false, false},
        {4, TSimulationiter::FullSpectrum, true, false},
        {3, TSimulationiter::FullSpectrum, false, true},
        {2, TSimulationiter::XMinimum, false, true},
    };
    for (const Case& c : cases) {
        FitFixture f;
        markTwo(f);
        FunctionObjective obj(quadratic);
        f.fit.SetObjective(&obj);
        f.options.Iteranz = 2;
        f.fit.Datakind = c.datakind;
        f.fit.Iterartgroup = c.iterart;
        f.fit.FitScale = c.scale;
        EXPECT_EQ(f.fit.Iteration() != TSimulationiter::NotRun, c.runs) << c.datakind;
        EXPECT_EQ(obj.begins, c.runs ? 1 : 0);
        ASSERT_EQ(f.platform.boxes.size(), 1u);
    }
}

TEST(Simplex, NoValueIsNeverAccepted)
{
    FitFixture f;
    markTwo(f);
    FunctionObjective obj([](std::span<const double> v) {
        return v[0] > 2.5 ? std::nan("") : quadratic(v);
    });
    f.fit.SetObjective(&obj);
    f.options.Itergrenz = 0;
    f.options.Iteranz = 40;
    f.fit.Iteration();
    EXPECT_LE(f.fit.p[0][0], 2.5);
    EXPECT_TRUE(std::isfinite(f.fit.y[0]));
    for (int i = 0; i <= 2; ++i)
        EXPECT_FALSE(std::isnan(f.fit.y[std::size_t(i)]));
}

TEST(Simplex, ErrorEndsTheSearchAndKeepsTheBestVertex)
{
    FitFixture f;
    markTwo(f);
    FunctionObjective obj(quadratic);
    obj.f = [&](std::span<const double> v) {
        if (obj.points.size() == 7)
            throw std::runtime_error("Ko-Fehler");
        return quadratic(v);
    };
    f.fit.SetObjective(&obj);
    f.options.Itergrenz = 0;

    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::NotRun);
    ASSERT_EQ(f.platform.boxes.size(), 2u);
    EXPECT_EQ(f.platform.boxes[0].caption, "Error iterative Simulation");
    EXPECT_EQ(f.platform.boxes[0].text, "Ko-Fehler");
    EXPECT_EQ(f.platform.boxes[0].icon, veltrane::BoxIcon::Stop);
    EXPECT_EQ(f.platform.boxes[1].text, "Iterationlimit not reached");
    EXPECT_EQ(obj.ends, 1);

    // The copy holds the best vertex evaluated before the failure, rounded,
    // and not the failed trial.
    double best = 1e300;
    std::vector<double> bestPoint;
    for (std::size_t k = 0; k + 1 < obj.points.size(); ++k)
        if (quadratic(obj.points[k]) < best) {
            best = quadratic(obj.points[k]);
            bestPoint = obj.points[k];
        }
    EXPECT_NEAR(f.fit.Parameter.Dicke[1], TSimulationiter::RoundToStep(0.1, bestPoint[0]), 1e-12);
    EXPECT_NEAR(f.fit.Parameter.Eps[1].epsX.real(), TSimulationiter::RoundToStep(0.001, bestPoint[1]), 1e-12);
    const auto& failed = obj.points.back();
    EXPECT_FALSE(std::fabs(f.fit.Parameter.Dicke[1] - failed[0]) < 1e-9 &&
                 std::fabs(f.fit.Parameter.Eps[1].epsX.real() - failed[1]) < 1e-9);
}
