// Feeds arbitrary bytes to the document reader. Besides the sanitizers'
// findings it checks that whatever loads is written and read back to the
// same bytes, and runs the parameter listing and the data export over it:
// they meet whatever kinds and values a damaged file holds.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "document/Defaults.h"
#include "document/DocumentFile.h"
#include "document/Exportdata.h"
#include "document/Globals.h"
#include "document/Paramemo.h"

namespace {

struct Document {
    TSimparameter sim;
    TEHOptionpara eh;
    TOptionpara options;
    TPlotwindowpara plot;
    TAuswertungpara evaluation;
    TResColList curves;
    TScanColList scans;

    Document()
    {
        SetDefaultParameter(sim);
        SetEHOptionDefaults(eh);
        SetDefaultOptions(options);
        SetDefaultPlot(plot);
        SetDefaultParameter(evaluation);
    }
    TDocumentrec rec() { return {&sim, &eh, &options, &plot, &evaluation, &curves, &scans}; }
};

std::vector<std::uint8_t> written(Document& d)
{
    veltrane::MemorySink sink;
    const TDocumentrec rec = d.rec();
    veltrane::WriteDocument(sink, &rec, FileVersionText);
    return sink.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Document d;
    const TDocumentrec rec = d.rec();
    const int result = veltrane::LoadDocumentFromBytes(std::span(data, size), &rec, FileVersionText);
    if (result < 0 || result == lsNoDocument || result == lsWrongVersion)
        return 0;

    (void)ParameterListing(d.sim, d.scans, "fuzz.vtn", "Veltrane", true, ',');
    for (int kind = 0; kind < 8; ++kind)
        (void)veltrane::exportResults(kind, d.sim, d.curves, '.');
    for (std::size_t i = 0; i < d.scans.size(); ++i)
        (void)veltrane::exportScan(int(i), d.scans, '.');

    const std::vector<std::uint8_t> first = written(d);
    Document again;
    const TDocumentrec againRec = again.rec();
    if (veltrane::LoadDocumentFromBytes(first, &againRec, FileVersionText) != lsOk)
        std::abort();
    if (written(again) != first)
        std::abort();
    return 0;
}
