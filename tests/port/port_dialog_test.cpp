// The port settings dialog and the port's use of it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <pty.h>
#include <unistd.h>

#include "port/LptCom.h"
#include "port/PortDlg.h"
#include "controls/RIEdit.h"
#include "platform/ScriptedPlatform.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

QStringList entries(const QComboBox* box)
{
    QStringList r;
    for (int i = 0; i < box->count(); ++i)
        r << box->itemText(i);
    return r;
}

TEST(PortDialog, OffersThePortsOfItsKindAndKeepsAnUnlistedName)
{
    TPortDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Port Einstellung");
    EXPECT_EQ(dlg.Portstr->text(), QString::fromUtf8("Anschluß:"));
    EXPECT_EQ(entries(dlg.BaudBox).size(), 16);
    EXPECT_EQ(entries(dlg.BaudBox).last(), "Benutzer definiert");
    EXPECT_EQ(entries(dlg.StopbitBox), (QStringList{"1", "1,5", "2"}));

    struct Case { TPortArt art; const char* name; QStringList expected; int selected; };
    const Case cases[] = {
        {TPortArt::COM, "COM2", {"COM1", "COM2"}, 1},
        {TPortArt::LPT, "LPT1", {"LPT1", "LPT2"}, 0},
        {TPortArt::LPTCOM, "LPT2", {"COM1", "COM2", "LPT1", "LPT2"}, 3},
        {TPortArt::COM, "/dev/ttyUSB0", {"COM1", "COM2", "/dev/ttyUSB0"}, 2},
    };
    for (const auto& c : cases) {
        dlg.Settings = TPortSettings{};
        dlg.Settings.PortArt = c.art;
        dlg.Settings.ComPort = c.name;
        dlg.FormShow();
        EXPECT_EQ(entries(dlg.PortBox), c.expected) << c.name;
        EXPECT_EQ(dlg.PortBox->currentIndex(), c.selected) << c.name;
        dlg.FormClose();
        EXPECT_EQ(dlg.Settings.ComPort, c.name);
    }
    dlg.Settings.PortArt = TPortArt::EXTERN;
    dlg.Settings.ComPort = "/dev/pts/3";
    dlg.show();
    EXPECT_FALSE(dlg.PortBox->isVisible());
    EXPECT_FALSE(dlg.Portstr->isVisible());
    dlg.FormClose();
    EXPECT_EQ(dlg.Settings.ComPort, "/dev/pts/3");
    dlg.hide();
}

TEST(PortDialog, ListsAndUserRateRoundTrip)
{
    TPortDlg dlg;
    dlg.Settings.BaudRate = Baud_USER;
    dlg.Settings.UserBaudRate = 31250;
    dlg.Settings.DataBits = Data_7;
    dlg.Settings.Parity = TParity::MARK;
    dlg.Settings.StopBits = STOP_2;
    dlg.Settings.Protokoll = TProtokoll::HARDWARE;
    dlg.show();
    EXPECT_TRUE(dlg.UserBaud->isVisible());
    EXPECT_EQ(dlg.UserBaud->GetText(), "31250");
    EXPECT_EQ(dlg.DatenbitBox->currentText(), "7");
    EXPECT_EQ(dlg.ParityBox->currentText(), "Markierung");
    EXPECT_EQ(dlg.ProtokollBox->currentText(), "Hardware");
    dlg.BaudBox->setCurrentIndex(int(Baud_19200));
    EXPECT_FALSE(dlg.UserBaud->isVisible());
    EXPECT_FALSE(dlg.UserBaudstr->isVisible());
    dlg.ParityBox->setCurrentIndex(2);
    dlg.OkBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Settings.BaudRate, Baud_19200);
    EXPECT_EQ(dlg.Settings.UserBaudRate, 31250u);
    EXPECT_EQ(dlg.Settings.Parity, TParity::EVEN);
    EXPECT_EQ(dlg.Settings.StopBits, STOP_2);
}

TEST(PortDialog, UserRateMustBeAboveZero)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    TPortDlg dlg;
    dlg.Settings.BaudRate = Baud_USER;
    dlg.Settings.UserBaudRate = 4800;
    dlg.show();
    for (const char* text : {"", "0", "-", "-5"}) {
        dlg.UserBaud->setText(text);
        dlg.OkBtn->click();
        EXPECT_TRUE(dlg.isVisible()) << text;
        EXPECT_EQ(script.boxes.back().text, "wrong Value") << text;
    }
    EXPECT_EQ(script.boxes.size(), 4u);
    // A bad rate does not matter while a listed rate is chosen.
    dlg.BaudBox->setCurrentIndex(int(Baud_9600));
    dlg.OkBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.Settings.UserBaudRate, 4800u);
    EXPECT_EQ(dlg.Settings.BaudRate, Baud_9600);
}

TEST(PortDialog, PortTakesTheSettingsOnOkAndReopensOnANewName)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    int master1, slave1, master2, slave2;
    char name1[256], name2[256];
    ASSERT_EQ(openpty(&master1, &slave1, name1, nullptr, nullptr), 0);
    ASSERT_EQ(openpty(&master2, &slave2, name2, nullptr, nullptr), 0);
    {
        TLptCom port;
        port.SetPortArt(TPortArt::EXTERN);
        port.SetComPort(name1);
        int opens = 0;
        port.OnOpen = [&](TLptCom&, int) { ++opens; };
        ASSERT_TRUE(port.OpenPort());

        // Cancel changes nothing.
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<TPortDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            dlg->BaudBox->setCurrentIndex(int(Baud_300));
            dlg->CloseBtn->click();
        });
        port.ShowPortDlg();
        EXPECT_EQ(port.BaudRate(), Baud_9600);

        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<TPortDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            dlg->BaudBox->setCurrentIndex(int(Baud_300));
            dlg->OkBtn->click();
        });
        port.ShowPortDlg();
        EXPECT_EQ(port.BaudRate(), Baud_300);
        EXPECT_EQ(opens, 1);  // same name: set up again, not reopened

        // A new name (set on the settings copy, as an external chooser would) reopens.
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<TPortDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            dlg->Settings.PortArt = TPortArt::COM;
            dlg->FormShow();
            dlg->PortBox->addItem(name2);
            dlg->PortBox->setCurrentIndex(dlg->PortBox->count() - 1);
            dlg->OkBtn->click();
        });
        port.ShowPortDlg();
        EXPECT_EQ(port.ComPort(), name2);
        EXPECT_TRUE(port.isOpen());
        EXPECT_EQ(opens, 2);
        EXPECT_TRUE(script.boxes.empty());
    }
    for (int fd : {master1, slave1, master2, slave2})
        close(fd);
}

}  // namespace
