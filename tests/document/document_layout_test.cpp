// The file form of version 3.02 written out field by field, independently of
// the archiver: a round trip cannot see two fields of one type that read and
// write in the same wrong order.

#include <gtest/gtest.h>

#include "document/Globals.h"
#include "SampleDocuments.h"

using testdoc::Bytes;

namespace {

Bytes& cpx(Bytes& b, const Complex& c) { return b.f64(c.real()).f64(c.imag()); }
Bytes& enumBlock(Bytes& b, std::int32_t v) { return b.i32(4).i32(v); }
Bytes& axis(Bytes& b, const TSimAxispara& a)
{
    return b.i32(a.Typ).f64(a.von).f64(a.bis).i32(a.LayerNr).i32(a.Pktanz).f64(a.Colstep).u8(a.FixedStep);
}
Bytes& plotAxis(Bytes& b, const TAxispara& a, const std::string& cp1252Title)
{
    return b.str(cp1252Title).f64(a.minValue).f64(a.maxValue);
}

}  // namespace

TEST(DocumentLayout, Version302IsWrittenFieldForFieldInTheDocumentedOrder)
{
    Document d = testdoc::sampleDocument();
    // Neighbouring fields of one type get values of their own.
    d.Optionpara.ScanScalestep = 0.004;
    d.Simparameter.Circular = 1;
    const TSimparameter& s = d.Simparameter;

    Bytes b;
    b.raw("VTN\0" "03.02\0" "0004\0" "0008\0" "0001\0", 25);
    // B1
    b.i32(s.Layeranz);
    enumBlock(b, s.PolArt).f64(s.Azimut).f64(s.Elliptic).u8(s.Circular);
    b.str("Gold 50 nm auf Glas \x96 Probe \xE4");
    enumBlock(b, s.PolMode);
    enumBlock(b, s.EpsMode).f64(s.Wellenlange);
    enumBlock(b, s.Prismart);
    for (const Complex& c : {s.Ep, s.Es, s.kx, s.kx2})
        cpx(b, c);
    b.u8(s.Prismreflek).f64(s.Prismawinkel).f64(s.Phiangle).f64(s.Theta).f64(s.ThetaP).f64(s.ThetaS).f64(s.Xvalue);
    axis(b, s.XAxis);
    axis(b, s.ZAxis);
    for (double t : s.Dicke)
        b.f64(t);
    for (std::uint8_t a : s.Aniso)
        b.u8(a);
    for (const TEpsXYZ& e : s.Eps) {
        cpx(b, e.epsX);
        cpx(b, e.epsY);
        cpx(b, e.epsZ);
    }
    // B2: the field set keeps only its high byte, then the reserved byte.
    const TEHOptionpara& e = d.EHOptionpara;
    b.f64(e.d_1).f64(e.d_n).f64(e.Theta).f64(e.Theta1).f64(e.Theta2).i32(e.LayerNr).f64(e.Layerpos).i32(e.Timer);
    b.i32(2).u8(std::uint8_t(e.Fields.bits >> 8)).u8(e.FieldsReserved).i32(e.Pktanz).i32(e.PktanzEff);
    // B3
    const TOptionpara& o = d.Optionpara;
    b.f64(o.Epsrealstep).f64(o.Epsimagstep).f64(o.Dickestep).f64(o.ScanShiftstep).f64(o.ScanScalestep);
    b.u8(o.Simbreite).f64(o.Iteranz).f64(o.Itergrenz);
    // B4
    b.str(d.Plotwindowpara.Title).i32(1).u8(d.Plotwindowpara.Curves.bits);
    plotAxis(b, d.Plotwindowpara.XAxis, "Theta/[\xB0]");
    plotAxis(b, d.Plotwindowpara.Y1Axis, d.Plotwindowpara.Y1Axis.Title);
    plotAxis(b, d.Plotwindowpara.Y2Axis, d.Plotwindowpara.Y2Axis.Title);
    // B5
    const TAuswertungpara& a = d.Auswertungpara;
    b.f64(a.left).f64(a.right).u8(a.Data).u8(a.Scan).i32(a.Datakind).u8(a.Reg).i32(a.reg_width);
    // B6
    b.i32(std::int32_t(d.ResColList.size()));
    for (const TResColrec& c : d.ResColList) {
        b.str(c.Title).f64(c.Zvalue).i32(std::int32_t(c.Points.size()));
        for (const TResPunkt& p : c.Points)
            b.f64(p.x).f64(p.Rp).f64(p.Tp).f64(p.Rs).f64(p.Ts).f64(p.Psi).f64(p.Delta).u8(p.valid);
    }
    // B7: the visible flag before the points.
    b.i32(std::int32_t(d.ScanColList.size()));
    for (const TScanColrec& sc : d.ScanColList) {
        b.f64(sc.Scalefactor).f64(sc.Shiftfactor);
        enumBlock(b, sc.Kind).str(sc.Name).str(sc.Path).u8(sc.Visible).i32(std::int32_t(sc.Points.size()));
        for (const TScanPunkt& p : sc.Points)
            b.f64(p.x).f64(p.y);
    }

    const std::vector<std::uint8_t> written = testdoc::saveToBytes(d, FileVersionText);
    ASSERT_EQ(written.size(), b.data.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(written[i], b.data[i]) << "first difference at offset " << i;
}
