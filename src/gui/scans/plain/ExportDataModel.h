#pragma once
// The data-export dialog apart from its widgets: what the list offers (the
// eight curve kinds of all computed curves, then every loaded scan), the
// text of an entry, and where it goes: the clipboard, or a file that must
// be written completely before the export counts as done.

#include <string>
#include <vector>

#include "document/Document.h"
#include "platform/Platform.h"

class ExportDataModel {
public:
    static constexpr int KindEntries = 8;

    explicit ExportDataModel(const Document& doc) : doc_(doc) {}

    bool ToFile = false;

    std::string Caption() const;
    std::string HelpKeyword() const;
    static veltrane::SaveFileRequest FileRequest();

    // The eight curve kinds, then the path of every scan in list order.
    std::vector<std::string> Entries() const;
    // The remembered entry while the list still has it, else the first.
    static int RestoredIndex(int remembered, int count);

    // The lines of an entry: all curves of one kind, or the scan at
    // entry - 8 (a shifted one warns that the shift is left out).
    std::vector<std::string> Lines(int entry, char sep) const;

    // Puts the entry on the clipboard or into the file. False, after an
    // "I/O Error" box, when the file could not be written; the dialog then
    // stays open.
    bool Export(int entry, const std::string& fileName) const;

private:
    const Document& doc_;
};
