// The field samples of a fixed set of depth profiles and angle scans agree
// with the ones recorded before the computation's speed work, to 1e-13
// relative: faster code may round differently, never compute something else.
#include <gtest/gtest.h>

#include "FieldReferenceCases.h"
#include "support/RecordedResults.h"

using namespace veltrane::test;

TEST(FieldReference, SamplesAgreeWithTheRecordedOnes)
{
    const RecordedCases recorded = readRecorded(VELTRANE_TEST_DATA "/field_reference.txt");
    const std::vector<FieldCase> cases = fieldCases();
    ASSERT_EQ(recorded.size(), cases.size()) << "the recorded file does not hold every case";
    for (std::size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(cases[k].name);
        ASSERT_EQ(recorded[k].name, cases[k].name);
        const std::vector<double> now = fieldResults(cases[k]);
        ASSERT_EQ(now.size(), recorded[k].values.size());
        int differing = 0;
        for (std::size_t i = 0; i < now.size(); ++i)
            if (!agree(recorded[k].values[i], now[i], 1e-13) && differing++ < 3)
                ADD_FAILURE() << "value " << i << ": recorded " << hexText(recorded[k].values[i]) << ", now "
                              << hexText(now[i]);
        EXPECT_EQ(differing, 0);
    }
}
