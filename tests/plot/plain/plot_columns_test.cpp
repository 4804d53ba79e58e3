#include <gtest/gtest.h>

#include "plot/plain/PlotColumns.h"
#include "platform/ScriptedPlatform.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

TEST(PlotColumns, RangeErrorsAreShownOnlyWhenAsked)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    TPlotColumns p;
    for (int i = 0; i < 5; ++i)
        p.AddCol();
    p.AddData(5, 1, 2, true);
    EXPECT_TRUE(script.boxes.empty());
    p.ShowListRangError = true;
    p.AddData(5, 1, 2, true);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, "List-Range-Fehler\nTLinePlot . AddData\nvar Index=5\nmax Index=4");
    EXPECT_EQ(script.boxes[0].icon, veltrane::BoxIcon::Stop);
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(p.GetPktanz(c), 0);
}

TEST(PlotColumns, OperationNamesAndIndicesInErrors)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    TPlotColumns p;
    p.ShowListRangError = true;
    struct Case {
        std::function<void(TPlotColumns&)> op;
        const char* text;
    } cases[] = {
        {[](TPlotColumns& q) { q.GetPktanz(0); }, "GetPktAnz\nvar Index=0\nmax Index=-1"},
        {[](TPlotColumns& q) { q.GetData(0, 7); }, "GetData: [m]\nvar Index=7\nmax Index=2"},
        {[](TPlotColumns& q) { q.SetData(3, 0, 0, 0, true); }, "SetData: [n]\nvar Index=3\nmax Index=1"},
        {[](TPlotColumns& q) { q.DeleteData(1, 0); }, "deleteData: [m]\nvar Index=0\nmax Index=-1"},
        {[](TPlotColumns& q) { q.SetLineColor(-1, pcRed); }, "SetlineColor\nvar Index=-1\nmax Index=1"},
        {[](TPlotColumns& q) { q.SetSymbolsize(2, 3); }, "SetSymbolSize\nvar Index=2\nmax Index=1"},
        {[](TPlotColumns& q) { q.SetNextLineColor(0); }, "SetNextLineColor\nvar Index=0\nmax Index=1"},
        {[](TPlotColumns& q) { q.DeleteColData(9); }, "deleteColData\nvar Index=9\nmax Index=1"},
        {[](TPlotColumns& q) { q.GetYAxistyp(9); }, "GetYAxisTyp\nvar Index=9\nmax Index=1"},
    };
    for (const Case& c : cases) {
        TPlotColumns q;
        q.ShowListRangError = true;
        if (std::string(c.text).rfind("GetPktAnz", 0) != 0) {
            q.AddCol();
            q.AddCol();
            for (int i = 0; i < 3; ++i)
                q.AddData(0, i, i, true);
        }
        std::size_t before = script.boxes.size();
        c.op(q);
        ASSERT_EQ(script.boxes.size(), before + 1) << c.text;
        EXPECT_EQ(script.boxes.back().text, std::string("List-Range-Fehler\nTLinePlot . ") + c.text);
    }
}

TEST(PlotColumns, StylesCycleAndPercentagesClamp)
{
    TPlotColumns p;
    for (int i = 0; i < 3; ++i)
        p.AddCol();
    p.SetLineColor(0, pcAqua);
    p.SetNextLineColor(1);
    EXPECT_EQ(p.GetLineColor(1), pcBlack);
    p.SetLineColor(1, pcWhite);
    p.SetNextLineColor(2);
    EXPECT_EQ(p.GetLineColor(2), pcBlack);
    p.SetLineColor(1, pcRed);
    p.SetNextLineColor(2);
    EXPECT_EQ(p.GetLineColor(2), pcBlue);
    p.SetSymbolArt(1, saStar);
    p.SetNextSymbolArt(2);
    EXPECT_EQ(p.GetSymbolArt(2), saSquare);
    p.SetLineArt(1, laDashDotDot);
    p.SetNextLineArt(2);
    EXPECT_EQ(p.GetLineArt(2), laSolid);
    p.SetSymbolColor(1, pcTeal);
    p.SetNextSymbolColor(2);
    EXPECT_EQ(p.GetSymbolColor(2), pcAqua);
    p.SetProzentPunkte(0, 150);
    EXPECT_EQ(p.GetProzentPunkte(0), 100);
    p.SetProzentPunkte(0, -5);
    EXPECT_EQ(p.GetProzentPunkte(0), 0);
}

TEST(PlotColumns, DeletingKeepsStylesAndShiftsIndices)
{
    TPlotColumns p;
    p.AddCol();
    p.AddCol();
    p.SetColTitle(1, "second");
    p.SetLineColor(1, pcRed);
    for (int i = 0; i < 4; ++i)
        p.AddData(1, i, i * i, i != 2);
    EXPECT_FALSE(p.GetDataValid(1, 2));
    p.SetDataValid(1, 2, true);
    EXPECT_TRUE(p.GetDataValid(1, 2));
    p.DeleteData(1, 0);
    EXPECT_EQ(p.GetData(1, 0), (TDPunkt{1, 1, true}));
    p.DeleteColData(1);
    EXPECT_EQ(p.GetPktanz(1), 0);
    EXPECT_EQ(p.GetColTitle(1), "second");
    EXPECT_EQ(p.GetLineColor(1), pcRed);
    p.DeleteCol(0);
    EXPECT_EQ(p.GetColanz(), 1);
    EXPECT_EQ(p.GetColTitle(0), "second");
    p.DeleteAllCol();
    EXPECT_EQ(p.GetColanz(), 0);
}

TEST(PlotStyles, ColoursPensAndFontSizes)
{
    EXPECT_EQ(ConvertPlotcolor(pcOlive), RGBColor(128, 128, 0));
    EXPECT_EQ(ConvertPlotcolor(TPlotColor(40)), RGBColor(0, 0, 0));
    EXPECT_EQ(ConvertLineArt(laDashDot), psDashDot);
    EXPECT_EQ(ConvertLineArt(TLineArt(9)), psSolid);
    EXPECT_EQ(ConvertFontSize(10, 96), 10);
    EXPECT_EQ(ConvertFontSize(10, 120), 8);
    EXPECT_EQ(ConvertFontSize(11, 192), 6);  // 5.5 to even
}
