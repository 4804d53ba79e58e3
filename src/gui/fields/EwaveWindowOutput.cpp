// The outputs of the field windows: the samples as text to a file or the
// clipboard, the plot printed or saved as a bitmap.
#include <optional>

#include "gui/fields/EwaveWindow.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"
#include "plot/PlotSaveAs.h"

namespace {

// The x column alone is no export of fields: said instead of a success.
constexpr const char* NoFieldDataText = "No field data to export";

}  // namespace

void TEwaveWindow::Data2FileBtnClick()
{
    if (!HasFieldData()) {
        veltrane::showMessage(NoFieldDataText);
        return;
    }
    const std::optional<std::string> name = veltrane::platform().chooseSaveFile(
        veltrane::saveFileRequest("Save selected fields to file", "Data (*.dat)|*.dat", "dat"));
    if (!name)
        return;
    const std::string failure =
        Ausgabe.Data2File(ExportList(), AngleMode() ? 1 : 0, doc_.Simparameter.PolArt, doc_.EHOptionpara.Fields, *name,
                          veltrane::platform().decimalSeparator());
    if (!failure.empty()) {
        veltrane::showError("I/O Error", failure);
        return;
    }
    veltrane::showMessage("Data saved to file");
}

void TEwaveWindow::Data2ClipboardBtnClick()
{
    if (!HasFieldData()) {
        veltrane::showMessage(NoFieldDataText);
        return;
    }
    Ausgabe.Data2Clipboard(ExportList(), AngleMode() ? 1 : 0, doc_.Simparameter.PolArt, doc_.EHOptionpara.Fields,
                           veltrane::platform().decimalSeparator());
    veltrane::showMessage("Data exported to clipboard");
}

// Prints the plot as it stands, with no field data too: the page then says
// in its note which component to choose, beside the layer table and the
// comment, as the saved and copied plot do.
void TEwaveWindow::PrintPlotBtnClick()
{
    Plot->Printkommentar = PlotPrintComment(doc_, veltrane::platform().dateTimeText());
    Plot->PrintPlot(true);
}

void TEwaveWindow::Plot2FileBtnClick() { veltrane::SavePlotAs(*Plot, "Save Plot as Bitmap", "bmp"); }
