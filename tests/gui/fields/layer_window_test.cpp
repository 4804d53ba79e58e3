// The field window at one layer position on the demo stack: its limits and
// place, what moving a limit recomputes, its stop, a place the stack does
// not hold, and the layer view.
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <charconv>

#include "FieldWindowFixture.h"
#include "controls/EnableRadioGroup.h"
#include "controls/RIEdit.h"
#include "gui/fields/PaintBox.h"
#include "gui/fields/EHOptiondlg.h"
#include "gui/fields/EHview.h"
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/LayerposEditdlg.h"
#include "gui/fields/ThetaEditdlgs.h"
#include "gui/fields/Thetaview.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"

namespace {

struct LayerWindow : FieldWindowTest {
    void open()
    {
        window = std::make_unique<TEwavedlgD>(doc, run);
        frame = window->FitStatus1;
        window->show();
    }
    void firstRun()
    {
        ASSERT_TRUE(WaitFor([this] { return !labels.empty() && !window->Computing(); }));
    }
    bool seen(const std::string& label) const { return std::find(labels.begin(), labels.end(), label) != labels.end(); }
    std::unique_ptr<TEwavedlgD> window;
};

TEST_F(LayerWindow, LimitsPlaceAndTheFirstRun)
{
    doc.EHOptionpara.Theta1 = doc.EHOptionpara.Theta2 = Riedit::NADN;
    veltrane::stacks::thetaScan(doc.Simparameter, 10.0, 70.0, 201);
    open();
    EXPECT_EQ(window->windowTitle(), "Veltrane E/H-Felder at Layerposition");
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta1, 16.0);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta2, 64.0);
    EXPECT_EQ(window->Thetalabel->text(), QString("Theta: 16\u00B0 - 64\u00B0"));
    EXPECT_EQ(doc.EHOptionpara.LayerNr, 1);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Layerpos, 25.0);
    EXPECT_EQ(window->Layerlabel->text(), "Layer: Nr=2 Pos=25 [nm]");
    EXPECT_FALSE(window->CloseBtn->isEnabled());
    firstRun();
    EXPECT_EQ(labels, (std::vector<std::string>{"Calculating Ewave at 16\xC2\xB0", "Calculating Ewave at 64\xC2\xB0",
                                                "Calculating Ewave at Pos"}));
    EXPECT_TRUE(window->CloseBtn->isEnabled());
    EXPECT_TRUE(window->LayerBox->isVisible());
    EXPECT_EQ(window->Samples().size(), 200u);
    EXPECT_DOUBLE_EQ(window->Samples().back().Theta, 64.0);
    EXPECT_EQ(window->Plot->TextBox1().Text2()[0], "Layer: Nr=2   Pos=25[nm]");
    EXPECT_EQ(window->Plot->GetColTitle(2), "Hy |Field|\xC2\xB2");
    EXPECT_TRUE(window->Plot->GetYAxistyp(3));
}

TEST_F(LayerWindow, MovingTheUpperLimitRecomputesOnlyItsProfile)
{
    doc.EHOptionpara.Timer = 1;
    open();
    firstRun();
    const TEWaveList eh1 = window->ProfileEH1();
    labels.clear();
    window->Theta_ScrollBar2->setValue(window->Theta_ScrollBar2->value() - 20);
    EXPECT_EQ(window->RunState().Queued(), taTheta2);
    // Moving the place next still recomputes the moved limit's profile.
    window->Layer_ScrollBar->setValue(window->Layer_ScrollBar->value() + 10);
    EXPECT_EQ(window->RunState().Queued(), taTheta2);
    ASSERT_TRUE(WaitFor([this] { return seen("Calculating Ewave at Pos"); }));
    EXPECT_EQ(labels, (std::vector<std::string>{"Calculating Ewave at 61\xC2\xB0", "Calculating Ewave at Pos"}));
    EXPECT_EQ(window->ProfileEH1().size(), eh1.size());
    EXPECT_EQ(window->ProfileEH1().front().Feld[ehHy].modulusSqr, eh1.front().Feld[ehHy].modulusSqr);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta2, 61.0);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Layerpos, 26.0);
}

