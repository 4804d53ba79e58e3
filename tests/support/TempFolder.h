#pragma once
// A fresh folder under the system's temporary folder, removed with its
// content at the end of the test.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testdoc {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    const std::filesystem::path& dir() const { return dir_; }
    std::vector<std::string> entries() const;

private:
    std::filesystem::path dir_;
};

std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace testdoc
