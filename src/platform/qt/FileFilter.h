#pragma once
// The program's file filters, "Bitmaps (*.bmp)|*.bmp|All (*.*)|*.*", as
// Qt's name filters for the choosers.

#include <QString>
#include <string>

namespace veltrane {

// Each entry keeps its description and gets its patterns in parentheses,
// which a chooser that hides the filter details does not show:
// "Bitmaps (*.bmp) (*.bmp)". Patterns listed in several cases
// ("*.ell;*.ELL") become one of every case.
QString qtFilter(const std::string& filter);

}  // namespace veltrane
