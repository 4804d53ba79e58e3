#include "fitting/SimulationIter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "fitting/EngineObjective.h"
#include "fitting/ScanResampler.h"
#include "platform/Platform.h"

namespace {

constexpr double RoundingDivisor = 10.0;
// Start steps of coordinates that start at 0: a tenth of a typical value,
// as the start simplex moves any other coordinate by a tenth of its own. A
// film of some 10 nm, and an eps part, n or kappa of order 1. A tiny step
// would change the curve by less than the noise of a scan, and the search
// could not tell its vertices apart.
constexpr double ZeroStartThicknessNm = 1.0;
constexpr double ZeroStartOptical = 0.1;

// The parameter copy's place of slot s: layer s / 7, kind s % 7 + 1.
Complex& epsOf(TSimparameter& para, int layer, int kind)
{
    TEpsXYZ& e = para.Eps[std::size_t(layer)];
    return kind <= 3 ? e.epsX : kind <= 5 ? e.epsY : e.epsZ;
}

}  // namespace

TSimulationiter::TSimulationiter(TScanColList& scans, const TOptionpara& options, veltrane::RunControl& run)
    : ScanList(1), scans_(scans), options_(options), run_(run),
      engineObjective_(std::make_unique<TEngineObjective>(*this))
{
}

TSimulationiter::~TSimulationiter() = default;

void TSimulationiter::SetHost(veltrane::FitHost* host) { host_ = host; }

void TSimulationiter::SetObjective(veltrane::FitObjective* objective) { objective_ = objective; }

veltrane::FitHost& TSimulationiter::host() { return host_ ? *host_ : defaultHost_; }

veltrane::FitObjective& TSimulationiter::objective()
{
    return objective_ ? *objective_ : *engineObjective_;
}

TScanColrec* TSimulationiter::ChosenScan()
{
    if (ScanIndex < 0 || ScanIndex >= int(scans_.size()))
        return nullptr;
    return &scans_[std::size_t(ScanIndex)];
}

double TSimulationiter::SlotValue(const TSimparameter& para, int slot)
{
    const int layer = slot / SlotKinds, kind = slot % SlotKinds + 1;
    if (kind == 1)
        return para.Dicke[std::size_t(layer)];
    const Complex& e = epsOf(const_cast<TSimparameter&>(para), layer, kind);
    return kind % 2 == 0 ? e.real() : e.imag();
}

void TSimulationiter::SetSlotValue(TSimparameter& para, int slot, double value)
{
    const int layer = slot / SlotKinds, kind = slot % SlotKinds + 1;
    if (kind == 1) {
        para.Dicke[std::size_t(layer)] = value;
        return;
    }
    Complex& e = epsOf(para, layer, kind);
    if (kind % 2 == 0)
        e.real(value);
    else
        e.imag(value);
}

void TSimulationiter::BuildSlots()
{
    ParamSlots.fill(TParamSlot{});
    const int layers = std::clamp(Parameter.Layeranz, 0, MaxLayers);
    for (int l = 0; l < layers; ++l) {
        const int kinds = Parameter.Aniso[std::size_t(l)] ? SlotKinds : 3;
        for (int k = 0; k < kinds; ++k) {
            TParamSlot& s = ParamSlots[std::size_t(l * SlotKinds + k)];
            s.value = SlotValue(Parameter, l * SlotKinds + k);
            s.enabled = 1;
        }
    }
    if (layers > 0) {
        for (int slot : {0, 2, 4, 6})
            ParamSlots[std::size_t(slot)].enabled = 0;
        ParamSlots[std::size_t((layers - 1) * SlotKinds)].enabled = 0;
    }
}

double TSimulationiter::GetStep(int slot) const
{
    const int kind = slot % SlotKinds + 1;
    if (kind == 1)
        return options_.Dickestep;
    return kind % 2 == 0 ? options_.Epsrealstep : options_.Epsimagstep;
}

double TSimulationiter::ZeroStartStep(int slot)
{
    return slot % SlotKinds == 0 ? ZeroStartThicknessNm : ZeroStartOptical;
}

bool TSimulationiter::StaysAtOrAboveZero(int slot, double start, int epsMode)
{
    const int kind = slot % SlotKinds + 1;
    if (kind == 1)
        return true;
    const bool imaginary = kind % 2 == 1;
    // A value the user starts below 0 is taken as meant: it is left free.
    return (imaginary || epsMode == emNKappa) && start >= 0.0;
}

double TSimulationiter::RoundToStep(double step, double value)
{
    step = std::fabs(step);
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(value))
        return value;
    // The step with 15 significant digits: its decimal exponent and the
    // number of digits it really has.
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, step, std::chars_format::scientific, 14);
    const std::string_view text(buf, std::size_t(res.ptr - buf));
    const std::size_t epos = text.find('e');
    int exp10 = 0;
    std::from_chars(text.data() + epos + 1 + (text[epos + 1] == '+'), text.data() + text.size(), exp10);
    std::string_view digits = text.substr(0, epos);
    int d = 0;
    for (char c : digits)
        d += c >= '0' && c <= '9';
    for (std::size_t i = digits.size(); i > 0 && digits[i - 1] == '0'; --i)
        --d;
    d = std::max(d, 1);
    const int e = exp10 + 1;  // step lies in [10^(e-1), 10^e)
    double unit = (e >= 1 && d < e) ? std::pow(10.0, e - 1) : std::pow(10.0, e - d);
    unit /= RoundingDivisor;

    const double r = std::fmod(value, unit);
    double rounded = value - r;
    if (std::fabs(r * 10.0 / unit) >= 5.0)
        rounded += value >= 0.0 ? unit : -unit;
    return rounded;
}

void TSimulationiter::PutFitRange(TSimparameter& para) const
{
    para.XAxis.Typ = 0;
    para.XAxis.von = FitLeft;
    para.XAxis.bis = FitRight;
    para.ZAxis.Typ = 0;
}

void TSimulationiter::ApplyVertex(const double* vertex, bool rounded)
{
    PutFitRange(Parameter);
    for (int j = 0; j < ParamCount; ++j) {
        const int slot = ParamIndex[std::size_t(j)];
        const double r = RoundToStep(GetStep(slot), vertex[j]);
        SetSlotValue(Parameter, slot, rounded ? r : vertex[j]);
        ParamSlots[std::size_t(slot)].value = r;
    }
}

bool TSimulationiter::ResampleScan()
{
    const TScanColrec* scan = ChosenScan();
    if (!scan) {
        veltrane::showError("Error iterative Simulation", "There is no scan to fit.");
        return false;
    }
    const veltrane::ResampleResult r =
        veltrane::ResampleScan(*scan, LeftLimit, RightLimit, Parameter.XAxis.Pktanz, ScanList[0]);
    if (!r.ok) {
        veltrane::showError("Error iterative Simulation", r.error);
        return false;
    }
    FitLeft = r.left;
    FitRight = r.right;
    return true;
}
