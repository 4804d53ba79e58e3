// The file choosers' filters as Qt gets them: patterns listed in several
// cases match every case, and the chooser shows the descriptions as given.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTimer>

#include "platform/qt/QtPlatform.h"

namespace {

const char* const scanFilter = "Plasmon Scan 2sp. (*.dto *.DTO)|*.dto;*.DTO|"
                               "Plasmon Scan xsp (*.dt* *.DT*)|*.dt*;*.DT*|"
                               "Ellipsometrie Scan 3sp (*.ell *.ELL)|*.ell;*.ELL|"
                               "all files (*)|*";

// Whether a chooser that matches with case takes the name under a Qt name
// filter: the patterns stand in its last parentheses.
bool takes(const QString& nameFilter, const QString& fileName)
{
    const QString patterns = nameFilter.mid(nameFilter.lastIndexOf('(') + 1).chopped(1);
    for (const QString& p : patterns.split(' ', Qt::SkipEmptyParts))
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(p)).match(fileName).hasMatch())
            return true;
    return false;
}

}  // namespace

TEST(FileFilter, PatternsListedInSeveralCasesMatchEveryCase)
{
    struct Case { const char* filter; const char* qt; };
    const Case cases[] = {
        {"Ellipsometrie Scan 3sp (*.ell *.ELL)|*.ell;*.ELL", "Ellipsometrie Scan 3sp (*.ell *.ELL) (*.[eE][lL][lL])"},
        {"Plasmon Scan xsp (*.dt* *.DT*)|*.dt*;*.DT*", "Plasmon Scan xsp (*.dt* *.DT*) (*.[dD][tT]*)"},
        {"Veltrane-File (*.vtn)|*.vtn", "Veltrane-File (*.vtn) (*.vtn)"},
        {"all files (*)|*", "all files (*) (*)"},
        {"Data|*.dat;*.txt;*.DAT", "Data (*.dat *.txt *.DAT) (*.[dD][aA][tT] *.txt)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(veltrane::qtFilter(c.filter).toStdString(), c.qt) << c.filter;

    const QStringList scans = veltrane::qtFilter(scanFilter).split(";;");
    ASSERT_EQ(scans.size(), 4);
    for (const char* name : {"b.ell", "b.ELL", "b.Ell", "b.eLl"})
        EXPECT_TRUE(takes(scans[2], name)) << name;
    EXPECT_FALSE(takes(scans[2], "b.dto"));
    for (const char* name : {"a.dto", "a.DTO", "a.Dto"})
        EXPECT_TRUE(takes(scans[0], name)) << name;
    EXPECT_FALSE(takes(scans[0], "b.Ell"));
}

TEST(FileFilter, TheChooserShowsTheDescriptionsAsGiven)
{
    veltrane::QtPlatform qt;
    veltrane::OpenFileRequest r;
    r.filter = scanFilter;
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        auto* combo = dlg->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(combo, nullptr);
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        dlg->reject();
    });
    EXPECT_TRUE(qt.chooseOpenFiles(r).empty());
    EXPECT_EQ(shown, QStringList({"Plasmon Scan 2sp. (*.dto *.DTO)", "Plasmon Scan xsp (*.dt* *.DT*)",
                                  "Ellipsometrie Scan 3sp (*.ell *.ELL)", "all files (*)"}));
}
