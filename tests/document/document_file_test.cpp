#include <gtest/gtest.h>

#include "document/DocumentFile.h"
#include "document/Globals.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedPlatform.h"
#include "SampleDocuments.h"
#include "support/TempFolder.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

int load(Document& d, const std::vector<std::uint8_t>& bytes)
{
    TDocumentrec rec = Documentrec(d);
    return veltrane::LoadDocumentFromBytes(bytes, rec, FileVersionText);
}

std::size_t textBytes(const std::string& s) { return 5 + veltrane::utf8ToCp1252(s).size(); }

}  // namespace

TEST(DocumentFile, SavedAndLoadedDocumentIsEqualFieldForField)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    testdoc::TempFolder folder;
    const std::string path = folder.path("sample.vtn");

    Document saved = testdoc::sampleDocument();
    const Document before = saved;
    TDocumentrec savedRec = Documentrec(saved);
    ASSERT_EQ(SaveDocument(path, savedRec, FileVersionText), 0);
    EXPECT_EQ(saved, before);

    Document loaded = DefaultDocument();
    const std::uint16_t lowBits = loaded.EHOptionpara.Fields.bits & 0x00FF;
    TDocumentrec loadedRec = Documentrec(loaded);
    ASSERT_EQ(LoadDocument(path, loadedRec, FileVersionText), 0);
    EXPECT_TRUE(script.boxes.empty());

    // Bits 0 to 7 of the field set are not stored; bit 6 follows the stored
    // part choice (bit 9 here).
    Document expected = before;
    expected.EHOptionpara.Fields.bits = std::uint16_t((before.EHOptionpara.Fields.bits & 0xFF00) | (lowBits & ~(1u << ehRealImag)));
    EXPECT_EQ(loaded.Simparameter, expected.Simparameter);
    EXPECT_EQ(loaded.EHOptionpara, expected.EHOptionpara);
    EXPECT_EQ(loaded.Optionpara, expected.Optionpara);
    EXPECT_EQ(loaded.Plotwindowpara, expected.Plotwindowpara);
    EXPECT_EQ(loaded.Auswertungpara, expected.Auswertungpara);
    EXPECT_EQ(loaded.ResColList, expected.ResColList);
    EXPECT_EQ(loaded.ScanColList, expected.ScanColList);
    EXPECT_EQ(loaded.Simparameter.Comment, "Gold 50 nm auf Glas – Probe ä");
}

TEST(DocumentFile, BodyHasTheDocumentedSize)
{
    Document d = testdoc::sampleDocument();
    const auto bytes = testdoc::saveToBytes(d);

    std::size_t b1 = 4 + 8 + 8 + 8 + 1 + textBytes(d.Simparameter.Comment) + 8 + 8 + 8 + 8 + 4 * 16 + 1 + 8 + 8 + 8 +
                     16 + 8 + 37 + 37 + 240 + 30 + 1440;
    std::size_t b4 = textBytes(d.Plotwindowpara.Title) + 5;
    for (const TAxispara* a : {&d.Plotwindowpara.XAxis, &d.Plotwindowpara.Y1Axis, &d.Plotwindowpara.Y2Axis})
        b4 += textBytes(a->Title) + 16;
    std::size_t b6 = 4;
    for (const TResColrec& c : d.ResColList)
        b6 += textBytes(c.Title) + 8 + 4 + 57 * c.Points.size();
    std::size_t b7 = 4;
    for (const TScanColrec& s : d.ScanColList)
        b7 += 24 + textBytes(s.Name) + textBytes(s.Path) + 1 + 4 + 16 * s.Points.size();
    EXPECT_EQ(bytes.size(), 25 + b1 + 70 + 57 + b4 + 27 + b6 + b7);
}

TEST(DocumentFile, HeaderAndEmptyListsHaveTheirBytes)
{
    Document d = DefaultDocument();
    const auto bytes = testdoc::saveToBytes(d, FileVersionText);
    const std::uint8_t header[25] = {'V', 'T', 'N', 0, '0', '3', '.', '0', '2', 0, '0', '0', '0',
                                     '4', 0,   '0', '0', '0', '8', 0, '0', '0', '0', '1', 0};
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_TRUE(std::equal(header, header + 25, bytes.begin()));
    EXPECT_TRUE(std::all_of(bytes.end() - 8, bytes.end(), [](std::uint8_t b) { return b == 0; }));

    // A curve without points: its title, its Z value and a zero count.
    d.ResColList.push_back({"leer", 3.0, {}});
    const auto withCurve = testdoc::saveToBytes(d);
    testdoc::Bytes tail;
    tail.i32(1).str("leer").f64(3.0).i32(0).i32(0);
    ASSERT_EQ(withCurve.size(), bytes.size() + tail.data.size() - 8);
    EXPECT_TRUE(std::equal(tail.data.begin(), tail.data.end(), withCurve.end() - std::ptrdiff_t(tail.data.size())));
}

TEST(DocumentFile, SavingTwiceGivesTheSameBytes)
{
    Document d = testdoc::sampleDocument();
    const auto first = testdoc::saveToBytes(d);
    Document back = DefaultDocument();
    back.EHOptionpara.Fields = d.EHOptionpara.Fields;
    ASSERT_EQ(load(back, first), 0);
    EXPECT_EQ(testdoc::saveToBytes(back), first);
}

