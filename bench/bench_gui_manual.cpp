// One step of the manual simulation as the user sees it: the thickness of
// layer 2 of a 30-layer stack changes by one step, the engine computes the
// 1,000 points of the Theta scan, and the main window refreshes its plot in
// place, which composes the picture anew. The two parts apart beside it:
// the engine run alone (the yardstick: the least a step has to do) and the
// refresh with its composition alone. A screen frame is 16 ms.

#include <QApplication>
#include <benchmark/benchmark.h>

#include "gui/main/MainForm.h"
#include "gui/simulation/Simulationmandlg.h"
#include "optics/CalcPlasmon.h"
#include "platform/qt/GuiServices.h"
#include "support/Stacks.h"

namespace {

constexpr int Points = 1000;

// The main window with the 30-layer stack computed and drawn, 1200 x 800.
struct Window {
    Window()
    {
        form.resize(1200, 800);
        form.show();
        QApplication::processEvents();
        TSimparameter& p = form.Doc().Simparameter;
        p = veltrane::stacks::multilayer(30);
        veltrane::stacks::thetaScan(p, 10.0, 80.0, Points);
        form.RunSimulation();
    }
    TMainForm form;
};

void BM_ManualStep(benchmark::State& state)
{
    Window w;
    TSimulationmandlg& dlg = w.form.Simulationmandlg();
    dlg.EpsMode = 0;
    if (!dlg.Open(w.form.ManualHost())) {
        state.SkipWithError("the dialog refused the stack");
        return;
    }
    int k = 1;
    for (auto _ : state) {
        dlg.ChangeValue(k);  // up and down again, so the stack stays put
        k = -k;
    }
    dlg.reject();
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_ManualStep)->Unit(benchmark::kMillisecond);

void BM_YardstickEngineRun(benchmark::State& state)
{
    Window w;
    Document& d = w.form.Doc();
    std::unique_ptr<TCalcPlasmon> calc;
    CreateCalcPlasmon(calc, d.Simparameter, d.ResColList, veltrane::ErrorReport::ToCaller);
    for (auto _ : state) {
        d.Simparameter.Dicke[1] += 0.1;
        RunCalcPlasmon(calc.get(), d.Simparameter, d.ResColList, veltrane::ErrorReport::ToCaller);
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_YardstickEngineRun)->Unit(benchmark::kMillisecond);

void BM_RefreshMainPlot(benchmark::State& state)
{
    Window w;
    for (auto _ : state)
        w.form.UpdatePlotData();
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_RefreshMainPlot)->Unit(benchmark::kMillisecond);

}  // namespace
