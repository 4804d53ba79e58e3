#pragma once
// Runs the scope's thread under the C locale. A QApplication sets LC_ALL
// from the environment, after which printf, strtod and their kin read and
// write a German comma; number texts of files and edits must not.

#include <locale.h>

namespace veltrane {

class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(0));
        return loc;
    }
    locale_t previous_;
};

}  // namespace veltrane
