#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "worstcase/standardresistor.h"

#include "namedcase.h"

namespace {

// ---------------------------------------------------------------------------------------------
// The largest standard value not above a resistance, at the edges of the decades.

struct LookupCase
{
    const char *name;
    Series series;
    double kiloohms;
    std::optional<NoStandardValue> none; // set: no standard value, for this reason
    std::u16string_view point;
    std::u16string text;         // the value found, as the series writes it
    std::u16string inKiloohms{}; // and as a number in kohm
};

class LookupTest : public ::testing::TestWithParam<LookupCase>
{};

TEST_P(LookupTest, FindsTheLargestNotAbove)
{
    const LookupCase &c = GetParam();
    const auto found = largestNotAbove(c.series, c.kiloohms);
    if (c.none) {
        ASSERT_TRUE(std::holds_alternative<NoStandardValue>(found));
        EXPECT_EQ(std::get<NoStandardValue>(found), *c.none);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<StandardResistor>(found));
    EXPECT_EQ(resistorText(std::get<StandardResistor>(found), c.point), c.text);
    EXPECT_EQ(kiloohmsText(std::get<StandardResistor>(found), c.point), c.inKiloohms);
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values,
    LookupTest,
    ::testing::Values(
        // 0.001 kohm is the bottom of the range itself.
        LookupCase{"OneOhm", Series::E24, 0.001, {}, u",", u"1 ohm", u"0,001"},
        // 0.9999 ohm lies below 1 ohm.
        LookupCase{"BelowOneOhm", Series::E24, 0.0009999, NoStandardValue::BelowRange, u",", u""},
        // 10000 kohm is the top of the range itself.
        LookupCase{"TenMegohm", Series::E12, 10000.0, {}, u",", u"10 Mohm", u"10000"},
        // 10000.001 kohm is 1e-7 above 10 Mohm: beyond rounding.
        LookupCase{
            "AboveTenMegohm", Series::E12, 10000.001, NoStandardValue::AboveRange, u",", u""},
        LookupCase{"Infinite", Series::E12, inf, NoStandardValue::AboveRange, u",", u""},
        // 1000 kohm starts the Mohm decade.
        LookupCase{"OneMegohm", Series::E12, 1000.0, {}, u",", u"1 Mohm", u"1000"},
        // 999.99 kohm: 1 Mohm is above it, 910 kohm the last E24 value of the decade.
        LookupCase{"JustBelowOneMegohm", Series::E24, 999.99, {}, u",", u"910 kohm", u"910"},
        // 9.99 kohm: E12 ends its decade at 8.2, E24 at 9.1.
        LookupCase{"JustBelowTenKiloohmE12", Series::E12, 9.99, {}, u",", u"8,2 kohm", u"8,2"},
        LookupCase{"JustBelowTenKiloohmE24", Series::E24, 9.99, {}, u",", u"9,1 kohm", u"9,1"},
        // 20 less one unit in the last place is 20 within rounding; 19.9999 is not (18 below).
        LookupCase{"OneUlpBelowTwenty",
                   Series::E24,
                   std::nextafter(20.0, 0.0),
                   {},
                   u",",
                   u"20 kohm",
                   u"20"},
        LookupCase{"ClearlyBelowTwenty", Series::E24, 19.9999, {}, u",", u"18 kohm", u"18"},
        // 0.5 kohm: E12 has 470 and 560 ohm.
        LookupCase{"Ohms", Series::E12, 0.5, {}, u",", u"470 ohm", u"0,47"},
        // 1300 kohm: E12 has 1.2 and 1.5 Mohm; the decimal point is two code units long.
        LookupCase{"TwoUnitPoint",
                   Series::E12,
                   1300.0,
                   {},
                   u"\u200F\u066B",
                   u"1\u200F\u066B2 Mohm",
                   u"1200"},
        // E96, three digits: 7.818 kohm falls between 7.68 and 7.87; 20 kohm is a value; 0.55 kohm
        // lies above 549 ohm.
        LookupCase{"ThreeDigitsE96", Series::E96, 7.818, {}, u",", u"7,68 kohm", u"7,68"},
        LookupCase{"TwentyKiloohmE96", Series::E96, 20.0, {}, u",", u"20 kohm", u"20"},
        LookupCase{"OhmsE96", Series::E96, 0.55, {}, u",", u"549 ohm", u"0,549"},
        LookupCase{"TenMegohmE96", Series::E96, 10000.0, {}, u",", u"10 Mohm", u"10000"},
        LookupCase{"Zero", Series::E24, 0.0, NoStandardValue::NotPositive, u",", u""},
        LookupCase{"Negative", Series::E24, -5.0, NoStandardValue::NotPositive, u",", u""},
        LookupCase{"NotANumber", Series::E24, nan, NoStandardValue::NotPositive, u",", u""}),
    CaseName());

} // namespace
