#pragma once
// The plain-text evaluation report: a heading with the document, the date,
// the limits and the shape of peak, then the simulation table and the scan
// table, each framed by lines of 60 dashes. For printing every line but the
// blank ones starts with a margin of seven spaces.

#include <string>
#include <vector>

#include "gui/fit/plain/AuswertungModel.h"

namespace veltrane::eval {

struct ReportContent {
    std::string FileName;
    std::string DateTime;
    double Left = 0.0;
    double Right = 0.0;
    std::string RegWidth;  // the text of the shape-of-peak edit
    bool Data = true;
    bool Scan = true;
    std::string DataTitle;  // the caption above the simulation table
    Row SimulationHeader;
    std::vector<Row> SimulationRows;
    Row ScanHeader;
    std::vector<Row> ScanRows;
};

// "| %-30s | %-10s | %-10s |" filled with the three cells.
std::string ReportRow(const Row& row);
std::vector<std::string> WriteReport(const ReportContent& c, bool printing, char sep);

}  // namespace veltrane::eval
