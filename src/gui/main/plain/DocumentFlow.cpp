#include "gui/main/plain/DocumentFlow.h"

#include <algorithm>
#include <cctype>

#include "document/DocumentFile.h"
#include "document/ScanFile.h"
#include "gui/main/plain/TextChangesQuestion.h"
#include "optics/ResColList.h"
#include "platform/Platform.h"

namespace {

const char* const NotVtn = "is not a Veltrane-File (*.vtn)";

// The extension from the last point on, upper-cased, is ".VTN".
bool isVtn(const std::string& name)
{
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return false;
    std::string ext = name.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return ext == ".VTN";
}

// The conversion warnings of a loaded file, by their bit.
const char* ConversionWarning(int bit)
{
    switch (bit) {
    case lsRotationDropped:
        return "Attention:\nThe parameter contains rotation angle\n This veltrane version has not rotation angles "
               "so there will be deletet !";
    case lsXRotationReset:
        return "Attention:\nThe X-Axis typ is 'rot1-3'\n This veltrane version has not rotation angles so the typ "
               "will be set to 'Theta'\n and the datas are recalculated !";
    case lsZRotationReset:
        return "Attention:\nThe Z-Axis typ is 'rot1-3'\n This veltrane version has not rotation angles so the typ "
               "will be set to 'none'\n and the datas are recalculated !";
    case lsXWavelengthReset:
        return "Attention:\nThe X-Axis typ is 'wavelength'\n This veltrane version has not wavelength typ so the "
               "typ will be set to 'Theta'\n and the datas are recalculated !";
    case lsZWavelengthReset:
        return "Attention:\nThe Z-Axis typ is 'wavelength'\n This veltrane version has not wavelength typ so the "
               "typ will be set to 'none'\n and the datas are recalculated !";
    default: return "Attention:\n";
    }
}

}  // namespace

bool TDocumentFlow::SaveFirst(bool ask, const std::string& caption)
{
    if (!ask)
        return true;
    switch (veltrane::askYesNoCancel(caption, "Save file?")) {
    case veltrane::BoxAnswer::Yes: return Save();
    case veltrane::BoxAnswer::No: return true;
    default: return false;
    }
}

void TDocumentFlow::NewCommand()
{
    // A document that was never saved is asked about even unchanged.
    if (SaveFirst(Modified || NeverSaved, "Question"))
        ClearDocument();
    ShowCaption();
    host_.UpdateCommands();
}

void TDocumentFlow::OpenCommand()
{
    if (SaveFirst(Modified, "Question")) {
        OpenDocument();
        host_.UpdateCommands();
    }
    ShowCaption();
    host_.ClearStatus();
}

void TDocumentFlow::SaveCommand()
{
    Save();
    host_.ClearStatus();
}

void TDocumentFlow::SaveAsCommand()
{
    SaveAs();
    ShowCaption();
    host_.ClearStatus();
}

bool TDocumentFlow::MayClose() { return SaveFirst(true, "Exit"); }

std::string TDocumentFlow::MakeTitletext()
{
    doc_.Titletext = "Veltrane Version " + Version + " [" + doc_.FileName + "]";
    return doc_.Titletext;
}

void TDocumentFlow::NewDocument()
{
    host_.SetDefaults();
    doc_.FileName = Untitled;
    NeverSaved = true;
    Modified = false;
}

void TDocumentFlow::ClearDocument()
{
    ClearResColList(doc_.ResColList);
    ClearScanList(doc_.ScanColList);
    NewDocument();
    host_.Replot();
}

void TDocumentFlow::OpenDocument()
{
    const std::vector<std::string> names =
        veltrane::platform().chooseOpenFiles({"Load Veltrane-File", "Veltrane-File (*vtn)|*.vtn", "vtn"});
    if (names.empty())
        return;
    if (!isVtn(names.front())) {
        veltrane::showMessage(NotVtn);
        return;
    }
    // Loading never leaves a half-read file behind, so the document can be
    // cleared first as it always was: a file that fails to load gives a new
    // document.
    ClearDocument();
    LoadFile(names.front());
}

void TDocumentFlow::LoadFile(const std::string& name)
{
    TDocumentrec rec = Documentrec(doc_);
    const int result = LoadDocument(name, rec, FileVersionText);
    switch (result) {
    case lsOk:
        host_.RecordToPlot();
        host_.Replot();
        doc_.FileName = name;
        ShowCaption();
        Modified = false;
        NeverSaved = false;
        return;
    case lsError: return;  // the reader has shown its "I/O Error"
    case lsNoDocument: veltrane::showError("Error", NotVtn); return;
    case lsWrongVersion: veltrane::showError("Error", "Wrong File-Version-Nr!"); return;
    default: break;
    }
    // A converted file is computed anew and stays untitled: saving it must
    // not overwrite the old version unasked.
    for (int bit : {lsRotationDropped, lsXRotationReset, lsZRotationReset, lsXWavelengthReset, lsZWavelengthReset})
        if (result & bit)
            veltrane::showWarning("Warning", ConversionWarning(bit));
    host_.RunSimulation();
    host_.UpdateCommands();
}

bool TDocumentFlow::Save()
{
    if (NeverSaved)
        return SaveAs();
    return SaveFile(doc_.FileName);
}

bool TDocumentFlow::SaveAs()
{
    // Asks before overwriting a file.
    const std::optional<std::string> name =
        veltrane::platform().chooseSaveFile(veltrane::saveFileRequest("Save Veltrane-File", "Veltrane-File (*.vtn)|*.vtn", "vtn"));
    if (!name)
        return false;
    if (!isVtn(*name)) {
        veltrane::showError("Error", NotVtn);
        return false;
    }
    return SaveFile(*name);
}

bool TDocumentFlow::SaveFile(const std::string& name)
{
    host_.PlotToRecord();
    TDocumentrec rec = Documentrec(doc_);
    // Asked before the file is touched: a cancel leaves it, the name and the
    // flags as they were, and the commands that save first stop.
    if (!AgreeToTextChanges(rec))
        return false;
    if (SaveDocument(name, rec, FileVersionText) != 0)
        return false;  // the writer has shown its "I/O Error"
    doc_.FileName = name;
    ShowCaption();
    NeverSaved = false;
    Modified = false;
    return true;
}
