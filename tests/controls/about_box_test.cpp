// The about box component.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "controls/AboutBox.h"
#include "controls/OrvelAboutbox.h"

namespace {

// Runs what the user would do once the modal box is up.
void whileShown(std::function<void(TAboutBox&)> act)
{
    QTimer::singleShot(0, [act] {
        if (!AboutBox) {
            ADD_FAILURE() << "AboutBox is not set while the box is shown";
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
            return;
        }
        act(*AboutBox);
    });
}

TEST(AboutBox, ShowsTheTextsAndOkReturnsTrue)
{
    TOrvelAboutbox about;
    about.ProgramName = "Veltrane ";
    about.Beschreibung = "Programm zur Simulation von Plasmonen";
    about.Version = "3.00";
    about.Jahr = "2009";
    about.Autor1 = "first";
    QString seen;
    whileShown([&](TAboutBox& box) {
        EXPECT_EQ(box.windowTitle(), "Infos");
        EXPECT_EQ(box.Comments->text(), "Orvel");
        seen = box.ProgramName->text() + "|" + box.Beschreibung->text() + "|" + box.Version->text() + "|" +
               box.Jahr->text() + "|" + box.Autor1->text() + "|" + box.Autor2->text();
        box.OKButton->click();
    });
    EXPECT_TRUE(about.Execute());
    EXPECT_EQ(seen, "Veltrane |Programm zur Simulation von Plasmonen|3.00|2009|first|");
    EXPECT_EQ(AboutBox, nullptr);
}

TEST(AboutBox, EmptyNameTakesTheApplicationTitleAndClosingReturnsFalse)
{
    const QString saved = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName("TitleOfApp");
    TOrvelAboutbox about;
    QString shown;
    whileShown([&](TAboutBox& box) {
        shown = box.ProgramName->text();
        box.close();
    });
    EXPECT_FALSE(about.Execute());
    EXPECT_EQ(shown, "TitleOfApp");
    EXPECT_EQ(about.ProgramName, "TitleOfApp");
    EXPECT_EQ(AboutBox, nullptr);

    // The second showing finds the name already set, even after the title changed.
    QGuiApplication::setApplicationDisplayName("Other");
    whileShown([&](TAboutBox& box) {
        shown = box.ProgramName->text();
        box.reject();
    });
    EXPECT_FALSE(about.Execute());
    EXPECT_EQ(shown, "TitleOfApp");
    QGuiApplication::setApplicationDisplayName(saved);
}

}  // namespace
