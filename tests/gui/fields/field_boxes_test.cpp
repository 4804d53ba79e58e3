// The legend and the two text boxes of both field windows at their default
// size: apart from each other whatever is shown, and off the peak of the
// surface plasmon.
#include <QAction>

#include "FieldWindowFixture.h"
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/EwavedlgT.h"
#include "plot/Lineplot.h"

namespace {

bool intersect(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Every number of components (P+S light shows all six) in every part: the
// three boxes are drawn and none overlaps another; the peak of |Hy|²
// stays in sight.
template <class Window>
void expectBoxesApart(Window& window, Document& doc, const char* name)
{
    const int order[] = {ehEx, ehHy, ehEz, ehHx, ehEy, ehHz};
    for (int part : {ehRealImag, ehAbsPhase, ehSqrPhase})
        for (int n = 1; n <= 6; ++n) {
            TEHFieldSet f;
            f.Include(part);
            f.Include(ehAbsolute);
            for (int i = 0; i < n; ++i)
                f.Include(order[i]);
            doc.EHOptionpara.Fields = f;
            window.PlotData();
            TLinePlot& plot = *window.Plot;
            plot.Bitmap();
            const TRect rects[] = {plot.LegendRect(), plot.TextBoxRect(1), plot.TextBoxRect(2)};
            for (int i = 0; i < 3; ++i) {
                ASSERT_FALSE(rects[i].IsEmpty()) << name << " box " << i;
                for (int j = i + 1; j < 3; ++j)
                    EXPECT_FALSE(intersect(rects[i], rects[j])) << name << " part " << part << ", " << n
                                                                << " components, boxes " << i << " and " << j;
            }
            if (n < 2 || part != ehSqrPhase)
                continue;
            // Hy |Field|² is the third column.
            int peak = 0;
            for (int i = 1; i < plot.GetPktanz(2); ++i)
                if (plot.GetData(2, i).y > plot.GetData(2, peak).y)
                    peak = i;
            const int x = plot.XAxis().Kor2Pkt(plot.GetData(2, peak).x);
            const int y = plot.Y1Axis().Kor2Pkt(plot.GetData(2, peak).y);
            for (const TRect& r : rects)
                EXPECT_FALSE(r.Contains(x, y)) << name << ", " << n << " components";
        }
}

struct FieldBoxes : FieldWindowTest {
    FieldBoxes()
    {
        doc.Simparameter.PolArt = paPS;
        doc.Simparameter.PolMode = pmBoth;
    }
};

TEST_F(FieldBoxes, ApartAtTheDefaultSizeInTheWindowAtOneAngle)
{
    TEwavedlgT window(doc, run);
    frame = window.FitStatus1;
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.Plot->GetColanz() > 0 && !window.Computing(); }));
    expectBoxesApart(window, doc, "at Theta");
}

TEST_F(FieldBoxes, ApartAtTheDefaultSizeInTheWindowAtOnePlace)
{
    TEwavedlgD window(doc, run);
    frame = window.FitStatus1;
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.Plot->GetColanz() > 0 && !window.Computing(); }, 6000));
    expectBoxesApart(window, doc, "at Layerposition");
}

}  // namespace
