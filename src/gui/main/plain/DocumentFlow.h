#pragma once
// The document commands New, Open, Save, Save as and Exit, without a
// window: the "Save file?" question, the file choosers, the name check and
// the messages of loading and saving. They work on the document and keep
// its two flags, talk to the user through the platform seam and leave to
// their host (the main window) what only a window can do.

#include <string>

#include "document/Document.h"

// What the document commands need from the window they serve.
class TDocumentHost {
public:
    virtual ~TDocumentHost() = default;
    // The document's parts and the window's view of them to the defaults of
    // a new document; the lists, the name and the flags are not touched.
    virtual void SetDefaults() = 0;
    virtual void Replot() = 0;
    // The plot settings from the document to the plot, and back.
    virtual void RecordToPlot() = 0;
    virtual void PlotToRecord() = 0;
    // Computes every curve of the document and replots.
    virtual void RunSimulation() = 0;
    virtual void UpdateCommands() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void ClearStatus() = 0;
};

class TDocumentFlow {
public:
    TDocumentFlow(Document& doc, TDocumentHost& host) : doc_(doc), host_(host) {}

    // The document has unsaved changes: every change of the document marks
    // it; New, a clean load and a successful save clear the mark.
    bool Modified = false;
    // The document has no file yet.
    bool NeverSaved = true;

    // The commands of the File menu.
    void NewCommand();
    void OpenCommand();
    void SaveCommand();
    void SaveAsCommand();
    // Exit, and any other closing of the window: always asks; true when the
    // window may close.
    bool MayClose();

    // "untitled", never saved, unmodified, every part at its defaults.
    void NewDocument();
    // NewDocument with both lists emptied, replotted.
    void ClearDocument();
    // The open dialog and the name check, then LoadFile.
    void OpenDocument();
    void LoadFile(const std::string& name);
    // True when the document was written.
    bool Save();
    bool SaveAs();
    bool SaveFile(const std::string& name);

    // "Veltrane Version 3.02 [<file>]", also stored as the document's
    // Titletext.
    std::string MakeTitletext();

private:
    // Asks "Save file?" under the caption when `ask`; Yes saves. True when
    // the command may go on: not asked, No, or a save that succeeded.
    bool SaveFirst(bool ask, const std::string& caption);
    void ShowCaption() { host_.SetCaption(MakeTitletext()); }

    Document& doc_;
    TDocumentHost& host_;
};
