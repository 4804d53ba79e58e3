#pragma once
// The records of a Veltrane document, field for field in the order the
// document file stores them. Angles are degrees, lengths nm.

#include <array>
#include <complex>
#include <cstdint>
#include <string>
#include <vector>

#include "document/NoValue.h"

using Complex = std::complex<double>;

// A small set type over bit numbers, standing for the Pascal-style sets the
// document stores as raw bytes.
template <typename Word>
struct BitSet {
    Word bits = 0;
    bool Contains(int bit) const { return bit >= 0 && bit < int(sizeof(Word) * 8) && ((bits >> bit) & 1u); }
    void Include(int bit) { if (bit >= 0 && bit < int(sizeof(Word) * 8)) bits = Word(bits | (Word(1) << bit)); }
    void Exclude(int bit) { if (bit >= 0 && bit < int(sizeof(Word) * 8)) bits = Word(bits & ~(Word(1) << bit)); }
    void Clear() { bits = 0; }
    bool Empty() const { return bits == 0; }
    bool operator==(const BitSet&) const = default;
};

enum TParaKind : std::int32_t {
    pkNone = 0, pkTheta = 1, pkThickness = 2,
    pkEpsXReal = 3, pkEpsXImag = 4, pkEpsYReal = 5, pkEpsYImag = 6, pkEpsZReal = 7, pkEpsZImag = 8,
    pkPhi = 9, pkAzimut = 10, pkElliptic = 11
};
enum TPolArt : std::int32_t { paP = 0, paS = 1, paPS = 2, paLinear = 3, paCircular = 4, paElliptic = 5 };
enum TPolMode : std::int32_t { pmP = 0, pmS = 1, pmBoth = 2 };
enum TEpsMode : std::int32_t { emEps = 0, emNKappa = 1 };
enum TPrismart : std::int32_t { prNone = 0, prTriangular = 1, prCone = 2, prHalfCylinder = 3, prHemisphere = 4 };
enum TCurveKind : std::int32_t { ckRp = 0, ckRs = 1, ckRps = 2, ckTp = 3, ckTs = 4, ckTps = 5, ckPsi = 6, ckDelta = 7 };
constexpr int CurveKindCount = 8;
// The name the plots, legends and choice boxes show for a kind; "" for a
// kind outside 0..7, as a damaged file may hold. The export writes its own
// short forms.
inline const char* CurveKindName(int kind)
{
    static constexpr std::array<const char*, CurveKindCount> names = {"Rp", "Rs", "R(p+s)", "Tp",
                                                                      "Ts", "T(p+s)", "Psi", "Delta"};
    return kind >= 0 && kind < CurveKindCount ? names[std::size_t(kind)] : "";
}

using TCurveSet = BitSet<std::uint8_t>;
// Bits 0..5 Ex, Ey, Ez, Hx, Hy, Hz; 6 real and imaginary part; 8 modulus and
// phase; 9 squared modulus and phase; 11 absolute, 12 relative depth scale.
using TEHFieldSet = BitSet<std::uint16_t>;
enum TEHField : int {
    ehEx = 0, ehEy = 1, ehEz = 2, ehHx = 3, ehHy = 4, ehHz = 5,
    ehRealImag = 6, ehAbsPhase = 8, ehSqrPhase = 9, ehAbsolute = 11, ehRelative = 12
};

constexpr int MaxLayers = 30;

struct TEpsXYZ {
    Complex epsX{0.0, 0.0};
    Complex epsY{0.0, 0.0};
    Complex epsZ{0.0, 0.0};
    bool operator==(const TEpsXYZ&) const = default;
};

struct TSimAxispara {
    std::int32_t Typ = 0;
    double von = 0.0;
    double bis = 0.0;
    std::int32_t LayerNr = 0;
    std::int32_t Pktanz = 0;
    double Colstep = 0.0;
    // Z axis: 1 = curves at the fixed step Colstep, 0 = Pktanz curves.
    std::uint8_t FixedStep = 0;
    bool operator==(const TSimAxispara&) const = default;
};

