// The main window's prints and exports on a machine without a printer when
// their file cannot be written: each says why under "I/O Error" and leaves
// no file, or the old one byte for byte; and the printer set-up shows no
// print dialog there.
#include <QDir>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "MainFormFixture.h"
#include "plot/DruckDlg.h"
#include "support/WriteFailures.h"

namespace {

struct MainOutputTest : MainWindowTest {
    MainOutputTest() { gui.printers.clear(); }
    void printPlot()
    {
        onModal([](QWidget* w) {
            auto* dlg = dynamic_cast<TDruckDlg*>(w);
            ASSERT_NE(dlg, nullptr);
            EXPECT_FALSE(dlg->Setup->isEnabled());
            dlg->PrinterOKBtn->click();
        });
        trigger("PrintPlot");
    }
    // The last box is an "I/O Error" that gives the reason.
    void expectIoError(const char* reason)
    {
        ASSERT_FALSE(script.boxes.empty());
        EXPECT_EQ(script.boxes.back().caption, "I/O Error");
        EXPECT_NE(script.boxes.back().text.find(reason), std::string::npos) << script.boxes.back().text;
    }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries); }
};

TEST_F(MainOutputTest, OutputsToAFullDeviceAreIoErrors)
{
    simulateDemo();
    veltrane::test::DeviceNode full;
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"PrintPlot", [this] { printPlot(); }},
        {"PrintParameter", [this] { trigger("PrintParameter"); }},
        {"ExportPlot", [this] { trigger("ExportPlot"); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        const std::size_t boxes = script.boxes.size();
        script.saveAnswers = {full.path()};
        run();
        EXPECT_EQ(script.boxes.size(), boxes + 1);
        expectIoError(std::strerror(ENOSPC));
        EXPECT_TRUE(full.intact());
    }
}

TEST_F(MainOutputTest, AFailedWriteLeavesTheOldFileByteForByte)
{
    simulateDemo();
    const std::string pdf = path("plot.pdf"), bmp = path("plot.bmp");
    for (const std::string& f : {pdf, bmp})
        std::ofstream(f, std::ios::binary) << "old " << f;
    {
        veltrane::test::FileSizeLimit limit(2000);
        script.saveAnswers = {pdf};
        printPlot();
        expectIoError("plot.pdf");
        script.saveAnswers = {pdf};
        trigger("PrintParameter");
        expectIoError("plot.pdf");
        script.saveAnswers = {bmp};
        trigger("ExportPlot");
        expectIoError(std::strerror(EFBIG));
    }
    EXPECT_EQ(script.boxes.size(), 3u);
    for (const std::string& f : {pdf, bmp}) {
        std::ifstream in(f, std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == "old " + f) << f << " was changed";
    }
    EXPECT_EQ(entries(), (QStringList{"plot.bmp", "plot.pdf"}));

    // Written in full, the same commands replace the files.
    script.saveAnswers = {pdf, bmp};
    printPlot();
    trigger("ExportPlot");
    EXPECT_EQ(script.boxes.size(), 3u) << script.boxes.back().caption << ": " << script.boxes.back().text;
    EXPECT_GT(QFileInfo(QString::fromStdString(pdf)).size(), 1000);
    EXPECT_GT(QImage(QString::fromStdString(bmp)).width(), 0);
}

TEST_F(MainOutputTest, PrinterSetupWithoutAPrinterOnlySaysSo)
{
    trigger("PrinterSetup1");
    EXPECT_EQ(gui.setupCalls, 0);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].kind, veltrane::BoxKind::Information);
    EXPECT_EQ(script.boxes[0].text, veltrane::NoPrinterSetupText);

    gui.printers = {"Laser"};
    trigger("PrinterSetup1");
    EXPECT_EQ(gui.setupCalls, 1);
    EXPECT_EQ(script.boxes.size(), 1u);
}

}  // namespace
