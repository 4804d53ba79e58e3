#pragma once
// The field data text of the two field windows: a header line and one line
// per sample, tab-separated, numbers with the system's decimal separator.
// The windows put the lines into a file or on the clipboard.

#include <cstdint>
#include <string>
#include <vector>

#include "document/Records.h"
#include "fields/EWaveList.h"

class TAusgabe {
public:
    // 1 while writing the samples of the angle-range window (one per angle),
    // 0 for a depth profile.
    std::uint8_t AngleMode = 0;

    // The whole export: the header line, then one line per sample in list
    // order, each without its closing tab.
    std::vector<std::string> WriteData(const TEWaveList& list, std::uint8_t angleMode, std::int32_t polArt,
                                       TEHFieldSet fields, char sep);

    std::string WriteHeader(TEHFieldSet fields) const;
    std::string WriteColumnTitles(std::int32_t polArt, TEHFieldSet fields) const;
    std::string WriteRow(const TEWave& sample, std::int32_t polArt, TEHFieldSet fields, char sep) const;
    static std::string WriteFieldCells(bool present, const TEWaveField& field, TEHFieldSet fields, char sep);

    static std::string FormatValue(bool present, double value, char sep);
    static std::string TextCell(const std::string& a, const std::string& b);
    static std::string ValueCell(bool present, double value, char sep);
    static std::string TitleCell(const std::string& first, const std::string& second, const std::string& name);
};
