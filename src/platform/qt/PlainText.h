#pragma once
// Names, titles, comments and paths come from the user and from files, and
// Qt reads text that looks like markup as markup: a label or box shows
// "<img src=...>" in a file name as a local image, a tool tip likewise, and
// a window caption takes "[*]" as its modified marker. These wrap such text
// so that it shows as the characters it holds. Labels and boxes instead
// take Qt::PlainText as their text format.

#include <QString>

namespace veltrane {

// A window caption that shows "[*]" as written.
QString plainWindowTitle(const QString& title);
// A tool tip that shows the text as written, on one line; empty stays
// empty, so that no tip shows.
QString plainToolTip(const QString& text);

}  // namespace veltrane
