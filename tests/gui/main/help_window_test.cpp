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

// Page Down sent through the window system, where Qt applies modality,
// scrolls the help page only when the help window takes input.
static bool takesInput(QTextBrowser& help)
{
    help.verticalScrollBar()->setValue(0);
    QTest::keyClick(help.windowHandle(), Qt::Key_PageDown);
    return help.verticalScrollBar()->value() > 0;
}

TEST_F(MainWindowTest, HelpFromAModalDialogStandsBesideItAndTakesInput)
{
    veltrane::QtPlatform qt;
    qt.setHelpFolder(":/help");
    veltrane::ScopedPlatform useQt(qt);
    form.show();
    QPointer<QTextBrowser> help;
    // Twice: the dialog closed and opened again finds the same help window.
    for (int round = 0; round < 2; ++round) {
        onModal([&](QWidget* w) {
            auto* dlg = dynamic_cast<TOptiondlg*>(w);
            ASSERT_NE(dlg, nullptr);
            dlg->HelpBtn->click();
            QApplication::processEvents();
            ASSERT_TRUE(qt.helpWindow() && (!help || help == qt.helpWindow()));
            help = qt.helpWindow();
            EXPECT_TRUE(help->isVisible());
            EXPECT_EQ(QApplication::activeWindow(), help);
            EXPECT_TRUE(takesInput(*help));
            for (const QAbstractButton* b : dlg->findChildren<QAbstractButton*>())
                EXPECT_FALSE(help->frameGeometry().intersects(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())))
                    << b->text().toStdString();
            dlg->CancelBtn->click();
        });
        trigger("Option1");
    }
    // A dialog made for one use and deleted neither takes the help window
    // with it nor leaves it blocked.
    auto* once = new QDialog(&form);
    QTimer::singleShot(0, [&] {
        qt.showHelp("PAGE_WHAT");
        once->reject();
    });
    once->exec();
    delete once;
    QApplication::processEvents();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(takesInput(*help));
}

// Closing the main window ends the program even while help is open.
TEST_F(MainWindowTest, HelpLeftOpenDoesNotKeepTheProgramRunning)
{
    veltrane::QtPlatform qt;
    form.show();
    qt.showHelp("PAGE_WHAT");
    script.answers.push_back(veltrane::BoxAnswer::No);
    QTimer::singleShot(0, &form, [this] { form.close(); });
    QTimer guard;  // a program kept running ends here with 1
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(1); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}
