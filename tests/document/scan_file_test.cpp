#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/ScanFile.h"
#include "platform/Errors.h"
#include "platform/ScriptedPlatform.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;
using veltrane::BoxIcon;
using veltrane::ScriptedPlatform;
using veltrane::ScopedPlatform;

namespace {

// Beside this source file, whatever folder the build keeps its data in.
const std::string dataDir = (fs::path(__FILE__).parent_path() / "data" / "scans").string() + "/";

std::vector<TScanPunkt> pts(std::initializer_list<TScanPunkt> p) { return p; }

// A fresh folder of its own for files written by one test.
class ScanFileTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& content)
    {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    // The points a two-column file with this content yields.
    std::vector<TScanPunkt> read(const std::string& content)
    {
        TScanColList list;
        EXPECT_TRUE(ReadTwoColumnScan(write("t.dto", content), list));
        return list.empty() ? std::vector<TScanPunkt>{} : list.front().Points;
    }

    testdoc::TempFolder folder_;
    const fs::path& dir_ = folder_.dir();
};

// Runs a scope under another process locale, as a QApplication does.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : previous_(std::setlocale(LC_ALL, nullptr))
    {
        ok_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleScope() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};

}  // namespace

class ScanFileLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(ScanFileLocale, TwoColumnFileTakesCommaAndPoint)
{
    LocaleScope locale(GetParam());
    ASSERT_TRUE(locale.ok()) << GetParam();
    ScriptedPlatform script;
    ScopedPlatform use(script);
    TScanColList list;

    const std::vector<std::string> names = AddScanFile(dataDir + "a.dto", list);

    EXPECT_EQ(names, std::vector<std::string>{"a.dto"});
    ASSERT_EQ(list.size(), 1u);
    const TScanColrec& s = list[0];
    EXPECT_EQ(s.Name, "a.dto");
    EXPECT_EQ(s.Path, dataDir + "a.dto");
    EXPECT_EQ(s.Kind, ckRps);
    EXPECT_EQ(s.Scalefactor, 1.0);
    EXPECT_EQ(s.Shiftfactor, 0.0);
    EXPECT_EQ(s.Visible, 1);
    EXPECT_EQ(s.Points, pts({{1.5, 0.25}, {2.0, 0.5}}));
    EXPECT_TRUE(script.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Locales, ScanFileLocale, ::testing::Values("C", "de_DE.UTF-8"));

TEST(ScanFile, EllipsometryFileGivesPsiAndDeltaScans)
{
    TScanColList list;
    ASSERT_EQ(AddScanFile(dataDir + "b.ell", list), (std::vector<std::string>{"b.ell (Psi)", "b.ell (Delta)"}));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Name, "b.ell (Psi)");
    EXPECT_EQ(list[0].Kind, ckPsi);
    EXPECT_EQ(list[0].Points, pts({{40, 12.5}}));
    EXPECT_EQ(list[1].Name, "b.ell (Delta)");
    EXPECT_EQ(list[1].Kind, ckDelta);
    EXPECT_EQ(list[1].Points, pts({{40, 100}}));
    for (const TScanColrec& s : list) {
        EXPECT_EQ(s.Path, dataDir + "b.ell");
        EXPECT_EQ(s.Visible, 1);
        EXPECT_EQ(s.Scalefactor, 1.0);
        EXPECT_EQ(s.Shiftfactor, 0.0);
    }
}

TEST(ScanFile, ExtensionChoosesTheReaderWhateverItsCase)
{
    TScanColList list;
    AddScanFile(dataDir + "c.Ell", list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Points, pts({{40, 12.5}, {41, 13.5}}));
    EXPECT_EQ(list[1].Points, pts({{40, 100}, {41, 101}}));
}

TEST_F(ScanFileTest, ExtensionsOtherThanEllReadTwoColumns)
{
    const std::string content = "h\nh\n40 12.5 100\n";
    for (const std::string name : {"x.ELL", "x.eLl", "x.ell.txt", "noext", "x.dt2", "ell"}) {
        SCOPED_TRACE(name);
        TScanColList list;
        AddScanFile(write(name, content), list);
        const bool ellipsometry = name == "x.ELL" || name == "x.eLl";
        ASSERT_EQ(list.size(), ellipsometry ? 2u : 1u);
        if (!ellipsometry) {
            EXPECT_EQ(list[0].Points, pts({{40, 12.5}}));
        }
    }
}

