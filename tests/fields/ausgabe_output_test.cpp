// The field data text in a file and on the clipboard, and the lines under
// the field windows' layer tables.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fields/Ausgabe.h"
#include "platform/ScriptedPlatform.h"
#include "support/TempFolder.h"

namespace {

TEWaveList samples()
{
    TEWaveList list(3);
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].Pos = -20.0 + 10.0 * double(i);
        list[i].Filled = i < 2 ? 1 : 0;
        list[i].Feld[ehHy].modulusSqr = 2.5 * double(i);
        list[i].Feld[ehHy].phaseDeg = 45.0;
    }
    return list;
}

TEHFieldSet hySquared()
{
    TEHFieldSet f;
    f.Include(ehHy);
    f.Include(ehSqrPhase);
    f.Include(ehAbsolute);
    return f;
}

std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A fresh folder of the test's own, removed with it.
struct TempDir {
    testdoc::TempFolder folder;
    const std::filesystem::path& path = folder.dir();
};

TEST(FieldDataOutput, FileHoldsTheExportLineByLine)
{
    TempDir dir;
    const auto file = dir.path / "fields.dat";
    TAusgabe out;
    EXPECT_EQ(out.Data2File(samples(), 0, paP, hySquared(), file.string(), ','), "");
    const std::string text = readFile(file);
    EXPECT_EQ(text, TAusgabe::JoinLines(TAusgabe().WriteData(samples(), 0, paP, hySquared(), ',')));
    EXPECT_NE(text.find("-20,000000000000000"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
}

// A save that cannot be done says so, and an existing file stays as it was.
TEST(FieldDataOutput, FailedSaveReportsItsReason)
{
    TempDir dir;
    TAusgabe out;
    const auto missing = dir.path / "no such folder" / "fields.dat";
    const std::string failure = out.Data2File(samples(), 0, paP, hySquared(), missing.string(), '.');
    EXPECT_NE(failure.find("Cannot create file"), std::string::npos) << failure;

    const auto kept = dir.path / "kept.dat";
    std::ofstream(kept) << "old";
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    if (::geteuid() != 0) {
        EXPECT_NE(out.Data2File(samples(), 0, paP, hySquared(), kept.string(), '.'), "");
        EXPECT_EQ(readFile(kept), "old");
    }
}

TEST(FieldDataOutput, ClipboardGetsTheSameText)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    TAusgabe out;
    out.Data2Clipboard(samples(), 1, paP, hySquared(), '.');
    EXPECT_EQ(out.AngleMode, 1);
    EXPECT_EQ(script.clipboardText, TAusgabe::JoinLines(TAusgabe().WriteData(samples(), 1, paP, hySquared(), '.')));
    EXPECT_EQ(script.clipboardText.rfind("Theta[\xC2\xB0]", 0), 0u) << script.clipboardText.substr(0, 40);
}

TEST(FieldDataOutput, LastLinesOfTheLayerTable)
{
    EXPECT_EQ(TAusgabe::ThetaLine(52.0, '.'), "Theta=52\xC2\xB0");
    EXPECT_EQ(TAusgabe::ThetaLine(52.25, ','), "Theta=52,25\xC2\xB0");
    EXPECT_EQ(TAusgabe::PositionLine(2, 12.5, '.'), "Layer: Nr=3   Pos=12.5[nm]");
    EXPECT_EQ(TAusgabe::PositionLine(Riedit::NAIN, 0.0, '.'), "Layer: Nr=2147483648   Pos=0[nm]");
    EXPECT_FALSE(TAusgabe::CommentShown(" \t\r\n "));
    EXPECT_TRUE(TAusgabe::CommentShown("  gold on glass "));
}

}  // namespace
