// Counts heap allocations to show that the field runs allocate nothing per
// sample: a run of ten times the samples allocates exactly as often.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/AllocationCount.h"


#include "fields/CalcEwave_D.h"
#include "fields/CalcEwave_T.h"
#include "fields/FieldStacks.h"

namespace {

using namespace fieldstacks;

template <typename Calc, typename Create, typename Run>
long AllocationsOfRun(const TSimparameter& p, TEHOptionpara opt, Create create, Run run)
{
    veltrane::RunControl none;
    TEWaveList list;
    std::unique_ptr<Calc> calc;
    create(calc, none, p, opt, list);
    run(calc, p, opt, list);  // the first run may size what later runs reuse
    const long before = veltrane::test::heapAllocations();
    run(calc, p, opt, list);
    return veltrane::test::heapAllocations() - before;
}

TEST(NoAllocation, DepthProfileAllocatesNothingPerSample)
{
    TSimparameter p = ThirtyLayers();
    p.Comment = "a comment long enough to live on the heap, copied once per run";
    auto count = [&](int perLayer) {
        return AllocationsOfRun<TCalcEwave_T>(p, Options(55.0, perLayer * 30), CreateCalcEwave_T, RunCalcEwave_T);
    };
    EXPECT_EQ(count(10), count(100));
}

TEST(NoAllocation, AngleScanAllocatesNothingPerAngle)
{
    const TSimparameter p = ThirtyLayers();
    auto count = [&](int m) {
        TEHOptionpara opt = Options(Riedit::NADN, m);
        opt.Theta1 = 20.0;
        opt.Theta2 = 70.0;
        opt.LayerNr = 17;
        opt.Layerpos = 3.0;
        return AllocationsOfRun<TCalcEwave_D>(p, opt, CreateCalcEwave_D, RunCalcEwave_D);
    };
    EXPECT_EQ(count(100), count(1000));
}

}  // namespace

TEST(AllocationCount, SeesAnAllocation)
{
    // Guards the tests above against a counter that was never linked in.
    const long before = veltrane::test::heapAllocations();
    auto p = std::make_unique<std::vector<int>>(100);
    EXPECT_GT(veltrane::test::heapAllocations(), before);
}
