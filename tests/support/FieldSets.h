#pragma once
// A field set of the given bits, as the tests of the field runs, their
// output and their windows choose components, parts and scales.

#include <initializer_list>

#include "document/Records.h"

namespace veltrane::test {

inline TEHFieldSet fieldSet(std::initializer_list<int> bits)
{
    TEHFieldSet set;
    for (int bit : bits)
        set.Include(bit);
    return set;
}

}  // namespace veltrane::test
