#pragma once
// Printing lines of plain text on the program's one printer, in a
// fixed-width font and over as many pages as they need. On a machine
// without any printer the pages go to a PDF file the user chooses.

#include <string>
#include <vector>

namespace veltrane {

// False when nothing was printed: the file chooser was cancelled, or the
// job failed, which is shown to the user.
bool PrintTextLines(const std::vector<std::string>& lines);

}  // namespace veltrane
