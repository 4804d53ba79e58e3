#include <gtest/gtest.h>

#include <cstring>

#include "document/DocumentFile.h"
#include "document/Globals.h"
#include "platform/ScriptedPlatform.h"
#include "SampleDocuments.h"
#include "support/TempFolder.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

void patchI32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t v)
{
    ASSERT_LE(at + 4, bytes.size());
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = std::uint8_t(std::uint32_t(v) >> (8 * i));
}

// Loads a damaged file into the sample document and expects exactly one
// "I/O Error" box, which names the file, and an untouched document.
void expectReadError(const std::string& path, const std::string& what)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    Document d = testdoc::sampleDocument();
    const Document before = d;
    TDocumentrec rec = Documentrec(d);
    EXPECT_EQ(LoadDocument(path, rec, FileVersionText), -1) << what;
    ASSERT_EQ(script.boxes.size(), 1u) << what;
    EXPECT_EQ(script.boxes[0].caption, "I/O Error");
    EXPECT_EQ(script.boxes[0].icon, veltrane::BoxIcon::Stop);
    // The reader's own message, not an allocation failure or the like, and
    // the file it is about: several may have been opened in turn.
    EXPECT_EQ(script.boxes[0].text.rfind("Read error in file \"" + path + "\": ", 0), 0u)
        << what << ": " << script.boxes[0].text;
    EXPECT_TRUE(d == before) << what;
}

// A document whose strings are empty, so that offsets are easy to name.
Document plainDocument()
{
    Document d = DefaultDocument();
    d.Plotwindowpara = TPlotwindowpara{};
    return d;
}

constexpr std::size_t kHeader = 25;
constexpr std::size_t kB1Plain = 1963;  // with an empty comment
constexpr std::size_t kB2 = 70;
constexpr std::size_t kB3 = 57;

}  // namespace

TEST(DocumentDamage, EveryTruncationIsAReadError)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("cut.vtn");
    Document sample = testdoc::sampleDocument();
    Document v300doc = testdoc::sampleDocument();
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::size_t from;
    };
    const Case cases[] = {
        {"3.02", testdoc::saveToBytes(sample), kHeader},
        {"3.00", testdoc::saveToBytes(v300doc, "03.00"), kHeader},
        {"2.00", testdoc::writeOldFile(testdoc::sampleOldFile()), 8},
    };
    for (const Case& c : cases) {
        for (std::size_t n = c.from; n < c.bytes.size(); ++n) {
            testdoc::writeBytes(path, {c.bytes.begin(), c.bytes.begin() + std::ptrdiff_t(n)});
            expectReadError(path, std::string(c.name) + " cut at " + std::to_string(n));
            if (HasFailure())
                return;
        }
    }
}

