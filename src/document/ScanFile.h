#pragma once
// Measured scans as text files: two header lines, then one point per line,
// two columns (x, reflectivity) or, in ".ell" files, three (x, Psi, Delta).
// Columns are separated by blanks or tabs; a number may use a comma or a
// point as its decimal separator whatever the process locale.

#include <array>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "document/Records.h"

// Lines this long or longer (without their line break) hold no point.
constexpr std::size_t ScanLineLimit = 255;
constexpr int MaxScanColumns = 3;
using TScanValues = std::array<double, MaxScanColumns>;

// Reads the next line of a scan file and converts its first `wanted`
// columns (2 or 3) into values. count becomes the number of leading columns
// that are complete finite numbers, at most `wanted`; a line over the limit
// gives 0. False, with count 0, when no line is left or the stream failed.
bool ReadScanLine(std::istream& in, int wanted, TScanValues& values, int& count);

// Read a two-column or an ellipsometry file and append its scan (or its Psi
// and Delta scans) to list. False when the file cannot be opened or read;
// list is then unchanged.
bool ReadTwoColumnScan(const std::string& path, TScanColList& list);
bool ReadEllipsometryScan(const std::string& path, TScanColList& list);

// Reads the file by its extension (".ell" in any case: ellipsometry, any
// other: two columns) and returns the names of the scans it appended. On
// failure shows "Cannot read file" and returns nothing.
std::vector<std::string> AddScanFile(const std::string& path, TScanColList& list);

// Removes the scan at index; an index outside the list raises EListError.
void DeleteScan(int index, TScanColList& list);
void ClearScanList(TScanColList& list);

namespace veltrane {

// The conversion of one line's text (without its line break): see
// ReadScanLine.
int convertScanLine(std::string_view line, int wanted, TScanValues& values);

// The title of a scan's plot column: its name + " " +
// "(Scale-factor:2 | Shift-factor:0.5)", the note only for a factor that
// differs from 1 or a shift that differs from 0.
std::string ScanColumnTitle(const TScanColrec& scan, char sep);

// The file name without its folder, and the extension with its dot ("" when
// the name has none).
std::string scanFileName(const std::string& path);
std::string scanFileExtension(const std::string& path);

}  // namespace veltrane
