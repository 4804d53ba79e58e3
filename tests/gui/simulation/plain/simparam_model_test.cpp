// The parameter dialog's logic without widgets: the checks and their order,
// the record written on OK, the visibility rules, the layer operations and
// the table's scrolling.
#include <gtest/gtest.h>

#include <functional>

#include "document/Defaults.h"
#include "gui/simulation/plain/SimparamModel.h"

using Riedit::NADN;
using Riedit::NAIN;

namespace {

// The main window's demo stack on a new document.
TSimparameter demoRecord()
{
    TSimparameter p;
    SetDefaultParameter(p);
    p.Prismart = prNone;
    const struct { double d; Complex eps; } layers[] = {
        {0.0, 3.4069}, {50.0, Complex(-12.1, 1.3)}, {5.0, 2.25}, {0.0, 1.778}};
    for (int k = 0; k < 4; ++k) {
        p.Dicke[k] = layers[k].d;
        p.Eps[k].epsX = layers[k].eps;
    }
    return p;
}

TSimparamModel demoModel()
{
    TSimparamModel m;
    m.RecordToDialog(demoRecord());
    return m;
}

TEST(SimparamCheck, MessagesInTheirOrder)
{
    struct Case {
        const char* message;
        std::function<void(TSimparamModel&)> change;
    };
    const Case cases[] = {
        {"", [](TSimparamModel&) {}},
        {"number of layer <2", [](TSimparamModel& m) { m.Rows[1] = m.Rows[2] = m.Rows[3] = TSchichtparameter{}; }},
        // Rows 1, 2 and 5 hold values: three layers, and layer 3 has none.
        {"no thickness value in Layer 3",
         [](TSimparamModel& m) { m.Rows[2] = TSchichtparameter{}; m.Rows[3] = TSchichtparameter{};
                                 m.Rows[4].Dicke = 0.0; m.Rows[4].EpsXR = 1.0; m.Rows[4].EpsXI = 0.0; }},
        {"no Eps-X Imag value in Layer 2", [](TSimparamModel& m) { m.Rows[1].EpsXI = NADN; }},
        {"X kapa value in Layer 2", [](TSimparamModel& m) { m.Form.EpsMode = emNKappa; m.Rows[1].EpsXI = NADN; }},
        {"Y n-ref value in Layer 3", [](TSimparamModel& m) { m.Form.EpsMode = emNKappa; m.Rows[2].Aniso = true; }},
        {"no Eps-Z Real value in Layer 3",
         [](TSimparamModel& m) { m.Rows[2].Aniso = true; m.Rows[2].EpsYR = 2.0; m.Rows[2].EpsYI = 0.0; }},
        {"thickness of 1. Layer must be zero", [](TSimparamModel& m) { m.Rows[0].Dicke = 10.0; }},
        {"thickness of last Layer must be zero", [](TSimparamModel& m) { m.Rows[3].Dicke = 5.0; }},
        {"no prisma-angle", [](TSimparamModel& m) { m.Form.Prismart = prCone; m.Form.Prismawinkel = NADN; }},
        {"no wavelength", [](TSimparamModel& m) { m.Form.Wellenlange = NADN; }},
        {"no Azimutangle", [](TSimparamModel& m) { m.Form.PolArt = paLinear; m.Form.Azimut = NADN; }},
        {"no Ellipticangle", [](TSimparamModel& m) { m.Form.PolArt = paElliptic; m.Form.Elliptic = NADN; }},
        {"Pktanz must be >=2", [](TSimparamModel& m) { m.Form.XPktanz = 1; }},
        {"X-Axis Layer-Nr > layeranz", [](TSimparamModel& m) { m.Form.XTyp = pkThickness - 1; m.Form.XLayerNr = 5; }},
        {"Z-Axis stepvalue must be >0", [](TSimparamModel& m) { m.Form.ZTyp = pkThickness; m.Form.Zvon = 0;
                                                                m.Form.Zbis = 10; m.Form.ZColstep = 0.0; }},
        // Without a Z parameter its empty or zero inputs do not matter.
        {"", [](TSimparamModel& m) { m.Form.ZColstep = 0.0; }},
        {"no Theta value", [](TSimparamModel& m) { m.Form.XTyp = pkThickness - 1; m.Form.Theta = NADN; }},
        {"for X-Axis no Phiangle possible", [](TSimparamModel& m) { m.Form.Prismart = prHalfCylinder;
                                                                    m.Form.XTyp = pkPhi - 1; }},
        {"no Phiangle value", [](TSimparamModel& m) { m.Form.Phiangle = NADN; }},
        // Mended: a layer number below 1 would index outside the engine's layers.
        {"X-Axis Layer-Nr < 1", [](TSimparamModel& m) { m.Form.XTyp = pkEpsXReal - 1; m.Form.XLayerNr = 0;
                                                        m.Form.Theta = NADN; }},
        {"Z-Axis Layer-Nr < 1", [](TSimparamModel& m) { m.Form.ZTyp = pkEpsXImag; m.Form.Zvon = 0;
                                                        m.Form.Zbis = 1; m.Form.ZColstep = 0.5;
                                                        m.Form.ZLayerNr = -3; }},
        // Mended: the engine divides by the wavelength.
        {"wavelength must be >0", [](TSimparamModel& m) { m.Form.Wellenlange = 0.0; }},
        {"wavelength must be >0", [](TSimparamModel& m) { m.Form.Wellenlange = -632.8; m.Form.Azimut = NADN;
                                                          m.Form.PolArt = paLinear; }},
        // Mended: 900,001 curves of 200 points would freeze the program.
        {"too many points: X-Axis pktanz * Z-Axis steps > 10000000",
         [](TSimparamModel& m) { m.Form.ZTyp = pkTheta; m.Form.Zvon = 0; m.Form.Zbis = 90;
                                 m.Form.ZColstep = 0.0001; }},
        {"too many points: X-Axis pktanz * Z-Axis steps > 10000000",
         [](TSimparamModel& m) { m.Form.XPktanz = 10000001; }},
        {"", [](TSimparamModel& m) { m.Form.XPktanz = 10000000; }},
        {"", [](TSimparamModel& m) { m.Form.XPktanz = 99000; m.Form.ZTyp = pkEpsXReal; m.Form.ZLayerNr = 2;
                                     m.Form.Zvon = -10; m.Form.Zbis = -11; m.Form.ZColstep = 0.01; }},
        // Mended: a thickness scan reaching below 0 was computed into
        // reflectivities far above 1; the ends may come in either order,
        // and the refusal names the end and the layer scanned.
        {"Layer thickness must be >=0: X-Axis to value in Layer 3",
         [](TSimparamModel& m) { m.Form.XTyp = pkThickness - 1; m.Form.XLayerNr = 3; m.Form.Xvon = 50;
                                 m.Form.Xbis = -0.5; }},
        {"Layer thickness must be >=0: Z-Axis from value in Layer 2",
         [](TSimparamModel& m) { m.Form.ZTyp = pkThickness; m.Form.ZLayerNr = 2; m.Form.Zvon = -1; m.Form.Zbis = 5;
                                 m.Form.ZColstep = 1; }},
        {"Layer thickness must be >=0: Z-Axis to value in Layer 2",
         [](TSimparamModel& m) { m.Form.ZTyp = pkThickness; m.Form.ZLayerNr = 2; m.Form.Zvon = 5; m.Form.Zbis = -1;
                                 m.Form.ZColstep = 1; }},
        {"Layer thickness must be >=0: thickness value in Layer 3", [](TSimparamModel& m) { m.Rows[2].Dicke = -1; }},
        {"", [](TSimparamModel& m) { m.Form.XTyp = pkThickness - 1; m.Form.XLayerNr = 2; m.Form.Xvon = 0;
                                     m.Form.Xbis = 80; m.Form.ZTyp = pkThickness; m.Form.ZLayerNr = 3;
                                     m.Form.Zvon = 10; m.Form.Zbis = 0; m.Form.ZColstep = 5; }},
    };
    for (const Case& c : cases) {
        TSimparamModel m = demoModel();
        c.change(m);
        EXPECT_EQ(m.Check(), c.message) << c.message;
    }
}

TEST(SimparamCheck, FailedOkWritesNothingAndKeepsEveryInput)
{
    TSimparamModel m = demoModel();
    m.Rows[0].Dicke = 10.0;
    m.Form.Xvon = 70.0;
    m.Form.Xbis = 10.0;
    const TSimparamModel before = m;
    TSimparameter record = demoRecord();
    const TSimparameter untouched = record;
    EXPECT_EQ(m.Ok(record), "thickness of 1. Layer must be zero");
    EXPECT_EQ(record, untouched);
    EXPECT_EQ(m.Form, before.Form);
    EXPECT_EQ(m.Rows, before.Rows);
}

// The dialog shows the input a refusal is about, on its page.
TEST(SimparamCheck, EachRefusalNamesTheInputToMend)
{
    using In = SimparamInput;
    struct Case {
        std::function<void(TSimparamModel&)> change;
        SimparamRefusal refusal;
        int page;
    };
    const Case cases[] = {
        {[](TSimparamModel& m) { m.Rows[2].Dicke = -1; },
         {"Layer thickness must be >=0: thickness value in Layer 3", In::LayerCell, 3, rcDicke}, 2},
        {[](TSimparamModel& m) { m.Rows[3].Dicke = 5.0; },
         {"thickness of last Layer must be zero", In::LayerCell, 4, rcDicke}, 2},
        {[](TSimparamModel& m) { m.Rows[2].Aniso = true; m.Rows[2].EpsYR = 2.0; },
         {"no Eps-Y Imag value in Layer 3", In::LayerCell, 3, rcEpsYI}, 2},
        {[](TSimparamModel& m) { m.Rows[1] = m.Rows[2] = m.Rows[3] = TSchichtparameter{}; },
         {"number of layer <2", In::LayerCell, 2, rcDicke}, 2},
        {[](TSimparamModel& m) { m.Form.PolArt = paElliptic; m.Form.Elliptic = NADN; },
         {"no Ellipticangle", In::Elliptic}, 0},
        {[](TSimparamModel& m) { m.Form.Phiangle = NADN; }, {"no Phiangle value", In::Phiangle}, 0},
        {[](TSimparamModel& m) { m.Form.XTyp = pkThickness - 1; m.Form.XLayerNr = 3; m.Form.Xvon = 50;
                                 m.Form.Xbis = -0.5; },
         {"Layer thickness must be >=0: X-Axis to value in Layer 3", In::Xbis}, 1},
        {[](TSimparamModel& m) { m.Form.ZTyp = pkThickness; m.Form.ZLayerNr = 2; m.Form.Zvon = -1;
                                 m.Form.Zbis = 5; m.Form.ZColstep = 1; },
         {"Layer thickness must be >=0: Z-Axis from value in Layer 2", In::Zvon}, 1},
        {[](TSimparamModel& m) { m.Form.ZTyp = pkTheta; m.Form.Zvon = 0; m.Form.Zbis = 90;
                                 m.Form.ZColstep = 0.0001; },
         {"too many points: X-Axis pktanz * Z-Axis steps > 10000000", In::ZColstep}, 1},
        {[](TSimparamModel& m) { m.Form.XPktanz = 10000001; },
         {"too many points: X-Axis pktanz * Z-Axis steps > 10000000", In::XPktanz}, 1},
        {[](TSimparamModel& m) { m.Form.Prismart = prHalfCylinder; m.Form.ZTyp = pkPhi; m.Form.Zvon = 0;
                                 m.Form.Zbis = 1; m.Form.ZColstep = 1; },
         {"for Z-Axis no Phiangle possible", In::ZAxisBox}, 1},
        {[](TSimparamModel& m) { m.Form.XTyp = pkThickness - 1; m.Form.Theta = NADN; },
         {"no Theta value", In::Theta}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal.Message);
        TSimparamModel m = demoModel();
        c.change(m);
        const std::optional<SimparamRefusal> r = m.Refusal();
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->Message, c.refusal.Message);
        EXPECT_EQ(r->Input, c.refusal.Input);
        if (c.refusal.Input == In::LayerCell) {
            EXPECT_EQ(r->Layer, c.refusal.Layer);
            EXPECT_EQ(r->Column, c.refusal.Column);
        }
        EXPECT_EQ(SimparamPage(r->Input), c.page);
    }
    EXPECT_FALSE(demoModel().Refusal().has_value());
}

