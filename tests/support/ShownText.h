#pragma once
// What a widget's tool tip shows the user: Qt renders a tip as rich text
// whenever it looks like some, so the tip's characters and the text shown
// can differ.
#include <QTextDocument>
#include <QWidget>

namespace veltrane::test {

inline QString shownToolTip(const QWidget& w)
{
    const QString tip = w.toolTip();
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument doc;
    doc.setHtml(tip);
    return doc.toPlainText();
}

}  // namespace veltrane::test
