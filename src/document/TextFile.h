#pragma once
// Text outputs (the data export, the parameter listing) written to a file
// or the clipboard: one text, each line ending with a line break, so that
// a file and the clipboard hold the same characters. Every file the program
// writes, text or not, goes through saveFileBytes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

std::string joinLines(const std::vector<std::string>& lines);

// Replaces the file with the text. A failure leaves a file that was there
// as it was and returns the reason, for an "I/O Error" box; nothing when
// the text is on disk.
std::optional<std::string> saveTextFile(const std::string& path, const std::string& text);

// The same for any bytes (bitmaps, printed PDF files). A device or a pipe
// named as the file takes the bytes itself and is never replaced.
std::optional<std::string> saveFileBytes(const std::string& path, std::string_view bytes);

}  // namespace veltrane