TEST(SimparamRecord, OkWritesTheRecord)
{
    TSimparamModel m = demoModel();
    m.Form.Xvon = 70.0;
    m.Form.Xbis = 10.0;
    m.Form.Prismart = prTriangular;
    m.Form.Phiangle = 30.0;
    m.Form.PolArt = paCircular;
    m.Form.CircularIndex = 1;
    m.Form.ZTyp = pkThickness;
    m.Form.ZLayerNr = 3;
    m.Form.Zvon = 9.0;
    m.Form.Zbis = 1.0;
    m.Form.ZColstep = 2.0;
    m.Form.Comment = "sensor";
    m.Rows[0].EpsXI = 0.25;  // loaded from an old file: the incident medium must stay lossless
    m.Rows[0].EpsZI = 0.5;
    TSimparameter p = demoRecord();
    p.Ep = Complex(0.5, 0.5);
    ASSERT_EQ(m.Ok(p), "");
    EXPECT_EQ(p.XAxis.von, 10.0);
    EXPECT_EQ(p.XAxis.bis, 70.0);
    EXPECT_EQ(p.XAxis.FixedStep, 0);
    EXPECT_EQ(p.ZAxis.von, 1.0);
    EXPECT_EQ(p.ZAxis.bis, 9.0);
    EXPECT_EQ(p.ZAxis.Colstep, 2.0);
    EXPECT_EQ(p.ZAxis.LayerNr, 3);
    EXPECT_EQ(p.ZAxis.FixedStep, 1);
    EXPECT_EQ(p.Phiangle, 0.0);
    EXPECT_EQ(p.PolArt, paCircular);
    EXPECT_EQ(p.PolMode, pmBoth);
    EXPECT_EQ(p.Circular, 0);
    EXPECT_EQ(p.Layeranz, 4);
    EXPECT_EQ(p.Comment, "sensor");
    EXPECT_EQ(p.Eps[0].epsX, Complex(3.4069, 0.0));
    EXPECT_EQ(p.Eps[0].epsZ.imag(), 0.0);
    EXPECT_EQ(p.Eps[1].epsX, Complex(-12.1, 1.3));
    EXPECT_EQ(p.Dicke[4], NADN);
    EXPECT_EQ(p.Ep, Complex(0.5, 0.5)) << "working values of a run are not the dialog's";

    m.Form.PolArt = paS;
    ASSERT_EQ(m.Ok(p), "");
    EXPECT_EQ(p.PolMode, pmS);
}

