#pragma once
// The texts a save would change. The document file holds every text in
// Windows-1252 with at most 255 characters; a character outside the code
// page reads back as '?', a longer text is cut. The list is made by the
// writer itself, run into nothing, so that it names exactly the texts the
// file will change.

#include <string>
#include <vector>

#include "document/Records.h"

// A text field as the user knows it: "Plot-Title", "Scan 2 path".
struct TTextField {
    const char* Name;
    int Number = 0;  // of the curve or scan, from 1; 0 for a field of its own
    const char* Part = nullptr;

    std::string Label() const;
};

struct TFileTextChange {
    std::string Field;   // the field's label
    std::string Text;    // as the document holds it
    std::string Stored;  // as it reads after saving and opening
    bool Cut = false;    // longer than the file holds
    bool operator==(const TFileTextChange&) const = default;
};

// Every text of the document that would not come back from a file written
// now as it is, in the order of the file.
std::vector<TFileTextChange> FileTextChanges(const TDocumentrec& doc);

// The bytes the file holds for a text, and the text read back from them.
// cut, when given, tells whether the text was longer than the file holds.
std::string FileStringBytes(const std::string& text, bool* cut = nullptr);
std::string FileStringText(const std::string& bytes);
