#include "platform/qt/TextPrint.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "platform/qt/GuiServices.h"
#include "platform/qt/PrintJob.h"

namespace veltrane {
namespace {

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
    if (guiServices().printerNames().empty() && !ChoosePdfFile(printer))
        return false;
    printer.setDocName(QString::fromStdString(jobName));

    std::vector<QString> text;
    text.reserve(lines.size());
    for (const std::string& l : lines)
        text.push_back(QString::fromStdString(l));

    PrintJob job(printer);
    QPainter painter;
    if (!job.begin(painter, "text"))
        return false;
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
    return job.finish(painter);
}

}  // namespace veltrane
