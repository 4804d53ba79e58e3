#include "plot/PlotSaveAs.h"

#include "platform/Platform.h"
#include "plot/Lineplot.h"

namespace veltrane {

bool SavePlotAs(TLinePlot& plot, const std::string& title, const std::string& defaultExt)
{
    const std::optional<std::string> name =
        platform().chooseSaveFile(saveFileRequest(title, "Bitmaps (*.bmp)|*.bmp", defaultExt));
    if (!name || name->empty())
        return false;
    std::string failure;
    if (!plot.SavetoFile(*name, &failure)) {
        showError("I/O Error", failure.empty() ? "Cannot create file \"" + *name + "\"." : failure);
        return false;
    }
    return true;
}

}  // namespace veltrane
