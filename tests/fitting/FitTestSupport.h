#pragma once
// A fit without a window: the document's scans and options, a scripted
// platform, and objectives that are plain functions.

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "document/Defaults.h"
#include "fitting/SimulationIter.h"
#include "platform/ScriptedPlatform.h"
#include "support/ScriptedRunControl.h"

class FunctionObjective : public veltrane::FitObjective {
public:
    explicit FunctionObjective(std::function<double(std::span<const double>)> f) : f(std::move(f)) {}

    void Begin() override { ++begins; }
    double Evaluate(std::span<const double> v) override
    {
        points.emplace_back(v.begin(), v.end());
        return f(v);
    }
    void Show() override { ++shows; }
    void End() noexcept override { ++ends; }

    std::function<double(std::span<const double>)> f;
    std::vector<std::vector<double>> points;
    int begins = 0, shows = 0, ends = 0;
};

class RecordingHost : public veltrane::FitHost {
public:
    void ShowIteration(const std::string& iternum, const std::string& divergence) override
    {
        iterNums.push_back(iternum);
        divergences.push_back(divergence);
    }
    void VertexShown() override { ++vertexShown; }
    void ScanChanged() override { ++scanChanged; }

    std::vector<std::string> iterNums, divergences;
    int vertexShown = 0, scanChanged = 0;
};

struct FitFixture {
    FitFixture()
    {
        SetDefaultOptions(options);
        fit.SetHost(&host);
    }

    veltrane::ScriptedPlatform platform;
    veltrane::ScopedPlatform use{platform};
    TScanColList scans;
    TOptionpara options;
    veltrane::test::ScriptedRunControl run;
    TSimulationiter fit{scans, options, run};
    RecordingHost host;
};
