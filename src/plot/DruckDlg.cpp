// The print dialog's face: printer name, set-up, orientation and its page
// picture.

#include "plot/DruckDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "plot/PlotDialogButtons.h"
#include "plot/PrintAboutDlg.h"
#include "plot/plain/Sprachfeld.h"
#include "platform/qt/GuiServices.h"
#include "platform/qt/PlainText.h"

namespace {

enum Caption { cCancel = 0, cPrinter = 18, cPortrait = 19, cLandscape = 20, cOrientation = 21, cSetup = 22 };

// A sheet with a title line and a small plot on it, upright or lying.
QPixmap pagePicture(bool landscape)
{
    const int w = landscape ? 56 : 42, h = landscape ? 42 : 56;
    QPixmap pm(w + 2, h + 2);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, w, h);
    p.setPen(Qt::darkGray);
    p.drawLine(6, 6, w / 2, 6);
    p.setPen(Qt::black);
    const QRect plot(landscape ? 5 : 8, 11, landscape ? w - 9 : w - 12, h - 16);
    p.drawRect(plot);
    p.setPen(QPen(Qt::red, 1));
    p.drawLine(plot.left() + 2, plot.bottom() - 3, plot.center().x(), plot.top() + 4);
    p.drawLine(plot.center().x(), plot.top() + 4, plot.right() - 2, plot.bottom() - 6);
    return pm;
}

}  // namespace

TDruckDlg::TDruckDlg(TLinePlot& plot, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), plot_(plot)
{
    setWindowTitle("Print");
    LPrinter1 = new QLabel(this);
    LPrinter2 = new QLabel(this);
    // It names the printer, or the PDF file the user chose.
    LPrinter2->setTextFormat(Qt::PlainText);
    LPrinter2->setWordWrap(true);
    LPrinter2->setMinimumWidth(260);
    LPrinter2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Setup = new QPushButton(this);
    Orientradio = new QGroupBox(this);
    PortraitItem = new QRadioButton(Orientradio);
    LandscapeItem = new QRadioButton(Orientradio);
    PrinterImage1 = new QLabel(this);
    PrinterImage1->setPixmap(pagePicture(false));
    PrinterImage2 = new QLabel(this);
    PrinterImage2->setPixmap(pagePicture(true));
    for (QLabel* l : {PrinterImage1, PrinterImage2}) {
        l->setFixedSize(60, 60);
        l->setAlignment(Qt::AlignCenter);
    }
    const DialogButtons buttons = MakePlotDialogButtons(this);
    PrinterOKBtn = buttons.Ok;
    PrinterCancelBtn = buttons.Cancel;

    // A click on an item sets the orientation at once.
    connect(PortraitItem, &QRadioButton::clicked, this, [this] { Orientation = 0; ShowOrientation(); });
    connect(LandscapeItem, &QRadioButton::clicked, this, [this] { Orientation = 1; ShowOrientation(); });
    connect(Setup, &QPushButton::clicked, this, [this] {
        veltrane::SetupPrinter(this);
        ShowPrinterName();
    });

    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(LPrinter1, 0, Qt::AlignTop);
    printerRow->addWidget(LPrinter2, 1);
    printerRow->addWidget(Setup, 0, Qt::AlignTop);
    auto* items = new QVBoxLayout(Orientradio);
    items->addWidget(PortraitItem);
    items->addWidget(LandscapeItem);
    auto* orientRow = new QHBoxLayout;
    orientRow->addWidget(Orientradio, 1);
    orientRow->addWidget(PrinterImage1);
    orientRow->addWidget(PrinterImage2);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(printerRow);
    outer->addLayout(orientRow);
    outer->addLayout(buttons.Row);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(PortraitItem, LandscapeItem);
    setTabOrder(LandscapeItem, PrinterOKBtn);
    setTabOrder(PrinterOKBtn, PrinterCancelBtn);
    setTabOrder(PrinterCancelBtn, Setup);
    FormShow();
}

TDruckDlg::~TDruckDlg() = default;

TPrintAboutDlg* TDruckDlg::StatusBox() const { return status_; }

void TDruckDlg::FormShow()
{
    auto text = [this](int i) { return QString::fromUtf8(SprachText(Sprache, i)); };
    LPrinter1->setText(text(cPrinter));
    Orientradio->setTitle(text(cOrientation));
    PortraitItem->setText(text(cPortrait));
    LandscapeItem->setText(text(cLandscape));
    Setup->setText(text(cSetup));
    PrinterCancelBtn->setText(text(cCancel));
    ShowPrinterName();
    ShowOrientation();
}

void TDruckDlg::showEvent(QShowEvent* event)
{
    FormShow();
    PrinterOKBtn->setFocus();
    QDialog::showEvent(event);
}

void TDruckDlg::ShowPrinterName()
{
    QPrinter& printer = veltrane::guiServices().printer();
    const std::string pdf =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName().toStdString() : std::string();
    const std::vector<std::string> installed = veltrane::guiServices().printerNames();
    LPrinter2->setText(QString::fromStdString(PrinterDescription(installed, printer.printerName().toStdString(), pdf)));
    // Without a printer the label says where the page goes instead.
    Setup->setEnabled(!installed.empty());
}

void TDruckDlg::ShowOrientation()
{
    PortraitItem->setChecked(Orientation == 0);
    LandscapeItem->setChecked(Orientation != 0);
    PrinterImage1->setVisible(Orientation == 0);
    PrinterImage2->setVisible(Orientation != 0);
}

void TDruckDlg::accept()
{
    Orientation = PortraitItem->isChecked() ? 0 : 1;
    QDialog::accept();
}
