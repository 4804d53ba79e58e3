// The text rules of the numeric edit controls, without widgets.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "controls/plain/RIEditText.h"

using namespace veltrane::riedit;

namespace {

// Writes a number text with '.' as written and sep as the control uses it.
std::string withSep(std::string s, char sep)
{
    for (char& c : s)
        if (c == '.')
            c = sep;
    return s;
}

class SeparatorTest : public ::testing::TestWithParam<char> {};

TEST(RIEditText, RundenRoundsHalvesAwayFromZero)
{
    struct Case { long double x; int expected; };
    for (auto c : {Case{0, 0}, Case{2.5L, 3}, Case{-2.5L, -3}, Case{2.4999L, 2}, Case{-3.5L, -4},
                   Case{0.49L, 0}, Case{-0.5L, -1}, Case{2147483646.4L, 2147483646}})
        EXPECT_EQ(runden(c.x), c.expected) << double(c.x);
}

TEST_P(SeparatorTest, DoubleConversionsTakeOnlyTheGivenSeparator)
{
    const char sep = GetParam();
    const char other = sep == '.' ? ',' : '.';
    struct Case { std::string text; bool ok; double value; };
    const Case cases[] = {
        {"1.", true, 1.0},     {".5", true, 0.5},       {"-3.5", true, -3.5},   {"+2", true, 2.0},
        {"1e-5", true, 1e-5},  {"1.5E20", true, 1.5e20}, {"", false, 0},         {"-", false, 0},
        {".", false, 0},       {"1e", false, 0},         {"1e+", false, 0},      {"e5", false, 0},
        {" 1", false, 0},      {"1 ", false, 0},         {"inf", false, 0},      {"nan", false, 0},
        {"INF", false, 0},     {"1e400", false, 0},      {"0x10", false, 0},     {"1.2.3", false, 0},
        {"--1", false, 0},     {"1-", false, 0},         {"a", false, 0},        {"1e5.5", false, 0},
    };
    for (const auto& c : cases) {
        const std::string t = withSep(c.text, sep);
        double v = 0;
        EXPECT_EQ(textToDouble(t, sep, v), c.ok) << t;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << t;
        }
        EXPECT_EQ(doubleOf(t, sep), c.ok ? c.value : Riedit::NADN) << t;
    }
    // The other character is not a separator, and a group separator never is.
    double v;
    EXPECT_FALSE(textToDouble(std::string("1") + other + "5", sep, v));
    EXPECT_FALSE(textToDouble(std::string("1") + other + "000" + sep + "5", sep, v));
}

TEST_P(SeparatorTest, ExtendedHoldsWhatADoubleCannot)
{
    const char sep = GetParam();
    long double e = 0;
    ASSERT_TRUE(textToExtended("1e400", sep, e));
    EXPECT_EQ(e, 1e400L);
    EXPECT_TRUE(TestRIstr("1e400", reExtended, false, sep));
    EXPECT_FALSE(TestRIstr("1e400", reDouble, false, sep));
    EXPECT_EQ(extendedOf("", sep), Riedit::NAEN);
    EXPECT_EQ(extendedOf("x", sep), Riedit::NAEN);
    EXPECT_EQ(extendedText(Riedit::NAEN, sep), "");
    long double back = 0;
    ASSERT_TRUE(textToExtended(extendedText(1.25e-4000L, sep), sep, back));
    EXPECT_EQ(back, 1.25e-4000L);
}

