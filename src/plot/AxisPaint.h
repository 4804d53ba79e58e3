#pragma once
// The painting of an axis on the plot canvas, one path for the screen, the
// printer and the bitmap: it draws the line, the ticks, the labels, the grid
// and the zero line where the axis geometry (TAxis::Lines, TAxis::Labels)
// puts them, and computes nothing of its own.

#include "plot/plain/Axis.h"

class TPlotCanvas;

// Paints the axis for the plot rectangle rect; its label cells are filled
// with the colour background. The axis's pixels then run along rect.
void PaintAxis(TPlotCanvas& c, TAxis& axis, const TRect& rect, TColor background);
