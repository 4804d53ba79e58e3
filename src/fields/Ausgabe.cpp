#include "fields/Ausgabe.h"

#include <array>

#include "fields/FieldSelection.h"
#include "platform/CFormat.h"

namespace {

// Indexed by the component bits 0..5.
const std::array<std::string, 6> FieldNames{"(Ex)", "(Ey)", "(Ez)", "(Hx)", "(Hy)", "(Hz)"};

const std::string& FirstPartName(int partCode)
{
    static const std::string real = "Real", modulus = "|Field|", square = "|Field|\xC2\xB2";
    return partCode == ehSqrPhase ? square : partCode == ehAbsPhase ? modulus : real;
}

const std::string& SecondPartName(int partCode)
{
    static const std::string imag = "Imag", phase = "Phase[\xC2\xB0]";
    return partCode == ehRealImag ? imag : phase;
}

void dropClosingTab(std::string& line)
{
    if (!line.empty())
        line.pop_back();
}

}  // namespace

std::vector<std::string> TAusgabe::WriteData(const TEWaveList& list, std::uint8_t angleMode, std::int32_t polArt,
                                             TEHFieldSet fields, char sep)
{
    AngleMode = angleMode;
    std::vector<std::string> lines;
    lines.reserve(list.size() + 1);
    std::string header = WriteHeader(fields) + WriteColumnTitles(polArt, fields);
    dropClosingTab(header);
    lines.push_back(std::move(header));
    for (const TEWave& sample : list) {
        std::string row = WriteRow(sample, polArt, fields, sep);
        dropClosingTab(row);
        lines.push_back(std::move(row));
    }
    return lines;
}

std::string TAusgabe::WriteHeader(TEHFieldSet fields) const
{
    const char* title = AngleMode ? "Theta[\xC2\xB0]" : veltrane::AbsoluteScale(fields) ? "x_abs_[nm]" : "x_rel_[%]";
    return TextCell("", title);
}

std::string TAusgabe::WriteColumnTitles(std::int32_t polArt, TEHFieldSet fields) const
{
    const int part = veltrane::FieldPartCode(fields);
    std::string line;
    auto add = [&](const auto& components) {
        for (int c : components)
            if (fields.Contains(c))
                line += TitleCell(FirstPartName(part), SecondPartName(part), FieldNames[c]);
    };
    if (veltrane::ShowsP(polArt))
        add(veltrane::PComponents);
    if (veltrane::ShowsS(polArt))
        add(veltrane::SComponents);
    return line;
}

std::string TAusgabe::WriteRow(const TEWave& sample, std::int32_t polArt, TEHFieldSet fields, char sep) const
{
    const double x = AngleMode ? sample.Theta : veltrane::AbsoluteScale(fields) ? sample.Pos : sample.RelPos;
    std::string line = ValueCell(true, x, sep);
    const bool present = sample.Filled != 0;
    auto add = [&](const auto& components) {
        for (int c : components)
            if (fields.Contains(c))
                line += WriteFieldCells(present, sample.Feld[c], fields, sep);
    };
    if (veltrane::ShowsP(polArt))
        add(veltrane::PComponents);
    if (veltrane::ShowsS(polArt))
        add(veltrane::SComponents);
    return line;
}

std::string TAusgabe::WriteFieldCells(bool present, const TEWaveField& field, TEHFieldSet fields, char sep)
{
    const int part = veltrane::FieldPartCode(fields);
    return ValueCell(present, veltrane::FirstPart(field, part), sep) +
           ValueCell(present, veltrane::SecondPart(field, part), sep);
}

std::string TAusgabe::FormatValue(bool present, double value, char sep)
{
    return present ? veltrane::cfmt(sep, "%-10.6g", value) : std::string(" ");
}

std::string TAusgabe::TextCell(const std::string& a, const std::string& b)
{
    return veltrane::cfmt('.', "%-20s\t", a + b);
}

std::string TAusgabe::ValueCell(bool present, double value, char sep)
{
    return present ? veltrane::cfmt(sep, "%-20.15f\t", value) : veltrane::cfmt(sep, "%-20s\t", "--");
}

std::string TAusgabe::TitleCell(const std::string& first, const std::string& second, const std::string& name)
{
    return TextCell(first, name) + TextCell(second, name);
}
