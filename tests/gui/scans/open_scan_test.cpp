// The open-scan dialog's chooser: which files it offers. Loading and
// removing are driven through the main window's Load command.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "gui/scans/OpenScanModel.h"
#include "platform/qt/QtPlatform.h"

namespace {

// The filter entry whose patterns take the name, matched with case as a
// desktop's file chooser matches it; -1 for none.
int filterEntryFor(const std::string& filter, const QString& fileName)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    for (int i = 1; i < parts.size(); i += 2)
        for (const QString& pattern : parts[i].split(';'))
            if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(fileName).hasMatch())
                return i / 2;
    return -1;
}

TEST(OpenScan, TheChooserOffersScanFilesWhateverTheCaseOfTheirNames)
{
    const veltrane::OpenFileRequest r = OpenScanModel::FileRequest();
    EXPECT_EQ(r.title, "Open Scanfile");
    EXPECT_EQ(r.defaultExt, "dto");
    EXPECT_TRUE(r.multiSelect);
    EXPECT_EQ(filterEntryFor(r.filter, "film.ell"), 2);
    EXPECT_EQ(filterEntryFor(r.filter, "FILM.ELL"), 2);
    EXPECT_EQ(filterEntryFor(r.filter, "gold.dto"), 0);
    EXPECT_EQ(filterEntryFor(r.filter, "GOLD.DTO"), 0);
    EXPECT_EQ(filterEntryFor(r.filter, "GOLD.DT3"), 1);
    // A name without an extension is read as two columns; "all files"
    // shows it.
    EXPECT_EQ(filterEntryFor(r.filter, "scan7"), 3);
    EXPECT_EQ(veltrane::qtFilter(r.filter).split(";;").at(2).toStdString(), "Ellipsometrie Scan 3sp (*.ell *.ELL)");
}

}  // namespace
