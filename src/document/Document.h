#pragma once
// The document as one value: the seven parts the document file stores and
// the name and caption it is shown under. The main window owns the one
// document of the program and hands it by reference to every window.

#include <string>

#include "document/Globals.h"
#include "document/Records.h"

struct Document {
    TSimparameter Simparameter;
    TEHOptionpara EHOptionpara;
    TOptionpara Optionpara;
    TPlotwindowpara Plotwindowpara;
    TAuswertungpara Auswertungpara;
    TResColList ResColList;
    TScanColList ScanColList;
    std::string FileName = Untitled;
    std::string Titletext;

    bool operator==(const Document&) const = default;
};

// The transfer record over the document's parts, for the document reader
// and writer.
TDocumentrec Documentrec(Document& doc);

// The comment line above a printed plot: the caption, the date and time of
// printing and the document's comment.
std::string PlotPrintComment(const Document& doc, const std::string& dateTime);
