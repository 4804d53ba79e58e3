#include "platform/qt/TextPrint.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "platform/Platform.h"
#include "platform/qt/GuiServices.h"

namespace veltrane {
namespace {

bool choosePdfFile(QPrinter& printer)
{
    SaveFileRequest req;
    req.title = "No printer is installed: print to a PDF file";
    req.filter = "PDF files (*.pdf)|*.pdf";
    req.defaultExt = "pdf";
    const std::optional<std::string> file = platform().chooseSaveFile(req);
    if (!file || file->empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*file));
    return true;
}

// The listing's face, smaller where the widest line would not fit the page.
QFont fittingFont(const QPrinter& printer, const std::vector<QString>& lines, double width)
{
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(TextPrintPointSize);
    double widest = 0.0;
    const QFontMetricsF fm(font, &printer);
    for (const QString& line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    if (widest > width && widest > 0.0)
        font.setPointSizeF(TextPrintPointSize * width / widest * 0.99);
    return font;
}

}  // namespace

bool PrintTextLines(QPrinter& printer, const std::vector<std::string>& lines, const std::string& jobName)
{
    if (guiServices().printerNames().empty() && !choosePdfFile(printer))
        return false;
    printer.setDocName(QString::fromStdString(jobName));

    std::vector<QString> text;
    text.reserve(lines.size());
    for (const std::string& l : lines)
        text.push_back(QString::fromStdString(l));

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target =
            printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
        showError("Error", "The text could not be printed: the printer \"" + target.toStdString() +
                               "\" could not be started.");
        return false;
    }
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QFont font = fittingFont(printer, text, page.width());
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF fm(font, &printer);
    const double lineHeight = fm.lineSpacing();
    const int perPage = std::max(1, int(std::floor(page.height() / lineHeight)));

    for (std::size_t i = 0; i < text.size(); ++i) {
        const int row = int(i % std::size_t(perPage));
        if (row == 0 && i > 0)
            printer.newPage();
        painter.drawText(QPointF(0.0, row * lineHeight + fm.ascent()), text[i]);
    }
    return painter.end();
}

}  // namespace veltrane
