#include <gtest/gtest.h>

#include "fields/Ausgabe.h"
#include "support/FieldSets.h"

namespace {

TEHFieldSet set(std::initializer_list<int> bits) { return veltrane::test::fieldSet(bits); }

TEWaveField field(Complex v, double modulus, double sqr, double phase)
{
    TEWaveField f;
    f.value = v;
    f.modulus = modulus;
    f.modulusSqr = sqr;
    f.phaseDeg = phase;
    return f;
}

TEWave filledSample(double pos, double relPos)
{
    TEWave w;
    w.Pos = pos;
    w.RelPos = relPos;
    w.Filled = 1;
    for (int c = 0; c < 6; ++c)
        w.Feld[c] = field({1.0 + c, -0.5 - c}, 10.0 + c, 100.0 + c, 20.0 + c);
    return w;
}

// The depth window's export with Ex and Hy as squared modulus and phase on the
// absolute scale, written out by hand.
TEST(Ausgabe, DepthExportIsByteExact)
{
    TEWaveList list{filledSample(-20.0, -100.0), filledSample(12.5, 25.0)};
    TAusgabe out;
    auto lines = out.WriteData(list, 0, paP, set({ehEx, ehHy, ehSqrPhase, ehAbsolute}), '.');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "x_abs_[nm]          \t"
              "|Field|\xC2\xB2(Ex)        \t"
              "Phase[\xC2\xB0](Ex)        \t"
              "|Field|\xC2\xB2(Hy)        \t"
              "Phase[\xC2\xB0](Hy)        ");
    EXPECT_EQ(lines[1],
              "-20.000000000000000 \t"
              "100.000000000000000 \t"
              "20.000000000000000  \t"
              "104.000000000000000 \t"
              "24.000000000000000  ");
    EXPECT_EQ(lines[2].substr(0, 21), "12.500000000000000  \t");
}

TEST(Ausgabe, UnfilledSampleKeepsItsPositionAndShowsDashes)
{
    TEWave w = filledSample(3.25, 6.5);
    w.Filled = 0;
    TAusgabe out;
    auto lines = out.WriteData({w}, 0, paPS, set({ehEy, ehRealImag, ehRelative}), ',');
    EXPECT_EQ(lines[0], "x_rel_[%]           \tReal(Ey)            \tImag(Ey)            ");
    EXPECT_EQ(lines[1], "6,500000000000000   \t--                  \t--                  ");
}

TEST(Ausgabe, DecimalSeparatorAndRealImaginaryParts)
{
    TAusgabe out;
    auto lines = out.WriteData({filledSample(0.5, 50.0)}, 0, paS, set({ehEy, ehRealImag, ehAbsolute}), ',');
    EXPECT_EQ(lines[1], "0,500000000000000   \t2,000000000000000   \t-1,500000000000000  ");
}

struct ColumnCase {
    const char* name;
    std::int32_t polArt;
    TEHFieldSet fields;
    const char* titles;  // the cell texts, blank-separated
};

std::string titlesOf(const std::string& line)
{
    std::string out;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t tab = line.find('\t', start);
        std::string cell = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        while (!cell.empty() && cell.back() == ' ')
            cell.pop_back();
        out += (out.empty() ? "" : " ") + cell;
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return out;
}

TEST(Ausgabe, ColumnsFollowPolarisationPartAndScale)
{
    const std::vector<ColumnCase> cases{
        // P shows no s component even when it is selected.
        {"P hides Ey", paP, set({ehEx, ehEy, ehAbsPhase, ehAbsolute}), "x_abs_[nm] |Field|(Ex) Phase[°](Ex)"},
        {"S hides Ex", paS, set({ehEx, ehEy, ehAbsPhase, ehAbsolute}), "x_abs_[nm] |Field|(Ey) Phase[°](Ey)"},
        // p components first (Ex, Hy, Ez), then s components (Hx, Ey, Hz).
        {"order", paPS, set({ehEx, ehEy, ehEz, ehHx, ehHy, ehHz, ehRealImag, ehAbsolute}),
         "x_abs_[nm] Real(Ex) Imag(Ex) Real(Hy) Imag(Hy) Real(Ez) Imag(Ez) Real(Hx) Imag(Hx) Real(Ey) Imag(Ey) "
         "Real(Hz) Imag(Hz)"},
        // A loaded file can leave a stale bit 6 beside 8 or 9: 9 wins over 8 over 6.
        {"9 over 6", paP, set({ehEx, ehRealImag, ehSqrPhase, ehAbsolute}), "x_abs_[nm] |Field|²(Ex) Phase[°](Ex)"},
        {"9 over 8", paP, set({ehEx, ehAbsPhase, ehSqrPhase, ehAbsolute}), "x_abs_[nm] |Field|²(Ex) Phase[°](Ex)"},
        {"8 over 6", paP, set({ehEx, ehRealImag, ehAbsPhase, ehAbsolute}), "x_abs_[nm] |Field|(Ex) Phase[°](Ex)"},
        // A file saved with real and imaginary parts keeps neither 8 nor 9.
        {"no part bit", paP, set({ehEx, ehAbsolute}), "x_abs_[nm] Real(Ex) Imag(Ex)"},
        // Absolute only with bit 11, whatever bit 12 says.
        {"both scales", paP, set({ehAbsolute, ehRelative}), "x_abs_[nm]"},
        {"no scale", paP, set({}), "x_rel_[%]"},
    };
    for (const auto& c : cases) {
        TAusgabe out;
        auto lines = out.WriteData({}, 0, c.polArt, c.fields, '.');
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(titlesOf(lines[0]), c.titles) << c.name;
    }
}

TEST(Ausgabe, RowCellsFollowTheSamePartRule)
{
    TEWave w = filledSample(1.0, 2.0);
    TAusgabe out;
    // Stale bit 6 beside bit 8: the modulus and the phase, as the titles say.
    auto lines = out.WriteData({w}, 0, paP, set({ehEx, ehRealImag, ehAbsPhase}), '.');
    EXPECT_EQ(titlesOf(lines[1]), "2.000000000000000 10.000000000000000 20.000000000000000");
}

TEST(Ausgabe, AngleModeWritesTheta)
{
    TEWave w = filledSample(1.0, 2.0);
    w.Theta = 52.5;
    TAusgabe out;
    auto lines = out.WriteData({w}, 1, paP, set({ehHy, ehSqrPhase, ehRelative}), '.');
    EXPECT_EQ(out.AngleMode, 1);
    EXPECT_EQ(titlesOf(lines[0]), "Theta[°] |Field|²(Hy) Phase[°](Hy)");
    EXPECT_EQ(titlesOf(lines[1]), "52.500000000000000 104.000000000000000 24.000000000000000");
}

TEST(Ausgabe, SmallCells)
{
    EXPECT_EQ(TAusgabe::FormatValue(true, 632.8, ','), "632,8     ");
    EXPECT_EQ(TAusgabe::FormatValue(false, 632.8, ','), " ");
    EXPECT_EQ(TAusgabe::TitleCell("Real", "Imag", "(Hz)"), "Real(Hz)            \tImag(Hz)            \t");
}

}  // namespace