TEST(DocumentDamage, BrokenLimitsAreReadErrors)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("bad.vtn");

    Document plain = plainDocument();
    const auto base = testdoc::saveToBytes(plain);
    const std::size_t b4 = kHeader + kB1Plain + kB2 + kB3;

    Document oneCurve = plainDocument();
    oneCurve.ResColList.push_back({});
    const auto withCurve = testdoc::saveToBytes(oneCurve);

    Document oneScan = plainDocument();
    oneScan.ScanColList.push_back({1.0, 0.0, ckRps, "", "", {}, 1});
    const auto withScan = testdoc::saveToBytes(oneScan);

    struct Patch {
        const char* name;
        const std::vector<std::uint8_t>* bytes;
        std::size_t at;  // from the start, or from the end when fromEnd
        bool fromEnd;
        std::int32_t value;
    };
    const Patch patches[] = {
        {"layer count 31", &base, kHeader, false, 31},
        {"layer count -1", &base, kHeader, false, -1},
        {"enumeration block of 3", &base, kHeader + 4, false, 3},
        {"enumeration block of 5", &base, kHeader + 4, false, 5},
        {"comment of 256", &base, kHeader + 29, false, 256},
        {"comment of -5", &base, kHeader + 29, false, -5},
        {"field set block of 4", &base, kHeader + kB1Plain + 56, false, 4},
        {"curve set block of 4", &base, b4 + 5, false, 4},
        {"curve set block of 0", &base, b4 + 5, false, 0},
        {"negative curve count", &base, 8, true, -1},
        {"curve count past the end", &base, 8, true, 1},
        {"huge curve count", &base, 8, true, 0x7FFFFFFF},
        {"negative scan count", &base, 4, true, -1},
        {"scan count past the end", &base, 4, true, 1},
        {"negative point count", &withCurve, 8, true, -1},
        {"point count past the end", &withCurve, 8, true, 1},
        {"huge point count", &withCurve, 8, true, 0x40000000},
        {"scan kind block of 1", &withScan, 4 + 16 + 4 + 16, true, 1},
        {"negative scan point count", &withScan, 4, true, -2},
        {"scan point count past the end", &withScan, 4, true, 1},
    };
    for (const Patch& p : patches) {
        std::vector<std::uint8_t> bytes = *p.bytes;
        patchI32(bytes, p.fromEnd ? bytes.size() - p.at : p.at, p.value);
        testdoc::writeBytes(path, bytes);
        expectReadError(path, p.name);
    }

    // The message as a whole: the file, then what is wrong in it.
    {
        std::vector<std::uint8_t> bytes = withCurve;
        patchI32(bytes, bytes.size() - 8, 401);
        testdoc::writeBytes(path, bytes);
        ScriptedPlatform script;
        ScopedPlatform use(script);
        Document d = plainDocument();
        TDocumentrec rec = Documentrec(d);
        EXPECT_EQ(LoadDocument(path, rec, FileVersionText), -1);
        EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"Read error in file \"" + path +
                                                              "\": 401 points do not fit into the rest of the file."});
    }

    // The size header holds 4, 8 and 1 and nothing else.
    const char* widths[] = {"0002", "0016", "0000", "0005", "abcd"};
    for (const char* w : widths) {
        for (std::size_t field = 0; field < 3; ++field) {
            std::vector<std::uint8_t> bytes = base;
            std::memcpy(bytes.data() + 10 + 5 * field, w, 4);
            testdoc::writeBytes(path, bytes);
            expectReadError(path, std::string("width ") + w);
        }
    }
}

TEST(DocumentDamage, BrokenLimitsOfVersion200AreReadErrors)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("bad200.vtn");
    testdoc::OldFile f = testdoc::sampleOldFile();
    f.scans.clear();
    f.curves.clear();
    f.plots.clear();
    const auto base = testdoc::writeOldFile(f);
    // The tail: scan count, curve count, plot count, then the 28 bytes of
    // the evaluation block.
    const std::size_t plots = base.size() - 28 - 4;
    struct Patch {
        const char* name;
        std::size_t at;
        std::int32_t value;
    };
    const Patch patches[] = {
        {"layer count 31", 16, 31},
        {"layer count -3", 16, -3},
        {"comment of 300", 16 + 4 + 1 + 16 + 1, 300},
        {"negative scan count", plots - 8, -1},
        {"scan count past the end", plots - 8, 3},
        {"negative curve count", plots - 4, -7},
        {"curve count past the end", plots - 4, 1000},
        {"negative plot count", plots, -1},
        {"plot count past the end", plots, 1},
    };
    for (const Patch& p : patches) {
        std::vector<std::uint8_t> bytes = base;
        patchI32(bytes, p.at, p.value);
        testdoc::writeBytes(path, bytes);
        expectReadError(path, p.name);
    }

    // A plot block whose switch count does not fit.
    f.plots.push_back({});
    auto withPlot = testdoc::writeOldFile(f);
    patchI32(withPlot, base.size() - 28 + 1, 1 << 30);
    testdoc::writeBytes(path, withPlot);
    expectReadError(path, "plot switches past the end");
}