TEST_P(SeparatorTest, IntegerGetterRoundsAndMarksWhatDoesNotFit)
{
    const char sep = GetParam();
    struct Case { std::string text; int expected; };
    const Case cases[] = {
        {"-3.5", -4}, {"2.5", 3}, {"12", 12}, {"", Riedit::NAIN}, {"-", Riedit::NAIN}, {"abc", Riedit::NAIN},
        {"3e9", Riedit::NAIN}, {"-3e9", Riedit::NAIN}, {"2147483647", Riedit::NAIN}, {"-2147483648", -2147483648},
        {"1e3", 1000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(integerOf(withSep(c.text, sep), sep), c.expected) << c.text;
}

TEST_P(SeparatorTest, ValueTestPerEditType)
{
    const char sep = GetParam();
    struct Case { std::string text; TRIEditTyp type; bool onlyPositive; bool ok; };
    const Case cases[] = {
        {"anything", reText, true, true},  {"", reText, false, true},
        {"2.5", reDouble, false, true},    {"-2.5", reDouble, true, false},   {"0", reDouble, true, true},
        {"-0", reDouble, true, true},      {"2.5", reInteger, false, false},  {"12", reInteger, false, true},
        {"-5", reInteger, true, false},    {"-5", reLongint, false, true},    {"2147483647", reInteger, false, true},
        {"2147483648", reInteger, false, false}, {"-2147483648", reLongint, false, true},
        {"1e3", reInteger, false, false},  {"", reDouble, false, false},      {"-", reInteger, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TestRIstr(withSep(c.text, sep), c.type, c.onlyPositive, sep), c.ok)
            << c.text << " type " << int(c.type);
}

TEST_P(SeparatorTest, TypedSeparatorsBecomeTheLocaleOneExceptInText)
{
    const char sep = GetParam();
    for (TRIEditTyp t : {reDouble, reInteger, reExtended, reLongint}) {
        EXPECT_EQ(typedChar(',', t, sep), sep);
        EXPECT_EQ(typedChar('.', t, sep), sep);
        EXPECT_EQ(typedChar('7', t, sep), '7');
    }
    EXPECT_EQ(typedChar(',', reText, sep), ',');
    EXPECT_EQ(typedChar('.', reText, sep), '.');
    // What the filter then keeps: a lone minus even for positive-only controls.
    EXPECT_TRUE(keepTyped("-", reDouble, true, sep));
    EXPECT_TRUE(keepTyped("", reInteger, true, sep));
    EXPECT_FALSE(keepTyped("-5", reDouble, true, sep));
    EXPECT_TRUE(keepTyped(std::string("1") + sep, reDouble, false, sep));
    EXPECT_FALSE(keepTyped(std::string("1") + sep, reInteger, false, sep));
}

TEST_P(SeparatorTest, StartsOfNumbersStayWhileTypedAndHaveNoValue)
{
    const char sep = GetParam();
    // start: the text is the beginning of a number, not yet one; keep: a
    // keystroke that produced it stands.
    struct Case { std::string text; TRIEditTyp type; bool onlyPositive; bool start; bool keep; };
    const Case cases[] = {
        {"-", reDouble, false, true, true},      {"+", reDouble, false, true, true},
        {".", reDouble, false, true, true},      {"-.", reDouble, false, true, true},
        {"2.", reDouble, false, false, true},    {"1e", reDouble, false, true, true},
        {"1E", reExtended, false, true, true},   {"1e-", reDouble, false, true, true},
        {"1e+", reDouble, false, true, true},    {".5e", reDouble, false, true, true},
        {"-2.e-", reDouble, false, true, true},   {"1e-3", reDouble, false, false, true},
        {"1e-300", reDouble, false, false, true}, {"1e", reDouble, true, true, true},
        {"1e-", reDouble, true, true, true},     {"-", reDouble, true, true, true},
        {"-.", reDouble, true, false, false},    {"-1e", reDouble, true, false, false},
        {"e", reDouble, false, false, false},    {".e", reDouble, false, false, false},
        {"-e", reDouble, false, false, false},   {"1e-e", reDouble, false, false, false},
        {"1ee", reDouble, false, false, false},  {"1e3.", reDouble, false, false, false},
        {"1e3e", reDouble, false, false, false}, {"1e400", reDouble, false, false, false},
        {"1e400", reExtended, false, false, true}, {"1-", reDouble, false, false, false},
        {"-", reInteger, false, true, true},     {"+", reLongint, false, true, true},
        {"-", reInteger, true, true, true},      {".", reInteger, false, false, false},
        {"1e", reInteger, false, false, false},  {"-5", reLongint, true, false, false},
        {"1e", reText, false, false, true},
    };
    for (const auto& c : cases) {
        const std::string t = withSep(c.text, sep);
        EXPECT_EQ(isNumberStart(t, c.type, c.onlyPositive, sep), c.start) << t << " type " << int(c.type);
        EXPECT_EQ(keepTyped(t, c.type, c.onlyPositive, sep), c.keep) << t << " type " << int(c.type);
        if (c.start) {
            EXPECT_FALSE(TestRIstr(t, c.type, c.onlyPositive, sep)) << t;
            EXPECT_EQ(doubleOf(t, sep), Riedit::NADN) << t;
            EXPECT_EQ(integerOf(t, sep), Riedit::NAIN) << t;
        }
    }
    // Only the given separator starts a fraction.
    const char other = sep == '.' ? ',' : '.';
    EXPECT_FALSE(isNumberStart(std::string(1, other), reDouble, false, sep));
    EXPECT_FALSE(keepTyped(std::string("1") + other + "e", reDouble, false, sep));
}

TEST_P(SeparatorTest, SetterTextsRoundTripWhateverTheProcessLocale)
{
    const char sep = GetParam();
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    for (double v : {1234567.5, 1e-5, -0.1, 632.8, 1.5e20, 123456789012345.0, 3.0}) {
        const std::string t = doubleText(v, sep);
        EXPECT_EQ(doubleOf(t, sep), v) << t;
        EXPECT_EQ(t.find(sep == '.' ? ',' : '.'), std::string::npos) << t;
    }
    EXPECT_EQ(doubleText(1234567.5, sep), withSep("1234567.5", sep));
    EXPECT_EQ(doubleText(1e-5, sep), "1E-5");
    EXPECT_EQ(doubleText(Riedit::NADN, sep), "");
    EXPECT_EQ(integerText(Riedit::NAIN), "");
    EXPECT_EQ(integerText(-42), "-42");
    std::setlocale(LC_ALL, saved.c_str());
}

INSTANTIATE_TEST_SUITE_P(Separators, SeparatorTest, ::testing::Values('.', ','),
                         [](const auto& info) { return info.param == '.' ? "point" : "comma"; });

}  // namespace