TEST(SimparamVisibility, FollowsPolarisationPrismAndAxes)
{
    SimparamForm f;
    const auto pol = [&f](int art) { f.PolArt = art; return Visibility(f); };
    EXPECT_TRUE(pol(paLinear).Azimut);
    EXPECT_FALSE(pol(paLinear).Elliptic);
    EXPECT_TRUE(pol(paElliptic).Azimut && pol(paElliptic).Elliptic);
    EXPECT_TRUE(pol(paCircular).Circular);
    EXPECT_FALSE(pol(paCircular).Azimut || pol(paPS).Circular || pol(paP).Azimut);

    // prism: reflection, angle, Phi
    const bool prisms[5][3] = {{false, false, true}, {true, true, false}, {true, true, true},
                               {true, false, false}, {true, false, true}};
    for (int k = 0; k < 5; ++k) {
        f.Prismart = k;
        const SimparamVisibility v = Visibility(f);
        EXPECT_EQ(v.Prismreflek, prisms[k][0]) << k;
        EXPECT_EQ(v.Prismawinkel, prisms[k][1]) << k;
        EXPECT_EQ(v.Phi, prisms[k][2]) << k;
    }

    f.XTyp = 0;
    EXPECT_FALSE(Visibility(f).Theta);
    f.XTyp = pkThickness - 1;
    EXPECT_TRUE(Visibility(f).Theta && Visibility(f).XLayer);
    f.XTyp = pkPhi - 1;
    EXPECT_FALSE(Visibility(f).XLayer);
    f.ZTyp = pkTheta;
    EXPECT_FALSE(Visibility(f).Theta);
    EXPECT_TRUE(Visibility(f).ZRange);
    EXPECT_FALSE(Visibility(f).ZLayer);
    f.ZTyp = pkEpsZImag;
    EXPECT_TRUE(Visibility(f).ZLayer);
}

