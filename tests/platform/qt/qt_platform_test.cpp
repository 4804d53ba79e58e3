#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtRunControl.h"

TEST(QtRunControl, AStopButtonPressedInTheEventPassEndsTheLoop)
{
    veltrane::QtRunControl run;
    ASSERT_TRUE(run.Begin());
    QTimer::singleShot(0, [&] { run.Stop(); });
    int passes = 0;
    while (run.Running() && passes < 1000) {
        run.Yield();
        ++passes;
    }
    EXPECT_FALSE(run.Running());
    EXPECT_LT(passes, 1000);
    EXPECT_TRUE(run.Active());  // stopped, but the loop has not returned yet
    run.End();
    EXPECT_FALSE(run.Active());
}

// The set-up dialog sets up the printer: it offers neither to print nor a
// file to print to.
TEST(QtPlatform, PrinterSetupOffersNoPrintAndNoFile)
{
    veltrane::QtPlatform platform;
    QStringList buttons;
    bool fileField = true;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        for (const QPushButton* b : dlg->findChildren<QPushButton*>())
            if (b->isVisible())
                buttons << b->text().remove('&');
        fileField = false;
        for (const QLineEdit* e : dlg->findChildren<QLineEdit*>())
            fileField = fileField || e->isVisible();
        dlg->reject();
    });
    EXPECT_FALSE(platform.setupPrinter(nullptr));
    EXPECT_TRUE(buttons.contains("OK")) << buttons.join(", ").toStdString();
    EXPECT_FALSE(buttons.contains("Print"));
    EXPECT_FALSE(fileField);
}
