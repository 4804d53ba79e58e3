#pragma once
// Printing a plot: where the picture goes on the page, and what became of a
// print job.

#include <string>
#include <vector>

#include "plot/plain/PlotTypes.h"

enum class TPrintResult {
    Printed,     // the page went to the printer
    Cancelled,   // the user cancelled in the status box: nothing more was drawn
    Failed,      // the printer could not be started or finished; shown to the user
    NotStarted,  // the print dialog or the file chooser was cancelled
    Busy,        // another print job of this plot is still running
};

// The rectangle the bitmap is stretched into, in device pixels of the
// printable area PW x PH. The wide margin (12 %) lies on the left of a
// portrait page and at the top of a landscape page; halves round to even.
TRect PrintPageRect(int PW, int PH, bool landscape);

// The comment line sits on the page with its bottom 5 pixels above the
// picture: the y of its top for a text of the given height.
inline int PrintCommentTop(const TRect& page, int textHeight) { return page.Top - textHeight - 5; }

// What the print dialog says about the printer. Without any printer
// installed the plot goes to a PDF file instead.
std::string PrinterDescription(const std::vector<std::string>& installed, const std::string& printerName,
                               const std::string& pdfFile);
extern const char* const NoPrinterText;