// Each row is identified by its thickness: 1 .. 30.
TLayerRows numberedRows()
{
    TLayerRows rows;
    for (int k = 0; k < MaxLayers; ++k)
        rows[std::size_t(k)].Dicke = k + 1;
    return rows;
}

std::vector<double> firstThicknesses(const TLayerRows& rows, int n)
{
    std::vector<double> d;
    for (int k = 0; k < n; ++k)
        d.push_back(rows[std::size_t(k)].Dicke);
    return d;
}

TEST(LayerOperations, RearrangeTheTable)
{
    TLayerRows rows = numberedRows();
    ApplyLayerOperation(rows, loMove, 1, 4);  // layer 2 in front of layer 5
    EXPECT_EQ(firstThicknesses(rows, 6), (std::vector<double>{1, 3, 4, 2, 5, 6}));
    rows = numberedRows();
    ApplyLayerOperation(rows, loMove, 4, 1);  // layer 5 in front of layer 2
    EXPECT_EQ(firstThicknesses(rows, 6), (std::vector<double>{1, 5, 2, 3, 4, 6}));
    rows = numberedRows();
    ApplyLayerOperation(rows, loExchange, 0, 2);
    EXPECT_EQ(firstThicknesses(rows, 4), (std::vector<double>{3, 2, 1, 4}));
    ApplyLayerOperation(rows, loCopy, 3, 1);
    EXPECT_EQ(firstThicknesses(rows, 4), (std::vector<double>{3, 4, 1, 4}));

    rows = numberedRows();
    ApplyLayerOperation(rows, loInsert, 1, 0);
    EXPECT_EQ(firstThicknesses(rows, 4), (std::vector<double>{1, NADN, 2, 3}));
    EXPECT_EQ(rows[29].Dicke, 29.0) << "Insert drops the former layer 30";
    ApplyLayerOperation(rows, loInsert, 29, 0);
    EXPECT_EQ(rows[29], TSchichtparameter{});
    EXPECT_EQ(rows[28].Dicke, 28.0);

    rows = numberedRows();
    ApplyLayerOperation(rows, loDelete, 29, 0);
    EXPECT_EQ(firstThicknesses(rows, 29), firstThicknesses(numberedRows(), 29));
    EXPECT_EQ(rows[29], TSchichtparameter{});
    ApplyLayerOperation(rows, loDelete, 0, 0);
    EXPECT_EQ(firstThicknesses(rows, 2), (std::vector<double>{2, 3}));
}

