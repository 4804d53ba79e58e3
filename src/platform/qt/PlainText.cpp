#include "platform/qt/PlainText.h"

#include <QTextDocument>

namespace veltrane {

QString plainWindowTitle(const QString& title)
{
    // Qt drops an odd "[*]" (or shows "*" for a modified window) and reads
    // "[*][*]" as one literal "[*]".
    QString t = title;
    return t.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString plainToolTip(const QString& text)
{
    // A tool tip has no text format of its own: it is shown as rich text
    // whenever it looks like some, so it is always given as escaped rich
    // text.
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap);
}

}  // namespace veltrane
