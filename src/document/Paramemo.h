#pragma once
// The plain-text listing of a document's parameters, its scans and its
// layer table, as lines in a fixed-pitch layout. The caller joins the lines
// and copies, prints or saves them.

#include <string>
#include <vector>

#include "document/Records.h"

// The listing of the given records; the date comes from the platform's
// clock. indent: seven blanks before every line from the third on, for print
// and file; none for the clipboard.
std::vector<std::string> ParameterListing(const TSimparameter& par, const TScanColList& scans,
                                          const std::string& fileName, const std::string& titleText,
                                          bool indent, char sep);
