// The outputs of the field windows: the samples as text to a file or the
// clipboard, the plot printed or saved as a bitmap.
#include <optional>

#include "gui/fields/EwaveWindow.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"
#include "plot/PlotSaveAs.h"

void TEwaveWindow::Data2FileBtnClick()
{
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
    Ausgabe.Data2Clipboard(ExportList(), AngleMode() ? 1 : 0, doc_.Simparameter.PolArt, doc_.EHOptionpara.Fields,
                           veltrane::platform().decimalSeparator());
    veltrane::showMessage("Data exported to clipboard");
}

void TEwaveWindow::PrintPlotBtnClick()
{
    Plot->Printkommentar = PlotPrintComment(doc_, veltrane::platform().dateTimeText());
    Plot->PrintPlot(true);
}

void TEwaveWindow::Plot2FileBtnClick() { veltrane::SavePlotAs(*Plot, "Save Plot as Bitmap", "bmp"); }