// Limit and place moved without computing, then only the part changed:
// the window computes first, so that its layer box and its export belong
// to the same limits and place.
TEST_F(LayerWindow, OptionChangeAfterUncomputedMovesComputesFirst)
{
    open();
    firstRun();
    window->Theta_ScrollBar1->setValue(window->Theta_ScrollBar1->value() + 10);
    window->Layer_ScrollBar->setValue(window->Layer_ScrollBar->value() + 10);
    ASSERT_FALSE(window->Timer->isActive());
    labels.clear();
    onModal<TEHOptiondlg>([](TEHOptiondlg& d) {
        d.FieldPartGroup->button(1)->click();
        d.OkBtn->click();
    });
    window->OptionBtn->click();
    EXPECT_TRUE(seen("Calculating Ewave at Pos"));
    EXPECT_EQ(window->Plot->TextBox1().Text2()[0], "Layer: Nr=2   Pos=26[nm]");
    EXPECT_DOUBLE_EQ(window->Samples().front().Theta, 48.0);
    expectExportAsAfterCalc(*window);
}

// Limits beyond the X range, which the scroll bars cannot reach, are
// refused and the dialog stays open.
TEST_F(LayerWindow, TypedLimitOutsideTheScrollRangeIsRefused)
{
    open();
    firstRun();
    onModal<TTheta2Editdlg>([this](TTheta2Editdlg& d) {
        d.nTheta1->setText("48");
        d.nTheta2->setText("70");
        d.OkBtn->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"wrong Theta :70\xC2\xB0 (45\xC2\xB0-65\xC2\xB0)"});
        d.nTheta1->setText("-5");
        d.nTheta2->setText("62");
        d.OkBtn->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(script.boxes.back().text, "wrong Theta :-5\xC2\xB0 (45\xC2\xB0-65\xC2\xB0)");
        d.nTheta1->setText("48");
        d.OkBtn->click();
    });
    window->ThetaBoxClick();
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta1, 48.0);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta2, 62.0);
}

// Equal limits are refused like limits out of range; reversed ones are
// taken in order.
TEST_F(LayerWindow, EqualLimitsAreRefused)
{
    open();
    firstRun();
    const int passes = run.passes;
    onModal<TTheta2Editdlg>([&](TTheta2Editdlg& d) {
        // The upper limit left empty keeps 63: equal to the typed one too.
        for (auto [from, to] : {std::pair{"50", "50"}, std::pair{"63", ""}}) {
            d.nTheta1->setText(from);
            d.nTheta2->setText(to);
            d.OkBtn->click();
            EXPECT_TRUE(d.isVisible()) << from;
            ASSERT_FALSE(script.boxes.empty());
            EXPECT_EQ(script.boxes.back().caption, "Error");
            const std::string limit = std::string(from) + "\xC2\xB0";
            EXPECT_EQ(script.boxes.back().text,
                      "wrong Theta Limits :" + limit + " - " + limit + " (from Theta < to Theta)");
            EXPECT_EQ(run.passes, passes);
        }
        d.nTheta1->setText("55");
        d.nTheta2->setText("50");
        d.OkBtn->click();
        if (d.isVisible())
            d.reject();
    });
    window->ThetaBoxClick();
    EXPECT_EQ(script.boxes.size(), 2u);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta1, 50.0);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta2, 55.0);
    EXPECT_DOUBLE_EQ(window->Samples().back().Theta, 55.0);
}

// The limit scroll bars never set two equal limits, nor an angle past a
// range that is no whole number of steps.
TEST_F(LayerWindow, ScrolledLimitsNeverMeetNorLeaveTheCurve)
{
    veltrane::stacks::thetaScan(doc.Simparameter, 40.0, 65.05, 201);
    open();
    firstRun();
    QScrollBar* lower = window->Theta_ScrollBar1;
    QScrollBar* upper = window->Theta_ScrollBar2;
    TThetaview& view = window->Thetaview();
    upper->setValue(upper->maximum());
    EXPECT_DOUBLE_EQ(view.GetTheta2(), 65.05);
    // Moved up onto the other, at the end of the range: a step back.
    lower->setValue(upper->value());
    EXPECT_EQ(lower->value(), upper->maximum() - 1);
    EXPECT_NEAR(view.GetTheta1(), 65.0, 1e-9);
    // Moved down onto the other: a step on.
    lower->setValue(100);
    upper->setValue(100);
    EXPECT_EQ(upper->value(), 99);
    EXPECT_NEAR(view.GetTheta1(), 49.9, 1e-9);
    EXPECT_NEAR(view.GetTheta2(), 50.0, 1e-9);
}

