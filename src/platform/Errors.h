#pragma once
// Exceptions of the class library the program was written against, kept by
// name: list errors (out-of-range indices, singular matrices) and math errors
// (raised by the checked math functions with their German message text).

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
