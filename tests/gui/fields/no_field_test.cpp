// Both field windows where they have no fields of their own to show: before
// their first run has ended, for a stack the engine refuses, and when none
// of the chosen components exists for the light. Nothing of another run is
// shown, nothing is computed through the refused stack, and no output
// claims to hold fields it does not.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "FieldWindowFixture.h"
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/EwavedlgT.h"
#include "gui/fields/PaintBox.h"
#include "optics/CalcPlasmon.h"
#include "platform/qt/GuiServices.h"
#include "plot/DruckDlg.h"
#include "plot/Lineplot.h"
#include "support/FieldSets.h"
#include "support/TempFolder.h"

namespace {

// Pixels of the plot area, as on the screen, in a colour of the curves:
// neither grey (grid, axes, boxes) nor the blue of the layer lines, which
// belong to the samples of the run itself.
int CurvePixels(TLinePlot& plot)
{
    const QImage image = plot.grab().toImage();
    const TRect r = plot.GetPlotrec();
    int count = 0;
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
        for (int x = r.Left + 1; x < r.Right - 1; ++x) {
            const QColor c = image.pixelColor(x, y);
            const int spread = std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            if (spread > 60 && c != QColor(0, 0, 255))
                ++count;
        }
    return count;
}

template <class Window>
struct NoField : FieldWindowTest {
    void open()
    {
        if (!window) {
            window = std::make_unique<Window>(doc, run);
            frame = window->FitStatus1;
        }
        labels.clear();
        window->show();
    }
    void firstRun() { ASSERT_TRUE(WaitFor([this] { return !labels.empty() && !window->Computing(); })); }
    std::unique_ptr<Window> window;
};

using Windows = ::testing::Types<TEwavedlgT, TEwavedlgD>;
TYPED_TEST_SUITE(NoField, Windows);

// Shown again after a P+S session with s components, the window computes P
// light: until that run ends the plot is empty, over the axes of this run.
TYPED_TEST(NoField, FirstRunShowsNoPictureOfTheRunBefore)
{
    Document& doc = this->doc;
    doc.Simparameter.PolArt = paPS;
    doc.Simparameter.PolMode = pmBoth;
    const TEHFieldSet pFields = doc.EHOptionpara.Fields;
    doc.EHOptionpara.Fields = veltrane::test::fieldSet({ehHx, ehEy, ehHz, ehSqrPhase, ehAbsolute});
    this->open();
    this->firstRun();
    TLinePlot& plot = *this->window->Plot;
    ASSERT_GT(CurvePixels(plot), 200);
    this->window->reject();

    doc.Simparameter.PolArt = paP;
    doc.Simparameter.PolMode = pmP;
    doc.EHOptionpara.Fields = pFields;
    doc.EHOptionpara.Theta1 = 50.0;
    doc.EHOptionpara.Theta2 = 60.0;
    int passes = 0, looked = 0;
    this->onPass = [&](int) {
        if (++passes % 40 != 1)
            return;
        ++looked;
        EXPECT_EQ(plot.GetColanz(), 0);
        EXPECT_EQ(CurvePixels(plot), 0) << "pass " << passes;
        // The samples of this run will lie over these axes.
        const bool angles = std::is_same_v<TypeParam, TEwavedlgD>;
        EXPECT_DOUBLE_EQ(plot.XAxis().minValue(), angles ? 50.0 : -20.0);
        EXPECT_DOUBLE_EQ(plot.XAxis().maxValue(), angles ? 60.0 : 75.0);
    };
    this->open();
    EXPECT_EQ(CurvePixels(plot), 0) << "before the run";
    this->firstRun();
    this->onPass = nullptr;
    EXPECT_GT(looked, 2);
    EXPECT_GT(plot.GetColanz(), 0);
    EXPECT_GT(CurvePixels(plot), 200);
}

// A document holding a layer of -5 nm opens; the field windows refuse it
// as the main computation does, once, and draw nothing for it.
TYPED_TEST(NoField, NegativeThicknessIsRefusedWithTheEnginesMessage)
{
    this->doc.Simparameter.Dicke[1] = -5.0;
    const std::string refusal = veltrane::CheckSimparameter(this->doc.Simparameter);
    ASSERT_EQ(refusal, "Layer 2 has a thickness below 0 nm.");
    this->open();
    auto& w = *this->window;
    ASSERT_TRUE(WaitFor([&] { return w.CalcBtn->isEnabled(); }));
    QTest::qWait(50);
    w.CalcBtn->click();
    ASSERT_EQ(this->script.boxes.size(), 1u);
    EXPECT_EQ(this->script.boxes[0].caption, "Error CalcEwave Init");
    EXPECT_EQ(this->script.boxes[0].text, refusal);
    EXPECT_TRUE(this->labels.empty()) << this->labels.front();
    EXPECT_TRUE(w.Samples().empty());
    EXPECT_EQ(w.Plot->GetColanz(), 0);
    EXPECT_EQ(CurvePixels(*w.Plot), 0);
    if constexpr (std::is_same_v<TypeParam, TEwavedlgD>) {
        EXPECT_TRUE(w.ProfileEH1().empty());
        EXPECT_TRUE(w.ProfileEH2().empty());
        EXPECT_FALSE(w.LayerBox->isVisible());
    }
    w.Data2ClipboardBtn->trigger();
    EXPECT_EQ(this->script.boxes.back().text, "No field data to export");
    EXPECT_TRUE(w.CloseBtn->isEnabled());
}

// Only s components chosen for P light: the plot says what to choose, the
// data outputs say that there is nothing to export and write nothing; the
// plot itself, note, layer table and comment, still prints.
TYPED_TEST(NoField, NoComponentForTheLightHasNoDataToExport)
{
    this->doc.EHOptionpara.Fields = veltrane::test::fieldSet({ehHx, ehEy, ehHz, ehSqrPhase, ehAbsolute});
    this->open();
    this->firstRun();
    auto& w = *this->window;
    ASSERT_FALSE(w.NoFieldNote().empty());
    veltrane::ScriptedPlatform& script = this->script;
    script.clipboardText = "kept";
    w.Data2ClipboardBtn->trigger();
    w.Data2FileBtn->trigger();
    EXPECT_EQ(script.boxTexts(), (std::vector<std::string>{"No field data to export", "No field data to export"}));
    EXPECT_EQ(script.clipboardText, "kept");
    EXPECT_TRUE(script.saveRequests.empty());

    veltrane::ScriptedGuiServices gui;
    gui.printers.clear();
    veltrane::installGuiServices(&gui);
    testdoc::TempFolder folder;
    script.saveAnswers = {folder.path("page.pdf")};
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<TDruckDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->PrinterOKBtn->click();
    });
    w.PrintPlotBtn->trigger();
    veltrane::installGuiServices(nullptr);
    EXPECT_EQ(script.boxes.size(), 2u);
    EXPECT_GT(std::filesystem::file_size(folder.path("page.pdf")), 1000u);
}

}  // namespace
