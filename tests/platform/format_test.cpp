#include <gtest/gtest.h>

#include <clocale>

#include "platform/CFormat.h"
#include "platform/Cp1252.h"
#include "platform/Utf8.h"

using namespace veltrane;

namespace {

// Switches the process locale like a QApplication under a German desktop.
class GermanLocale {
public:
    GermanLocale() : ok_(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {}
    ~GermanLocale() { std::setlocale(LC_ALL, "C"); }
    bool ok() const { return ok_; }

private:
    bool ok_;
};

}  // namespace

TEST(CFormat, NumbersIgnoreTheProcessLocaleAndUseTheGivenSeparator)
{
    GermanLocale de;
    EXPECT_EQ(cfmt('.', "%-15.8g|", 632.8), "632.8          |");
    EXPECT_EQ(cfmt(',', "%-15.8g|", 632.8), "632,8          |");
    EXPECT_EQ(cfmt('.', "%-20.15f", 0.5), "0.500000000000000   ");
    EXPECT_EQ(cfmt(',', "%-10.6g%d", 1.25, 42), "1,25      42");
    EXPECT_EQ(cfmt('.', "%5.1f%%", 12.34), " 12.3%");
    EXPECT_EQ(cfmt(',', "%e", 1234.5), "1,234500e+03");
}

TEST(CFormat, StringWidthsCountCharacters)
{
    EXPECT_EQ(cfmt('.', "%-12s|", "Theta/[°]"), "Theta/[°]   |");
    EXPECT_EQ(cfmt('.', "%10s", "ab"), "        ab");
    EXPECT_EQ(cfmt('.', "%-4s|%-10s", "L-Nr", "Thick/[nm]"), "L-Nr|Thick/[nm]");
    EXPECT_EQ(cfmt('.', "%.3s", "°°°°"), "°°°");
    EXPECT_EQ(padRight("°", 3), "°  ");
    // Missing arguments format as empty rather than reading garbage.
    EXPECT_EQ(cfmt('.', "%s-%d"), "-");
}

TEST(CFormat, FloatToTextIsTheShortestGeneralForm)
{
    EXPECT_EQ(floatToText(632.8, '.'), "632.8");
    EXPECT_EQ(floatToText(1.5, ','), "1,5");
    EXPECT_EQ(floatToText(0.0, '.'), "0");
    EXPECT_EQ(floatToText(1e-5, '.'), "1E-5");
    EXPECT_EQ(floatToText(0.0001, '.'), "0.0001");
    EXPECT_EQ(floatToText(1.5e20, '.'), "1.5E20");
    EXPECT_EQ(floatToText(123456789012345.0, '.'), "123456789012345");
    EXPECT_EQ(floatToText(0.1 + 0.2, '.'), "0.3");
}

TEST(CFormat, ParseDoubleAcceptsPointOrSeparatorOnly)
{
    GermanLocale de;
    double v = 0;
    EXPECT_TRUE(parseDouble("1,5", ',', v));
    EXPECT_DOUBLE_EQ(v, 1.5);
    EXPECT_TRUE(parseDouble(" 2.25 ", ',', v));
    EXPECT_DOUBLE_EQ(v, 2.25);
    EXPECT_TRUE(parseDouble("-1e-3", '.', v));
    EXPECT_DOUBLE_EQ(v, -1e-3);
    for (const char* bad : {"", "inf", "nan", "1.000,5", "abc", "1e999", "1,5"})
        EXPECT_FALSE(parseDouble(bad, '.', v)) << bad;
}

TEST(Cp1252, RoundTripsTheCodePageAndReplacesTheRest)
{
    std::string bytes = utf8ToCp1252("Theta/[°]");
    EXPECT_EQ(bytes, std::string("\x54\x68\x65\x74\x61\x2F\x5B\xB0\x5D"));
    EXPECT_EQ(cp1252ToUtf8(bytes), "Theta/[°]");
    EXPECT_EQ(utf8ToCp1252("€ ü ß"), std::string("\x80 \xFC \xDF"));
    EXPECT_EQ(cp1252ToUtf8(std::string("\x80\x9F")), "€Ÿ");
    EXPECT_EQ(utf8ToCp1252("α→x"), "??x");
    // A broken UTF-8 sequence is not a character of the code page either.
    EXPECT_EQ(utf8ToCp1252(std::string("a\xC3")), "a?");
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += char(c);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

// Every byte of 0x80..0x9F, each against the character Windows-1252 puts
// there; the five bytes the code page leaves free keep their C1 control.
TEST(Cp1252, EveryByteFrom80To9F)
{
    const char* const expected[32] = {
        "€", "\u0081", "‚", "ƒ", "„", "…", "†", "‡", "ˆ", "‰", "Š", "‹", "Œ", "\u008D", "Ž", "\u008F",
        "\u0090", "‘", "’", "“", "”", "•", "–", "—", "˜", "™", "š", "›", "œ", "\u009D", "ž", "Ÿ"};
    for (int i = 0; i < 32; ++i) {
        const std::string byte(1, char(0x80 + i));
        EXPECT_EQ(cp1252ToUtf8(byte), expected[i]) << std::hex << 0x80 + i;
        EXPECT_EQ(utf8ToCp1252(expected[i]), byte) << std::hex << 0x80 + i;
    }
}
