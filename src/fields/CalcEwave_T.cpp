#include "fields/CalcEwave_T.h"

#include <array>
#include <exception>

#include "fields/EwaveLifecycle.h"
#include "fields/SampleGrid.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"

TCalcEwave_T::TCalcEwave_T(const TSimparameter& para, veltrane::RunControl& run)
    : EwaveCalculator(para, run)
{
}

void TCalcEwave_T::CalcEwave(const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list)
{
    if (!Run.Begin())
        return;
    TakeRecords(para, opt);
    const char sep = veltrane::platform().decimalSeparator();
    Run.Start(int(list.size()), "Calculating Ewave at " + veltrane::floatToText(Para.Theta, sep) + "\xC2\xB0");
    gridKnown_ = false;
    reached_ = 0;
    try {
        MatchStack();
        const int layers = layerCount;
        const int n = int(list.size()) / layers;
        for (int k = 0; k < layers; ++k)
            thickness_[std::size_t(k)] = ElementThickness(k);
        perElement_ = n;
        gridKnown_ = true;
        // Every sample has its place and is marked not computed before the
        // first one is computed, so that a view drawn during the run shows
        // the whole depth; the samples not reached get blank values at the
        // end.
        veltrane::LayDepthPlaces(list, std::span<const double>(thickness_.data(), std::size_t(layers)), n);
        // One sample per element cannot span it; the windows ask for two.
        if (n >= 2) {
            int counter = 0;
            StartVectors();
            Pos0 = -EHOption.d_1;
            ElemDicke = ElementThickness(0);
            bool running = CalcElement(0, 0, n, counter, list);
            for (int k = 1; running && k < elementCount - 2; k += 2) {
                CrossInterface(k);
                const int layer = (k + 1) / 2;
                ElemDicke = ElementThickness(layer);
                running = CalcElement(k + 1, layer, n, counter, list);
            }
            if (running) {
                EnterLastHalfSpace();
                ElemDicke = ElementThickness(layers - 1);
                CalcElement(elementCount - 1, layers - 1, n, counter, list);
            }
        }
    } catch (const std::exception& e) {
        LayUnreached(list);
        EndRun(e.what());
        return;
    } catch (...) {
        LayUnreached(list);
        EndRun("");
        return;
    }
    LayUnreached(list);
    EndRun();
}

void TCalcEwave_T::LayUnreached(TEWaveList& list) const
{
    if (gridKnown_)
        veltrane::LayDepthGrid(list, std::span<const double>(thickness_.data(), std::size_t(layerCount)), perElement_,
                               reached_);
}

bool TCalcEwave_T::CalcElement(int e, int layerIndex, int perElement, int& counter, TEWaveList& list)
{
    TVeltraVector endP = vecP, endS = vecS;
    for (int i = 0; i < perElement; ++i) {
        Run.SetPos(counter);
        const double t = veltrane::ElementFraction(i, perElement);
        TVeltraVector p = vecP, s = vecS;
        TEWave& sample = list[std::size_t(counter)];
        // The components of a polarisation not computed keep no old values.
        if (!(doP && doS))
            sample.Feld = blank_.Feld;
        FieldsAt(e, ElemDicke, t, p, s, sample);
        if (i == perElement - 1) {
            endP = p;
            endS = s;
        }
        sample.Theta = blank_.Theta;
        sample.Pos = veltrane::SampleDepth(Pos0, t, ElemDicke);
        sample.RelPos = veltrane::SampleRelDepth(layerIndex, t);
        sample.Grenze = (i == 0 && layerIndex > 0) ? 1 : 0;
        sample.Filled = FilledMark;
        reached_ = std::size_t(counter) + 1;
        Run.Yield();
        if (!Run.Running())
            return false;
        ++counter;
    }
    vecP = endP;
    vecS = endS;
    Pos0 = list[std::size_t(counter - 1)].Pos;
    return true;
}

void CreateCalcEwave_T(std::unique_ptr<TCalcEwave_T>& calc, veltrane::RunControl& run,
                       const TSimparameter& para, const TEHOptionpara& opt, TEWaveList& list)
{
    veltrane::CreateEwaveCalculator(calc, run, para, opt, list);
}

void RunCalcEwave_T(std::unique_ptr<TCalcEwave_T>& calc, const TSimparameter& para, const TEHOptionpara& opt,
                    TEWaveList& list)
{
    veltrane::RunEwaveCalculator(calc, para, opt, list);
}

void DeleteCalcEwave_T(std::unique_ptr<TCalcEwave_T>& calc) { calc.reset(); }
