#include "gui/scans/ParameterOutput.h"

#include "document/Paramemo.h"
#include "document/TextFile.h"
#include "platform/qt/TextPrint.h"
#include "platform/Platform.h"
#include "platform/qt/GuiServices.h"

namespace veltrane {
namespace {

std::vector<std::string> listing(const Document& doc, bool indent)
{
    return ParameterListing(doc.Simparameter, doc.ScanColList, doc.FileName, doc.Titletext, indent,
                            platform().decimalSeparator());
}

}  // namespace

void CopyParameterListing(const Document& doc) { platform().setClipboardText(joinLines(listing(doc, false))); }

bool SaveParameterListing(const Document& doc)
{
    const std::optional<std::string> name =
        platform().chooseSaveFile(saveFileRequest("Save Parameter", "Parameter (*.txt)|*.txt", "TXT"));
    if (!name || name->empty())
        return false;
    if (const auto error = saveTextFile(*name, joinLines(listing(doc, true)))) {
        showError("I/O Error", *error);
        return false;
    }
    return true;
}

bool PrintParameterListing(const Document& doc)
{
    return PrintTextLines(guiServices().printer(), listing(doc, true), "");
}

}  // namespace veltrane
