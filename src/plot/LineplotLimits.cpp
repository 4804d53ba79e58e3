// The axis-limit setters of the line plot and Autoscale: limits are set
// with repainting suspended, so that a host's or the user's change of
// several limits composes the picture once.

#include "plot/Lineplot.h"

void TLinePlot::SetXAxislimit(double xmin, double xmax)
{
    WithOneRepaint([&] {
        XAxis_.SetminValue(xmin);
        XAxis_.SetmaxValue(xmax);
    });
}

void TLinePlot::SetY1Axislimit(double y1min, double y1max)
{
    WithOneRepaint([&] {
        Y1Axis_.SetminValue(y1min);
        Y1Axis_.SetmaxValue(y1max);
    });
}

void TLinePlot::SetY2Axislimit(double y2min, double y2max)
{
    WithOneRepaint([&] {
        Y2Axis_.SetminValue(y2min);
        Y2Axis_.SetmaxValue(y2max);
    });
}

void TLinePlot::SetXY1Axislimit(double xmin, double xmax, double y1min, double y1max)
{
    WithOneRepaint([&] {
        SetXAxislimit(xmin, xmax);
        SetY1Axislimit(y1min, y1max);
    });
}

void TLinePlot::SetXY2Axislimit(double xmin, double xmax, double y2min, double y2max)
{
    WithOneRepaint([&] {
        SetXAxislimit(xmin, xmax);
        SetY2Axislimit(y2min, y2max);
    });
}

void TLinePlot::SetY1Y2Axislimit(double y1min, double y1max, double y2min, double y2max)
{
    WithOneRepaint([&] {
        SetY1Axislimit(y1min, y1max);
        SetY2Axislimit(y2min, y2max);
    });
}

void TLinePlot::SetXY1Y2Axislimit(double xmin, double xmax, double y1min, double y1max, double y2min,
                                  double y2max)
{
    WithOneRepaint([&] {
        SetXAxislimit(xmin, xmax);
        SetY1Axislimit(y1min, y1max);
        SetY2Axislimit(y2min, y2max);
    });
}

void TLinePlot::Autoscale(bool doX, bool doY1, bool doY2)
{
    double x0, x1, a0, a1, b0, b1;
    doX = minmax(1, x0, 1.0, x1) && doX;
    doY1 = minmax(2, a0, 1.0, a1) && doY1;
    doY2 = minmax(3, b0, 1.0, b1) && doY2;
    if (doX && doY1 && doY2)
        SetXY1Y2Axislimit(x0, x1, a0, a1, b0, b1);
    else if (doX && doY1)
        SetXY1Axislimit(x0, x1, a0, a1);
    else if (doX && doY2)
        SetXY2Axislimit(x0, x1, b0, b1);
    else if (doY1 && doY2)
        SetY1Y2Axislimit(a0, a1, b0, b1);
    else if (doX)
        SetXAxislimit(x0, x1);
    else if (doY1)
        SetY1Axislimit(a0, a1);
    else if (doY2)
        SetY2Axislimit(b0, b1);
}
