#include "SampleDocuments.h"

#include <bit>
#include <cstring>

#include "document/Defaults.h"
#include "document/DocumentFile.h"

namespace testdoc {

Document sampleDocument()
{
    Document d = DefaultDocument();
    TSimparameter& s = d.Simparameter;
    s.Layeranz = 4;
    s.PolArt = paElliptic;
    s.PolMode = pmBoth;
    s.Azimut = 45.0;
    s.Elliptic = 12.5;
    s.Circular = 0;
    s.Comment = "Gold 50 nm auf Glas – Probe ä";
    s.EpsMode = emNKappa;
    s.Wellenlange = 780.0;
    s.Prismart = prHemisphere;
    s.Ep = {0.6, -0.2};
    s.Es = {0.8, 0.1};
    s.kx = {1.2e-2, 3e-5};
    s.kx2 = {-4.0, 5.0};
    s.Prismreflek = 0;
    s.Prismawinkel = 60.0;
    s.Phiangle = 33.0;
    s.Theta = 44.4;
    s.ThetaP = 0.7;
    s.ThetaS = 0.71;
    s.Xvalue = 70.0;
    s.XAxis = {2, 10.0, 80.0, 3, 300, 0.25, 0};
    s.ZAxis = {5, 1.0, 2.0, 2, 4, 0.5, 1};
    for (int i = 0; i < s.Layeranz; ++i) {
        s.Dicke[i] = i == 0 || i + 1 == s.Layeranz ? 0.0 : 10.0 * i + 0.5;
        s.Eps[i] = {{2.25 + i, 0.01 * i}, {2.3 + i, 0.02}, {-10.0 - i, 1.3}};
    }
    s.Aniso[1] = 1;
    s.Aniso[2] = 1;
    s.Dicke[29] = 7.0;  // rows past Layeranz are stored too

    d.EHOptionpara.d_1 = 31.0;
    d.EHOptionpara.d_n = 42.0;
    d.EHOptionpara.Theta = 45.5;
    d.EHOptionpara.Theta1 = 10.0;
    d.EHOptionpara.Theta2 = 80.0;
    d.EHOptionpara.LayerNr = 2;
    d.EHOptionpara.Layerpos = 3.5;
    d.EHOptionpara.Timer = 3;
    d.EHOptionpara.Fields.bits = (1u << ehEx) | (1u << ehHz) | (1u << ehSqrPhase) | (1u << ehRelative);
    d.EHOptionpara.Pktanz = 500;
    d.EHOptionpara.PktanzEff = 504;
    d.EHOptionpara.FieldsReserved = 0x5A;

    d.Optionpara.Epsrealstep = 0.002;
    d.Optionpara.Dickestep = 0.5;
    d.Optionpara.Simbreite = 0;
    d.Optionpara.Iteranz = 75.0;

    d.Plotwindowpara.Title = "Plasmon";
    d.Plotwindowpara.Curves.bits = 0b10100101;
    d.Plotwindowpara.XAxis = {"Theta/[°]", 10.0, 80.0};
    d.Plotwindowpara.Y1Axis = {"R", 0.0, 1.0};
    d.Plotwindowpara.Y2Axis = {"Psi", -90.0, 90.0};

    d.Auswertungpara = {40.0, 60.0, 1, 0, 2, 1, 25};

    TResColrec c1{"d = 1", 1.0, {}};
    for (int i = 0; i < 5; ++i)
        c1.Points.push_back({10.0 + i, 0.1 * i, 0.2, 0.3, 0.4, 20.0 + i, 170.0 - i, 1});
    TResColrec c2{"d = 2", 2.0, c1.Points};
    c2.Points[2] = {12.0, NOVALUE, NOVALUE, NOVALUE, NOVALUE, NOVALUE, NOVALUE, 0};
    d.ResColList = {c1, c2};

    TScanColrec two{1.5, -0.25, ckRps, "scan.dat", "/home/me/messung/scan.dat", {{1, 0.5}, {2, 0.25}}, 1};
    TScanColrec psi{1.0, 0.0, ckPsi, "ell.dat", "/home/me/ell.dat", {{1, 30}, {2, 31}, {3, 32}}, 0};
    TScanColrec delta = psi;
    delta.Kind = ckDelta;
    delta.Visible = 1;
    delta.Points = {{1, 100}, {2, 110}, {3, 120}};
    d.ScanColList = {two, psi, delta};
    return d;
}

std::vector<std::uint8_t> saveToBytes(Document& d, const std::string& versionText)
{
    veltrane::MemorySink sink;
    TDocumentrec rec = Documentrec(d);
    veltrane::WriteDocument(sink, rec, versionText);
    return sink.bytes;
}

Bytes& Bytes::i32(std::int32_t v)
{
    for (int i = 0; i < 4; ++i)
        data.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
    return *this;
}

Bytes& Bytes::f64(double v)
{
    const std::uint64_t u = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        data.push_back(std::uint8_t(u >> (8 * i)));
    return *this;
}

Bytes& Bytes::u8(std::uint8_t v)
{
    data.push_back(v);
    return *this;
}

Bytes& Bytes::str(const std::string& s)
{
    i32(std::int32_t(s.size()));
    raw(s.data(), s.size());
    return u8(0);
}

Bytes& Bytes::raw(const void* p, std::size_t n)
{
    const auto* b = static_cast<const std::uint8_t*>(p);
    data.insert(data.end(), b, b + n);
    return *this;
}

Bytes& Bytes::zeros(std::size_t n)
{
    data.insert(data.end(), n, 0);
    return *this;
}

OldFile sampleOldFile()
{
    OldFile f;
    f.thickness.assign(30, 0.0);
    f.thickness[1] = 500.0;
    f.thickness[2] = Riedit::NADN;
    f.thickness[5] = 800.0;  // beyond the layer count: not converted
    f.rotation.assign(30, {0.0, 0.0, 0.0});
    f.rotation[1] = {0.0, 15.0, 0.0};
    f.scans.push_back({2.0, 0.5, ckRps, "alt.dat", "C:\\Messung\\alt.dat", {{30, 0.9}, {31, 0.8}}, 0});
    f.curves.push_back({"alt", 0.0, {{30, 0.1, 0.2, 0.3, 0.4, 5, 6, 1}, {31, 0, 0, 0, 0, 0, 0, 0}}});
    f.plots.push_back({0x01, "first", "x1", "y1", "z1", 1, 2, 3, 4, 5, 6});
    f.plots.push_back({0x42, "second", "Theta", "R", "Psi", 20, 70, 0, 1, -90, 90});
    f.left = 60.0;
    f.right = 40.0;
    return f;
}

namespace {

void writeAxis(Bytes& b, const OldAxis& a)
{
    b.i32(a.Typ).f64(a.von).f64(a.bis).i32(a.LayerNr).i32(a.Pktanz).f64(a.Colstep).u8(a.flag);
    b.u8(0xCC).u8(0xCC).u8(0xCC);  // padding of the image, ignored
}

void writeOldAxis(Bytes& b, const std::string& title, double min, double max)
{
    b.str(title).f64(min).f64(max).u8(1).u8(3).u8(0).u8(1);
}

}  // namespace

std::vector<std::uint8_t> writeOldFile(const OldFile& f)
{
    Bytes b;
    b.f64(2.0).f64(17.0);
    b.i32(f.layers).u8(paLinear).f64(30.0).f64(5.0).u8(1).str(f.comment);
    b.u8(pmBoth).u8(emEps).f64(f.wavelength).u8(prCone);
    for (int i = 0; i < 8; ++i)
        b.f64(0.125 * i);  // Ep, Es, kx, kx2
    b.u8(1).f64(45.0).u8(1);  // Prismreflek, Prismawinkel, the dropped bool
    b.f64(12.0).f64(50.0).f64(0.3).f64(0.4).f64(55.0);
    writeAxis(b, f.x);
    writeAxis(b, f.z);
    for (int i = 0; i < 30; ++i)
        b.f64(f.thickness.empty() ? 0.0 : f.thickness[i]);
    for (int i = 0; i < 30; ++i)
        b.u8(i == 1 ? 1 : 0);
    for (int i = 0; i < 30; ++i)
        for (int k = 0; k < 3; ++k)
            b.f64(1.5 + i).f64(0.01 * k);
    for (int i = 0; i < 30; ++i)
        for (int k = 0; k < 3; ++k)
            b.f64(f.rotation.empty() ? 0.0 : f.rotation[i][k]);
    // Options
    b.f64(0.01).f64(0.02).f64(f.dickestep).f64(0.03).f64(0.04).u8(0).f64(20.0).f64(0.5);
    b.i32(std::int32_t(f.scans.size()));
    for (const TScanColrec& s : f.scans) {
        b.f64(s.Scalefactor).f64(s.Shiftfactor).u8(std::uint8_t(s.Kind)).str(s.Name).str(s.Path);
        b.i32(std::int32_t(s.Points.size()));
        for (const TScanPunkt& p : s.Points)
            b.f64(p.x).f64(p.y);
    }
    b.i32(std::int32_t(f.curves.size()));
    for (const TResColrec& c : f.curves) {
        b.str(c.Title).f64(c.Zvalue).i32(std::int32_t(c.Points.size()));
        for (const TResPunkt& p : c.Points)
            b.f64(p.x).f64(p.Rp).f64(p.Tp).f64(p.Rs).f64(p.Ts).f64(p.Psi).f64(p.Delta).u8(p.valid);
    }
    b.i32(std::int32_t(f.plots.size()));
    for (const OldPlot& p : f.plots) {
        b.u8(p.curves).i32(2).u8(1).u8(0);
        writeOldAxis(b, p.xTitle, p.xMin, p.xMax);
        writeOldAxis(b, p.y1Title, p.y1Min, p.y1Max);
        writeOldAxis(b, p.y2Title, p.y2Min, p.y2Max);
        b.str(p.title).i32(1).i32(2).i32(3).i32(4).u8(2);
    }
    b.u8(1).f64(f.left).u8(0).f64(f.right).u8(f.data).u8(f.scan).i32(99).i32(f.datakind);
    return b.data;
}

}  // namespace testdoc
