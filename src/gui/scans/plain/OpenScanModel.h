#pragma once
// The open-scan dialog apart from its widgets: the file request, loading
// the chosen files in their order and removing selected scans after a
// question per scan.

#include <string>
#include <vector>

#include "document/Records.h"
#include "platform/Platform.h"

class OpenScanModel {
public:
    explicit OpenScanModel(TScanColList& scans) : scans_(scans) {}

    // The names the list shows, in list order.
    std::vector<std::string> Names() const;

    // "Open Scanfile": several existing files at once.
    static veltrane::OpenFileRequest FileRequest();

    // Reads every file in the order given; a file that cannot be read shows
    // "Cannot read file" and the others are still read. The number of scans
    // added (two for an ellipsometry file).
    int Load(const std::vector<std::string>& paths);

    // Asks for each of the rows, from the last in the list to the first,
    // and removes the scans answered with Yes. The number removed.
    int Remove(std::vector<int> rows);

private:
    TScanColList& scans_;
};
