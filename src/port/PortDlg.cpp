#include "port/PortDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "controls/DialogButtons.h"
#include "controls/RIEdit.h"
#include "platform/Platform.h"

namespace {
QComboBox* makeBox(QWidget* parent, const char* name, const QStringList& items)
{
    auto* b = new QComboBox(parent);
    b->setObjectName(name);
    b->addItems(items);
    return b;
}

QStringList portNames(TPortArt art)
{
    switch (art) {
    case TPortArt::COM: return {"COM1", "COM2"};
    case TPortArt::LPT: return {"LPT1", "LPT2"};
    case TPortArt::LPTCOM: return {"COM1", "COM2", "LPT1", "LPT2"};
    case TPortArt::EXTERN: break;
    }
    return {};
}
}  // namespace

TPortDlg::TPortDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Port Einstellung");
    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](QLabel* label, QWidget* w) {
        grid->addWidget(label, row, 0);
        grid->addWidget(w, row, 1);
        ++row;
    };

    Portstr = new QLabel(QString::fromUtf8("Anschluß:"), this);
    PortBox = makeBox(this, "PortBox", {});
    addRow(Portstr, PortBox);
    BaudBox = makeBox(this, "BaudBox",
                      {"110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "56000",
                       "57600", "115200", "128000", "256000", "Benutzer definiert"});
    addRow(new QLabel("Bits pro Sekunde:", this), BaudBox);
    UserBaudstr = new QLabel("Benuter def. Baudrate", this);
    UserBaud = new TRIEdit(this);
    UserBaud->setObjectName("UserBaud");
    UserBaud->SetEditType(reInteger);
    UserBaud->SetOnlypositiv(true);
    addRow(UserBaudstr, UserBaud);
    DatenbitBox = makeBox(this, "DatenbitBox", {"4", "5", "6", "7", "8"});
    addRow(new QLabel("Datenbits:", this), DatenbitBox);
    ParityBox = makeBox(this, "ParityBox", {"keine", "ungerade", "gerade", "Markierung", "Leerzeichen"});
    addRow(new QLabel(QString::fromUtf8("Parität:"), this), ParityBox);
    StopbitBox = makeBox(this, "StopbitBox", {"1", "1,5", "2"});
    addRow(new QLabel("Stopbits", this), StopbitBox);
    ProtokollBox = makeBox(this, "ProtokollBox", {"kein", "XonXoff", "Hardware"});
    addRow(new QLabel("Protokoll:", this), ProtokollBox);

    const DialogButtons buttons = MakeDialogButtons(this, {.CancelCaption = "Abbrechen", .CancelName = "CloseBtn"});
    OkBtn = buttons.Ok;
    CloseBtn = buttons.Cancel;
    connect(BaudBox, &QComboBox::currentIndexChanged, this, &TPortDlg::BaudBoxChange);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons.Row);
}

void TPortDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TPortDlg::FormShow()
{
    const bool external = Settings.PortArt == TPortArt::EXTERN;
    PortBox->clear();
    if (!external) {
        PortBox->addItems(portNames(Settings.PortArt));
        const QString current = QString::fromStdString(Settings.ComPort);
        // A name the list does not offer stays the port's name.
        if (PortBox->findText(current) < 0)
            PortBox->addItem(current);
        PortBox->setCurrentIndex(PortBox->findText(current));
    }
    PortBox->setVisible(!external);
    Portstr->setVisible(!external);

    BaudBox->setCurrentIndex(int(Settings.BaudRate));
    UserBaud->SetInteger(int(std::min<std::uint32_t>(Settings.UserBaudRate, 2147483646u)));
    DatenbitBox->setCurrentIndex(int(Settings.DataBits));
    ParityBox->setCurrentIndex(int(Settings.Parity));
    StopbitBox->setCurrentIndex(int(Settings.StopBits));
    ProtokollBox->setCurrentIndex(int(Settings.Protokoll));
    BaudBoxChange();
}

void TPortDlg::BaudBoxChange()
{
    const bool user = BaudBox->currentIndex() == int(Baud_USER);
    UserBaud->setVisible(user);
    UserBaudstr->setVisible(user);
}

void TPortDlg::accept()
{
    const int rate = UserBaud->GetInteger();
    if (BaudBox->currentIndex() == int(Baud_USER) && (rate == Riedit::NAIN || rate <= 0)) {
        veltrane::showError("Error", "wrong Value");
        UserBaud->setFocus();
        return;
    }
    FormClose();
    QDialog::accept();
}

void TPortDlg::FormClose()
{
    Settings.BaudRate = TBaudRate(BaudBox->currentIndex());
    const int rate = UserBaud->GetInteger();
    if (rate != Riedit::NAIN && rate > 0)
        Settings.UserBaudRate = std::uint32_t(rate);
    Settings.DataBits = TDataBits(DatenbitBox->currentIndex());
    Settings.Parity = TParity(ParityBox->currentIndex());
    Settings.StopBits = TStopBits(StopbitBox->currentIndex());
    Settings.Protokoll = TProtokoll(ProtokollBox->currentIndex());
    if (Settings.PortArt != TPortArt::EXTERN && PortBox->currentIndex() >= 0)
        Settings.ComPort = PortBox->currentText().toStdString();
}
