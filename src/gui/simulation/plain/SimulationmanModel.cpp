#include "gui/simulation/plain/SimulationmanModel.h"

#include "gui/common/plain/NumericHelpers.h"
#include "gui/simulation/plain/LayerThickness.h"
#include "gui/common/plain/StepRounding.h"
#include "optics/CalcPlasmon.h"
#include "platform/CFormat.h"

namespace {

// The column titles by input mode: eps parts, or n and kappa.
const char* const Titles[6][2] = {
    {"Eps-X real", "X n-ref"}, {"Eps-X imag", "X kapa"}, {"Eps-Y real", "Y n-ref"},
    {"Eps-Y imag", "Y kapa"},  {"Eps-Z real", "Z n-ref"}, {"Eps-Z imag", "Z kapa"},
};

bool isImaginary(int col) { return col == mcEpsXI || col == mcEpsYI || col == mcEpsZI; }

}  // namespace

TSimulationmanModel::TSimulationmanModel(Document& doc) : doc_(doc) {}

TSimulationmanModel::~TSimulationmanModel() = default;

std::string TSimulationmanModel::CheckOpen() const
{
    if (doc_.Simparameter.Layeranz < 2)
        return "The manual Simulation needs at least 2 layers";
    return "";
}

void TSimulationmanModel::Show(int epsMode)
{
    epsMode_ = epsMode;
    AutoCalc = true;
    UpToDate = true;
    Calculated = false;
    CanEdit = false;
    row_ = 1;
    col_ = mcThickness;
}

bool TSimulationmanModel::CreateCalc()
{
    return bool(CreateCalcPlasmon(calc_, doc_.Simparameter, doc_.ResColList, veltrane::ErrorReport::ShowBox));
}

void TSimulationmanModel::Compute()
{
    // A failed run has shown its box; the curves then hold what the run
    // reached, and the dialog goes on.
    RunCalcPlasmon(calc_.get(), doc_.Simparameter, doc_.ResColList, veltrane::ErrorReport::ShowBox);
    UpToDate = true;
    Calculated = true;
}

void TSimulationmanModel::Close()
{
    // Showing emptied the result list; a showing without any computation
    // must leave the curves the plot still shows.
    if (!Calculated && calc_)
        Compute();
    DeleteCalcPlasmon(calc_);
}

bool TSimulationmanModel::Anisotropic() const
{
    const TSimparameter& p = doc_.Simparameter;
    for (int k = 0; k < p.Layeranz && k < MaxLayers; ++k)
        if (p.Aniso[std::size_t(k)])
            return true;
    return false;
}

bool TSimulationmanModel::Wide() const { return doc_.Optionpara.Simbreite != 0 && Anisotropic(); }

int TSimulationmanModel::FormWidth() const { return NarrowWidth + (Wide() ? WideExtra : 0); }

int TSimulationmanModel::PageWidth() const { return NarrowPageWidth + (Wide() ? WideExtra : 0); }

std::string TSimulationmanModel::ColumnTitle(int col, int epsMode)
{
    if (col == mcLayerNr)
        return "Layer Nr";
    if (col == mcThickness)
        return "Thickness";
    if (col < mcEpsXR || col >= ManColumnCount)
        return "";
    return Titles[col - mcEpsXR][epsMode == 0 ? 0 : 1];
}

std::string TSimulationmanModel::CellText(int row, int col, char sep) const
{
    if (row < 1 || row >= RowCount() || row > MaxLayers || col < 0 || col >= ManColumnCount)
        return "";
    if (col == mcLayerNr)
        return std::to_string(row);
    if (col >= mcEpsYR && !doc_.Simparameter.Aniso[std::size_t(row - 1)])
        return "";
    const double v = Value(row, col);
    return v == Riedit::NADN ? "" : veltrane::floatToText(v, sep);
}

bool TSimulationmanModel::MayEdit(int row, int col) const
{
    const TSimparameter& p = doc_.Simparameter;
    if (row < 1 || row > p.Layeranz || row > MaxLayers || col < mcThickness || col >= ColCount())
        return false;
    // The first layer is the lossless incident half-space, the last one
    // the exit half-space: neither has a thickness.
    if (row == 1 && (col == mcThickness || isImaginary(col)))
        return false;
    if (col == mcThickness && row == p.Layeranz)
        return false;
    // An isotropic layer computes with eps X alone: Y and Z of it would
    // change the document and no curve.
    return col < mcEpsYR || p.Aniso[std::size_t(row - 1)] != 0;
}

bool TSimulationmanModel::SelectCell(int row, int col)
{
    CanEdit = MayEdit(row, col);
    if (!CanEdit) {
        BeepTenTimes();
        return false;
    }
    row_ = row;
    col_ = col;
    return true;
}

bool TSimulationmanModel::ConfirmCurrent()
{
    if (CurrentEditable())
        return true;
    BeepTenTimes();
    return false;
}

double TSimulationmanModel::StepSize(int col) const
{
    const TOptionpara& o = doc_.Optionpara;
    if (col == mcThickness)
        return o.Dickestep;
    return isImaginary(col) ? o.Epsimagstep : o.Epsrealstep;
}

namespace {

template <typename Eps>
auto epsOf(Eps& e, int col) -> decltype(&e.epsX)
{
    if (col <= mcEpsXI)
        return &e.epsX;
    return col <= mcEpsYI ? &e.epsY : &e.epsZ;
}

}  // namespace

double TSimulationmanModel::Value(int row, int col) const
{
    const TSimparameter& p = doc_.Simparameter;
    if (col == mcThickness)
        return p.Dicke[std::size_t(row - 1)];
    const Complex* z = epsOf(p.Eps[std::size_t(row - 1)], col);
    return isImaginary(col) ? z->imag() : z->real();
}

void TSimulationmanModel::SetValue(int row, int col, double v)
{
    TSimparameter& p = doc_.Simparameter;
    if (col == mcThickness) {
        p.Dicke[std::size_t(row - 1)] = v;
        return;
    }
    Complex* z = epsOf(p.Eps[std::size_t(row - 1)], col);
    if (isImaginary(col))
        z->imag(v);
    else
        z->real(v);
}

bool TSimulationmanModel::ConfirmValue(double v) const
{
    if (col_ != mcThickness || ThicknessAllowed(v))
        return true;
    BeepTenTimes();
    return false;
}

TSimulationmanModel::Change TSimulationmanModel::ChangeValue(int k)
{
    // The cursor can rest on a cell that was never allowed (the first
    // thickness of a two-layer stack): nothing may change there.
    if (!ConfirmCurrent())
        return Change::Refused;
    // Steps of 0.1 down from 0.3 end at -2.8e-17 in binary; rounded to the
    // step's decimals they end at 0, which is a thickness, not a refusal.
    const double v = SteppedValue(Value(row_, col_), StepSize(col_), k);
    if (!ConfirmValue(v))
        return Change::Refused;
    UpToDate = false;
    SetValue(row_, col_, v);
    return AutoCalc ? Change::ComputeNow : Change::Deferred;
}

TSimulationmanModel::Change TSimulationmanModel::EditValue(double v)
{
    if (!ConfirmCurrent() || !ConfirmValue(v))
        return Change::Refused;
    UpToDate = false;
    SetValue(row_, col_, v);
    return Change::ComputeNow;
}

bool TSimulationmanModel::CtrlReleased()
{
    AutoCalc = true;
    return !UpToDate;
}
