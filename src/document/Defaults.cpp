#include "document/Defaults.h"

using Riedit::NADN;
using Riedit::NAIN;

void SetDefaultParameter(TSimparameter& p)
{
    p.Layeranz = 0;
    p.PolArt = paP;
    p.Azimut = 90.0;
    p.Elliptic = 0.0;
    p.Circular = 1;
    p.Comment.clear();
    p.EpsMode = emEps;
    p.Wellenlange = 632.8;
    p.Prismart = prTriangular;
    p.Prismreflek = 1;
    p.Prismawinkel = 90.0;
    p.Phiangle = 0.0;
    // X axis {Theta, 10..70, layer 2, 200 points, step not set, flag 0}
    p.XAxis.Typ = 0;
    p.XAxis.von = 10.0;
    p.XAxis.bis = 70.0;
    p.XAxis.LayerNr = 2;
    p.XAxis.Pktanz = 200;
    p.XAxis.FixedStep = 0;
    // Z axis {none, empty range, layer 2, count not set, empty step, flag 1}
    p.ZAxis.Typ = 0;
    p.ZAxis.von = NADN;
    p.ZAxis.bis = NADN;
    p.ZAxis.LayerNr = 2;
    p.ZAxis.Colstep = NADN;
    p.ZAxis.FixedStep = 1;
    for (int i = 0; i < MaxLayers; ++i) {
        p.Dicke[i] = NADN;
        p.Aniso[i] = 0;
        // Layer 1 (the first half-space) is transparent by default.
        double imag = i == 0 ? 0.0 : NADN;
        p.Eps[i].epsX = Complex(NADN, imag);
        p.Eps[i].epsY = Complex(NADN, imag);
        p.Eps[i].epsZ = Complex(NADN, imag);
    }
}

void SetDefaultParameter(TAuswertungpara& a)
{
    a.left = NADN;
    a.right = NADN;
    a.Data = 1;
    a.Scan = 1;
    a.Datakind = 0;
    a.Reg = 0;
    a.reg_width = 30;
}

void SetDefaultOptions(TOptionpara& o)
{
    o.Epsrealstep = 0.001;
    o.Epsimagstep = 0.001;
    o.Dickestep = 0.1;
    o.ScanShiftstep = 0.01;
    o.ScanScalestep = 0.001;
    o.Simbreite = 1;
    o.Iteranz = 50.0;
    o.Itergrenz = 0.1;
}

void SetEHOptionDefaults(TEHOptionpara& e)
{
    e.Fields.Include(ehEx);
    e.Fields.Include(ehSqrPhase);
    e.Fields.Include(ehAbsolute);
    e.d_1 = 20.0;
    e.d_n = 20.0;
    e.Theta = NADN;
    e.Theta1 = NADN;
    e.Theta2 = NADN;
    e.LayerNr = NAIN;
    e.Layerpos = NADN;
    e.Timer = 0;
    e.Pktanz = 0;
}

void SetDefaultPlot(TPlotwindowpara& p)
{
    p.Title = "Simulation";
    p.XAxis = TAxispara{"Theta/[°]", 0.0, 90.0};
    p.Y1Axis = TAxispara{"Ref-Koeff", 0.0, 1.0};
    p.Y2Axis = TAxispara{"Delta", 0.0, 1.0};
}

Document DefaultDocument()
{
    Document d;
    SetDefaultParameter(d.Simparameter);
    SetEHOptionDefaults(d.EHOptionpara);
    SetDefaultOptions(d.Optionpara);
    SetDefaultPlot(d.Plotwindowpara);
    SetDefaultParameter(d.Auswertungpara);
    return d;
}