// Limits kept from an earlier showing beyond an X range made smaller are
// brought into it, in the label, the run and the export; limits that would
// fall together there start a tenth of the range in from either end.
TEST_F(LayerWindow, LimitsOfTheLastShowingAreBroughtIntoAShrunkRange)
{
    struct Case {
        double kept1, kept2, from, to;
    };
    for (const Case c : {Case{10, 70, 40, 65}, Case{10, 20, 42.5, 62.5}}) {
        doc.EHOptionpara.Theta1 = c.kept1;
        doc.EHOptionpara.Theta2 = c.kept2;
        veltrane::stacks::thetaScan(doc.Simparameter, 40.0, 65.0, 201);
        labels.clear();
        open();
        firstRun();
        auto deg = [](double v) {
            return veltrane::floatToText(v, veltrane::platform().decimalSeparator()) + "\xC2\xB0";
        };
        EXPECT_EQ(window->Thetalabel->text().toStdString(), "Theta: " + deg(c.from) + " - " + deg(c.to));
        EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta1, c.from);
        EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta2, c.to);
        // The first cell of the first and of the last exported line.
        window->Data2ClipboardBtn->trigger();
        const std::string& text = script.clipboardText;
        auto angleAt = [&text](std::size_t line) {
            std::string cell = text.substr(line, text.find('\t', line) - line);
            std::replace(cell.begin(), cell.end(), ',', '.');
            double angle = 0.0;
            std::from_chars(cell.data(), cell.data() + cell.size(), angle);
            return angle;
        };
        EXPECT_DOUBLE_EQ(angleAt(text.find('\n') + 1), c.from);
        EXPECT_DOUBLE_EQ(angleAt(text.rfind('\n', text.size() - 2) + 1), c.to);
        window.reset();
    }
}

// Only components chosen that this light does not have: the plot says so
// over axes of this run's limits, not with the curves and axes of the run
// before; the note goes once a chosen component exists.
TEST_F(LayerWindow, NoChosenComponentForTheLightIsSaid)
{
    TEHFieldSet sOnly;
    for (int bit : {ehHx, ehEy, ehHz, ehSqrPhase, ehAbsolute})
        sOnly.Include(bit);
    struct Case {
        std::int32_t polArt;
        std::vector<std::string> note;
    };
    const Case cases[] = {
        {paP, {"No chosen field exists for P light:", "choose Ex, Hy or Ez under Option"}},
        {paPS, {}},
    };
    open();
    firstRun();
    for (const Case& c : cases) {
        window->reject();
        doc.Simparameter.PolArt = c.polArt;
        doc.Simparameter.PolMode = c.polArt == paP ? pmP : pmBoth;
        doc.EHOptionpara.Fields = sOnly;
        doc.EHOptionpara.Theta1 = 50.0;
        doc.EHOptionpara.Theta2 = 60.0;
        labels.clear();
        window->show();
        firstRun();
        EXPECT_EQ(window->NoFieldNote(), c.note) << c.polArt;
        EXPECT_EQ(window->Plot->GetColanz(), c.note.empty() ? 6 : 0) << c.polArt;
        EXPECT_DOUBLE_EQ(window->Plot->XAxis().minValue(), 50.0);
        EXPECT_DOUBLE_EQ(window->Plot->XAxis().maxValue(), 60.0);
        if (!c.note.empty()) {
            EXPECT_DOUBLE_EQ(window->Plot->Y1Axis().minValue(), 0.0);
            EXPECT_DOUBLE_EQ(window->Plot->Y1Axis().maxValue(), 1.0);
        }
    }
}

// One press of Stop ends the whole calculation, not only its first stage.
TEST_F(LayerWindow, OneStopEndsEveryStage)
{
    open();
    onPass = [&](int pass) {
        if (pass == 10)
            frame->SpeedButton1->click();
    };
    firstRun();
    EXPECT_EQ(labels, std::vector<std::string>{"Calculating Ewave at 47\xC2\xB0"});
    EXPECT_TRUE(window->ProfileEH2().empty());
    EXPECT_TRUE(std::none_of(window->Samples().begin(), window->Samples().end(),
                             [](const TEWave& w) { return w.Filled != 0; }));
    EXPECT_TRUE(window->CalcBtn->isEnabled());
}

