#pragma once
// The failure of a file stream: a file that cannot be opened, read, written
// or replaced, or a document's bytes that break its format's limits. The
// callers show its text under "I/O Error".

#include <stdexcept>
#include <string>

namespace veltrane {

class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace veltrane
