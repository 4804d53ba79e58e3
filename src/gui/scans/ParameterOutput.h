#pragma once
// The parameter listing of a document taken to the clipboard (no indent),
// to a text file and to the shared printer (seven blanks of indent from
// the third line, for a margin on paper and in the file).

#include "document/Document.h"

namespace veltrane {

void CopyParameterListing(const Document& doc);

// Asks for the file ("Save Parameter"). False when the user chose none or
// the file could not be written; the latter shows its "I/O Error".
bool SaveParameterListing(const Document& doc);

// No printer set-up first: the listing goes to the printer as it is set.
bool PrintParameterListing(const Document& doc);

}  // namespace veltrane
