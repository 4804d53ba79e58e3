// The texts a save changes: named by the writer itself, and every text of
// the code page kept byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "document/DocumentFile.h"
#include "document/FileTextChanges.h"
#include "platform/Cp1252.h"
#include "SampleDocuments.h"
#include "support/AllocationCount.h"
#include "support/TempFolder.h"

namespace {

const char* const kLabels[] = {"Comment", "Plot-Title", "X-Axis title", "Y1-Axis title", "Y2-Axis title",
                               "Curve 2 title", "Scan 1 name", "Scan 1 path"};

// Every text field of a document, in the order of kLabels.
std::vector<std::string*> textFields(Document& d)
{
    TPlotwindowpara& p = d.Plotwindowpara;
    return {&d.Simparameter.Comment, &p.Title, &p.XAxis.Title, &p.Y1Axis.Title, &p.Y2Axis.Title,
            &d.ResColList[1].Title, &d.ScanColList[0].Name, &d.ScanColList[0].Path};
}

// The text fields of d after saving and opening.
std::vector<std::string> reloadedTexts(Document& d)
{
    Document back = DefaultDocument();
    TDocumentrec rec = Documentrec(back);
    EXPECT_EQ(veltrane::LoadDocumentFromBytes(testdoc::saveToBytes(d), rec, "03.02"), 0);
    std::vector<std::string> texts;
    for (std::string* field : textFields(back))
        texts.push_back(*field);
    return texts;
}

}  // namespace

TEST(FileTextChanges, NameWhatTheFileChangesAsTheFileChangesIt)
{
    const std::string longPath = "/data/" + std::string(260, 'p') + "/Δθ-probe.dto";
    // Each text in the order of kLabels, and how it reads after saving ("" unchanged).
    const std::pair<std::string, std::string> texts[] = {
        {"plain Au film", ""}, {"Au – Δθ µm", "Au – ?? µm"}, {"Theta/[°] €‰Ÿ", ""}, {"Ref-Koeff", ""},
        {"Δ/[°]", "?/[°]"},   {"(1.5)", ""},                 {"Δθ-probe.dto", "?\?-probe.dto"},
        {longPath, longPath.substr(0, 255)}};
    Document d = testdoc::sampleDocument();
    std::vector<TFileTextChange> expected;
    std::vector<std::string> stored;
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        const auto& [text, changed] = texts[i];
        *textFields(d)[i] = text;
        if (!changed.empty())
            expected.push_back({kLabels[i], text, changed, i == 7});
        stored.push_back(changed.empty() ? text : changed);
    }
    EXPECT_EQ(FileTextChanges(Documentrec(d)), expected);
    EXPECT_EQ(reloadedTexts(d), stored);
}

TEST(FileTextChanges, EveryCharacterOfTheCodePageComesBackByteForByte)
{
    // 255 characters, 0x01 to 0xFF with the bytes 0x80..0x9F: the longest
    // text the file holds.
    std::vector<std::uint8_t> all;
    for (int b = 1; b <= 0xFF; ++b)
        all.push_back(std::uint8_t(b));
    const std::string text = veltrane::cp1252ToUtf8(std::string(all.begin(), all.end()));
    Document d = testdoc::sampleDocument();
    for (std::string* field : textFields(d))
        *field = text;
    EXPECT_TRUE(FileTextChanges(Documentrec(d)).empty());
    const std::vector<std::uint8_t> bytes = testdoc::saveToBytes(d);
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), all.begin(), all.end()), bytes.end());
    EXPECT_EQ(reloadedTexts(d), std::vector<std::string>(std::size(kLabels), text));
}

TEST(FileTextChanges, TheDryRunAndTheSaveWalkTheCurvesAndScansWhereTheyAre)
{
    // A copy of the lists would cost allocations per curve, scan and point
    // list; walked where they are, the count does not grow with them. The
    // texts are short enough to need no heap of their own.
    auto document = [](int items) {
        Document d = testdoc::sampleDocument();
        d.Simparameter.Comment = "Δθ";  // one text the dry run names
        d.ScanColList[0].Path = "/data/scan.dat";
        for (int i = 0; i < items; ++i) {
            d.ResColList.push_back(d.ResColList[0]);
            d.ScanColList.push_back(d.ScanColList[0]);
        }
        return d;
    };
    testdoc::TempFolder folder;
    const std::string path = folder.path("doc.vtn");
    auto allocations = [&](Document d, auto run) {
        TDocumentrec rec = Documentrec(d);
        run(rec);  // the first run may size what later runs reuse
        const long before = veltrane::test::heapAllocations();
        run(rec);
        return veltrane::test::heapAllocations() - before;
    };
    const auto dryRun = [](const TDocumentrec& rec) { EXPECT_EQ(FileTextChanges(rec).size(), 1u); };
    const auto save = [&](const TDocumentrec& rec) { EXPECT_EQ(SaveDocument(path, rec, "03.02"), 0); };
    EXPECT_EQ(allocations(document(0), dryRun), allocations(document(200), dryRun));
    EXPECT_EQ(allocations(document(0), save), allocations(document(200), save));

    const long before = veltrane::test::heapAllocations();
    Document copied = document(1);
    EXPECT_GT(veltrane::test::heapAllocations(), before) << "the allocation counter is not linked in";
}
