#include "plot/plain/PlotPrint.h"

#include <cmath>

namespace {

// The default rounding of the FPU: halves to even.
int roundEven(double v) { return int(std::nearbyint(v)); }

}  // namespace

const char* const NoPrinterText = "No printer is installed. The plot is printed to a PDF file.";

TRect PrintPageRect(int PW, int PH, bool landscape)
{
    if (landscape)
        return {roundEven(0.02 * PW), roundEven(0.12 * PH), PW - roundEven(0.03 * PW), PH - roundEven(0.06 * PH)};
    return {roundEven(0.12 * PW), roundEven(0.02 * PH), PW - roundEven(0.06 * PW), PH - roundEven(0.03 * PH)};
}

std::string PrinterDescription(const std::vector<std::string>& installed, const std::string& printerName,
                               const std::string& pdfFile)
{
    if (installed.empty())
        return NoPrinterText;
    if (!pdfFile.empty())
        return pdfFile;
    return printerName.empty() ? installed.front() : printerName;
}
