#pragma once
// The print dialog of a line plot: the printer, its set-up, and the page
// orientation; and the print routine that puts the plot's bitmap on one
// page with a comment line above it, while a status box offers to cancel.

#include <QDialog>
#include <QPointer>
#include <string>

#include "plot/plain/Linedef.h"
#include "plot/plain/PlotPrint.h"

class QGroupBox;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QRadioButton;
class TLinePlot;
class TPrintAboutDlg;

class TDruckDlg : public QDialog {
    Q_OBJECT
public:
    TDruckDlg(TLinePlot& plot, QWidget* parent = nullptr);
    ~TDruckDlg() override;

    TSprachart Sprache = deutsch;
    // 0 portrait, 1 landscape; kept between prints.
    int Orientation = 1;

    QLabel* LPrinter1;
    QLabel* LPrinter2;
    QGroupBox* Orientradio;
    QRadioButton* PortraitItem;
    QRadioButton* LandscapeItem;
    QLabel* PrinterImage1;  // portrait page
    QLabel* PrinterImage2;  // landscape page
    QPushButton* PrinterOKBtn;
    QPushButton* PrinterCancelBtn;
    QPushButton* Setup;

    void FormShow();

    // Prints the plot's bitmap in the chosen orientation; the printer's own
    // orientation is restored afterwards on every path. Without any printer
    // installed the user chooses a PDF file first.
    TPrintResult PrintPlot(const std::string& comment);
    bool Printing() const { return printing_; }
    // The status box of the running job, null otherwise.
    TPrintAboutDlg* StatusBox() const;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowPrinterName();
    void ShowOrientation();
    // False when the user cancelled meanwhile.
    bool PumpMessages();
    bool PrintBitmap(QPainter& painter, const TRect& r, const QImage& bitmap);

    TLinePlot& plot_;
    bool printing_ = false;
    QPointer<TPrintAboutDlg> status_;
};
