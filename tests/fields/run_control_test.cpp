#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/ScriptedPlatform.h"
#include "support/ScriptedRunControl.h"

#include "FieldRuns.h"

namespace {

using namespace fieldstacks;

// In the middle of a depth profile the event pass lets the user start
// other runs: each is refused and leaves the running calculator, its list
// and the other window's list alone.
TEST(FieldRunControl, ASecondStartDuringARunIsRefused)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    const TSimparameter p = GlassGoldGlassWater();
    const TEHOptionpara opt = Options(50.0, 24);
    veltrane::test::ScriptedRunControl run;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, run, p, opt, list);
    ASSERT_TRUE(calc);

    const TCalcEwave_T* running = calc.get();
    const TEWave* samples = list.data();
    TEWaveList other;
    std::unique_ptr<TCalcEwave_D> angles;
    int attempts = 0;
    run.onPass = [&](int pass) {
        if (pass != 5)
            return;
        ++attempts;
        RunCalcEwave_T(calc, p, opt, list);
        CreateCalcEwave_T(calc, run, p, opt, list);
        TEHOptionpara bigger = opt;
        bigger.PktanzEff = 48;
        RunCalcEwave_T(calc, p, bigger, list);
        CreateCalcEwave_D(angles, run, p, opt, other);
        EXPECT_EQ(calc.get(), running);
        EXPECT_EQ(list.data(), samples);
        EXPECT_EQ(list.size(), 24u);
        EXPECT_EQ(list[4].Filled, 1);
        EXPECT_FALSE(angles);
        EXPECT_TRUE(other.empty());
    };
    RunCalcEwave_T(calc, p, opt, list);
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(run.passes, 24);  // no nested run made passes of its own
    EXPECT_EQ(run.progress.starts, 1);
    for (const TEWave& w : list)
        EXPECT_EQ(w.Filled, 1);
    EXPECT_TRUE(script.boxes.empty());

    // Once the run has returned, the next one goes ahead.
    EXPECT_FALSE(run.Active());
    CreateCalcEwave_D(angles, run, p, Options(50.0, 10), other);
    EXPECT_TRUE(angles);
}

// A stop in the middle of an angle scan: the scan ends after the sample in
// whose pass it came, the frame is hidden and the run is over.
TEST(FieldRunControl, StopInTheMiddleOfAnAngleScan)
{
    const TSimparameter p = GlassGoldGlassWater();
    veltrane::test::ScriptedRunControl run;
    run.onPass = [&](int pass) {
        EXPECT_TRUE(run.Running());
        if (pass == 50)
            run.Stop();
    };
    const TEWaveList scan = Scan(p, 40.0, 70.0, 101, 2, 10.0, run);
    EXPECT_EQ(run.passes, 50);
    EXPECT_EQ(std::count_if(scan.begin(), scan.end(), [](const TEWave& w) { return w.Filled == 1; }), 50);
    EXPECT_FALSE(run.progress.visible);
    EXPECT_FALSE(run.Active());
    EXPECT_EQ(run.CalcRunning, 0);
}

}  // namespace
