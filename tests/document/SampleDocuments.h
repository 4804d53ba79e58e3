#pragma once
// Documents and hand-made old files shared by the document-file tests and
// the tool that writes the fuzzing seeds.

#include <cstdint>
#include <string>
#include <vector>

#include "document/Defaults.h"
#include "document/Document.h"
#include "document/Records.h"

namespace testdoc {

// A comment with non-ASCII text, anisotropic layers, two curves (one with an
// invalid point), a two-column scan and the two curves of an ellipsometry scan.
Document sampleDocument();

std::vector<std::uint8_t> saveToBytes(Document& d, const std::string& versionText = "03.02");

// Little-endian field writer for building old files by hand.
class Bytes {
public:
    Bytes& i32(std::int32_t v);
    Bytes& f64(double v);
    Bytes& u8(std::uint8_t v);
    Bytes& str(const std::string& cp1252);
    Bytes& raw(const void* data, std::size_t n);
    Bytes& zeros(std::size_t n);
    std::vector<std::uint8_t> data;
};

// The axis image of version 2.00 (40 bytes).
struct OldAxis {
    std::int32_t Typ = 0;
    double von = 0.0, bis = 0.0;
    std::int32_t LayerNr = 0, Pktanz = 0;
    double Colstep = 0.0;
    std::uint8_t flag = 0;
};

struct OldPlot {
    std::uint8_t curves = 0;
    std::string title, xTitle, y1Title, y2Title;
    double xMin = 0, xMax = 0, y1Min = 0, y1Max = 0, y2Min = 0, y2Max = 0;
};

// The content of a version 2.00 file, written in the layout of that version.
struct OldFile {
    std::int32_t layers = 3;
    std::string comment = "old";
    double wavelength = 632.8;
    OldAxis x{1, 100.0, 500.0, 2, 50, 10.0, 0};
    OldAxis z{0, 0.0, 0.0, 0, 0, 0.0, 1};
    std::vector<double> thickness;                      // 30 values; empty: all 0
    std::vector<std::array<double, 3>> rotation;        // 30 rows; empty: all 0
    double dickestep = 1.0;
    std::vector<TScanColrec> scans;
    std::vector<TResColrec> curves;
    std::vector<OldPlot> plots;
    double left = 0.0, right = 0.0;
    std::uint8_t data = 1, scan = 0;
    std::int32_t datakind = 1;
};

OldFile sampleOldFile();
std::vector<std::uint8_t> writeOldFile(const OldFile& f);

}  // namespace testdoc
