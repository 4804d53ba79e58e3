#pragma once
// The failure of a document stream: a file that cannot be opened, read,
// written or replaced, or bytes that break the format's limits. The loader
// and the saver show its text under "I/O Error".

#include <stdexcept>
#include <string>

namespace veltrane {

class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace veltrane
