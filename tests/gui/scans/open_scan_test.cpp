// The open-scan dialog: which files its chooser offers, and the list after
// loading and removing.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>

#include "ScanFiles.h"
#include "document/Defaults.h"
#include "gui/scans/OpenScandlg.h"
#include "platform/ScriptedPlatform.h"
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

TEST(OpenScan, RemoveWaitsForASelectionAndTheStatusShowsTheName)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    ScanFiles files;
    Document doc = DefaultDocument();
    TOpenScandlg dlg(doc);
    int changes = 0;
    dlg.OnScansChanged = [&] { ++changes; };
    dlg.show();
    EXPECT_FALSE(dlg.RemoveButton->isEnabled());

    script.openAnswers.push_back({files.ellipsometry("FILM.ELL")});
    dlg.LoadBtn->click();
    ASSERT_EQ(dlg.LoadList->count(), 2);
    EXPECT_EQ(dlg.LoadList->item(1)->text(), "FILM.ELL (Delta)");
    EXPECT_EQ(doc.ScanColList[1].Kind, ckDelta);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(dlg.RemoveButton->isEnabled());  // the list is deselected

    dlg.LoadList->setCurrentRow(1);
    EXPECT_TRUE(dlg.RemoveButton->isEnabled());
    EXPECT_EQ(dlg.StatusBar1->currentMessage(), "FILM.ELL (Delta)");
    EXPECT_EQ(dlg.LoadList->toolTip().toStdString(), files.path("FILM.ELL"));

    script.openAnswers.push_back({});  // the chooser cancelled
    dlg.LoadBtn->click();
    EXPECT_EQ(changes, 1);
    dlg.HelpBtn->click();
    EXPECT_EQ(script.helpKeywords, std::vector<std::string>{"PAGE_SCAN_LOAD"});
}

}  // namespace
