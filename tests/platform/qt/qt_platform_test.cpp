#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QWindow>

#include "platform/qt/PlainText.h"
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

// Mended: boxes read their text as markup, so the question before a scan
// is removed showed "<img src=...>" in its file name as a local picture,
// and a crafted name could read as other text than the file's.
TEST(QtPlatform, BoxesShowNamesAsWritten)
{
    veltrane::QtPlatform platform;
    const QString name = "<b>x</b><img src=\"/usr/share/pixmaps/debian-logo.png\">.dat";
    QString shown, title;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        // The label the box shows its text in.
        for (const QLabel* l : box->findChildren<QLabel*>())
            if (l->text().contains("Remove"))
                shown = l->textFormat() == Qt::PlainText ? l->text()
                                                         : QTextDocumentFragment::fromHtml(l->text()).toPlainText();
        title = box->windowHandle() ? box->windowHandle()->title() : QString();
        box->reject();
    });
    veltrane::MessageRequest r;
    r.caption = "Scan [*] " + name.toStdString();
    r.text = "Remove " + name.toStdString() + " ?";
    r.buttons = veltrane::BoxButtons::YesNo;
    platform.message(r);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown.toStdString(), ("Remove " + name + " ?").toStdString());
    EXPECT_EQ(title.toStdString(), ("Scan [*] " + name).toStdString());
}

// A caption takes "[*]" as the modified marker; a file named so keeps it.
TEST(QtPlatform, CaptionsShowTheModifiedMarkerAsWritten)
{
    QWidget w;
    w.setWindowTitle(veltrane::plainWindowTitle("Veltrane [a[*]b.vtn]"));
    w.show();
    ASSERT_NE(w.windowHandle(), nullptr);
    EXPECT_EQ(w.windowHandle()->title().toStdString(), "Veltrane [a[*]b.vtn]");
    w.setWindowModified(true);
    EXPECT_EQ(w.windowHandle()->title().toStdString(), "Veltrane [a[*]b.vtn]");
}