TEST(ScanFile, ConvertsOnlyCompleteNumbers)
{
    struct Case {
        const char* line;
        int count;
        double x, y;
    };
    const Case cases[] = {
        {"1,5 0,25", 2, 1.5, 0.25},
        {"2.0\t0.5", 2, 2.0, 0.5},
        {"  3   4   trailing words", 2, 3, 4},
        {"1e-3 +2E2", 2, 0.001, 200},
        {"-.5 5.", 2, -0.5, 5},
        {"1.5;0.25", 0, 0, 0},   // a semicolon separates nothing
        {"1.5,0.25", 0, 0, 0},   // nor does a comma without blanks
        {"1.5, 0.25", 0, 0, 0},
        {"7 0.25;", 1, 7, 0},
        {"nan 1", 0, 0, 0},
        {"1 inf", 1, 1, 0},
        {"1e400 1", 0, 0, 0},
        {"1.000,5 2", 0, 0, 0},
        {"12abc 1", 0, 0, 0},
        {"", 0, 0, 0},
        {"5", 1, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TScanValues v{};
        EXPECT_EQ(veltrane::convertScanLine(c.line, 2, v), c.count);
        if (c.count >= 1) {
            EXPECT_EQ(v[0], c.x);
        }
        if (c.count == 2) {
            EXPECT_EQ(v[1], c.y);
        }
    }
}

TEST(ScanFile, LongLinesAreSkippedWhole)
{
    // The tail beyond the limit holds numbers too: it must not become a point.
    auto line = [](std::size_t length) {
        std::string s = "1 2";
        s.resize(length - 3, ' ');
        return s + "7 8";
    };
    struct Case {
        std::size_t length;
        const char* end;
        bool taken;
    };
    const Case cases[] = {{254, "\n", true}, {254, "\r\n", true}, {254, "", true}, {255, "\n", false},
                          {255, "\r\n", false}, {255, "", false}, {600, "\n", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::istringstream in(line(c.length) + c.end + (*c.end ? "3 4\n" : ""));
        TScanValues v{};
        int count = -1;
        ASSERT_TRUE(ReadScanLine(in, 2, v, count));
        EXPECT_EQ(count, c.taken ? 2 : 0);
        if (c.taken) {
            EXPECT_EQ(v[0], 1.0);
        }
        if (*c.end) {
            ASSERT_TRUE(ReadScanLine(in, 2, v, count));
            EXPECT_EQ(count, 2);
            EXPECT_EQ(v[0], 3.0);
        }
        EXPECT_FALSE(ReadScanLine(in, 2, v, count));
        EXPECT_EQ(count, 0);
    }
}

TEST_F(ScanFileTest, HeaderIsExactlyTwoLines)
{
    EXPECT_EQ(read("\nTitle\n1 2\n3 4\n"), pts({{1, 2}, {3, 4}}));
    EXPECT_EQ(read("Measured scan\n40 2\n41 0.5\n"), pts({{41, 0.5}}));
    EXPECT_EQ(read("\n\n\n1 2\n"), pts({{1, 2}}));
    // A header line longer than any data line is still one line.
    EXPECT_EQ(read(std::string(1000, 'h') + " 5 6\nx\n1 2\n"), pts({{1, 2}}));
}

TEST_F(ScanFileTest, LineEndsDoNotMatter)
{
    const std::vector<TScanPunkt> expected = pts({{40, 0.9}, {41, 0.8}, {42, 0.7}});
    TScanColList list;
    ASSERT_TRUE(ReadTwoColumnScan(dataDir + "crlf.dto", list));
    EXPECT_EQ(list[0].Points, expected);
    EXPECT_EQ(read("h\nh\n40 0.9\n41 0.8\n42 0.7"), expected);
    EXPECT_EQ(read("h\r\nh\r\n40 0,9\r\n\r\n41 0.8\r\n42 0.7\r\n"), expected);

    TScanColList ell;
    ASSERT_TRUE(ReadEllipsometryScan(write("e.ell", "h\r\nh\r\n40 1 2\r\n41 3 4"), ell));
    EXPECT_EQ(ell[0].Points, pts({{40, 1}, {41, 3}}));
    EXPECT_EQ(ell[1].Points, pts({{40, 2}, {41, 4}}));
}

TEST_F(ScanFileTest, EllipsometryLinesNeedThreeNumbers)
{
    TScanColList list;
    ASSERT_TRUE(ReadEllipsometryScan(write("e.ell", "h\nh\n40 1\n41 2 3 extra\n42 5;6\n43,5 7,25 8\n"), list));
    EXPECT_EQ(list[0].Points, pts({{41, 2}, {43.5, 7.25}}));
    EXPECT_EQ(list[1].Points, pts({{41, 3}, {43.5, 8}}));
}

TEST_F(ScanFileTest, FilesWithoutDataGiveEmptyScans)
{
    for (const std::string content : {"", "only one header line", "h\nh\n", "h\nh\nx y\n1;2\n"}) {
        SCOPED_TRACE(content);
        TScanColList list;
        ASSERT_TRUE(ReadTwoColumnScan(write("e.dto", content), list));
        ASSERT_EQ(list.size(), 1u);
        EXPECT_TRUE(list[0].Points.empty());
    }
    TScanColList list;
    EXPECT_EQ(AddScanFile(dataDir + "header-only.dto", list), std::vector<std::string>{"header-only.dto"});
    EXPECT_TRUE(list.at(0).Points.empty());
}

TEST_F(ScanFileTest, UnreadableFileShowsErrorAndLeavesTheListAlone)
{
    TScanColList list;
    AddScanFile(dataDir + "a.dto", list);
    const TScanColList before = list;
    for (const std::string& path : {dataDir + "missing.dto", dataDir + "missing.ell", dir_.string()}) {
        SCOPED_TRACE(path);
        ScriptedPlatform script;
        ScopedPlatform use(script);
        EXPECT_TRUE(AddScanFile(path, list).empty());
        EXPECT_EQ(list, before);
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, "Error");
        EXPECT_EQ(script.boxes[0].text, "Cannot read file \"" + path + "\"");
        EXPECT_EQ(script.boxes[0].icon, BoxIcon::Stop);
    }
}

TEST(ScanFile, LoadingAppendsAndDeletingKeepsTheOrder)
{
    TScanColList list;
    AddScanFile(dataDir + "a.dto", list);
    AddScanFile(dataDir + "b.ell", list);
    AddScanFile(dataDir + "c.Ell", list);
    ASSERT_EQ(list.size(), 5u);

    DeleteScan(1, list);
    std::vector<std::string> names;
    for (const TScanColrec& s : list)
        names.push_back(s.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dto", "b.ell (Delta)", "c.Ell (Psi)", "c.Ell (Delta)"}));

    EXPECT_THROW(DeleteScan(4, list), veltrane::EListError);
    EXPECT_THROW(DeleteScan(-1, list), veltrane::EListError);
    EXPECT_EQ(list.size(), 4u);

    ClearScanList(list);
    EXPECT_TRUE(list.empty());
}

TEST(ScanFile, ColumnTitlesCarryTheFactors)
{
    TScanColrec s;
    s.Name = "gold.dto";
    EXPECT_EQ(veltrane::ScanColumnTitle(s, '.'), "gold.dto ");
    s.Scalefactor = 2;
    EXPECT_EQ(veltrane::ScanColumnTitle(s, '.'), "gold.dto (Scale-factor:2)");
    s.Shiftfactor = 0.5;
    EXPECT_EQ(veltrane::ScanColumnTitle(s, ','), "gold.dto (Scale-factor:2 | Shift-factor:0,5)");
    s.Scalefactor = 1;
    EXPECT_EQ(veltrane::ScanColumnTitle(s, '.'), "gold.dto (Shift-factor:0.5)");
}
