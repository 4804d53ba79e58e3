#include "document/Document.h"

TDocumentrec Documentrec(Document& doc)
{
    return TDocumentrec{&doc.Simparameter, &doc.EHOptionpara,   &doc.Optionpara, &doc.Plotwindowpara,
                        &doc.Auswertungpara, &doc.ResColList, &doc.ScanColList};
}