struct TSimparameter {
    std::int32_t Layeranz = 0;
    std::int32_t PolArt = paP;
    double Azimut = 0.0;
    double Elliptic = 0.0;
    std::uint8_t Circular = 0;
    std::string Comment;
    std::int32_t PolMode = pmP;
    std::int32_t EpsMode = emEps;
    double Wellenlange = 0.0;
    std::int32_t Prismart = prNone;
    Complex Ep, Es;
    Complex kx, kx2;
    std::uint8_t Prismreflek = 0;
    double Prismawinkel = 0.0;
    double Phiangle = 0.0;
    double Theta = 0.0;
    double ThetaP = 0.0, ThetaS = 0.0;  // radians, working values of a run
    double Xvalue = 0.0;
    TSimAxispara XAxis;
    TSimAxispara ZAxis;
    std::array<double, MaxLayers> Dicke{};
    std::array<std::uint8_t, MaxLayers> Aniso{};
    std::array<TEpsXYZ, MaxLayers> Eps{};
    bool operator==(const TSimparameter&) const = default;
};

struct TEHOptionpara {
    double d_1 = 0.0;
    double d_n = 0.0;
    double Theta = 0.0;
    double Theta1 = 0.0, Theta2 = 0.0;
    std::int32_t LayerNr = 0;
    double Layerpos = 0.0;
    std::int32_t Timer = 0;
    TEHFieldSet Fields;
    std::int32_t Pktanz = 0;
    std::int32_t PktanzEff = 0;
    // The byte stored beside the field set in the document file; kept only to
    // be written back unchanged.
    std::uint8_t FieldsReserved = 0;
    bool operator==(const TEHOptionpara&) const = default;
};

struct TOptionpara {
    double Epsrealstep = 0.0;
    double Epsimagstep = 0.0;
    double Dickestep = 0.0;
    double ScanShiftstep = 0.0;
    double ScanScalestep = 0.0;
    std::uint8_t Simbreite = 0;
    double Iteranz = 0.0;
    double Itergrenz = 0.0;
    bool operator==(const TOptionpara&) const = default;
};

struct TAxispara {
    std::string Title;
    double minValue = 0.0;
    double maxValue = 0.0;
    bool operator==(const TAxispara&) const = default;
};

struct TPlotwindowpara {
    std::string Title;
    TCurveSet Curves;
    TAxispara XAxis, Y1Axis, Y2Axis;
    bool operator==(const TPlotwindowpara&) const = default;
};

struct TAuswertungpara {
    double left = 0.0;
    double right = 0.0;
    std::uint8_t Data = 0;
    std::uint8_t Scan = 0;
    std::int32_t Datakind = 0;
    std::uint8_t Reg = 0;
    std::int32_t reg_width = 0;
    bool operator==(const TAuswertungpara&) const = default;
};

struct TResPunkt {
    double x = 0.0;
    double Rp = 0.0, Tp = 0.0, Rs = 0.0, Ts = 0.0;
    double Psi = 0.0, Delta = 0.0;  // degrees
    std::uint8_t valid = 0;
    bool operator==(const TResPunkt&) const = default;
};

struct TResColrec {
    std::string Title;
    double Zvalue = 0.0;
    std::vector<TResPunkt> Points;
    bool operator==(const TResColrec&) const = default;
};

struct TScanPunkt {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const TScanPunkt&) const = default;
};

struct TScanColrec {
    double Scalefactor = 1.0;
    double Shiftfactor = 0.0;
    std::int32_t Kind = ckRps;
    std::string Name;
    std::string Path;
    std::vector<TScanPunkt> Points;
    std::uint8_t Visible = 1;
    bool operator==(const TScanColrec&) const = default;
};

// The lists own their curves and scans by value.
using TResColList = std::vector<TResColrec>;
using TScanColList = std::vector<TScanColrec>;

// The seven document parts handed to the document reader and writer.
struct TDocumentrec {
    TSimparameter* Simparameter = nullptr;
    TEHOptionpara* EHOptionpara = nullptr;
    TOptionpara* Optionpara = nullptr;
    TPlotwindowpara* Plotwindowpara = nullptr;
    TAuswertungpara* Auswertungpara = nullptr;
    TResColList* ResColList = nullptr;
    TScanColList* ScanColList = nullptr;
};

struct TEWaveField {
    Complex value{0.0, 0.0};
    double modulus = NOVALUE;
    double modulusSqr = NOVALUE;
    double phaseDeg = NOVALUE;
};

void InitEWaveField(TEWaveField& f);

// One sample of a field distribution: Feld holds Ex, Ey, Ez, Hx, Hy, Hz.
struct TEWave {
    TEWave();
    std::uint8_t Grenze = 0;
    double Theta = NOVALUE;
    double Pos = NOVALUE;
    double RelPos = NOVALUE;
    std::array<TEWaveField, 6> Feld{};
    std::uint8_t Filled = 0;
};
