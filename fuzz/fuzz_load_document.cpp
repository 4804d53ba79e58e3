// Feeds arbitrary bytes to the document reader. Besides the sanitizers'
// findings it checks that whatever loads is written and read back to the
// same bytes, and runs the parameter listing and the data export over it:
// they meet whatever kinds and values a damaged file holds.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "document/Defaults.h"
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/Exportdata.h"
#include "document/Globals.h"
#include "document/Paramemo.h"

namespace {

std::vector<std::uint8_t> written(Document& d)
{
    veltrane::MemorySink sink;
    TDocumentrec rec = Documentrec(d);
    veltrane::WriteDocument(sink, rec, FileVersionText);
    return sink.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Document d = DefaultDocument();
    TDocumentrec rec = Documentrec(d);
    const int result = veltrane::LoadDocumentFromBytes(std::span(data, size), rec, FileVersionText);
    if (result < 0 || result == lsNoDocument || result == lsWrongVersion)
        return 0;

    (void)ParameterListing(d.Simparameter, d.ScanColList, "fuzz.vtn", "Veltrane", true, ',');
    for (int kind = 0; kind < 8; ++kind)
        (void)veltrane::exportResults(kind, d.Simparameter, d.ResColList, '.');
    for (std::size_t i = 0; i < d.ScanColList.size(); ++i)
        (void)veltrane::exportScan(int(i), d.ScanColList, '.');

    const std::vector<std::uint8_t> first = written(d);
    Document again = DefaultDocument();
    TDocumentrec againRec = Documentrec(again);
    if (veltrane::LoadDocumentFromBytes(first, againRec, FileVersionText) != lsOk)
        std::abort();
    if (written(again) != first)
        std::abort();
    return 0;
}
