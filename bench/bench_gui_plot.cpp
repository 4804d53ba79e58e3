// Composing a line plot: 1200 x 800 pixels, 8 columns of up to 10,000 points,
// lines only and lines with symbols on every tenth point. The yardstick
// draws the same polylines straight with QPainter, without axes, mapping or
// clipping.

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "platform/qt/GuiServices.h"

namespace {

double curve(int col, int i, int n) { return 50 + 40 * std::sin(0.001 * i * (col + 1) + col) * std::exp(-double(i) / n); }

void fill(TLinePlot& plot, int points, bool symbols)
{
    plot.DeleteAllCol();
    for (int c = 0; c < 8; ++c) {
        int col = plot.AddCol();
        plot.SetLineColor(col, TPlotColor(c + 1));
        if (symbols) {
            plot.SetPlotArt(col, paLineSymbol);
            plot.SetProzentPunkte(col, 10);
            plot.SetSymbolsize(col, 6);
        }
        for (int i = 0; i < points; ++i)
            plot.AddData(col, 100.0 * i / points, curve(c, i, points), i % 997 != 0);
    }
}

void BM_ComposePlot(benchmark::State& state)
{
    TLinePlot plot;
    fill(plot, int(state.range(0)), state.range(1) != 0);
    QImage img = TPlotCanvas::NewBitmap(1200, 800);
    for (auto _ : state) {
        TPlotCanvas c(img);
        plot.Compose(c);
    }
    state.SetItemsProcessed(state.iterations() * 8 * state.range(0));
}
BENCHMARK(BM_ComposePlot)->ArgsProduct({{1000, 10000}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_YardstickPolylines(benchmark::State& state)
{
    int n = int(state.range(0));
    std::vector<std::vector<QPoint>> lines(8);
    for (int c = 0; c < 8; ++c)
        for (int i = 0; i < n; ++i)
            lines[std::size_t(c)].push_back(QPoint(60 + 1100 * i / n, 700 - int(6 * curve(c, i, n))));
    QImage img = TPlotCanvas::NewBitmap(1200, 800);
    for (auto _ : state) {
        QPainter p(&img);
        p.fillRect(img.rect(), Qt::white);
        QPen pen(Qt::red);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        for (const auto& l : lines)
            p.drawPolyline(l.data(), int(l.size()));
    }
    state.SetItemsProcessed(state.iterations() * 8 * n);
}
BENCHMARK(BM_YardstickPolylines)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
