// The run state of the field windows without a window: stages that nest,
// one Stop for all of them, a close during a run, and the timer's queue.
#include <gtest/gtest.h>

#include <string>

#include "gui/fields/plain/FieldRunState.h"

using namespace veltrane;

namespace {

struct RunState : ::testing::Test {
    RunState()
    {
        state.OnBegin = [this] { events += "begin "; };
        state.OnEnd = [this] { events += "end "; };
        state.OnClose = [this](int result) { events += "close" + std::to_string(result) + " "; };
    }
    RunControl control;
    FieldRunState state{control};
    std::string events;
};

TEST_F(RunState, StagesNestAndTheLastEndsTheRun)
{
    ASSERT_TRUE(state.Queue(taTheta2));
    {
        const auto all = state.Open();
        ASSERT_TRUE(all);
        EXPECT_EQ(state.Queued(), taNone);
        EXPECT_FALSE(state.Open());
        EXPECT_FALSE(state.Queue(taPosition));
        EXPECT_EQ(state.Take(), taNone);
        {
            const auto profile = state.Next();
            EXPECT_TRUE(profile);
        }
        EXPECT_TRUE(state.Busy());
        EXPECT_EQ(events, "begin ");
    }
    EXPECT_FALSE(state.Busy());
    EXPECT_EQ(events, "begin end ");
}

TEST_F(RunState, OneStopEndsEveryStage)
{
    EXPECT_EQ(FieldRunState::Plan(false, true, false), (std::vector{FieldStage::ProfileEH2, FieldStage::Scan}));
    EXPECT_EQ(FieldRunState::Plan(false, false, true),
              (std::vector{FieldStage::ProfileEH1, FieldStage::ProfileEH2, FieldStage::Scan}));
    {
        const auto all = state.Open();
        ASSERT_TRUE(control.Begin());
        state.Stop();
        EXPECT_FALSE(control.Running());
        EXPECT_FALSE(state.Next());
        control.End();
    }
    EXPECT_EQ(events, "begin end ");
    // The next computation starts unstopped.
    const auto again = state.Open();
    EXPECT_TRUE(again);
    EXPECT_TRUE(state.Next());
}

TEST_F(RunState, CloseDuringARunWaitsForItsEnd)
{
    EXPECT_TRUE(state.Close(0));
    {
        const auto all = state.Open();
        ASSERT_TRUE(control.Begin());
        EXPECT_FALSE(state.Close(1));
        EXPECT_FALSE(control.Running());
        EXPECT_TRUE(state.Stopped());
        EXPECT_EQ(events, "begin ");
        control.End();
    }
    EXPECT_EQ(events, "begin end close1 ");
}

TEST_F(RunState, TimerQueue)
{
    EXPECT_EQ(FieldRunState::Interval(0), 0);  // "Off" never fires
    EXPECT_EQ(FieldRunState::Interval(3), 1500);
    // A moved limit's profile is still due when the place moves next.
    state.Queue(taTheta1);
    state.Queue(taPosition);
    EXPECT_EQ(state.Take(), taTheta1);
    EXPECT_EQ(state.Take(), taNone);
    state.Queue(taAll);
    state.Queue(taTheta2);
    EXPECT_EQ(state.Queued(), taAll);
    state.Drop();
    state.Queue(taPosition);
    state.Queue(taTheta2);
    EXPECT_EQ(state.Take(), taTheta2);
}

}  // namespace
