#pragma once
// The six field components at one chosen depth (a layer and a position
// measured from its start) for a series of angles: one sample per angle.
// Each angle walks the chain down to the chosen layer only.

#include <memory>

#include "fields/EWaveList.h"
#include "fields/EwaveCalculator.h"

class TCalcEwave_D : public veltrane::EwaveCalculator {
public:
    TCalcEwave_D(const TSimparameter& para, veltrane::RunControl& run);

    // One sample per angle from Theta1 to Theta2; nothing happens while
    // another run is active. An angle at which the
    // stack has no fields (no refracted angle, a wave along a layer, a math
    // error) leaves its sample unfilled and the scan goes on; other failures
    // end the run with a box.
    void CalcEwave(const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list);

    std::int32_t LayerNr = 0;
    double Layerpos = 0.0;
    std::uint8_t Active = 0;

private:
    // The fields at the chosen place for the angle in Para; false when no
    // element was computed.
    bool CalcAtPosition();
    // Samples element e of the given layer when the walk reaches it.
    bool StepElement(int e, int layerIndex);

    TEWave work;
};

void CreateCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc, veltrane::RunControl& run,
                       const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list);
void RunCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc, const TSimparameter& para, const TEHOptionpara& opt,
                    TEWaveList& list);
void DeleteCalcEwave_D(std::unique_ptr<TCalcEwave_D>& calc);
