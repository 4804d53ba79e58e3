#pragma once
// The archiver of document versions 3.00 and 3.02, which share one body of
// seven blocks. It holds its own copies of the document's records and lists:
// a load fills them completely before anything reaches the document.

#include <string>

#include "document/Ls_basis.h"
#include "document/Records.h"

namespace V200 { class TLS_V200; }

namespace V300 {

// Versions 3.00 and 3.02 keep the records field for field as the program does.
using TSimparameter = ::TSimparameter;
using TPlotwindowpara = ::TPlotwindowpara;
using TAxispara = ::TAxispara;

class TLS_V300 : public TLS_Basis {
public:
    std::int32_t Status = 0;
    TSimparameter Simparameter;
    TEHOptionpara EHOptionpara;
    TOptionpara Optionpara;
    TPlotwindowpara Plotwindowpara;
    TAuswertungpara Auswertungpara;
    TResColList ResColList;
    TScanColList ScanColList;

    // Reads the header (magic, version text into versionText, widths) and
    // the body.
    void ReadFile(veltrane::ByteReader& in, std::string& versionText);
    // Writes the header and the body: the archiver's records, and the
    // curves and scans where they are. They may hold millions of points,
    // and neither a save nor its dry run copies them.
    void WriteFile(veltrane::ByteSink& out, const std::string& versionText, TResColList& curves,
                   TScanColList& scans);

    // The five records alone; FromDocument also copies the curves and scans.
    void FromRecords(const TDocumentrec& doc);
    void FromDocument(const TDocumentrec& doc);
    void ToDocument(TDocumentrec& doc) const;

    void ConvertFromV200(const V200::TLS_V200& old);

    // Reading fills the archiver's own lists.
    void RWBody(int dir);
    void RWBody(TResColList& curves, TScanColList& scans, int dir);
    void RWSimparameter(int dir);
    void RWSimAxispara(TSimAxispara& a, int dir);
    void RWDicke(int dir);
    void RWAniso(int dir);
    void RWEps(int dir);
    void RWEHOptionpara(int dir);
    void RWOptionpara(int dir);
    void RWPlotwindowpara(int dir);
    // axis: the axis's name, "X-Axis".
    void RWAxispara(TAxispara& a, const char* axis, int dir);
    void RWAuswertungpara(int dir);
};

void CopyResColList(const TResColList& from, TResColList& to);
void CopyScanColList(const TScanColList& from, TScanColList& to);

}  // namespace V300
