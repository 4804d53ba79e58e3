// The evaluation's outputs: the report as text for the printer, a file and
// the clipboard, and the minimum plot printed, saved and copied.
#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>

#include "controls/RIEdit.h"
#include "document/TextFile.h"
#include "gui/fit/plain/AuswertungReport.h"
#include "gui/fit/Auswertungdlg.h"
#include "gui/fit/RangeBars.h"
#include "platform/Platform.h"
#include "platform/qt/GuiServices.h"
#include "plot/PlotSaveAs.h"
#include "platform/qt/TextPrint.h"
#include "plot/Lineplot.h"

using namespace veltrane::eval;

namespace {

Row gridRow(const QTableWidget* g, int r)
{
    Row row;
    for (int c = 0; c < 3; ++c)
        if (const QTableWidgetItem* item = g->item(r, c))
            row[std::size_t(c)] = item->text().toStdString();
    return row;
}

std::vector<Row> gridRows(const QTableWidget* g)
{
    std::vector<Row> rows;
    for (int r = 1; r < g->rowCount(); ++r)
        rows.push_back(gridRow(g, r));
    return rows;
}

}  // namespace

const std::vector<std::string>& TAuswertungdlg::WriteReport(bool printing)
{
    ReportContent c;
    c.FileName = doc_.FileName;
    c.DateTime = veltrane::platform().dateTimeText();
    c.Left = RangeBars->LeftValue();
    c.Right = RangeBars->RightValue();
    c.RegWidth = reg_width->text().toStdString();
    c.Data = DataCheck->isChecked();
    c.Scan = ScanCheck->isChecked();
    c.DataTitle = DataTitlePanel->text().toStdString();
    c.SimulationHeader = gridRow(DataValueGrid, 0);
    c.SimulationRows = gridRows(DataValueGrid);
    c.ScanHeader = gridRow(ScanValueGrid, 0);
    c.ScanRows = gridRows(ScanValueGrid);
    report_ = veltrane::eval::WriteReport(c, printing, veltrane::platform().decimalSeparator());
    return report_;
}

void TAuswertungdlg::PrintPlotClick()
{
    MinPlot->Printkommentar = doc_.FileName + "    " + veltrane::platform().dateTimeText() + "   " +
                              doc_.Simparameter.Comment;
    MinPlot->PrintPlot(true);
}

void TAuswertungdlg::ExportPlotClick() { veltrane::SavePlotAs(*MinPlot, "Save Plot", "bmp"); }

void TAuswertungdlg::ClipPlotClick() { MinPlot->CopytoClipboard(); }

void TAuswertungdlg::PrintDataClick()
{
    veltrane::PrintTextLines(veltrane::guiServices().printer(), WriteReport(true), "Minimum Evaluation");
}

void TAuswertungdlg::ExportDataClick()
{
    const std::string text = veltrane::joinLines(WriteReport(false));
    const std::optional<std::string> name = veltrane::platform().chooseSaveFile(
        veltrane::saveFileRequest("Save Evaluation", "Evaluation data (*evl)|*.evl", "evl"));
    if (!name || name->empty())
        return;
    // A failed write leaves an existing file as it was.
    if (const std::optional<std::string> error = veltrane::saveTextFile(*name, text))
        veltrane::showError("I/O Error", *error);
}

void TAuswertungdlg::ClipDataClick() { veltrane::platform().setClipboardText(veltrane::joinLines(WriteReport(false))); }
