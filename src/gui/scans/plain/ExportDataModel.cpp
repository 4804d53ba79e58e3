#include "gui/scans/plain/ExportDataModel.h"

#include "document/Exportdata.h"
#include "document/TextFile.h"

std::string ExportDataModel::Caption() const
{
    return ToFile ? "Export Data to File" : "Export Data to Clipboard";
}

std::string ExportDataModel::HelpKeyword() const
{
    return ToFile ? "PAGE_EXPORT_FILE" : "PAGE_EXPORT_CLIPBOARD";
}

veltrane::SaveFileRequest ExportDataModel::FileRequest()
{
    return veltrane::saveFileRequest("Save Data", "Data (*.dat)|*.dat", "dat");
}

std::vector<std::string> ExportDataModel::Entries() const
{
    std::vector<std::string> entries;
    for (int k = 0; k < KindEntries; ++k)
        entries.push_back(ExportKindNames(k));
    for (const TScanColrec& scan : doc_.ScanColList)
        entries.push_back(scan.Path);
    return entries;
}

int ExportDataModel::RestoredIndex(int remembered, int count)
{
    return remembered >= 0 && remembered < count ? remembered : 0;
}

std::vector<std::string> ExportDataModel::Lines(int entry, char sep) const
{
    if (entry < KindEntries)
        return veltrane::exportResults(entry, doc_.Simparameter, doc_.ResColList, sep);
    return veltrane::exportScan(entry - KindEntries, doc_.ScanColList, sep);
}

bool ExportDataModel::Export(int entry, const std::string& fileName) const
{
    const std::string text = veltrane::joinLines(Lines(entry, veltrane::platform().decimalSeparator()));
    if (!ToFile) {
        veltrane::platform().setClipboardText(text);
        return true;
    }
    if (const auto error = veltrane::saveTextFile(fileName, text)) {
        veltrane::showError("I/O Error", *error);
        return false;
    }
    return true;
}
