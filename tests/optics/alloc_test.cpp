// The per-point loop allocates nothing: a run costs the same allocations
// for 10 points as for 2000, and a repeated run on one driver none at all.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/AllocationCount.h"


#include "EngineRun.h"

using namespace veltrane;

namespace {

long allocationsOfRuns(TSimparameter p, int runs)
{
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    EXPECT_TRUE(CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller).ok);
    EXPECT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    const long before = veltrane::test::heapAllocations();
    for (int r = 0; r < runs; ++r) {
        p.Dicke[1] += 0.5;
        EXPECT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    }
    return veltrane::test::heapAllocations() - before;
}

}  // namespace

TEST(Allocation, RepeatedRunsAllocateNothing)
{
    struct Case {
        const char* what;
        TSimparameter rec;
    };
    TSimparameter thickness = stacks::multilayer(30);
    stacks::layerScan(thickness, pkThickness, 15, 0.0, 300.0, 2000, 20.0);
    TSimparameter prism = stacks::anisoMiddle();
    prism.Prismart = prTriangular;
    prism.Prismreflek = 1;
    prism.Aniso[0] = 1;
    prism.Eps[0] = {3.4, 3.5, 3.3};
    stacks::thetaScan(prism, -20.0, 20.0, 2000);
    const Case cases[] = {
        {"demo Theta scan", stacks::demo()},
        {"30 layers, thickness scan", thickness},
        {"anisotropic middle layer", stacks::anisoMiddle()},
        {"anisotropic prism with face reflections", prism},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(allocationsOfRuns(c.rec, 3), 0);
    }
}

TEST(Allocation, FirstRunDoesNotGrowWithPoints)
{
    TSimparameter small = stacks::demo(), large = stacks::demo();
    stacks::thetaScan(small, 45.0, 65.0, 10);
    stacks::thetaScan(large, 45.0, 65.0, 2000);
    auto firstRun = [](const TSimparameter& p) {
        TResColList list;
        std::unique_ptr<TCalcPlasmon> calc;
        EXPECT_TRUE(CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller).ok);
        const long before = veltrane::test::heapAllocations();
        EXPECT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
        return veltrane::test::heapAllocations() - before;
    };
    EXPECT_EQ(firstRun(small), firstRun(large));
}

TEST(AllocationCount, SeesAnAllocation)
{
    // Guards the tests above against a counter that was never linked in.
    const long before = veltrane::test::heapAllocations();
    auto p = std::make_unique<std::vector<int>>(100);
    EXPECT_GT(veltrane::test::heapAllocations(), before);
}
