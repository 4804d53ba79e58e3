#pragma once
// What the two field calculators share: the engine they derive from, their
// copies of the records, the run control, and the walk of one incident
// wave through the element chain S0, G(0,1), S1, ..., S(n-1).
//
// A pair holds (the wave going into the stack, the wave coming back) of the
// tangential amplitude: Ex for p, Ey for s. The walk starts from the
// incident and reflected pair at the top of the stack, carries it back over
// the shown stretch d_1 of the first half-space and then down through the
// interfaces; in the last half-space only the transmitted wave remains.

#include <cstdint>
#include <string>

#include "document/Records.h"
#include "optics/CalcPlasmon.h"
#include "platform/RunControl.h"

namespace veltrane {

class EwaveCalculator : public TCalcPlasmon {
public:
    EwaveCalculator(const TSimparameter& para, RunControl& run);

    // The reason a stack cannot give fields, or "" when it can.
    static std::string CheckStack(const TSimparameter& para);
    const RunControl& Control() const { return Run; }

protected:
    // Takes the run's records; the engine works on this copy only.
    void TakeRecords(const TSimparameter& para, const TEHOptionpara& opt);
    // Rebuilds the engine when the record's stack or polarisation mode
    // differs from its own, and takes the polarisations to compute.
    void MatchStack();
    // Brings the stack up to date for Para.Theta and sets the pairs at the
    // start of the shown first half-space (depth -d_1).
    void StartVectors();
    // Carries the pairs from above interface element k to below it.
    void CrossInterface(int k);
    // Crosses the last interface; below it only the transmitted wave runs.
    void EnterLastHalfSpace();
    // The fields of element e at fraction t of the stretch of the given
    // thickness into sample; the pairs are propagated there in place.
    void FieldsAt(int e, double thickness, double t, TVeltraVector& p, TVeltraVector& s, TEWave& sample);
    // Carries the pairs through the whole stretch of element e, as the
    // fields at its end would, without computing those fields.
    void CarryThrough(int e, double thickness);
    // Ends a run: the progress frame is finished and the run flag cleared;
    // with a failure, its message is shown after that.
    void EndRun();
    void EndRun(const char* failure);
    // Shown thickness of layer k: d_1, the layer's own, d_n.
    double ElementThickness(int layerIndex) const;

    std::uint8_t FilledMark = 1;
    TSimparameter Para;
    TEHOptionpara EHOption;
    RunControl& Run;
    TVeltraVector vecP, vecS;
    bool doP = false, doS = false;
};

}  // namespace veltrane
