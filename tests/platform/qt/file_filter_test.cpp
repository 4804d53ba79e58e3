// The file choosers' filters as Qt gets them: patterns listed in several
// cases become one of every case, and the chooser shows the descriptions
// as given.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTimer>

#include "platform/qt/FileFilter.h"
#include "platform/qt/QtPlatform.h"

TEST(FileFilter, EntriesBecomeQtNameFiltersWithPatternsOfEveryCase)
{
    struct Case { const char* filter; const char* qt; };
    const Case cases[] = {
        {"Bitmaps (*.bmp)|*.bmp", "Bitmaps (*.bmp) (*.bmp)"},
        {"Scans|*.dto;*.ell|All (*.*)|*.*", "Scans (*.dto *.ell) (*.dto *.ell);;All (*.*) (*.*)"},
        {"Ellipsometrie Scan 3sp (*.ell *.ELL)|*.ell;*.ELL", "Ellipsometrie Scan 3sp (*.ell *.ELL) (*.[eE][lL][lL])"},
        {"Plasmon Scan xsp (*.dt* *.DT*)|*.dt*;*.DT*", "Plasmon Scan xsp (*.dt* *.DT*) (*.[dD][tT]*)"},
        {"Veltrane-File (*.vtn)|*.vtn", "Veltrane-File (*.vtn) (*.vtn)"},
        {"all files (*)|*", "all files (*) (*)"},
        {"Data|*.dat;*.txt;*.DAT", "Data (*.dat *.txt *.DAT) (*.[dD][aA][tT] *.txt)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(veltrane::qtFilter(c.filter).toStdString(), c.qt) << c.filter;
}

TEST(FileFilter, TheChooserShowsTheDescriptionsAsGiven)
{
    veltrane::QtPlatform qt;
    veltrane::OpenFileRequest r;
    r.filter = "Plasmon Scan 2sp. (*.dto *.DTO)|*.dto;*.DTO|Plasmon Scan xsp (*.dt* *.DT*)|*.dt*;*.DT*|"
               "Ellipsometrie Scan 3sp (*.ell *.ELL)|*.ell;*.ELL|all files (*)|*";
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
