#include "platform/qt/FileFilter.h"

#include <QStringList>

namespace veltrane {
namespace {

// "*.[eE][lL][lL]" for "*.ell".
QString anyCase(const QString& pattern)
{
    QString out;
    for (QChar c : pattern)
        out += c.toLower() != c.toUpper() ? QString('[') + c.toLower() + c.toUpper() + ']' : QString(c);
    return out;
}

// Patterns listed in several cases ("*.ell;*.ELL") mean every case: one
// pattern that also matches "*.Ell", where a chooser matches with case.
QStringList caseMergedPatterns(const QStringList& patterns)
{
    QStringList out, spelled;
    for (const QString& p : patterns) {
        qsizetype same = 0;
        while (same < spelled.size() && spelled[same].compare(p, Qt::CaseInsensitive) != 0)
            ++same;
        if (same == spelled.size()) {
            spelled << p;
            out << p;
        } else if (spelled[same] != p && !p.contains('[')) {
            out[same] = anyCase(p);
        }
    }
    return out;
}

}  // namespace

QString qtFilter(const std::string& filter)
{
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i].trimmed();
        const QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        const QString listed = patterns.join(' ');
        if (!desc.contains('(') || !desc.contains(listed))
            desc += " (" + listed + ")";
        // Qt reads the patterns from the last parentheses; the choosers
        // hide them, so the description shows what it lists.
        out << desc + " (" + caseMergedPatterns(patterns).join(' ') + ")";
    }
    return out.join(";;");
}

}  // namespace veltrane
