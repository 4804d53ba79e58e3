#pragma once
// Saving a plot as a bitmap under a name the user chooses, as the windows'
// "save plot" commands do: a file that cannot be written is reported as an
// "I/O Error" and nothing is claimed done.

#include <string>

class TLinePlot;

namespace veltrane {

// False when the user cancelled or the file could not be written.
bool SavePlotAs(TLinePlot& plot, const std::string& title, const std::string& defaultExt);

}  // namespace veltrane
