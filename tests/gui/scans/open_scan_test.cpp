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

// The real chooser: shows the scan folder under the filter given, types the
// names into its name box as a user does and presses Return. The text of a
// message box the chooser shows is kept, and the box closed.
struct TypedIntoChooser {
    QString folder;
    int filter = 0;
    QString typed;
    QString box;

    void answerNext()
    {
        QTimer::singleShot(0, [this] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            chooser->setDirectory(folder);
            chooser->selectNameFilter(chooser->nameFilters().at(filter));
            // The list must show the file of the filter before the names are
            // typed: the chooser selects the typed names it lists.
            auto* list = chooser->findChild<QAbstractItemView*>("listView");
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 1; }, 5000));
            auto* nameBox = chooser->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(nameBox, nullptr);
            nameBox->setFocus();
            QTest::keyClicks(nameBox, typed);
            QTimer::singleShot(0, [this, chooser] {
                QWidget* modal = QApplication::activeModalWidget();
                if (auto* message = modal != chooser ? qobject_cast<QMessageBox*>(modal) : nullptr) {
                    box = message->text();
                    message->close();
                }
            });
            QTest::keyClick(nameBox, Qt::Key_Return);
            if (chooser->isVisible())
                chooser->reject();
        });
    }
};

struct OpenScanByHand {
    ScanFiles files;
    veltrane::QtPlatform qt;
    veltrane::ScopedPlatform use{qt};
    Document doc = DefaultDocument();
    TOpenScandlg dlg{doc};
    OpenScanByHand() { dlg.show(); }
};

TEST(OpenScan, EveryNameTypedIntoTheChooserIsLoaded)
{
    struct Case { int filter; bool fullPaths; };
    for (const Case c : {Case{0, false}, Case{0, true}, Case{2, false}, Case{2, true}}) {
        OpenScanByHand s;
        const QString a = QString::fromStdString(s.files.twoColumn("a.dto"));
        const QString b = QString::fromStdString(s.files.ellipsometry("b.Ell"));
        TypedIntoChooser chooser{QString::fromStdString(s.files.dir.dir().string()), c.filter,
                                 c.fullPaths ? "\"" + a + "\" \"" + b + "\"" : "\"a.dto\" \"b.Ell\""};
        chooser.answerNext();
        s.dlg.LoadBtn->click();
        EXPECT_EQ(listed(s.dlg), bothScans) << "filter " << c.filter << (c.fullPaths ? ", full paths" : ", names");
        EXPECT_EQ(chooser.box, "");
    }
}

TEST(OpenScan, ATypedNameThatIsNoFileIsNamedInABox)
{
    OpenScanByHand s;
    s.files.twoColumn("a.dto");
    TypedIntoChooser chooser{QString::fromStdString(s.files.dir.dir().string()), 0, "\"a.dto\" \"gone.Ell\""};
    chooser.answerNext();
    s.dlg.LoadBtn->click();
    EXPECT_TRUE(chooser.box.contains("gone.Ell")) << chooser.box.toStdString();
    EXPECT_TRUE(listed(s.dlg).empty());
}

}  // namespace
