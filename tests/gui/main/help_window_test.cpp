// Help asked for from a modal dialog. The dialog blocks every window that
// is not its own, so the help window must become the dialog's to be read,
// scrolled and closed while the dialog stays open.
#include <QAbstractButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "MainFormFixture.h"
#include "gui/simulation/Optiondlg.h"
#include "platform/qt/QtPlatform.h"

namespace {

// Page Down sent through the window system, where Qt applies modality,
// scrolls the help page only when the help window takes input.
bool takesInput(QTextBrowser& help)
{
    QScrollBar* bar = help.verticalScrollBar();
    bar->setValue(0);
    QTest::keyClick(help.windowHandle(), Qt::Key_PageDown);
    return bar->value() > 0;
}

bool coversAButton(const QWidget& help, const QWidget& dialog)
{
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        if (b->isVisible() && help.frameGeometry().intersects(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())))
            return true;
    return false;
}

}  // namespace

TEST_F(MainWindowTest, HelpFromAModalDialogStandsBesideItAndTakesInput)
{
    veltrane::QtPlatform qt;
    qt.setHelpFolder(":/help");
    veltrane::ScopedPlatform useQt(qt);
    form.show();
    QPointer<QTextBrowser> first;
    // Twice: the dialog closed and opened again finds the same help window.
    for (int round = 0; round < 2; ++round) {
        onModal([&](QWidget* w) {
            auto* dlg = dynamic_cast<TOptiondlg*>(w);
            ASSERT_NE(dlg, nullptr);
            dlg->HelpBtn->click();
            QTextBrowser* help = qt.helpWindow();
            ASSERT_NE(help, nullptr);
            if (!first)
                first = help;
            EXPECT_EQ(help, first.data());
            QApplication::processEvents();
            EXPECT_TRUE(help->isVisible());
            EXPECT_EQ(QApplication::activeWindow(), help);
            EXPECT_TRUE(takesInput(*help));
            EXPECT_FALSE(coversAButton(*help, *dlg));
            EXPECT_EQ(QApplication::activeModalWidget(), dlg);
            dlg->CancelBtn->click();
        });
        trigger("Option1");
        QApplication::processEvents();
        ASSERT_TRUE(first);
        EXPECT_TRUE(first->isVisible());
    }
    // With the dialog gone the help window stays usable, and closing it
    // leaves F1 able to open it again.
    EXPECT_TRUE(takesInput(*first));
    first->close();
    QApplication::processEvents();
    trigger("Help2");
    ASSERT_NE(qt.helpWindow(), nullptr);
    EXPECT_TRUE(qt.helpWindow()->isVisible());
}

// A dialog made for one use and deleted does not take the help window with
// it, nor leave it blocked.
TEST_F(MainWindowTest, HelpOutlivesTheDialogItWasAskedFrom)
{
    veltrane::QtPlatform qt;
    qt.setHelpFolder(":/help");
    veltrane::ScopedPlatform useQt(qt);
    auto* dlg = new QDialog(&form);
    QTimer::singleShot(0, [&] {
        qt.showHelp("PAGE_WHAT");
        dlg->reject();
    });
    dlg->exec();
    delete dlg;
    QApplication::processEvents();
    ASSERT_NE(qt.helpWindow(), nullptr);
    EXPECT_TRUE(qt.helpWindow()->isVisible());
    EXPECT_TRUE(takesInput(*qt.helpWindow()));
}

// Closing the main window ends the program even while help is open.
TEST_F(MainWindowTest, HelpLeftOpenDoesNotKeepTheProgramRunning)
{
    veltrane::QtPlatform qt;
    form.show();
    qt.showHelp("PAGE_WHAT");
    ASSERT_TRUE(qt.helpWindow()->isVisible());
    script.answers.push_back(veltrane::BoxAnswer::No);
    QTimer::singleShot(0, &form, [this] { form.close(); });
    QTimer guard;  // a program kept running ends here with 1
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(1); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}
