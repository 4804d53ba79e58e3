// Where the field data text goes: a file or the clipboard; and the lines
// under the windows' layer tables.
#include <algorithm>
#include <cstdint>

#include "document/TextFile.h"
#include "fields/Ausgabe.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"

std::string TAusgabe::JoinLines(const std::vector<std::string>& lines) { return veltrane::joinLines(lines); }

std::string TAusgabe::Data2File(const TEWaveList& list, std::uint8_t angleMode, std::int32_t polArt,
                                TEHFieldSet fields, const std::string& fileName, char sep)
{
    return veltrane::saveTextFile(fileName, JoinLines(WriteData(list, angleMode, polArt, fields, sep))).value_or("");
}

void TAusgabe::Data2Clipboard(const TEWaveList& list, std::uint8_t angleMode, std::int32_t polArt,
                              TEHFieldSet fields, char sep)
{
    veltrane::platform().setClipboardText(JoinLines(WriteData(list, angleMode, polArt, fields, sep)));
}

std::string TAusgabe::ThetaLine(double theta, char sep)
{
    return "Theta=" + veltrane::floatToText(theta, sep) + "\xC2\xB0";
}

std::string TAusgabe::PositionLine(std::int32_t layerNr, double layerpos, char sep)
{
    // Counted in 64 bits: an empty layer number is the largest 32-bit one.
    return "Layer: Nr=" + std::to_string(std::int64_t(layerNr) + 1) + "   Pos=" + veltrane::floatToText(layerpos, sep) +
           "[nm]";
}

bool TAusgabe::CommentShown(const std::string& comment)
{
    return std::any_of(comment.begin(), comment.end(), [](char c) { return (unsigned char)c > ' '; });
}
