// Which commands a document enables: results, scans, the Theta axis and a
// stack the engine can compute.
#include <gtest/gtest.h>

#include "document/Defaults.h"
#include "gui/main/plain/CommandEnabling.h"

namespace {

TResColrec curve(int points)
{
    TResColrec c;
    for (int i = 0; i < points; ++i)
        c.Points.push_back({40.0 + i, 0.1 * i, 0.2, 0.3, 0.4, 20.0, 100.0 + i, 1});
    return c;
}

TScanColrec scan(int kind)
{
    TScanColrec s;
    s.Kind = kind;
    s.Visible = true;
    s.Points = {{40, 0.5}, {41, 0.4}};
    return s;
}

TEST(CommandEnabling, FollowsResultsScansTheThetaAxisAndTheStack)
{
    Document d = DefaultDocument();
    d.Simparameter.Layeranz = 3;
    auto states = [&] { return CommandStates(d); };
    TCommandStates s = states();
    EXPECT_FALSE(s.ScaleShift || s.Evaluation || s.Manual || s.Fields || s.ShowOverviewButtons || s.Iterative);

    d.ResColList = {curve(2)};
    s = states();
    EXPECT_TRUE(s.Manual && s.Fields && s.ShowOverviewButtons && s.Evaluation);
    EXPECT_FALSE(s.ScaleShift || s.Iterative);

    d.ScanColList = {scan(ckRps)};
    s = states();
    EXPECT_TRUE(s.ScaleShift && s.Iterative && s.Evaluation);

    d.Simparameter.XAxis.Typ = pkThickness - 1;
    s = states();
    EXPECT_FALSE(s.Evaluation || s.Iterative);
    EXPECT_TRUE(s.ScaleShift && s.Manual);

    // A loaded stack the engine cannot compute: no manual, fit or fields.
    d.Simparameter.XAxis.Typ = 0;
    for (int layers : {0, 1, 31}) {
        d.Simparameter.Layeranz = layers;
        s = states();
        EXPECT_FALSE(s.Manual || s.Fields || s.Iterative) << layers;
        EXPECT_TRUE(s.Evaluation && s.ScaleShift);
    }
}

}  // namespace
