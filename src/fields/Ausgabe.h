#pragma once
// The field data text of the two field windows: a header line and one line
// per sample, tab-separated, numbers with the system's decimal separator,
// written to a file or put on the clipboard; and the lines the windows'
// plots show under their layer table.

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

    // The export saved to a file. "" when the whole text is on disk, else
    // the reason it is not; a failed save leaves an existing file as it was.
    std::string Data2File(const TEWaveList& list, std::uint8_t angleMode, std::int32_t polArt, TEHFieldSet fields,
                          const std::string& fileName, char sep);
    // The export put on the clipboard as one text.
    void Data2Clipboard(const TEWaveList& list, std::uint8_t angleMode, std::int32_t polArt, TEHFieldSet fields,
                        char sep);
    // The lines joined as the file and the clipboard receive them.
    static std::string JoinLines(const std::vector<std::string>& lines);

    // The last line of the depth window's layer table: "Theta=52°".
    static std::string ThetaLine(double theta, char sep);
    // The last line of the angle-range window's layer table, the layer
    // counted from 1: "Layer: Nr=3   Pos=12.5[nm]".
    static std::string PositionLine(std::int32_t layerNr, double layerpos, char sep);
    // A comment of blanks and control characters only is not shown.
    static bool CommentShown(const std::string& comment);

    std::string WriteHeader(TEHFieldSet fields) const;
    std::string WriteColumnTitles(std::int32_t polArt, TEHFieldSet fields) const;
    std::string WriteRow(const TEWave& sample, std::int32_t polArt, TEHFieldSet fields, char sep) const;
    static std::string WriteFieldCells(bool present, const TEWaveField& field, TEHFieldSet fields, char sep);

    static std::string FormatValue(bool present, double value, char sep);
    static std::string TextCell(const std::string& a, const std::string& b);
    static std::string ValueCell(bool present, double value, char sep);
    static std::string TitleCell(const std::string& first, const std::string& second, const std::string& name);
};
