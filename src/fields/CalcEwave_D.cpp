#include "fields/CalcEwave_D.h"

#include <exception>

#include "fields/EwaveLifecycle.h"
#include "fields/SampleGrid.h"
#include "optics/EngineErrors.h"
#include "platform/Errors.h"
#include "platform/Platform.h"

TCalcEwave_D::TCalcEwave_D(const TSimparameter& para, veltrane::RunControl& run)
    : EwaveCalculator(para, run)
{
}

void TCalcEwave_D::CalcEwave(const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list)
{
    if (!Run.Begin())
        return;
    TakeRecords(para, opt);
    LayerNr = EHOption.LayerNr;
    Layerpos = EHOption.Layerpos;
    const int m = int(list.size());
    veltrane::LayAngleGrid(list, EHOption.Theta1, EHOption.Theta2);

    Run.Start(m, "Calculating Ewave at Pos");
    work = TEWave();
    try {
        MatchStack();
        for (int i = 0; i < m && Run.Running(); ++i) {
            Run.SetPos(i);
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
            Run.Yield();
        }
    } catch (const std::exception& e) {
        EndRun(e.what());
        return;
    } catch (...) {
        EndRun("");
        return;
    }
    EndRun();
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

void CreateCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc, veltrane::RunControl& run,
                       const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list)
{
    veltrane::CreateEwaveCalculator(calc, run, para, opt, list);
}

void RunCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc, const TSimparameter& para, const TEHOptionpara& opt,
                    TEWaveList& list)
{
    veltrane::RunEwaveCalculator(calc, para, opt, list);
}

void DeleteCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc) { calc.reset(); }
