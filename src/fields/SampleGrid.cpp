#include "fields/SampleGrid.h"

#include <algorithm>
#include <cmath>

namespace veltrane {

double ShownThickness(const TSimparameter& para, const TEHOptionpara& opt, int k, int layerCount)
{
    if (k == 0)
        return opt.d_1;
    if (k == layerCount - 1)
        return opt.d_n;
    return std::abs(para.Dicke[std::size_t(k)]);
}

double PositionFraction(double layerpos, double thickness)
{
    return thickness != 0.0 ? layerpos / thickness : 0.0;
}

double ScanAngle(int i, int m, double theta1, double theta2)
{
    if (m < 2)
        return theta1;
    // The last angle is the limit itself, not a sum that may miss it by an ulp.
    if (i == m - 1)
        return theta2;
    return i * ((theta2 - theta1) / (m - 1)) + theta1;
}

int EffectiveSampleCount(int pktanz, int layerCount)
{
    if (layerCount < 2)
        return 0;
    return std::max(pktanz / layerCount, 2) * layerCount;
}

namespace {

// Pos, RelPos and Grenze of the samples from `first` on that the grid
// places: perElement per element, none with fewer than two.
void placeSamples(TEWaveList& list, std::span<const double> elementThickness, int perElement, std::size_t first)
{
    if (perElement < 2)
        return;
    std::size_t s = 0;
    double pos0 = elementThickness.empty() ? 0.0 : -elementThickness[0];
    for (std::size_t k = 0; k < elementThickness.size(); ++k) {
        double pos = pos0;
        for (int i = 0; i < perElement && s < list.size(); ++i, ++s) {
            const double t = ElementFraction(i, perElement);
            pos = SampleDepth(pos0, t, elementThickness[k]);
            if (s < first)
                continue;
            list[s].Pos = pos;
            list[s].RelPos = SampleRelDepth(int(k), t);
            list[s].Grenze = (i == 0 && k > 0) ? 1 : 0;
        }
        pos0 = pos;
    }
}

}  // namespace

void LayDepthGrid(TEWaveList& list, std::span<const double> elementThickness, int perElement, std::size_t first)
{
    // One blank sample, copied: the constructor lies in another library and
    // would be called once per sample.
    const TEWave blank;
    for (std::size_t s = first; s < list.size(); ++s)
        list[s] = blank;
    placeSamples(list, elementThickness, perElement, first);
}

void LayDepthPlaces(TEWaveList& list, std::span<const double> elementThickness, int perElement)
{
    const TEWave blank;
    for (TEWave& w : list) {
        w.Grenze = blank.Grenze;
        w.Theta = blank.Theta;
        w.Pos = blank.Pos;
        w.RelPos = blank.RelPos;
        w.Filled = 0;
    }
    placeSamples(list, elementThickness, perElement, 0);
}

void LayAngleGrid(TEWaveList& list, double theta1, double theta2)
{
    const int m = int(list.size());
    const TEWave blank;
    for (int i = 0; i < m; ++i) {
        list[std::size_t(i)] = blank;
        list[std::size_t(i)].Theta = ScanAngle(i, m, theta1, theta2);
    }
}

}  // namespace veltrane
