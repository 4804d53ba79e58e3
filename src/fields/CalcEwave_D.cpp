#include "fields/CalcEwave_D.h"

#include <exception>

#include "document/Globals.h"
#include "fields/SampleGrid.h"
#include "optics/EngineErrors.h"
#include "platform/Errors.h"
#include "platform/Platform.h"

TCalcEwave_D::TCalcEwave_D(const TSimparameter& para, veltrane::CalcProgress& status)
    : EwaveCalculator(para, status)
{
}

void TCalcEwave_D::CalcEwave(const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list)
{
    TakeRecords(para, opt);
    LayerNr = EHOption.LayerNr;
    Layerpos = EHOption.Layerpos;
    const int m = int(list.size());
    veltrane::LayAngleGrid(list, EHOption.Theta1, EHOption.Theta2);

    CalcRunning = 1;
    FitStatus.Start(m, "Calculating Ewave at Pos");
    work = TEWave();
    try {
        MatchStack();
        for (int i = 0; i < m && CalcRunning != 0; ++i) {
            FitStatus.SetPos(i);
            TEWave& sample = list[std::size_t(i)];
            Para.Theta = sample.Theta;
            bool computed = false;
            try {
                computed = CalcAtPosition();
            } catch (const EWinkelfehler&) {
            } catch (const EkoNullExecption&) {
            } catch (const veltrane::EMathError&) {
            }
            if (computed) {
                sample.Feld = work.Feld;
                sample.Filled = FilledMark;
            }
            veltrane::platform().processEvents();
        }
    } catch (const std::exception& e) {
        FitStatus.Finish();
        CalcRunning = 0;
        veltrane::showError("Error  Calc E-Wave", e.what());
        return;
    } catch (...) {
        FitStatus.Finish();
        CalcRunning = 0;
        veltrane::showError("Error  Calc E-Wave", "");
        return;
    }
    FitStatus.Finish();
    CalcRunning = 0;
}

bool TCalcEwave_D::CalcAtPosition()
{
    Active = 1;
    bool computed = false;
    StartVectors();
    computed |= StepElement(0, 0);
    for (int k = 1; Active && k < elementCount - 2; k += 2) {
        CrossInterface(k);
        computed |= StepElement(k + 1, (k + 1) / 2);
    }
    if (Active) {
        EnterLastHalfSpace();
        computed |= StepElement(elementCount - 1, layerCount - 1);
    }
    return computed;
}

bool TCalcEwave_D::StepElement(int e, int layerIndex)
{
    if (!Active)
        return false;
    if (layerIndex > LayerNr) {
        Active = 0;
        return false;
    }
    const double thickness = ElementThickness(layerIndex);
    if (layerIndex == LayerNr) {
        FieldsAt(e, thickness, veltrane::PositionFraction(Layerpos, thickness), vecP, vecS, work);
        // Nothing below the chosen place is needed.
        Active = 0;
    } else if (e == elementCount - 1) {
        // A place below the stack: the end of the shown last half-space.
        FieldsAt(e, thickness, 1.0, vecP, vecS, work);
    } else {
        // The layers above the chosen one are crossed whole.
        CarryThrough(e, thickness);
    }
    return true;
}

void CreateCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc, veltrane::CalcProgress& status,
                       const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list)
{
    calc.reset();
    const std::string refusal = veltrane::EwaveCalculator::CheckStack(para);
    if (!refusal.empty()) {
        // No samples of an earlier stack may stay on show.
        ClearEWaveList_D(list);
        veltrane::showError("Error CalcEwave Init", refusal);
        return;
    }
    try {
        calc = std::make_unique<TCalcEwave_D>(para, status);
        ClearEWaveList_D(list);
        CreateEWaveList_D(list, opt.PktanzEff);
        calc->Init(para);
    } catch (const std::exception& e) {
        calc.reset();
        veltrane::showError("Error CalcEwave Init", e.what());
    }
}

void RunCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc, const TSimparameter& para, const TEHOptionpara& opt,
                    TEWaveList& list)
{
    if (!calc)
        return;
    try {
        if (opt.PktanzEff >= 0 && std::size_t(opt.PktanzEff) == list.size()) {
            ResetEWaveList_D(list);
        } else {
            ClearEWaveList_D(list);
            CreateEWaveList_D(list, opt.PktanzEff);
        }
        calc->CalcEwave(para, opt, list);
    } catch (const std::exception& e) {
        calc.reset();
        veltrane::showError("Error CalcEwave Calc", e.what());
    }
}

void DeleteCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc) { calc.reset(); }