TEST(DocumentFile, PartChoiceIsOneBitAfterLoading)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    struct Case {
        std::uint16_t stored;   // bits 8..15 in the file
        std::uint16_t before;   // the loading document's set
        std::uint16_t after;
    };
    const Case cases[] = {
        {1u << 9, 1u << 6 | 1u << 1, 1u << 9 | 1u << 1},
        {1u << 8 | 1u << 11, 1u << 6, 1u << 8 | 1u << 11},
        {1u << 11, 1u << 2, 1u << 6 | 1u << 11 | 1u << 2},
        {0, 0, 1u << 6},
        {1u << 12, 1u << 6 | 1u << 9, 1u << 6 | 1u << 12},
    };
    for (const Case& c : cases) {
        Document saved = DefaultDocument();
        saved.EHOptionpara.Fields.bits = c.stored;
        const auto bytes = testdoc::saveToBytes(saved);
        Document loaded = DefaultDocument();
        loaded.EHOptionpara.Fields.bits = c.before;
        ASSERT_EQ(load(loaded, bytes), 0);
        EXPECT_EQ(loaded.EHOptionpara.Fields.bits, c.after) << std::hex << c.stored << " over " << c.before;
    }
}

TEST(DocumentFile, ReservedByteOfTheFieldSetIsWrittenBack)
{
    Document d = DefaultDocument();
    auto bytes = testdoc::saveToBytes(d);
    // Offset of the field-set block: header, B1 (an empty comment), then the
    // 56 bytes of B2 before the block; its length, then the two bytes.
    const std::size_t block = 25 + 1963 + 56 + 4;
    ASSERT_EQ(bytes[block - 4], 2);
    EXPECT_EQ(bytes[block + 1], 0);
    bytes[block + 1] = 0xA7;
    Document loaded = DefaultDocument();
    ASSERT_EQ(load(loaded, bytes), 0);
    EXPECT_EQ(loaded.EHOptionpara.FieldsReserved, 0xA7);
    EXPECT_EQ(testdoc::saveToBytes(loaded), bytes);
}

TEST(DocumentFile, LoadingAppendsToTheDocumentsLists)
{
    Document source = testdoc::sampleDocument();
    const auto bytes = testdoc::saveToBytes(source);
    Document target = DefaultDocument();
    target.ResColList.push_back({"vorher", 0.0, {}});
    ASSERT_EQ(load(target, bytes), 0);
    ASSERT_EQ(target.ResColList.size(), 3u);
    EXPECT_EQ(target.ResColList[0].Title, "vorher");
    EXPECT_EQ(target.ResColList[2], source.ResColList[1]);
    EXPECT_EQ(target.ScanColList, source.ScanColList);
}

TEST(DocumentFile, OtherResultsLeaveTheDocumentAlone)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    Document d = testdoc::sampleDocument();
    const Document before = d;
    EXPECT_EQ(load(d, testdoc::Bytes().f64(1.0).f64(0).zeros(100).data), 2);
    EXPECT_EQ(load(d, testdoc::Bytes().raw("VTN\0" "03.01", 10).zeros(100).data), 2);
    EXPECT_EQ(load(d, testdoc::Bytes().raw("Hello", 5).data), 1);
    EXPECT_EQ(d, before);
    EXPECT_TRUE(script.boxes.empty());
}

TEST(DocumentFile, OnlyTheFiveCharactersOfTheVersionTextCount)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    Document saved = testdoc::sampleDocument();
    std::vector<std::uint8_t> bytes = testdoc::saveToBytes(saved);
    ASSERT_EQ(bytes[9], 0);
    bytes[9] = '7';  // where the NUL after "03.02" belongs
    EXPECT_EQ(DetectDocumentVersion(bytes), 302);
    Document loaded = DefaultDocument();
    EXPECT_EQ(load(loaded, bytes), 0);
    EXPECT_EQ(loaded.Simparameter, saved.Simparameter);
    EXPECT_TRUE(script.boxes.empty());
}

// Curly quotes and dashes lie in 0x80..0x9F of the code page the file
// holds its texts in.
TEST(DocumentFile, TitleWithQuotesAndDashesKeepsItsBytes)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    const std::string title = "„Gold“ – ‘Probe’ — 50 nm…";
    const std::string stored = "\x84Gold\x93 \x96 \x91Probe\x92 \x97 50 nm\x85";
    Document d = DefaultDocument();
    d.Plotwindowpara.Title = title;
    const std::vector<std::uint8_t> bytes = testdoc::saveToBytes(d);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find(stored), std::string::npos);

    Document back = DefaultDocument();
    ASSERT_EQ(load(back, bytes), 0);
    EXPECT_EQ(back.Plotwindowpara.Title, title);
    EXPECT_EQ(testdoc::saveToBytes(back), bytes);
}

TEST(DocumentFile, MissingFileIsAnIoError)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    testdoc::TempFolder folder;
    Document d = DefaultDocument();
    TDocumentrec rec = Documentrec(d);
    EXPECT_EQ(LoadDocument(folder.path("none.vtn"), rec, FileVersionText), -1);
    EXPECT_EQ(LoadDocument(folder.dir().string(), rec, FileVersionText), -1);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[0].caption, "I/O Error");
    EXPECT_EQ(script.boxes[0].icon, veltrane::BoxIcon::Stop);
    EXPECT_NE(script.boxes[0].text.find("none.vtn"), std::string::npos);
}
