#pragma once
// Plain text lines on the printer (the parameter listing, the evaluation
// report) in a fixed-pitch face, so that the columns of a listing line up
// on paper as on the screen. Lines run on to further pages; a face too wide
// for the page is made smaller rather than cutting the longest line.

#include <string>
#include <vector>

class QPrinter;

namespace veltrane {

// "Courier New" at 11 pixels of a 96-dpi screen.
constexpr double TextPrintPointSize = 8.25;

// Prints on the given printer under the job name. On a machine without any
// printer the user chooses a PDF file first. False, with nothing printed,
// when the user gave none, or when the printer could not be started or the
// PDF file not written (a box says why).
bool PrintTextLines(QPrinter& printer, const std::vector<std::string>& lines, const std::string& jobName);

}  // namespace veltrane
