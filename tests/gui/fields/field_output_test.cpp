// A field window's plot outputs on a machine without a printer when the
// file cannot be written: an "I/O Error" with its reason, nothing left
// behind, and no claim of success.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cerrno>
#include <cstring>

#include "FieldWindowFixture.h"
#include "gui/fields/EwavedlgT.h"
#include "platform/qt/GuiServices.h"
#include "plot/DruckDlg.h"
#include "support/WriteFailures.h"

namespace {

struct FieldOutput : FieldWindowTest {
    FieldOutput()
    {
        gui.printers.clear();
        veltrane::installGuiServices(&gui);
    }
    ~FieldOutput() override { veltrane::installGuiServices(nullptr); }

    veltrane::ScriptedGuiServices gui;
};

TEST_F(FieldOutput, PrintAndSaveOfThePlotOntoAFullDevice)
{
    TEwavedlgT window(doc, run);
    frame = window.FitStatus1;
    window.show();
    ASSERT_TRUE(WaitFor([&] { return !labels.empty() && !window.Computing(); }));
    veltrane::test::DeviceNode full;
    script.saveAnswers = {full.path(), full.path()};
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<TDruckDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->PrinterOKBtn->click();
    });
    window.PrintPlotBtn->trigger();
    window.Plot2FileBtn->trigger();
    ASSERT_EQ(script.boxes.size(), 2u);
    for (const auto& box : script.boxes) {
        EXPECT_EQ(box.caption, "I/O Error");
        EXPECT_NE(box.text.find(std::strerror(ENOSPC)), std::string::npos) << box.text;
    }
    EXPECT_TRUE(full.intact());
}

}  // namespace
