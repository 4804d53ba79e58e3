#pragma once
// The iterative simulation without its window: the parameter slots and
// their marks, the downhill-simplex search over the marked parameters, its
// objectives against the resampled measured scan, the scale-factor fit and
// the rounding of fitted values to their steps. The fit window binds its
// controls to these members and reaches the search's display through
// FitHost; the search yields and is stopped through the run control.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "document/Records.h"
#include "fitting/FitHost.h"
#include "fitting/FitObjective.h"
#include "platform/RunControl.h"

struct TParamSlot {
    double value = 0.0;  // shown, rounded to the slot's step
    std::uint8_t marked = 0;
    std::uint8_t enabled = 0;
};

// Best, worst and second-worst vertex of one iteration.
struct TSimplexOrder {
    int ilo = 0, ihi = 0, inhi = 0;
};

class TSimulationiter {
public:
    static constexpr int SlotKinds = 7;
    static constexpr int SlotCount = MaxLayers * SlotKinds;
    static constexpr int MaxParam = 10;
    static constexpr int MaxVertices = MaxParam + 1;
    // Stop codes of Simplex; Iteration returns NotRun when it refused to
    // start or ended with an error.
    enum StopCode { NotRun = 0, LimitReached = 1, IterationsDone = 2, Stopped = 3 };
    // Items of the "Iteration-optimation" group.
    enum Iterart { XMinimum = 0, FullSpectrum = 1 };

    // scans is the document's scan list (the chosen scan's scale factor is
    // fitted in place); options supplies steps and iteration limits; run
    // carries the run flag, the Stop button and the event pass.
    TSimulationiter(TScanColList& scans, const TOptionpara& options, veltrane::RunControl& run);
    ~TSimulationiter();
    TSimulationiter(const TSimulationiter&) = delete;
    TSimulationiter& operator=(const TSimulationiter&) = delete;

    // nullptr restores the defaults (no window; the engine-backed objective).
    void SetHost(veltrane::FitHost* host);
    void SetObjective(veltrane::FitObjective* objective);

    // Slots from the parameter copy: the values of every layer's thickness
    // and eps X (Y and Z for anisotropic layers), marks cleared; the first
    // layer's thickness and imaginary parts and the last thickness disabled.
    void BuildSlots();
    // The chosen scan resampled onto the X points of the parameter copy
    // over the fit range. Shows why and returns false when it cannot be.
    bool ResampleScan();
    // Fit range into the record: X kind Theta from FitLeft to FitRight, no Z.
    void PutFitRange(TSimparameter& para) const;

    // The whole fit; NotRun without a start (refused, or another run is
    // active) or after an error.
    int Iteration();
    int Simplex();
    double SimplexTry(int ihi, double fac);
    void SimplexSum();
    double Divergence(const double* vertex);
    void ApplyVertex(const double* vertex, bool rounded);
    void ShowVertex(int i, bool rounded);
    void Stop() { run_.Stop(); }

    double DivergenceSpectrum() const;
    double DivergenceMinimum() const;
    // True when the scan got a new factor.
    bool FitScalefactor();
    double ScanMinimum() const;
    // By how much the resampled scan must be multiplied to match the
    // simulated curve best; NoValue when there is nothing to scale by.
    double ScanToSimulationRatio() const;

    double GetStep(int slot) const;
    // The start simplex moves a coordinate by a tenth of its value; a value
    // of 0 gets this step instead, a tenth of a typical value of its kind.
    static double ZeroStartStep(int slot);
    // Whether a trial may not take the slot below 0: a thickness always; an
    // imaginary part (eps'' or kappa) that starts at or above 0, so that a
    // passive layer never turns into a gain medium; in n and kappa input
    // mode also n, as eps'' = 2 n kappa.
    static bool StaysAtOrAboveZero(int slot, double start, int epsMode);
    static double RoundToStep(double step, double value);
    static TSimplexOrder OrderVertices(const double* y, int mpts);
    // The record's value of a slot, and writing one.
    static double SlotValue(const TSimparameter& para, int slot);
    static void SetSlotValue(TSimparameter& para, int slot, double value);

    TScanColrec* ChosenScan();

    // Choices of the window.
    int ScanIndex = 0;                // in the document's scan list
    std::int32_t Datakind = 0;        // 0 Rp, 1 Rs, 2 R(p+s), 3 Psi, 4 Delta
    std::int32_t Iterartgroup = FullSpectrum;
    bool FitScale = false;            // "Scale-Faktor:" ticked
    double LeftLimit = 0.0, RightLimit = 0.0;  // the two markers

    // The search.
    std::array<TParamSlot, SlotCount> ParamSlots{};
    double Scalefactor = 1.0;         // the last fitted one
    int ParamCount = 0;
    std::array<int, MaxParam> ParamIndex{};
    std::array<double, MaxVertices> y{};
    std::array<double, MaxParam> psum{};
    std::array<std::array<double, MaxParam>, MaxVertices> p{};
    double ScanMin = NOVALUE;         // x of the measured minimum
    TSimparameter Parameter;
    TResColList ResultList;
    TScanColList ScanList;            // the one resampled scan
    double FitLeft = 0.0, FitRight = 0.0;  // fit range clamped to the scan
    int IterNum = 0;

private:
    veltrane::FitObjective& objective();
    veltrane::FitHost& host();
    // The results of each vertex, kept so that showing the best one needs no
    // new run.
    void KeepResults(int vertex);
    // The scale factor refitted at the start of an iteration, and the
    // vertices measured again against the rescaled scan when it changed.
    void RefitScalefactor();
    int BestVertex() const;
    bool RefuseStart();

    TScanColList& scans_;
    const TOptionpara& options_;
    veltrane::RunControl& run_;
    veltrane::FitHost defaultHost_;
    veltrane::FitHost* host_ = nullptr;
    std::unique_ptr<veltrane::FitObjective> engineObjective_;
    veltrane::FitObjective* objective_ = nullptr;
    std::array<double, MaxParam> ptry_{};
    std::array<bool, MaxParam> atOrAboveZero_{};
    std::array<TResColList, MaxVertices> kept_{};
    std::array<bool, MaxVertices> keptValid_{};
};
