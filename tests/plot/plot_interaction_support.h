#pragma once
// A line plot laid out with the fixed text metrics, shown offscreen at
// 600 x 400, with a scripted platform and scripted printer services, and a
// count of the pictures it composes.

#include <QTest>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "plot_fake_metrics.h"
#include "platform/ScriptedPlatform.h"
#include "platform/qt/GuiServices.h"

class FixedMetricsPlot : public TLinePlot {
protected:
    const TTextMeasure& LayoutMeasure(const TPlotCanvas&) const override { return metrics_; }

private:
    FixedMetrics metrics_;
};

struct ScopedGuiServices {
    veltrane::ScriptedGuiServices gui;
    ScopedGuiServices() { veltrane::installGuiServices(&gui); }
    ~ScopedGuiServices() { veltrane::installGuiServices(nullptr); }
};

struct ShownPlot {
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    FixedMetricsPlot plot;
    int composes = 0;

    explicit ShownPlot(int w = 600, int h = 400)
    {
        plot.resize(w, h);
        plot.OnPlotbildChange = [this](TLinePlot&, TPlotCanvas&) { ++composes; };
        plot.show();
        (void)QTest::qWaitForWindowExposed(&plot);
        QImage first;
        plot.GetPlotBitmap(first);
        composes = 0;
    }
    void press(QPoint p) { QTest::mousePress(&plot, Qt::LeftButton, {}, p); }
    void move(QPoint p) { QTest::mouseMove(&plot, p); }
    void release(QPoint p) { QTest::mouseRelease(&plot, Qt::LeftButton, {}, p); }
};
