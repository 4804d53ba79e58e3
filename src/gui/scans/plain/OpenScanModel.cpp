#include "gui/scans/plain/OpenScanModel.h"

#include <algorithm>

#include "document/ScanFile.h"

std::vector<std::string> OpenScanModel::Names() const
{
    std::vector<std::string> names;
    for (const TScanColrec& s : scans_)
        names.push_back(s.Name);
    return names;
}

veltrane::OpenFileRequest OpenScanModel::FileRequest()
{
    veltrane::OpenFileRequest r;
    r.title = "Open Scanfile";
    // File names match case-sensitively here: measurement programs write
    // "SCAN.ELL" as often as "scan.ell", and the reader takes both, so the
    // list shows both. "*.*" would hide a file without an extension, which
    // is read as a two-column scan.
    r.filter = "Plasmon Scan 2sp. (*.dto *.DTO)|*.dto;*.DTO|"
               "Plasmon Scan xsp (*.dt* *.DT*)|*.dt*;*.DT*|"
               "Ellipsometrie Scan 3sp (*.ell *.ELL)|*.ell;*.ELL|"
               "all files (*)|*";
    r.defaultExt = "dto";
    r.multiSelect = true;
    return r;
}

int OpenScanModel::Load(const std::vector<std::string>& paths)
{
    const std::size_t before = scans_.size();
    for (const std::string& path : paths)
        AddScanFile(path, scans_);
    return int(scans_.size() - before);
}

int OpenScanModel::Remove(std::vector<int> rows)
{
    // From the bottom up, so that the rows still to come keep their index.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int removed = 0;
    for (int row : rows) {
        if (row < 0 || std::size_t(row) >= scans_.size())
            continue;
        const std::string question = "Are you sure you want to remove:  " + scans_[std::size_t(row)].Path;
        if (veltrane::askYesNo("Confirm", question) != veltrane::BoxAnswer::Yes)
            continue;
        DeleteScan(row, scans_);
        ++removed;
    }
    return removed;
}
