#pragma once
// Failures told apart by type where a computation catches them: a math error
// (raised by the checked math functions with their German message text) only
// marks one point invalid; a list error (an index out of range, a singular
// matrix) is not caught there and ends the run with its message.

#include <stdexcept>
#include <string>

namespace veltrane {

class EListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EMathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace veltrane
