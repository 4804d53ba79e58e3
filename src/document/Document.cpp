#include "document/Document.h"

std::string PlotPrintComment(const Document& doc, const std::string& dateTime)
{
    return doc.Titletext + ": " + "  " + dateTime + "   " + doc.Simparameter.Comment;
}

TDocumentrec Documentrec(Document& doc)
{
    return TDocumentrec{&doc.Simparameter, &doc.EHOptionpara,   &doc.Optionpara, &doc.Plotwindowpara,
                        &doc.Auswertungpara, &doc.ResColList, &doc.ScanColList};
}
