#pragma once
// The name a file chooser gives back for a typed name. The default
// extension is added only to a name that has none and does not exist yet:
// a name that exists is meant as it is, be it a device such as /dev/full,
// a pipe or a file without an extension, and the writers write a device or
// a pipe in place. Every chooser of the program goes by this one rule.

#include <string>

namespace veltrane {

// path with "." + ext appended when its last component holds no point and
// nothing of that name exists (a dangling link counts as existing); path
// itself otherwise, and when ext is empty.
std::string withDefaultSuffix(const std::string& path, const std::string& ext);

}  // namespace veltrane
