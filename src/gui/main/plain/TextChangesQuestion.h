#pragma once
// The question before a save that would change texts of the document: the
// file holds Windows-1252 texts of at most 255 characters, and the user
// learns which texts read differently before anything is written.

#include <string>
#include <vector>

#include "document/FileTextChanges.h"

// The box text: every changed field and how it will read, then "Save
// anyway?". Long texts are shortened in the middle, long lists after a few.
std::string TextChangesQuestion(const std::vector<TFileTextChange>& changes);

// True when saving the document changes no text, or the user agreed to the
// changes in the "Warning" box (OK); false on Cancel.
bool AgreeToTextChanges(const TDocumentrec& doc);
