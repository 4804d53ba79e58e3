// The field options dialog: the components of each polarisation and a
// refused value; the progress frame and the stop window.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "controls/RIEdit.h"
#include "document/Defaults.h"
#include "gui/fields/EHOptiondlg.h"
#include "gui/fields/FitStatus.h"
#include "gui/fields/Fitabbruch.h"
#include "platform/ScriptedPlatform.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

TEHOptionpara defaults()
{
    TEHOptionpara o;
    SetEHOptionDefaults(o);
    return o;
}

class OptionsDialog : public ::testing::Test {
protected:
    ScriptedPlatform script;
    ScopedPlatform use{script};
    TEHOptiondlg dlg;
};

// P light computes no s components: they are disabled, and a choice made
// for S light survives the dialog.
TEST_F(OptionsDialog, ComponentsOfTheOtherPolarisationKeepTheirBits)
{
    dlg.EHOptionpara = defaults();
    dlg.EHOptionpara.Fields.Include(ehEy);
    dlg.PolArt = paP;
    dlg.show();
    EXPECT_FALSE(dlg.FieldCheckEy->isEnabled());
    EXPECT_FALSE(dlg.FieldCheckHz->isEnabled());
    EXPECT_TRUE(dlg.FieldCheckHy->isEnabled());
    EXPECT_TRUE(dlg.FieldCheckEy->isChecked());
    dlg.FieldCheckHy->click();
    dlg.FieldPartGroup->button(1)->click();
    dlg.OkBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.Recalc);
    const TEHFieldSet f = dlg.EHOptionpara.Fields;
    EXPECT_TRUE(f.Contains(ehEy));
    EXPECT_TRUE(f.Contains(ehHy));
    EXPECT_TRUE(f.Contains(ehAbsPhase));
    EXPECT_FALSE(f.Contains(ehSqrPhase));
}

// Mended: a key the point count refused vanished without a sound, so
// "1e3" typed key by key showed and computed 13 points without a sign that
// the "e" was not taken. The count stored is the one shown, and every
// refused key beeped.
TEST_F(OptionsDialog, APointCountTypedKeyByKeyIsTheCountShown)
{
    const struct { const char* keys; int count; int beeps; } cases[] = {
        {"1e3", 13, 1}, {"9.01e2", 9012, 2}, {"250", 250, 0},
    };
    for (const auto& c : cases) {
        dlg.EHOptionpara = defaults();
        dlg.show();
        dlg.nPktanz->clear();
        script.beeps = 0;
        QTest::keyClicks(dlg.nPktanz, c.keys);
        dlg.OkBtn->click();
        ASSERT_FALSE(dlg.isVisible()) << c.keys;  // accepted
        EXPECT_EQ(dlg.EHOptionpara.Pktanz, dlg.nPktanz->text().toInt()) << c.keys;
        EXPECT_EQ(dlg.EHOptionpara.Pktanz, c.count) << c.keys;
        EXPECT_EQ(script.beeps, c.beeps) << c.keys;
    }
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(OptionsDialog, RefusedValueKeepsTheDialogOpen)
{
    dlg.EHOptionpara = defaults();
    dlg.show();
    dlg.nPktanz->setText("100001");
    dlg.OkBtn->click();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error");
    EXPECT_EQ(script.boxes[0].text, "Pktanz must be 0 - 100000");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.EHOptionpara.Pktanz, 0);
    dlg.nPktanz->setText("500");
    dlg.d_1HR->setText("");
    dlg.OkBtn->click();
    EXPECT_EQ(script.boxes.back().text, "1. Layer thickness must be >=0");
    EXPECT_TRUE(dlg.isVisible());
    dlg.d_1HR->setText("12.5");
    dlg.OkBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(dlg.Recalc);
    EXPECT_DOUBLE_EQ(dlg.EHOptionpara.d_1, 12.5);
    EXPECT_EQ(dlg.EHOptionpara.Pktanz, 500);
}

TEST(ProgressFrame, PercentAndStop)
{
    EXPECT_EQ(TFitStatus::PercentText(50, 200), "25%");
    EXPECT_EQ(TFitStatus::PercentText(1, 3), "33%");
    // A run of no samples: fewer X points than layers.
    EXPECT_EQ(TFitStatus::PercentText(0, 0), "0%");

    ScriptedPlatform script;
    ScopedPlatform use(script);
    QWidget window;
    auto* frame = new TFitStatus(&window);
    window.show();
    EXPECT_FALSE(frame->isVisible());
    frame->Start(0, "Calculating Ewave at Pos");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->CalcLabel->text(), "Calculating Ewave at Pos");
    EXPECT_EQ(frame->PosLabel->text(), "0%");
    frame->Start(200, "Calculating Ewave at 52\xC2\xB0");
    frame->SetPos(50);
    EXPECT_EQ(frame->PosLabel->text(), "25%");
    EXPECT_EQ(frame->SpeedButton1->toolTip(), "Stop calculation");

    veltrane::RunControl run;
    frame->OnStop = [&run] { run.Stop(); };
    ASSERT_TRUE(run.Begin());
    frame->SpeedButton1->click();
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(script.beeps, 1);
    frame->Finish();
    EXPECT_FALSE(frame->isVisible());
}

TEST(StopWindow, StopEndsTheRun)
{
    veltrane::RunControl run;
    TFitabbruch stop(run);
    EXPECT_EQ(stop.windowTitle(), "Fitting");
    ASSERT_TRUE(run.Begin());
    stop.StopBtn->click();
    EXPECT_EQ(run.CalcRunning, 0);
}

}  // namespace
