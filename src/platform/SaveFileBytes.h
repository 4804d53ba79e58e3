#pragma once
// The one rule for files: every file the program writes for the user (a
// document, a text output, a plot image, a printed page) is replaced through
// a FileReplaceSink, so that a failed write leaves the previous file as it
// was. What is made whole in memory (texts, images, pages) goes through
// saveFileBytes; the document, which may hold millions of points, streams
// into a FileReplaceSink of its own.

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
