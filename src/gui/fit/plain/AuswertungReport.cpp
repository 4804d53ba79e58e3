#include "gui/fit/plain/AuswertungReport.h"

#include "platform/CFormat.h"

namespace veltrane::eval {

std::string ReportRow(const Row& row)
{
    return cfmt('.', "| %-30s | %-10s | %-10s |", row[0], row[1], row[2]);
}

std::vector<std::string> WriteReport(const ReportContent& c, bool printing, char sep)
{
    const std::string P = printing ? std::string(7, ' ') : std::string();
    const std::string dashes(60, '-');
    std::vector<std::string> lines;
    lines.push_back(" ");
    lines.push_back(P + "Evaluation");
    lines.push_back(P + std::string(10, '='));
    lines.push_back(P + "Veltrane-File: " + c.FileName);
    lines.push_back(P + "Date:          " + c.DateTime);
    lines.push_back(P + "left-limit =" + floatToText(c.Left, sep) + "[°]");
    lines.push_back(P + "right-limit=" + floatToText(c.Right, sep) + "[°]");
    lines.push_back(P + "shape of peak=" + c.RegWidth + "[%]");
    lines.push_back(" ");
    auto table = [&](const std::string& title, const Row& header, const std::vector<Row>& rows) {
        lines.push_back(P + title);
        lines.push_back(P + dashes);
        lines.push_back(P + ReportRow(header));
        lines.push_back(P + dashes);
        for (const Row& r : rows)
            lines.push_back(P + ReportRow(r));
        lines.push_back(P + dashes);
        lines.push_back(" ");
    };
    if (c.Data)
        table("Simulation:  " + c.DataTitle, c.SimulationHeader, c.SimulationRows);
    if (c.Scan)
        table("Scanfiles:", c.ScanHeader, c.ScanRows);
    return lines;
}

}  // namespace veltrane::eval
