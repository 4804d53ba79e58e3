#pragma once
// The fuzzer's seed documents, which the document tests read and the main
// window's tests open: they live at the top of the source tree, above the
// test data of the executable asking.

#include <filesystem>

namespace veltrane::test {

inline std::filesystem::path corpusFolder(const std::filesystem::path& testData)
{
    for (std::filesystem::path p = testData; p.has_relative_path(); p = p.parent_path())
        if (std::filesystem::is_directory(p / "fuzz" / "corpus"))
            return p / "fuzz" / "corpus";
    return {};
}

}  // namespace veltrane::test
