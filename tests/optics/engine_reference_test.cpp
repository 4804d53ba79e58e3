// The engine's results on a fixed set of stacks and scans agree with the
// ones recorded before its speed work, to 1e-13 relative: faster code may
// round differently, never compute something else.
#include <gtest/gtest.h>

#include "EngineReferenceCases.h"
#include "support/RecordedResults.h"

using namespace veltrane::test;

TEST(EngineReference, ResultsAgreeWithTheRecordedOnes)
{
    const RecordedCases recorded = readRecorded(VELTRANE_TEST_DATA "/engine_reference.txt");
    const std::vector<EngineCase> cases = engineCases();
    ASSERT_EQ(recorded.size(), cases.size()) << "the recorded file does not hold every case";
    for (std::size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(cases[k].name);
        ASSERT_EQ(recorded[k].name, cases[k].name);
        const std::vector<double> now = engineResults(cases[k].rec);
        ASSERT_EQ(now.size(), recorded[k].values.size());
        int differing = 0;
        for (std::size_t i = 0; i < now.size(); ++i)
            if (!agree(recorded[k].values[i], now[i], 1e-13) && differing++ < 3)
                ADD_FAILURE() << "value " << i << ": recorded " << hexText(recorded[k].values[i]) << ", now "
                              << hexText(now[i]);
        EXPECT_EQ(differing, 0);
    }
}
