// The scripted GUI services of the tests: their printer writes into a fresh
// temporary folder of its own, never onto a fixed name that an earlier run,
// or another user's, may hold.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "platform/qt/GuiServices.h"

TEST(ScriptedGuiServices, EachPrintsIntoAFreshFolderOfItsOwnThatGoesWithIt)
{
    QString first, second;
    {
        veltrane::ScriptedGuiServices a, b;
        first = a.printer().outputFileName();
        second = b.printer().outputFileName();
        EXPECT_EQ(a.printer().outputFormat(), QPrinter::PdfFormat);
        ASSERT_FALSE(first.isEmpty());
        EXPECT_NE(QFileInfo(first).absolutePath(), QFileInfo(second).absolutePath());
        EXPECT_TRUE(QFileInfo(first).absolutePath().startsWith(QDir::temp().absolutePath() + "/"));
        EXPECT_TRUE(QFileInfo(QFileInfo(first).absolutePath()).isDir());
        // Nothing stands there before this instance prints.
        EXPECT_FALSE(QFile::exists(first));
        EXPECT_EQ(QDir(QFileInfo(first).absolutePath()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList{});

        QPainter page(&a.printer());
        page.drawText(100, 100, "page");
        ASSERT_TRUE(page.end());
        EXPECT_GT(QFileInfo(first).size(), 100);
        EXPECT_FALSE(QFile::exists(second));
    }
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(first).absolutePath()));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(second).absolutePath()));
}
