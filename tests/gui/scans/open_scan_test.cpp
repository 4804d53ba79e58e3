// The open-scan dialog's chooser: which files it offers, and that every
// file chosen is loaded, whatever its extension and the filter shown.
// Removing is driven through the main window's Load command.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "gui/scans/ScanFiles.h"
#include "document/Defaults.h"
#include "gui/scans/OpenScandlg.h"
#include "gui/scans/plain/OpenScanModel.h"
#include "platform/ScriptedPlatform.h"
#include "platform/qt/FileFilter.h"
#include "platform/qt/QtPlatform.h"
#include "support/TypedChooser.h"

namespace {

// The entry of the chooser's filters whose patterns take the name, matched
// with case as a desktop's chooser may match it; -1 for none. Qt reads the
// patterns from the last parentheses of each entry.
int filterEntryFor(const std::string& filter, const QString& fileName)
{
    const QStringList entries = veltrane::qtFilter(filter).split(";;");
    for (int i = 0; i < entries.size(); ++i) {
        const QString patterns = entries[i].mid(entries[i].lastIndexOf('(') + 1).chopped(1);
        for (const QString& pattern : patterns.split(' '))
            if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(fileName).hasMatch())
                return i;
    }
    return -1;
}

TEST(OpenScan, TheChooserOffersScanFilesWhateverTheCaseOfTheirNames)
{
    const veltrane::OpenFileRequest r = OpenScanModel::FileRequest();
    EXPECT_EQ(r.title, "Open Scanfile");
    EXPECT_EQ(r.defaultExt, "dto");
    EXPECT_TRUE(r.multiSelect);
    for (const char* name : {"film.ell", "FILM.ELL", "film.Ell", "film.eLL"})
        EXPECT_EQ(filterEntryFor(r.filter, name), 2) << name;
    for (const char* name : {"gold.dto", "GOLD.DTO", "Gold.Dto"})
        EXPECT_EQ(filterEntryFor(r.filter, name), 0) << name;
    EXPECT_EQ(filterEntryFor(r.filter, "GOLD.DT3"), 1);
    // A name without an extension is read as two columns; "all files"
    // shows it.
    EXPECT_EQ(filterEntryFor(r.filter, "scan7"), 3);
}

std::vector<std::string> listed(const TOpenScandlg& dlg)
{
    std::vector<std::string> names;
    for (int i = 0; i < dlg.LoadList->count(); ++i)
        names.push_back(dlg.LoadList->item(i)->text().toStdString());
    return names;
}

const std::vector<std::string> bothScans{"a.dto", "b.Ell (Psi)", "b.Ell (Delta)"};

TEST(OpenScan, BothFilesTheChooserAnswersAreLoaded)
{
    ScanFiles files;
    const std::string a = files.twoColumn("a.dto"), b = files.ellipsometry("b.Ell");
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    Document doc = DefaultDocument();
    TOpenScandlg dlg(doc);
    int changes = 0;
    dlg.OnScansChanged = [&] { ++changes; };
    dlg.show();
    script.openAnswers.push_back({a, b});
    dlg.LoadBtn->click();
    EXPECT_EQ(listed(dlg), bothScans);
    EXPECT_EQ(doc.ScanColList[1].Kind, 6);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(script.boxes.empty());
}

struct OpenScanByHand {
    ScanFiles files;
    veltrane::QtPlatform qt;
    veltrane::ScopedPlatform use{qt};
    Document doc = DefaultDocument();
    TOpenScandlg dlg{doc};
    OpenScanByHand() { dlg.show(); }
    QString folder() const { return QString::fromStdString(files.dir.dir().string()); }
};

TEST(OpenScan, EveryNameTypedIntoTheChooserIsLoaded)
{
    struct Case { int filter; bool fullPaths; };
    for (const Case c : {Case{0, false}, Case{0, true}, Case{2, false}, Case{2, true}}) {
        OpenScanByHand s;
        const QString a = QString::fromStdString(s.files.twoColumn("a.dto"));
        const QString b = QString::fromStdString(s.files.ellipsometry("b.Ell"));
        veltrane::test::TypedChooser chooser({c.fullPaths ? "\"" + a + "\" \"" + b + "\"" : "\"a.dto\" \"b.Ell\""});
        chooser.folder = s.folder();
        chooser.filter = c.filter;
        chooser.listed = 1;
        s.dlg.LoadBtn->click();
        EXPECT_EQ(listed(s.dlg), bothScans) << "filter " << c.filter << (c.fullPaths ? ", full paths" : ", names");
        EXPECT_TRUE(chooser.boxes.empty());
    }
}

// Mended: one typed name that is no file made the chooser's own "File not
// found" box refuse the whole choice, which loaded nothing and read the
// name as markup. The files that are there are loaded, and each name that
// is not is named in the program's own box, as typed. The default
// extension goes only onto a name that has none and is no file: a scan
// file without an extension is read as it is.
TEST(OpenScan, TypedNamesThatAreNoFilesAreNamedAndTheOthersLoaded)
{
    OpenScanByHand s;
    s.files.twoColumn("a.dto");
    s.files.twoColumn("scan7");
    s.files.twoColumn("b.dto");
    veltrane::test::TypedChooser chooser({"\"a.dto\" \"<b>gone.Ell\" \"scan7\" \"lost\" \"b\""});
    chooser.folder = s.folder();
    chooser.filter = 3;  // all files
    chooser.listed = 3;
    s.dlg.LoadBtn->click();
    EXPECT_EQ(listed(s.dlg), (std::vector<std::string>{"a.dto", "scan7", "b.dto"}));
    EXPECT_EQ(chooser.texts(), (QStringList{"Cannot read file \"" + s.folder() + "/<b>gone.Ell\"",
                                            "Cannot read file \"" + s.folder() + "/lost.dto\""}));
    EXPECT_TRUE(chooser.allPlain());
}

}  // namespace
