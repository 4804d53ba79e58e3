#pragma once
// The archiver of document version 3.02, the version the program writes.
// It reads like version 3.00 and converts a read 3.00 archiver, whose
// parameter kinds still include the wavelength.

#include "document/Ls_v300.h"

namespace V302 {

class TLS_V302 : public V300::TLS_V300 {
public:
    void ConvertFromV300(const V300::TLS_V300& old);
};

}  // namespace V302
