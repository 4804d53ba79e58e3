// A field window's plot outputs on a machine without a printer when the
// file cannot be written: an "I/O Error" with its reason, nothing left
// behind, and no claim of success. And its samples saved into a pipe typed
// into the chooser.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "FieldWindowFixture.h"
#include "gui/fields/EwavedlgT.h"
#include "platform/qt/GuiServices.h"
#include "platform/qt/QtPlatform.h"
#include "plot/DruckDlg.h"
#include "support/TypedChooser.h"
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

// Mended: a pipe (or /dev/full) typed into Save Data's chooser became a new
// regular file beside it, "<name>.dat", and the window said "Data saved to
// file". The samples go into the pipe itself, as the clipboard gets them.
TEST_F(FieldOutput, SaveDataWritesIntoAPipeTypedIntoTheChooser)
{
    TEwavedlgT window(doc, run);
    frame = window.FitStatus1;
    window.show();
    ASSERT_TRUE(WaitFor([&] { return !labels.empty() && !window.Computing(); }));
    veltrane::QtPlatform qt;
    script.separator = qt.decimalSeparator();
    window.Data2ClipboardBtn->trigger();
    const std::string samples = script.clipboardText;
    ASSERT_FALSE(samples.empty());

    QTemporaryDir dir;
    const std::string pipe = dir.path().toStdString() + "/samples";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Open for reading before the window writes, and drained meanwhile.
    const int fd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    std::atomic<bool> saved{false};
    std::string received;
    std::thread reader([&] {
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0)
                received.append(buf, std::size_t(n));
            else if (saved)
                break;
            else
                ::usleep(1000);
        }
    });
    {
        veltrane::ScopedPlatform useQt{qt};
        veltrane::test::TypedChooser chooser({QString::fromStdString(pipe)});
        window.Data2FileBtn->trigger();
        saved = true;
        reader.join();
        ASSERT_FALSE(chooser.boxes.empty());
        EXPECT_EQ(chooser.boxes.back().text, "Data saved to file");
    }
    ::close(fd);
    EXPECT_EQ(received, samples);
    EXPECT_FALSE(std::filesystem::exists(pipe + ".dat"));
    EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
}

}  // namespace
