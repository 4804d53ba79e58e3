#include "gui/simulation/plain/SimparamModel.h"

#include <algorithm>
#include <utility>

#include "optics/ResColList.h"

using Riedit::NADN;

TSimparamModel::TSimparamModel() { ResetDialog(); }

void TSimparamModel::ResetDialog()
{
    LayerNr1 = 0;
    LayerNr2 = 1;
    RenameRows(Rows);
}

void TSimparamModel::RecordToDialog(const TSimparameter& p)
{
    SimparamForm& f = Form;
    f.PolArt = p.PolArt;
    f.EpsMode = p.EpsMode;
    f.Azimut = p.Azimut;
    f.Elliptic = p.Elliptic;
    f.CircularIndex = p.Circular ? 0 : 1;
    f.Wellenlange = p.Wellenlange;
    f.Prismart = p.Prismart;
    f.Prismreflek = p.Prismreflek != 0;
    f.Prismawinkel = p.Prismawinkel;
    f.Phiangle = p.Phiangle;
    f.Theta = p.Theta;
    f.XTyp = p.XAxis.Typ;
    f.Xvon = p.XAxis.von;
    f.Xbis = p.XAxis.bis;
    f.XPktanz = p.XAxis.Pktanz;
    f.XLayerNr = p.XAxis.LayerNr;
    f.ZTyp = p.ZAxis.Typ;
    f.Zvon = p.ZAxis.von;
    f.Zbis = p.ZAxis.bis;
    f.ZColstep = p.ZAxis.Colstep;
    f.ZLayerNr = p.ZAxis.LayerNr;
    f.Comment = p.Comment;
    for (std::size_t k = 0; k < Rows.size(); ++k) {
        TSchichtparameter& r = Rows[k];
        const TEpsXYZ& e = p.Eps[k];
        r.Aniso = p.Aniso[k] != 0;
        r.Dicke = p.Dicke[k];
        r.EpsXR = e.epsX.real();
        r.EpsXI = e.epsX.imag();
        r.EpsYR = e.epsY.real();
        r.EpsYI = e.epsY.imag();
        r.EpsZR = e.epsZ.real();
        r.EpsZI = e.epsZ.imag();
    }
}

void TSimparamModel::DialogToRecord(TSimparameter& p) const
{
    const SimparamForm& f = Form;
    p.PolArt = f.PolArt;
    p.EpsMode = f.EpsMode;
    p.Azimut = f.Azimut;
    p.Elliptic = f.Elliptic;
    p.Circular = f.CircularIndex == 0 ? 1 : 0;
    p.Wellenlange = f.Wellenlange;
    p.Prismart = f.Prismart;
    p.Prismreflek = f.Prismreflek ? 1 : 0;
    p.Prismawinkel = f.Prismawinkel;
    p.Phiangle = f.Phiangle;
    p.Theta = f.Theta;

    p.XAxis.Typ = f.XTyp;
    p.XAxis.von = std::min(f.Xvon, f.Xbis);
    p.XAxis.bis = std::max(f.Xvon, f.Xbis);
    p.XAxis.Pktanz = f.XPktanz;
    p.XAxis.LayerNr = f.XLayerNr;
    p.XAxis.FixedStep = 0;

    p.ZAxis.Typ = f.ZTyp;
    p.ZAxis.von = std::min(f.Zvon, f.Zbis);
    p.ZAxis.bis = std::max(f.Zvon, f.Zbis);
    p.ZAxis.Colstep = f.ZColstep;
    p.ZAxis.LayerNr = f.ZLayerNr;
    p.ZAxis.FixedStep = 1;

    for (std::size_t k = 0; k < Rows.size(); ++k) {
        const TSchichtparameter& r = Rows[k];
        p.Aniso[k] = r.Aniso ? 1 : 0;
        p.Dicke[k] = r.Dicke;
        p.Eps[k] = TEpsXYZ{Complex(r.EpsXR, r.EpsXI), Complex(r.EpsYR, r.EpsYI), Complex(r.EpsZR, r.EpsZI)};
    }
    // The engine takes the layers up to the first one without eps X.
    const auto firstEmpty = std::find_if(Rows.begin(), Rows.end(),
                                         [](const TSchichtparameter& r) { return r.EpsXR == NADN; });
    p.Layeranz = int(firstEmpty - Rows.begin());
    p.PolMode = f.PolArt == paP ? pmP : f.PolArt == paS ? pmS : pmBoth;
    p.Comment = f.Comment;
}

std::string TSimparamModel::Ok(TSimparameter& p)
{
    const std::optional<SimparamRefusal> refusal = OkOrRefusal(p);
    return refusal ? refusal->Message : std::string();
}

std::optional<SimparamRefusal> TSimparamModel::OkOrRefusal(TSimparameter& p)
{
    std::optional<SimparamRefusal> refusal = Refusal();
    if (refusal)
        return refusal;
    ClearFirstLayerLoss(Rows);
    DialogToRecord(p);
    return std::nullopt;
}

void TSimparamModel::StoreRows(const TLayerRowView& view, int top)
{
    for (int j = 0; j < SimparLayerRows; ++j) {
        TSchichtparameter& row = Rows[std::size_t(top - 1 + j)];
        TSchichtparameter typed = view.ReadRow(j);
        typed.Name = row.Name;
        row = std::move(typed);
    }
}

void TSimparamModel::ShowRows(TLayerRowView& view, int top) const
{
    for (int j = 0; j < SimparLayerRows; ++j)
        view.ShowRow(j, top - 1 + j, Rows[std::size_t(top - 1 + j)]);
}

void TSimparamModel::ScrollTo(TLayerRowView& view, int newTop)
{
    newTop = std::clamp(newTop, 1, MaxTopRow);
    StoreRows(view, TopRow);
    TopRow = newTop;
    ShowRows(view, TopRow);
}

void TSimparamModel::ShowFromTop(TLayerRowView& view)
{
    TopRow = 1;
    ShowRows(view, TopRow);
}

void TSimparamModel::LayerOperation(TLayerRowView& view, int code, int a, int b)
{
    StoreRows(view, TopRow);
    ApplyLayerOperation(Rows, code, a, b);
    RenameRows(Rows);
    ClearFirstLayerLoss(Rows);
    ShowRows(view, TopRow);
}

int TSimparamModel::ZColumnCount() const
{
    // Counted as the engine will count them, from the record OK writes.
    TSimparameter p;
    p.ZAxis.Typ = Form.ZTyp;
    p.ZAxis.von = std::min(Form.Zvon, Form.Zbis);
    p.ZAxis.bis = std::max(Form.Zvon, Form.Zbis);
    p.ZAxis.Colstep = Form.ZColstep;
    p.ZAxis.FixedStep = 1;
    return ResColCount(p);
}