// Seven rows of edits as plain values, for the scrolling without widgets.
struct FakeRows : TLayerRowView {
    std::array<TSchichtparameter, SimparLayerRows> shown;
    std::array<int, SimparLayerRows> layer{};
    TSchichtparameter ReadRow(int j) const override { return shown[std::size_t(j)]; }
    void ShowRow(int j, int l, const TSchichtparameter& row) override
    {
        shown[std::size_t(j)] = row;
        layer[std::size_t(j)] = l;
    }
};

TEST(LayerTable, ScrollingKeepsWhatWasTypedInTheVisibleRows)
{
    TSimparamModel m = demoModel();
    FakeRows view;
    m.ShowFromTop(view);
    view.shown[2].Dicke = 7.5;        // typed into layer 3, not yet stored
    view.shown[6].EpsXR = 1.333;      // and into layer 7
    m.ScrollTo(view, 20);
    EXPECT_EQ(m.TopRow, 20);
    EXPECT_EQ(view.layer[0], 19);
    EXPECT_EQ(view.shown[0].Name, "20");
    EXPECT_EQ(m.Rows[2].Dicke, 7.5);
    EXPECT_EQ(m.Rows[6].EpsXR, 1.333);
    m.ScrollTo(view, 99);
    EXPECT_EQ(m.TopRow, TSimparamModel::MaxTopRow);
    m.ScrollTo(view, 1);
    EXPECT_EQ(view.shown[2].Dicke, 7.5);

    // A refill from the record replaces what the rows showed before.
    view.shown[2].Dicke = 99.0;
    m.RecordToDialog(demoRecord());
    m.ShowFromTop(view);
    EXPECT_EQ(view.shown[2].Dicke, 5.0);
}

TEST(LayerTable, OperationStoresTypedRowsFirstAndRenames)
{
    TSimparamModel m = demoModel();
    FakeRows view;
    m.ShowFromTop(view);
    view.shown[0].EpsXI = 0.5;  // a loss typed for the incident medium is dropped
    view.shown[4].Dicke = 12.0;  // typed into layer 5
    m.LayerOperation(view, loMove, 4, 1);
    EXPECT_EQ(m.Rows[1].Dicke, 12.0);
    EXPECT_EQ(m.Rows[2].Dicke, 50.0);
    EXPECT_EQ(m.Rows[0].EpsXI, 0.0);
    EXPECT_EQ(m.Rows[1].Name, "2");
    EXPECT_EQ(view.shown[1].Dicke, 12.0);
}

}  // namespace
