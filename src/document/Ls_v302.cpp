#include "document/Ls_v302.h"

#include "platform/Platform.h"

namespace V302 {
namespace {

// Version 3.00 numbered the wavelength as kind 10 (ellipticity 12); the X
// axis stores the kind minus 1.
struct AxisCodes {
    std::int32_t wavelength;
    std::int32_t lowerFrom;
    std::int32_t statusBit;
};
constexpr AxisCodes kXCodes{9, 10, 32};
constexpr AxisCodes kZCodes{10, 11, 64};

TSimAxispara convertAxis(const TSimAxispara& old, const AxisCodes& codes, std::int32_t& status)
{
    TSimAxispara a = old;
    if (a.Typ == codes.wavelength) {
        status ^= codes.statusBit;
        a.Typ = 0;
        a.von = 0.0;
        a.bis = 90.0;
    }
    if (a.Typ >= codes.lowerFrom)
        a.Typ -= 1;
    return a;
}

}  // namespace

void TLS_V302::ConvertFromV300(const V300::TLS_V300& old)
{
    Simparameter = old.Simparameter;
    Simparameter.XAxis = convertAxis(old.Simparameter.XAxis, kXCodes, Status);
    Simparameter.ZAxis = convertAxis(old.Simparameter.ZAxis, kZCodes, Status);

    EHOptionpara = old.EHOptionpara;
    Optionpara = old.Optionpara;
    Plotwindowpara = old.Plotwindowpara;
    Auswertungpara = old.Auswertungpara;
    V300::CopyResColList(old.ResColList, ResColList);
    V300::CopyScanColList(old.ScanColList, ScanColList);

    veltrane::showInformation(
        "Warning",
        "Attention:\nThis is a Veltrane Version 3.0 file.\nIt will be convert to Veltrane Version 3.02 !");
}

}  // namespace V302
