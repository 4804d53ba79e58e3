// The legend and the two text boxes of both field windows: apart from each
// other whatever is shown, off the peak of the surface plasmon, and off the
// curves' long stretches where the plot leaves room.
#include <QAction>

#include "FieldWindowFixture.h"
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/EwavedlgT.h"
#include "plot/Lineplot.h"
#include "support/FieldSets.h"
#include "support/PlotBoxChecks.h"

namespace {

// Every number of components (P+S light shows all six) in every part, at
// the default size and in the smallest window: the three boxes are drawn
// inside the plot area and none overlaps another; the titles are readable;
// the peak of |Hy|² stays in sight.
template <class Window>
void expectBoxesApart(Window& window, Document& doc, const char* name)
{
    const int order[] = {ehEx, ehHy, ehEz, ehHx, ehEy, ehHz};
    for (bool smallest : {false, true})
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
                const QSize size = smallest ? veltrane::test::ShrinkToSmallest(window, plot) : window.size();
                const std::string what = std::string(name) + " " + std::to_string(size.width()) + "x" +
                                         std::to_string(size.height()) + ", part " + std::to_string(part) + ", " +
                                         std::to_string(n) + " components";
                veltrane::test::ExpectTitlesReadable(plot, what);
                ASSERT_EQ(veltrane::test::DrawnBoxes(plot).size(), 3u) << what;
                veltrane::test::ExpectBoxesApart(plot, what);
                // The peaks of |Ex|² and |Hy|² at the gold in sight, and at
                // the default size their flanks too (in the smallest window
                // the layer box may have to touch the foot of one of them,
                // between the other's peak and its flank).
                if (part == ehSqrPhase)
                    for (int col = 0; col < plot.GetColanz(); ++col) {
                        const std::string title = plot.GetColTitle(col);
                        if (title.rfind("Ex |Field|", 0) != 0 && title.rfind("Hy |Field|", 0) != 0)
                            continue;
                        veltrane::test::ExpectInSight(plot, veltrane::test::ExtremePixel(plot, col, true),
                                                      "the peak of " + title + ", " + what);
                        if (!smallest)
                            veltrane::test::ExpectFlanksInSight(plot, col, true, title + ", " + what);
                    }
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

// The smallest window follows what the plot shows now, not what it showed
// before; the note that no chosen field exists is placed and counted like
// the other boxes, apart from the layer table.
TEST_F(FieldBoxes, TheSmallestWindowFollowsWhatItShowsAndCountsTheNote)
{
    TEwavedlgT window(doc, run);
    frame = window.FitStatus1;
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.Plot->GetColanz() > 0 && !window.Computing(); }));
    TLinePlot& plot = *window.Plot;
    auto show = [&](TEHFieldSet f) {
        doc.EHOptionpara.Fields = f;
        window.PlotData();
        return veltrane::test::ShrinkToSmallest(window, plot);
    };
    using veltrane::test::fieldSet;
    const QSize exOnly = show(fieldSet({ehSqrPhase, ehAbsolute, ehEx}));
    show(fieldSet({ehSqrPhase, ehAbsolute, ehEx, ehHy, ehEz, ehHx, ehEy, ehHz}));
    EXPECT_EQ(show(fieldSet({ehSqrPhase, ehAbsolute, ehEx})), exOnly);

    // S light with only P components chosen: no curve, the note instead.
    doc.Simparameter.PolArt = paS;
    doc.Simparameter.PolMode = pmS;
    const QSize noted = show(fieldSet({ehSqrPhase, ehAbsolute, ehEx}));
    ASSERT_FALSE(window.NoFieldNote().empty());
    ASSERT_FALSE(plot.NoteRect().IsEmpty());
    const std::string what = "the note, " + std::to_string(noted.width()) + "x" + std::to_string(noted.height());
    veltrane::test::ExpectBoxesApart(plot, what);
    veltrane::test::ExpectTitlesReadable(plot, what);
    EXPECT_EQ(veltrane::test::DrawnBoxes(plot).size(), 3u) << what;  // the layer table, the comment, the note
    window.resize(1300, 700);
    QApplication::processEvents();
    veltrane::test::ExpectBoxesApart(plot, "the note, enlarged");
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

namespace {

// The layer-position window on the demo with 2000 points, Ex, Hy and Ez in
// both modulus parts, at the default size and enlarged: the |Hy| resonance
// at 51.5 degrees stays in sight, and no box lies along a curve for long
// (the boxes once hid the Ez phase from 16 to 41 degrees).
TEST_F(FieldBoxes, LayerWindowKeepsTheResonanceInSightAndHidesLittleOfAnyCurve)
{
    doc.Simparameter.PolArt = paP;
    doc.Simparameter.PolMode = pmP;
    veltrane::stacks::thetaScan(doc.Simparameter, 10.0, 70.0, 201);
    doc.EHOptionpara.Theta1 = doc.EHOptionpara.Theta2 = Riedit::NADN;
    doc.EHOptionpara.Pktanz = 2000;
    TEwavedlgD window(doc, run);
    frame = window.FitStatus1;
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.Plot->GetColanz() > 0 && !window.Computing(); }, 20000));
    TLinePlot& plot = *window.Plot;
    for (QSize size : {window.size(), QSize(1700, 1000)}) {
        window.resize(size);
        for (int part : {ehAbsPhase, ehSqrPhase})
            for (const std::vector<int>& components :
                 {std::vector<int>{ehEz}, std::vector<int>{ehEx, ehHy}, std::vector<int>{ehEx, ehHy, ehEz}}) {
                TEHFieldSet f;
                f.Include(part);
                f.Include(ehAbsolute);
                for (int c : components)
                    f.Include(c);
                doc.EHOptionpara.Fields = f;
                window.PlotData();
                const std::string what = std::to_string(size.width()) + " wide, part " + std::to_string(part) + ", " +
                                         std::to_string(components.size()) + " components";
                veltrane::test::ExpectBoxesApart(plot, what);
                for (int col = 0; col < plot.GetColanz(); ++col) {
                    if (plot.GetColTitle(col).rfind("Hy |Field|", 0) == 0)
                        veltrane::test::ExpectInSight(plot, veltrane::test::ExtremePixel(plot, col, true),
                                                      "the |Hy| peak, " + what);
                    EXPECT_LE(veltrane::test::HiddenShare(plot, col), 0.1) << plot.GetColTitle(col) << ", " << what;
                }
            }
    }
}

}  // namespace
