#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <span>
#include <string>

#include "nominal/numbertext.h"

#include "namedcase.h"

namespace {

struct ParseCase
{
    const char *name;
    std::u16string text;
    std::optional<double> value; // nullopt: beyond the range of a double
};

const ParseCase parseCases[] = {
    {"Integer", u"12", 12.0},
    {"Decimal", u"1.5", 1.5},
    {"Exponent", u"5E3", 5000.0},
    {"LowerExponentSigned", u"1e+3", 1000.0},
    {"NegativeExponent", u"1E-5", 1e-5},
    {"Minus", u"-5", -5.0},
    {"Plus", u"+4", 4.0},
    {"LeadingPoint", u".5", 0.5},
    {"TrailingPoint", u"5.", 5.0},
    {"SecondPointIgnored", u"1.2.3", 1.2},
    {"SecondExponentIgnored", u"1e2e3", 100.0},
    {"ExponentWithoutDigits", u"1e", 1.0},
    {"ExponentSignWithoutDigits", u"1e+", 1.0},
    {"MinusInside", u"1-2", 1.0},
    {"CommaEndsNumber", u"1,5", 1.0},
    {"TrailingText", u"12abc", 12.0},
    {"Empty", u"", 0.0},
    {"LonePoint", u".", 0.0},
    {"LoneSign", u"-", 0.0},
    {"TwoSigns", u"--5", 0.0},
    {"LoneE", u"e5", 0.0},
    {"LeadingBlank", u" 12", 0.0},
    {"InfinityIsNoNumber", u"inf", 0.0},
    {"NanIsNoNumber", u"nan", 0.0},
    {"HexIsZeroThenText", u"0x10", 0.0},
    {"FullWidthDigit", u"\uFF11", 0.0},
    {"Subnormal", u"1E-310", 1e-310},
    {"Underflow", u"1E-999", 0.0},
    {"UnderflowWithLongMantissa", u"0.000000000000001e-400", 0.0},
    {"UnderflowHugeExponent", u"1e-99999999999999999999999", 0.0},
    {"ZeroHugeExponent", u"0e99999999999999999999999", 0.0},
    {"Largest", u"1.7976931348623157E308", std::numeric_limits<double>::max()},
    {"Overflow", u"1E999", std::nullopt},
    {"OverflowNegative", u"-1E999", std::nullopt},
    {"OverflowJustPastMax", u"1.8E308", std::nullopt},
    {"OverflowFourHundredDigits", std::u16string(400, u'9'), std::nullopt},
    {"OverflowHugeExponent", u"1e99999999999999999999999", std::nullopt},
    {"OverflowSmallMantissa", u"0.001e312", std::nullopt},
    {"MillionDigitsOverflow", std::u16string(1'000'000, u'1'), std::nullopt},
    {"MillionZerosThenOne", u"0." + std::u16string(1'000'000, u'0') + u"1", 0.0},
    // 1E-1000000 raised by 1E1000005: the exponent weighs against every fraction digit.
    {"MillionCharactersReadAsTenToTheFifth",
     u"0." + std::u16string(999'999, u'0') + u"1e1000005",
     1e5},
    {"MillionCharactersBeyondRange",
     u"0." + std::u16string(999'999, u'0') + u"1e2000000",
     std::nullopt},
};

class ParseTest : public ::testing::TestWithParam<ParseCase>
{};

void expectParses(const ParseCase &c)
{
    const std::optional<double> value = parseLeadingNumber(c.text);
    if (!c.value) {
        EXPECT_FALSE(value.has_value()) << *value;
        return;
    }
    ASSERT_TRUE(value.has_value());
    // Correctly rounded, so the same double as the literal.
    EXPECT_EQ(*value, *c.value);
}

TEST_P(ParseTest, ReadsLeadingNumber)
{
    expectParses(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseTest, ::testing::ValuesIn(parseCases), CaseName());

TEST(ParseTest, UnderflowKeepsSign)
{
    EXPECT_TRUE(std::signbit(*parseLeadingNumber(u"-1E-999")));
}

struct FormatCase
{
    const char *name;
    double value;
    std::u16string_view separator; // the locale's whole decimal point
    std::u16string text;
    std::u16string (*format)(double, std::u16string_view) = formatHundredths;
};

const FormatCase formatCases[] = {
    {"SampleRb1", 7.818181818181818, u".", u"7.82"},
    {"SampleRb1Italian", 7.818181818181818, u",", u"7,82"},
    {"RoundsUp", 0.0766, u",", u"0,08"},
    {"LeadingZero", 0.5, u".", u"0.50"},
    {"Integer", 20.0, u",", u"20,00"},
    {"NoGroupSeparator", 22443.27, u",", u"22443,27"},
    {"Negative", -2.5, u",", u"-2,50"},
    {"NegativeBelowOneHundredth", -0.001, u".", u"-0.00"},
    {"Zero", 0.0, u".", u"0.00"},
    {"NegativeZeroHasNoMinus", -0.0, u".", u"0.00"},
    {"Tiny", 1e-300, u".", u"0.00"},
    {"Huge", 1e20, u".", u"100000000000000000000.00"},
    {"TieToEven", 0.125, u".", u"0.12"},
    {"TwoUnitSeparator", -1.5, u"\u066B\u066B", u"-1\u066B\u066B50"},
    {"SeparatorBeyondTheBmp", 7.818181818181818, u"\U0001D15F", u"7\U0001D15F82"},
};

// Currents in the tooltips: three significant digits, two decimals at least.
const FormatCase threeSignificantCases[] = {
    {"Tenths", 0.6324, u",", u"0,632", formatThreeSignificant},
    {"Hundredths", 0.07683, u",", u"0,0768", formatThreeSignificant},
    {"Thousandths", -0.006789, u",", u"-0,00679", formatThreeSignificant},
    {"CarriesIntoTenths", 0.09996, u",", u"0,100", formatThreeSignificant},
    {"CarriesIntoUnits", 0.9996, u".", u"1.00", formatThreeSignificant},
    {"CarriesWithTwoUnitSeparator",
     0.0009996,
     u"\u066B\u066B",
     u"0\u066B\u066B00100",
     formatThreeSignificant},
    {"PowerOfTen", 0.001, u".", u"0.00100", formatThreeSignificant},
    {"UnitsKeepTwoDecimals", 4.873, u",", u"4,87", formatThreeSignificant},
    {"TensKeepTwoDecimals", 48.7, u",", u"48,70", formatThreeSignificant},
    {"MillionsInPowersOfTen", -1.2e298, u",", u"-1,20E+298", formatThreeSignificant},
    {"NegativeZeroHasNoMinus", -0.0, u".", u"0.00", formatThreeSignificant},
};

class FormatTest : public ::testing::TestWithParam<FormatCase>
{};

TEST_P(FormatTest, Formats)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(c.format(c.value, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(Hundredths, FormatTest, ::testing::ValuesIn(formatCases), CaseName());
INSTANTIATE_TEST_SUITE_P(ThreeSignificant,
                         FormatTest,
                         ::testing::ValuesIn(threeSignificantCases),
                         CaseName());

TEST(FormatTest, LargestDoubleFits)
{
    const std::u16string text = formatHundredths(std::numeric_limits<double>::max(), u".");
    EXPECT_EQ(text.size(), 309U + 3U);
    EXPECT_EQ(text.substr(0, 6), u"179769");
}

// Under an Italian C locale, strtod and printf use ","; the conversions here must not change.
TEST(LocaleTest, ItalianCLocaleChangesNothing)
{
    const char *previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    // Its name in glibc, then in Windows' C library.
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8") && !std::setlocale(LC_ALL, "Italian_Italy.1252")) {
        if (std::getenv("BRENVOLA_REQUIRE_LOCALES"))
            FAIL() << "the it_IT.UTF-8 locale is not generated";
        GTEST_SKIP() << "it_IT.UTF-8 is not generated on this machine";
    }
    ASSERT_EQ(std::strtod("1.5", nullptr), 1.0) << "the locale is not really Italian";
    for (const ParseCase &c : parseCases)
        expectParses(c);
    for (const std::span<const FormatCase> cases :
         {std::span<const FormatCase>(formatCases),
          std::span<const FormatCase>(threeSignificantCases)})
        for (const FormatCase &c : cases)
            EXPECT_EQ(c.format(c.value, c.separator), c.text) << c.name;
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
