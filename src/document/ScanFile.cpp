#include "document/ScanFile.h"

#include <cctype>
#include <fstream>

#include "platform/CFormat.h"
#include "platform/Errors.h"
#include "platform/Platform.h"

namespace {

constexpr int HeaderLines = 2;

bool isColumnSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\n';
}

struct RawLine {
    std::string text;        // at most the first `keep` characters
    std::size_t length = 0;  // of the whole line, without CR LF
};

// Reads one line up to its line break. Only the first `keep` characters are
// stored, but the whole line is consumed, so that the tail of a long line
// never poses as the next line. False when nothing was left to read or the
// stream failed.
bool readRawLine(std::istream& in, std::size_t keep, RawLine& out)
{
    out.text.clear();
    out.length = 0;
    bool any = false;
    bool lastCR = false;
    char c = 0;
    while (in.get(c)) {
        any = true;
        if (c == '\n')
            break;
        lastCR = c == '\r';
        if (out.text.size() < keep)
            out.text += c;
        ++out.length;
    }
    if (in.bad())
        return false;
    if (lastCR) {
        --out.length;
        if (out.text.size() > out.length)
            out.text.resize(out.length);
    }
    return any;
}

// Runs onValues(values) for every line whose first `columns` columns are
// numbers. False when the file cannot be opened or a read fails.
template <typename F>
bool readScanPoints(const std::string& path, int columns, F onValues)
{
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return false;
    RawLine header;
    for (int i = 0; i < HeaderLines; ++i)
        if (!readRawLine(in, 0, header))
            return !in.bad();
    TScanValues values{};
    int count = 0;
    while (ReadScanLine(in, columns, values, count))
        if (count == columns)
            onValues(values);
    return !in.bad();
}

TScanColrec newScan(const std::string& path, const std::string& name, int kind)
{
    TScanColrec scan;
    scan.Scalefactor = 1.0;
    scan.Shiftfactor = 0.0;
    scan.Kind = kind;
    scan.Name = name;
    scan.Path = path;
    scan.Visible = 1;
    return scan;
}

}  // namespace

bool ReadScanLine(std::istream& in, int wanted, TScanValues& values, int& count)
{
    count = 0;
    RawLine line;
    if (!readRawLine(in, ScanLineLimit, line))
        return false;
    if (line.length < ScanLineLimit)
        count = veltrane::convertScanLine(line.text, wanted, values);
    return true;
}

bool ReadTwoColumnScan(const std::string& path, TScanColList& list)
{
    TScanColrec scan = newScan(path, veltrane::scanFileName(path), ckRps);
    bool ok = readScanPoints(path, 2, [&](const TScanValues& v) { scan.Points.push_back({v[0], v[1]}); });
    if (!ok)
        return false;
    list.push_back(std::move(scan));
    return true;
}

bool ReadEllipsometryScan(const std::string& path, TScanColList& list)
{
    const std::string name = veltrane::scanFileName(path);
    TScanColrec psi = newScan(path, name + " (Psi)", ckPsi);
    TScanColrec delta = newScan(path, name + " (Delta)", ckDelta);
    bool ok = readScanPoints(path, 3, [&](const TScanValues& v) {
        psi.Points.push_back({v[0], v[1]});
        delta.Points.push_back({v[0], v[2]});
    });
    if (!ok)
        return false;
    list.push_back(std::move(psi));
    list.push_back(std::move(delta));
    return true;
}

std::vector<std::string> AddScanFile(const std::string& path, TScanColList& list)
{
    std::string ext = veltrane::scanFileExtension(path);
    for (char& c : ext)
        c = char(std::toupper((unsigned char)c));
    const std::size_t before = list.size();
    const bool ok = ext == ".ELL" ? ReadEllipsometryScan(path, list) : ReadTwoColumnScan(path, list);
    if (!ok) {
        // Several files are read at once: the box names the one that failed.
        veltrane::showError("Error", "Cannot read file \"" + path + "\"");
        return {};
    }
    std::vector<std::string> names;
    for (std::size_t i = before; i < list.size(); ++i)
        names.push_back(list[i].Name);
    return names;
}

void DeleteScan(int index, TScanColList& list)
{
    if (index < 0 || std::size_t(index) >= list.size())
        throw veltrane::EListError("List index out of bounds (" + std::to_string(index) + ")");
    list.erase(list.begin() + index);
}

void ClearScanList(TScanColList& list)
{
    list.clear();
}

namespace veltrane {

int convertScanLine(std::string_view line, int wanted, TScanValues& values)
{
    if (line.size() >= ScanLineLimit || wanted > MaxScanColumns)
        return 0;
    int count = 0;
    std::size_t i = 0;
    std::string token;
    while (count < wanted) {
        while (i < line.size() && isColumnSeparator(line[i]))
            ++i;
        if (i == line.size())
            break;
        std::size_t end = i;
        while (end < line.size() && !isColumnSeparator(line[end]))
            ++end;
        token.assign(line.substr(i, end - i));
        i = end;
        // A comma inside a column is a decimal comma. Columns are split at
        // blanks and tabs only, so "1.5,0.25" is no point rather than a
        // wrong one.
        for (char& c : token)
            if (c == ',')
                c = '.';
        double v = 0.0;
        if (!parseDouble(token, '.', v))
            break;
        values[std::size_t(count++)] = v;
    }
    return count;
}

std::string scanFileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string scanFileExtension(const std::string& path)
{
    const std::string name = scanFileName(path);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ScanColumnTitle(const TScanColrec& scan, char sep)
{
    std::string note;
    if (scan.Scalefactor != 1.0)
        note = "Scale-factor:" + floatToText(scan.Scalefactor, sep);
    if (scan.Shiftfactor != 0.0) {
        if (!note.empty())
            note += " | ";
        note += "Shift-factor:" + floatToText(scan.Shiftfactor, sep);
    }
    if (!note.empty())
        note = "(" + note + ")";
    return scan.Name + " " + note;
}

}  // namespace veltrane
