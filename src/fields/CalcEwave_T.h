#pragma once
// The six field components through the whole stack at one angle: a depth
// profile from the shown stretch d_1 of the first half-space, through every
// layer, into the shown stretch d_n of the last half-space. Each element
// gets the same number of samples; its first sample lies at its start, its
// last at its end, so every inner boundary is sampled on both sides.

#include <array>
#include <memory>

#include "fields/EWaveList.h"
#include "fields/EwaveCalculator.h"

class TCalcEwave_T : public veltrane::EwaveCalculator {
public:
    TCalcEwave_T(const TSimparameter& para, veltrane::RunControl& run);

    // Fills the samples in order; polls the run flag after every sample and
    // stops when it was cleared. Nothing happens while another run is
    // active. Failures are shown in a box; the samples not reached stay
    // unfilled. Every sample gets its place first; its values are written
    // once, as it is reached or, for a sample not reached, when the run ends.
    void CalcEwave(const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list);

    double Pos0 = 0.0;
    double ElemDicke = 0.0;

private:
    // Samples one element; false when the run was stopped.
    bool CalcElement(int e, int layerIndex, int perElement, int& counter, TEWaveList& list);
    // Resets the samples the run did not reach and gives them their places.
    void LayUnreached(TEWaveList& list) const;

    const TEWave blank_;
    // The depth grid of the run, once the stack is known.
    bool gridKnown_ = false;
    std::array<double, MaxLayers> thickness_{};
    int perElement_ = 0;
    // Samples written whole so far.
    std::size_t reached_ = 0;
};

// Creates the calculator for the record's stack and a list of PktanzEff
// empty samples. A failure leaves calc empty and is shown in a box.
void CreateCalcEwave_T(std::unique_ptr<TCalcEwave_T>& calc, veltrane::RunControl& run,
                       const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list);
// Runs the calculator (nothing without one) on a list of PktanzEff samples.
// A failure outside the sample loop destroys the calculator.
void RunCalcEwave_T(std::unique_ptr<TCalcEwave_T>& calc, const TSimparameter& para, const TEHOptionpara& opt,
                    TEWaveList& list);
void DeleteCalcEwave_T(std::unique_ptr<TCalcEwave_T>& calc);
