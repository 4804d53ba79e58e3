#include <gtest/gtest.h>

#include "document/Defaults.h"
#include "document/Globals.h"

using Riedit::NADN;
using Riedit::NAIN;

TEST(Defaults, NewDocumentHasTheDocumentedValues)
{
    TSimparameter p;
    SetDefaultParameter(p);
    EXPECT_EQ(p.Layeranz, 0);
    EXPECT_EQ(p.Wellenlange, 632.8);
    EXPECT_EQ(p.XAxis.Typ, 0);
    EXPECT_EQ(p.XAxis.von, 10.0);
    EXPECT_EQ(p.XAxis.bis, 70.0);
    EXPECT_EQ(p.XAxis.Pktanz, 200);
    EXPECT_EQ(p.ZAxis.Typ, 0);
    EXPECT_EQ(p.ZAxis.FixedStep, 1);
    EXPECT_EQ(p.Prismart, prTriangular);
    EXPECT_EQ(p.Circular, 1);
    for (int i = 0; i < MaxLayers; ++i) {
        EXPECT_EQ(p.Dicke[i], NADN);
        EXPECT_EQ(p.Aniso[i], 0);
        const double imag = i == 0 ? 0.0 : NADN;
        for (const Complex& e : {p.Eps[i].epsX, p.Eps[i].epsY, p.Eps[i].epsZ}) {
            EXPECT_EQ(e.real(), NADN);
            EXPECT_EQ(e.imag(), imag);
        }
    }

    TAuswertungpara a;
    SetDefaultParameter(a);
    EXPECT_EQ(a.left, NADN);
    EXPECT_EQ(a.reg_width, 30);
    EXPECT_EQ(a.Data, 1);

    TOptionpara o;
    SetDefaultOptions(o);
    EXPECT_EQ(o.Iteranz, 50.0);
    EXPECT_EQ(o.Itergrenz, 0.1);
    EXPECT_EQ(o.ScanScalestep, 0.001);

    TEHOptionpara e;
    SetEHOptionDefaults(e);
    EXPECT_EQ(e.Fields.bits, (1u << 0) | (1u << 9) | (1u << 11));
    EXPECT_EQ(e.LayerNr, NAIN);
    EXPECT_EQ(e.d_n, 20.0);
}

TEST(Defaults, FieldsNotSetKeepTheirValues)
{
    TSimparameter p;
    p.PolMode = pmBoth;
    p.Theta = 45.0;
    p.XAxis.Colstep = 3.5;
    p.ZAxis.Pktanz = 7;
    p.Ep = Complex(0.5, 0.25);
    SetDefaultParameter(p);
    EXPECT_EQ(p.PolMode, pmBoth);
    EXPECT_EQ(p.Theta, 45.0);
    EXPECT_EQ(p.XAxis.Colstep, 3.5);
    EXPECT_EQ(p.ZAxis.Pktanz, 7);
    EXPECT_EQ(p.Ep, Complex(0.5, 0.25));

    TEHOptionpara e;
    e.PktanzEff = 120;
    e.Fields.Include(ehEz);
    SetEHOptionDefaults(e);
    EXPECT_EQ(e.PktanzEff, 120);
    EXPECT_TRUE(e.Fields.Contains(ehEz));  // the defaults add bits, they do not clear
}

TEST(ParaNamesTable, ColumnsAndOutOfRange)
{
    EXPECT_EQ(ParaNames(3, 1), "n-X");
    EXPECT_EQ(ParaNames(3, 0), "EpsX-real");
    EXPECT_EQ(ParaNames(2, 0), "Thickness/[nm]");
    EXPECT_EQ(ParaNames(2, 1), "Thickness/[nm]");
    EXPECT_EQ(ParaNames(8, 1), "kapa-Z");
    EXPECT_EQ(ParaNames(11, 0), "Elliptic/[°]");
    EXPECT_EQ(ParaNames(12, 0), "");
    EXPECT_EQ(ParaNames(-1, 0), "");
    EXPECT_EQ(ParaNames(1, 2), "");
}

TEST(FieldSample, StartsEmpty)
{
    TEWave w;
    EXPECT_EQ(w.Grenze, 0);
    EXPECT_EQ(w.Filled, 0);
    EXPECT_EQ(w.Theta, NOVALUE);
    EXPECT_EQ(w.Pos, NOVALUE);
    EXPECT_EQ(w.Feld[5].modulusSqr, NOVALUE);
    TEWaveField f;
    f.phaseDeg = 3;
    InitEWaveField(f);
    EXPECT_EQ(f.phaseDeg, NOVALUE);
    EXPECT_EQ(f.value.real(), NOVALUE);
}

TEST(CurveKinds, NamesInBitOrderAndNoneOutside)
{
    EXPECT_STREQ(CurveKindName(ckRp), "Rp");
    EXPECT_STREQ(CurveKindName(ckRps), "R(p+s)");
    EXPECT_STREQ(CurveKindName(ckTps), "T(p+s)");
    EXPECT_STREQ(CurveKindName(ckPsi), "Psi");
    EXPECT_STREQ(CurveKindName(ckDelta), "Delta");
    // A damaged file's kind gives no name, never a read outside the table.
    EXPECT_STREQ(CurveKindName(-1), "");
    EXPECT_STREQ(CurveKindName(CurveKindCount), "");
}
