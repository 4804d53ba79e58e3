#pragma once
// The simulation driver: builds the layers, the element chain and the prism
// for one stack, walks the X (and Z) scan and fills the result columns with
// Rp, Tp, Rs, Ts, Psi and Delta per point.

#include <memory>
#include <string>

#include "document/Records.h"
#include "optics/EngineErrors.h"
#include "optics/Layer.h"
#include "optics/Plasmon.h"
#include "optics/Prisma.h"

namespace veltrane {

// Who hears of a failed run: the user through a message box, or only the
// caller through the returned outcome (the fit, which ends on its own path).
enum class ErrorReport { ShowBox, ToCaller };

struct CalcOutcome {
    bool ok = true;
    std::string caption;  // the box caption that belongs to the failure
    std::string message;
    explicit operator bool() const { return ok; }
};

// The first reason the record cannot be simulated, or "" when it can.
std::string CheckSimparameter(const TSimparameter& para);
// The first layer of the stack thinner than 0 nm, or "". Part of the check
// above; the field calculators, which build on the engine but run no
// simulation, refuse a stack with it too.
std::string CheckThicknesses(const TSimparameter& para);

}  // namespace veltrane

class TCalcPlasmon {
public:
    TCalcPlasmon();
    virtual ~TCalcPlasmon();
    TCalcPlasmon(const TCalcPlasmon&) = delete;
    TCalcPlasmon& operator=(const TCalcPlasmon&) = delete;

    void Init(const TSimparameter& para);
    // The main loop. Per-point failures mark points invalid; any other
    // failure ends the run and is shown or returned as `report` says.
    veltrane::CalcOutcome CalcSimulation(TSimparameter& para, TResColList& list, veltrane::ErrorReport report);
    // "" when a run with this record and list can go ahead on this driver.
    std::string CheckRun(const TSimparameter& para, const TResColList& list) const;

    bool IsPolarisation(char letter) const
    {
        if (letter == 'P')
            return polMode == pmP || polMode == pmBoth;
        return polMode == pmS || polMode == pmBoth;
    }

    void UpdateAll(TSimparameter& para);
    // The full update after a change of Theta alone since the last
    // completed one: the prism, then the layers' angles and lateral
    // components, their roots and every element.
    void UpdateAngle(TSimparameter& para);
    void UpdateLayer(int layerNr, TSimparameter& para);
    void UpdateLayers(int layerNrX, int layerNrZ, TSimparameter& para);
    void Update(int i, int j, TSimparameter& para);
    // True when Update takes the full path at point (i, j).
    bool IsFullUpdate(int i, int j, const TSimparameter& para) const;
    // True when, inside a run, UpdateAngle does the full update at point
    // (i, j): a Theta scan without Z after a completed full update.
    bool IsAngleStep(int i, int j, const TSimparameter& para) const;

    void SetXValue(int i, TSimparameter& para);
    void SetZValue(int j, TSimparameter& para, const TResColList& list);
    static void SetParameterValue(int code, int layerNr, double value, TSimparameter& para);

    void CalcTotalMatrix();
    // (r, t) for the incident amplitude a: t = a / M(0,0), r = M(1,0) t.
    void CalcRT(TVeltraVector& rt, const TVeltraMatrix& m, Complex a);
    // The same with the incident amplitude taken from entry 1 of the pair.
    void CalcRTAmplitude(TVeltraVector& rt, const TVeltraMatrix& m);

    void StoreResult(int i, int j, const TSimparameter& para, TResColList& list, bool valid);
    void CalcRpTp(TResPunkt& p, bool valid) const;
    void CalcRsTs(TResPunkt& p, bool valid) const;
    void CalcPsiDelta(TResPunkt& p, bool valid) const;
    void CorrectTransmission(TResPunkt& p) const;
    void SetZValues(const TSimparameter& para, TResColList& list) const;

    const TLayerList& Layers() const { return layers; }
    const TPlasmonList& Elements() const { return elements; }
    const TPrisma& Prisma() const { return prisma; }
    const TVeltraMatrix& TotalP() const { return totalP; }
    const TVeltraMatrix& TotalS() const { return totalS; }
    const TVeltraVector& RtP() const { return rtP; }
    const TVeltraVector& RtS() const { return rtS; }
    int LayerCount() const { return layerCount; }
    bool FullUpdateNeeded() const { return fullUpdateNeeded; }

protected:
    void CreateLayers(const TSimparameter& para);
    void CreateElements(const TSimparameter& para);
    void ConnectElements();
    void ClearLayers();
    void ClearElements();
    // One point: update, product and amplitudes. Throws on failure.
    void CalcPoint(int i, int j, TSimparameter& para, const TResColList& list);
    // Marks invalid every point from (atI, atJ) on in the run's order, and
    // every point of a column or at an index the run does not walk.
    static void ClearUnreached(TResColList& list, int atI, int atJ, int columns);

    int layerCount = 0;
    int elementCount = 0;
    TPlasmonList elements;
    TLayerList layers;
    int polMode = 0;
    TVeltraMatrix totalP{TVeltraMatrix::Full};
    TVeltraMatrix totalS{TVeltraMatrix::Full};
    TVeltraVector rtP, rtS;
    TPrisma prisma;
    BitSet<std::uint16_t> fullUpdateKinds;
    // Set until an UpdateAll completes: a failed full update leaves layers
    // unset, and no partial update may build on them.
    bool fullUpdateNeeded = true;
    // The anisotropy layout the chain was built for.
    std::array<std::uint8_t, MaxLayers> anisoLayout{};

private:
    // The total matrices after a partial update, from kept products of the
    // unchanged elements; equal to CalcTotalMatrix up to rounding.
    void CalcTotalMatrixPartial(const TSimparameter& para);
    void KeepProducts(TVeltraMatrix TPlasmon::*matrix, Complex TPlasmon::*q, TVeltraMatrix& prefix,
                      TVeltraMatrix& suffix) const;
    void ChainProduct(TVeltraMatrix TPlasmon::*matrix, Complex TPlasmon::*q, const TVeltraMatrix& prefix,
                      const TVeltraMatrix& suffix, TVeltraMatrix& total) const;

    struct ProductCache {
        bool valid = false;
        int lo = -1, hi = -1;  // the changing elements
        TVeltraMatrix prefixP, prefixS, suffixP, suffixS;
    };
    ProductCache productCache_;
    // The working copy of RunCalcPlasmon, reused so that repeated runs on one
    // driver allocate nothing.
    TSimparameter work;

    friend veltrane::CalcOutcome RunCalcPlasmon(TCalcPlasmon*, const TSimparameter&, TResColList&,
                                                veltrane::ErrorReport);
};

// Create, run (once or many times with changed records), delete. With
// ErrorReport::ToCaller no box is shown and the outcome carries the failure.
veltrane::CalcOutcome CreateCalcPlasmon(std::unique_ptr<TCalcPlasmon>& calc, const TSimparameter& para,
                                        TResColList& list, veltrane::ErrorReport report);
// The caller's record is not changed: the run works on the driver's copy.
// Without a driver (its creation failed) nothing runs and the outcome is not
// ok, with no box and no message.
veltrane::CalcOutcome RunCalcPlasmon(TCalcPlasmon* calc, const TSimparameter& para, TResColList& list,
                                     veltrane::ErrorReport report);
void DeleteCalcPlasmon(std::unique_ptr<TCalcPlasmon>& calc);
