#pragma once
// A line plot laid out with the fixed text metrics, shown offscreen at
// 600 x 400, with a scripted platform and scripted printer services, and a
// count of the pictures it composes.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "plain/plot_fake_metrics.h"
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

// A move without a button, straight to the widget: QTest would move the
// desktop's pointer, which reaches the window later or not at all.
inline void hover(QWidget& w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

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
    void move(QPoint p)
    {
        if (plot.Drag().Active())
            QTest::mouseMove(&plot, p);
        else
            hover(plot, p);
    }
    void release(QPoint p) { QTest::mouseRelease(&plot, Qt::LeftButton, {}, p); }
};
