#pragma once
// The one way the program puts a file on disk, whatever it holds.

#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// Replaces the file with the bytes. A failure leaves a file that was there
// as it was and returns the reason, for an "I/O Error" box; nothing when
// the bytes are on disk. A device or a pipe named as the file takes the
// bytes itself and is never replaced.
std::optional<std::string> saveFileBytes(const std::string& path, std::string_view bytes);

}  // namespace veltrane
