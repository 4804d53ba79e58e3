// The scale and shift steps without their dialog: the sign of each
// dialog's buttons and Reset; the stored points never change.
#include <gtest/gtest.h>

#include "document/Defaults.h"
#include "document/ScanFile.h"
#include "gui/scans/ScanFiles.h"
#include "gui/scans/plain/ScanStepModel.h"
#include "platform/ScriptedPlatform.h"

namespace {

struct ScanStepTest : ::testing::Test {
    ScanStepTest() { AddScanFile(files.twoColumn(), doc.ScanColList); }
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    ScanFiles files;
    Document doc = DefaultDocument();
};

TEST_F(ScanStepTest, StepsAndResetActWithTheSignOfEachDialog)
{
    ScanStepModel scale(doc, TScanFactor::Scale);
    scale.Select(0);
    ASSERT_TRUE(scale.ApplyStep(scale.ButtonSteps(1)));  // "+10 Steps"
    EXPECT_DOUBLE_EQ(doc.ScanColList[0].Scalefactor, 1.01);
    EXPECT_EQ(scale.FactorText(','), "1,01");
    scale.ApplyStep(scale.ButtonSteps(5));  // "-100 Steps"
    scale.Reset();
    EXPECT_EQ(doc.ScanColList[0].Scalefactor, 1.0);

    ScanStepModel shift(doc, TScanFactor::Shift);
    shift.Select(0);
    shift.ApplyStep(shift.ButtonSteps(2));  // "-100 Steps"
    EXPECT_DOUBLE_EQ(doc.ScanColList[0].Shiftfactor, -1.0);
    shift.Reset();
    EXPECT_EQ(doc.ScanColList[0].Shiftfactor, 0.0);

    // The first button of each group (Page Up, Page Down) raises the scale
    // and moves the shift left, and the second group does the opposite.
    const int up = 0, down = 3;
    EXPECT_EQ(scale.ButtonSteps(up), 1);
    EXPECT_EQ(scale.ButtonSteps(down), -1);
    EXPECT_EQ(shift.ButtonSteps(up), -1);
    EXPECT_EQ(shift.ButtonSteps(down), 1);
    EXPECT_EQ(doc.ScanColList[0].Points[1].y, 0.2);  // the points stay as read
}

// Steps add in binary; 0.1 up three times and back is no shift at all,
// and the legend names none.
TEST_F(ScanStepTest, StepsBackLeaveNoResidue)
{
    doc.Optionpara.ScanShiftstep = 0.1;
    ScanStepModel shift(doc, TScanFactor::Shift);
    shift.Select(0);
    for (int k : {1, 1, 1, -1, -1, -1})
        shift.ApplyStep(k);
    EXPECT_EQ(doc.ScanColList[0].Shiftfactor, 0.0);
    EXPECT_EQ(veltrane::ScanColumnTitle(doc.ScanColList[0], '.'), doc.ScanColList[0].Name + " ");
}

}  // namespace