// A place the stack does not hold is refused in the dialog, which stays
// open with the place to correct, and nothing is computed until it holds.
TEST_F(LayerWindow, PlaceOutsideTheLayerIsRefusedInTheDialog)
{
    open();
    firstRun();
    const int passes = run.passes;
    struct Refused {
        const char* nr;
        const char* pos;
        std::string text;
    };
    const Refused refused[] = {
        {"2", "60", "wrong Layer-Position :60 nm at Layer-Nr:2 (max. 0-50 nm)"},
        {"5", "1", "wrong Layer-Nr (1-4)"},
        {"3", "-1", "wrong Layer-Position :-1 nm at Layer-Nr:3 (max. 0-5 nm)"},
    };
    onModal<TLayerposEditdlg>([&](TLayerposEditdlg& d) {
        for (const Refused& r : refused) {
            d.layernr->setText(r.nr);
            d.valueedit->setText(r.pos);
            d.OkBtn->click();
            EXPECT_TRUE(d.isVisible()) << r.pos;
            ASSERT_FALSE(script.boxes.empty());
            EXPECT_EQ(script.boxes.back().caption, "Error");
            EXPECT_EQ(script.boxes.back().text, r.text);
            EXPECT_EQ(run.passes, passes);
        }
        d.layernr->setText("3");
        d.valueedit->setText("1");
        d.OkBtn->click();
        if (d.isVisible())
            d.reject();
    });
    window->LayerBoxClick();
    EXPECT_EQ(script.boxes.size(), std::size(refused));
    EXPECT_GT(run.passes, passes);
    EXPECT_EQ(doc.EHOptionpara.LayerNr, 2);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Layerpos, 1.0);
}

// A place kept from a document of more layers (New keeps the options)
// starts again in layer 1, without a box, and the window works.
TEST_F(LayerWindow, StalePlaceStartsAgain)
{
    doc.EHOptionpara.LayerNr = 7;
    doc.EHOptionpara.Layerpos = 80.0;
    open();
    firstRun();
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(doc.EHOptionpara.LayerNr, 1);
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Layerpos, 25.0);
    EXPECT_TRUE(window->CloseBtn->isEnabled());
}

// Thinner half-spaces leave the place in the first one beyond it: one box,
// nothing computed, and the controls work again.
TEST_F(LayerWindow, PlaceLostByNewOptionsEnablesTheControlsAgain)
{
    doc.EHOptionpara.LayerNr = 0;
    doc.EHOptionpara.Layerpos = 15.0;
    open();
    firstRun();
    onModal<TEHOptiondlg>([](TEHOptiondlg& d) {
        d.d_1HR->setText("10");
        d.OkBtn->click();
    });
    labels.clear();
    window->OptionBtn->click();
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"wrong Layer-Position :15 nm at Layer-Nr:1 (max. 0-10 nm)"});
    EXPECT_TRUE(labels.empty());
    EXPECT_TRUE(window->CloseBtn->isEnabled());
    EXPECT_TRUE(window->CalcBtn->isEnabled());
    EXPECT_TRUE(window->Layer_ScrollBar->isEnabled());
}

// A profile stopped early is shorter than the other: each is drawn and
// scaled over its own samples.
TEST_F(LayerWindow, LayerViewTakesEachProfileOverItsOwnLength)
{
    TEWaveList eh1(4), eh2(8);
    for (TEWaveList* list : {&eh1, &eh2})
        for (std::size_t i = 0; i < list->size(); ++i) {
            (*list)[i].Pos = double(i);
            (*list)[i].Filled = 1;
            (*list)[i].Feld[ehHy].modulusSqr = 1.0 + double(i);
        }
    eh2.back().Feld[ehHy].modulusSqr = 100.0;
    open();
    firstRun();
    TEHview view(window->LayerBox, nullptr, eh1, eh2, nullptr, window->FieldGroupP, window->FieldGroupS);
    view.PolArt = paP;
    const veltrane::ViewScale s = view.Scale(250, 150);
    EXPECT_DOUBLE_EQ(s.y.max, 100.0);
    EXPECT_DOUBLE_EQ(s.y.min, 1.0);
    EXPECT_EQ(view.ProfileComponent(), ehHy);
}

TEST_F(LayerWindow, FieldGroupsFollowThePolarisation)
{
    doc.Simparameter.PolArt = paPS;
    doc.Simparameter.PolMode = pmBoth;
    open();
    firstRun();
    EXPECT_TRUE(window->FieldGroupS->isEnabled());
    EXPECT_EQ(window->FieldGroupP->ItemIndex(), 1);
    EXPECT_EQ(window->FieldGroupS->ItemIndex(), -1);
    window->FieldGroupS->Button(1)->click();
    EXPECT_EQ(window->FieldGroupP->ItemIndex(), -1);
    EXPECT_EQ(window->EHview().ProfileComponent(), ehEy);
}

}  // namespace
