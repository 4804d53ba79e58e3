#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "document/DocumentFile.h"
#include "document/Globals.h"
#include "platform/ScriptedPlatform.h"
#include "SampleDocuments.h"
#include "support/TempFolder.h"
#include "support/CorpusFolder.h"

namespace {

std::filesystem::path corpusFolder() { return veltrane::test::corpusFolder(VELTRANE_TEST_DATA); }

}  // namespace

// The fuzzer's seeds are valid documents of every version the reader
// knows; each must load without an error.
TEST(DocumentCorpus, SeedsLoad)
{
    const std::filesystem::path corpus = corpusFolder();
    ASSERT_FALSE(corpus.empty()) << "no fuzz/corpus above " << VELTRANE_TEST_DATA;
    std::set<int> versions;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string path = entry.path().string();
        veltrane::ScriptedPlatform script;
        veltrane::ScopedPlatform use(script);
        Document d = DefaultDocument();
        TDocumentrec rec = Documentrec(d);
        const int result = LoadDocument(path, rec, FileVersionText);
        EXPECT_GE(result, 0) << path;
        EXPECT_NE(result, lsNoDocument) << path;
        EXPECT_NE(result, lsWrongVersion) << path;
        for (const auto& box : script.boxes)
            EXPECT_NE(box.caption, "I/O Error") << path << ": " << box.text;
        versions.insert(DetectDocumentVersion(path));
        ++files;
    }
    EXPECT_GE(files, 3);
    EXPECT_EQ(versions, (std::set<int>{200, 300, 302}));
}
