#include "document/Ls_v300.h"

#include "platform/StreamError.h"

namespace V300 {
namespace {

const std::string kMagic = "VTN";

void checkLayerCount(std::int32_t n)
{
    if (n < 0 || n > MaxLayers)
        throw veltrane::EStreamError("Read error: " + std::to_string(n) +
                                     " layers; a document holds 0 to 30.");
}

}  // namespace

void CopyResColList(const TResColList& from, TResColList& to)
{
    to.insert(to.end(), from.begin(), from.end());
}

void CopyScanColList(const TScanColList& from, TScanColList& to)
{
    to.insert(to.end(), from.begin(), from.end());
}

void TLS_V300::ReadFile(veltrane::ByteReader& in, std::string& versionText)
{
    StreamScope scope(*this, &in, nullptr);
    std::string magic;
    RWMagic(magic, DirRead);
    RWVersion(versionText, DirRead);
    RWSizeHeader(DirRead);
    RWBody(DirRead);
}

void TLS_V300::WriteFile(veltrane::ByteSink& out, const std::string& versionText, TResColList& curves,
                         TScanColList& scans)
{
    StreamScope scope(*this, nullptr, &out);
    std::string magic = kMagic;
    std::string version = versionText;
    RWMagic(magic, DirWrite);
    RWVersion(version, DirWrite);
    RWSizeHeader(DirWrite);
    RWBody(curves, scans, DirWrite);
}

void TLS_V300::FromRecords(const TDocumentrec& doc)
{
    Simparameter = *doc.Simparameter;
    EHOptionpara = *doc.EHOptionpara;
    Optionpara = *doc.Optionpara;
    Plotwindowpara = *doc.Plotwindowpara;
    Auswertungpara = *doc.Auswertungpara;
}

void TLS_V300::FromDocument(const TDocumentrec& doc)
{
    FromRecords(doc);
    CopyResColList(*doc.ResColList, ResColList);
    CopyScanColList(*doc.ScanColList, ScanColList);
}

void TLS_V300::ToDocument(TDocumentrec& doc) const
{
    *doc.Simparameter = Simparameter;
    *doc.EHOptionpara = EHOptionpara;
    *doc.Optionpara = Optionpara;
    *doc.Plotwindowpara = Plotwindowpara;
    *doc.Auswertungpara = Auswertungpara;
    // The archiver's lists begin with the document's own curves and scans
    // (FromDocument), so they replace the document's lists: appending would
    // double whatever the document held.
    *doc.ResColList = ResColList;
    *doc.ScanColList = ScanColList;
}

void TLS_V300::RWBody(int dir)
{
    RWBody(ResColList, ScanColList, dir);
}

void TLS_V300::RWBody(TResColList& curves, TScanColList& scans, int dir)
{
    RWSimparameter(dir);
    RWEHOptionpara(dir);
    RWOptionpara(dir);
    RWPlotwindowpara(dir);
    RWAuswertungpara(dir);
    RWResColList(curves, dir);
    RWScanColList(scans, TScanForm::V300, dir);
}

void TLS_V300::RWSimparameter(int dir)
{
    TSimparameter& s = Simparameter;
    RWInt(s.Layeranz, dir);
    if (dir == DirRead)
        checkLayerCount(s.Layeranz);
    RWEnumBlock(s.PolArt, dir);
    RWDouble(s.Azimut, dir);
    RWDouble(s.Elliptic, dir);
    RWBool(s.Circular, dir);
    RWString(s.Comment, {"Comment"}, dir);
    RWEnumBlock(s.PolMode, dir);
    RWEnumBlock(s.EpsMode, dir);
    RWDouble(s.Wellenlange, dir);
    RWEnumBlock(s.Prismart, dir);
    RWComplex(s.Ep, dir);
    RWComplex(s.Es, dir);
    RWComplex(s.kx, dir);
    RWComplex(s.kx2, dir);
    RWBool(s.Prismreflek, dir);
    RWDouble(s.Prismawinkel, dir);
    RWDouble(s.Phiangle, dir);
    RWDouble(s.Theta, dir);
    RWDouble(s.ThetaP, dir);
    RWDouble(s.ThetaS, dir);
    RWDouble(s.Xvalue, dir);
    RWSimAxispara(s.XAxis, dir);
    RWSimAxispara(s.ZAxis, dir);
    RWDicke(dir);
    RWAniso(dir);
    RWEps(dir);
}

void TLS_V300::RWSimAxispara(TSimAxispara& a, int dir)
{
    RWInt(a.Typ, dir);
    RWDouble(a.von, dir);
    RWDouble(a.bis, dir);
    RWInt(a.LayerNr, dir);
    RWInt(a.Pktanz, dir);
    RWDouble(a.Colstep, dir);
    RWBool(a.FixedStep, dir);
}

void TLS_V300::RWDicke(int dir)
{
    for (double& d : Simparameter.Dicke)
        RWDouble(d, dir);
}

void TLS_V300::RWAniso(int dir)
{
    for (std::uint8_t& a : Simparameter.Aniso)
        RWBool(a, dir);
}

void TLS_V300::RWEps(int dir)
{
    for (TEpsXYZ& e : Simparameter.Eps) {
        RWComplex(e.epsX, dir);
        RWComplex(e.epsY, dir);
        RWComplex(e.epsZ, dir);
    }
}

void TLS_V300::RWEHOptionpara(int dir)
{
    TEHOptionpara& e = EHOptionpara;
    RWDouble(e.d_1, dir);
    RWDouble(e.d_n, dir);
    RWDouble(e.Theta, dir);
    RWDouble(e.Theta1, dir);
    RWDouble(e.Theta2, dir);
    RWInt(e.LayerNr, dir);
    RWDouble(e.Layerpos, dir);
    RWInt(e.Timer, dir);
    // The file keeps only bits 8 to 15 of the set, then a reserved byte.
    std::uint8_t block[2] = {std::uint8_t(e.Fields.bits >> 8), e.FieldsReserved};
    RWBlock(block, 2, dir);
    if (dir == DirRead) {
        e.Fields.bits = std::uint16_t((e.Fields.bits & 0x00FF) | (block[0] << 8));
        // The part choice is one of bits 6, 8 and 9, and bit 6 is not in the
        // file: it holds exactly when the file chose neither of the others.
        if (e.Fields.Contains(ehAbsPhase) || e.Fields.Contains(ehSqrPhase))
            e.Fields.Exclude(ehRealImag);
        else
            e.Fields.Include(ehRealImag);
        e.FieldsReserved = block[1];
    }
    RWInt(e.Pktanz, dir);
    RWInt(e.PktanzEff, dir);
}

void TLS_V300::RWOptionpara(int dir)
{
    RWOptions(Optionpara, dir);
}

void TLS_V300::RWPlotwindowpara(int dir)
{
    TPlotwindowpara& p = Plotwindowpara;
    RWString(p.Title, {"Plot-Title"}, dir);
    RWBlock(&p.Curves.bits, 1, dir);
    RWAxispara(p.XAxis, "X-Axis", dir);
    RWAxispara(p.Y1Axis, "Y1-Axis", dir);
    RWAxispara(p.Y2Axis, "Y2-Axis", dir);
}

void TLS_V300::RWAxispara(TAxispara& a, const char* axis, int dir)
{
    RWString(a.Title, {axis, 0, "title"}, dir);
    RWDouble(a.minValue, dir);
    RWDouble(a.maxValue, dir);
}

void TLS_V300::RWAuswertungpara(int dir)
{
    TAuswertungpara& a = Auswertungpara;
    RWDouble(a.left, dir);
    RWDouble(a.right, dir);
    RWBool(a.Data, dir);
    RWBool(a.Scan, dir);
    RWInt(a.Datakind, dir);
    RWBool(a.Reg, dir);
    RWInt(a.reg_width, dir);
}

}  // namespace V300
