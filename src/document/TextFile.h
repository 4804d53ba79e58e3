#pragma once
// Text outputs (the data export, the parameter listing) written to a file
// or the clipboard: one text, each line ending with a line break, so that
// a file and the clipboard hold the same characters.

#include <optional>
#include <string>
#include <vector>

namespace veltrane {

std::string joinLines(const std::vector<std::string>& lines);

// Replaces the file with the text, as every file is replaced (SaveFileBytes.h).
// A failure leaves a file that was there as it was and returns the reason,
// for an "I/O Error" box; nothing when the text is on disk.
std::optional<std::string> saveTextFile(const std::string& path, const std::string& text);

}  // namespace veltrane
