#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "namedcase.h"
#include "notes/datasheetchecknotes.h"
#include "samplevariables.h"
#include "worstcase/datasheetcheck.h"

namespace {

const double sampleRb1One = (5.0 - 0.7) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0);  // 7.8181...
const double sampleRb1Two = (12.0 - 1.0) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0); // 20

constexpr std::optional<Series> allSeries = std::nullopt;

// A check as the test expects it: found by its series, figure and name; its value and limit
// within half a unit of their last digit given here.
struct ExpectedCheck
{
    std::optional<Series> series;
    CheckedFigure figure;
    std::u16string_view name;
    std::optional<double> value;
    std::optional<double> limit;
    Verdict verdict;
    VceGuaranteed vce = VceGuaranteed::None;            // ForcedGain
    ResistorRating rating = ResistorRating::EighthWatt; // ResistorPower
    double tolerance = 0.005;
};

struct CheckCase
{
    const char *name;
    bool twoTransistors;
    FormVariables values;
    CornerRanges corners;
    std::size_t count; // checks in all
    std::vector<ExpectedCheck> expected;
};

CornerRanges bought(std::u16string_view q1, std::u16string_view q2 = {}, double ambient = 25)
{
    CornerRanges c;
    c.Tmax = ambient;
    c.parts[q2.empty() ? CornerRanges::Q1OneTransistor : CornerRanges::Q1TwoTransistors] =
        transistorByKey(q1);
    if (!q2.empty())
        c.parts[CornerRanges::Q2] = transistorByKey(q2);
    return c;
}

FormVariables withR1(FormVariables v, double R1)
{
    v.R1 = R1;
    v.Rb1 = 11.0 / (0.7 / R1 + 0.48);
    return v;
}

class DatasheetCheckTest : public ::testing::TestWithParam<CheckCase>
{};

void expectNear(const std::optional<double> &actual,
                const std::optional<double> &expected,
                double tolerance)
{
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (expected) {
        EXPECT_NEAR(*actual, *expected, tolerance);
    }
}

TEST_P(DatasheetCheckTest, FiguresAndVerdicts)
{
    const CheckCase &c = GetParam();
    const std::vector<DatasheetCheck> checks =
        datasheetChecks(c.twoTransistors ? fitTwoTransistors(c.values, c.corners)
                                         : fitOneTransistor(c.values, c.corners));
    EXPECT_EQ(checks.size(), c.count);
    for (const ExpectedCheck &e : c.expected) {
        const auto found = std::ranges::find_if(checks, [&](const DatasheetCheck &check) {
            return check.series == e.series && check.figure == e.figure && check.name == e.name;
        });
        ASSERT_NE(found, checks.end())
            << std::string(e.name.begin(), e.name.end()) << ' ' << static_cast<int>(e.figure);
        SCOPED_TRACE(std::string(e.name.begin(), e.name.end()) + " figure "
                     + std::to_string(static_cast<int>(e.figure)));
        expectNear(found->value, e.value, e.tolerance);
        expectNear(found->limit, e.limit, e.tolerance);
        EXPECT_EQ(found->verdict, e.verdict);
        if (e.figure == CheckedFigure::ForcedGain) {
            EXPECT_EQ(found->vce, e.vce);
        }
        if (e.figure == CheckedFigure::ResistorPower) {
            EXPECT_EQ(found->rating, e.rating);
        }
    }
}

using enum CheckedFigure;
using enum Verdict;

INSTANTIATE_TEST_SUITE_P(
    Designs,
    DatasheetCheckTest,
    ::testing::Values(
        // A 2N3904 as Q1: IL 40 against 200 mA; the gain typed, 100, above the 60 it guarantees
        // at 50 mA. At the least base current of E24 3.9 k, 40 / 0.8890 = 45 exceeds the 10 of
        // its VCE(sat) test but not the 60 of its gain: only VCE <= 1 V; 40 x 1 + 1.188 x 0.95
        // = 41.13 mW of 625. Rb1: 1.188^2 x 3.705 = 5.23 mW; R1: 0.95^2 / 9.5 = 0.095 mW.
        // Per series: Q1's forced gain and power, Rb1, R1; IL and the gain once.
        CheckCase{"Sample2N3904",
                  false,
                  sample(sampleRb1One),
                  bought(u"2N3904"),
                  2 + 3 * 4,
                  {{allSeries, CollectorCurrent, u"Q1", 40, 200, Holds},
                   {allSeries, Gain, u"Q1", 100, 60, Exceeds},
                   {Series::E12, ForcedGain, u"Q1", 47.70, 10, Exceeds, VceGuaranteed::GainTest},
                   {Series::E12, TransistorPower, u"Q1", 41.19, 625, Holds},
                   {Series::E12, ResistorPower, u"Rb1", 5.52, 125, Holds},
                   {Series::E24, ForcedGain, u"Q1", 44.99, 10, Exceeds, VceGuaranteed::GainTest},
                   {Series::E24, TransistorPower, u"Q1", 41.13, 625, Holds},
                   {Series::E24, ResistorPower, u"Rb1", 5.23, 125, Holds},
                   {Series::E24, ResistorPower, u"R1", 0.0950, 125, Holds, {}, {}, 0.00005},
                   {Series::E96, ForcedGain, u"Q1", 49.31, 10, Exceeds, VceGuaranteed::GainTest},
                   {Series::E96, TransistorPower, u"Q1", 40.96, 625, Holds},
                   {Series::E96, ResistorPower, u"R1", 0.0912, 125, Holds, {}, {}, 0.00005}}},
        // The gain typed at 10, IL 10 mA: E24 buys 2.7 k, whose largest base current, 4.4 /
        // 2.565 - 0.6 / 10 = 1.655 mA, passes the 10/1 mA VBE(sat) row's: the 50/5 mA row's
        // 0.95 V holds. Its least base current 4.05 / 2.835 - 0.95 / 9.5 = 1.329 mA: 10 / 1.329
        // = 7.53, within the 10 of the VCE(sat) test at 10 mA, which guarantees 0.2 V; 10 x 0.2 +
        // 1.7154 x 0.95 = 3.630 mW.
        CheckCase{"Saturated2N3904",
                  false,
                  [] {
                      FormVariables v = sample(4.3 / (0.07 + 1.2));
                      v.IL = 10;
                      v.hFE1min = 10;
                      return v;
                  }(),
                  bought(u"2N3904"),
                  2 + 3 * 4,
                  {{allSeries, Gain, u"Q1", 10, 100, Holds},
                   {Series::E24,
                    ForcedGain,
                    u"Q1",
                    7.527,
                    10,
                    Holds,
                    VceGuaranteed::Saturation,
                    {},
                    0.0005},
                   {Series::E24, TransistorPower, u"Q1", 3.630, 625, Holds, {}, {}, 0.0005}}},
        // Q1 a BC327-40 at 40 mA, below its first gain row: no gain guaranteed there, so no VCE
        // and no power to check. Q2 a 2N3904 up to 70 °C, where the lowest Vbe falls to 0.6 -
        // 0.09 = 0.51 V: E12 buys Rb1 6.8 k, whose largest current 11.49 / 6.12 = 1.8775 mA is
        // Q2's; 70 guaranteed at 1 V (the 1 mA row), and Rb2 27 k's least base current, at
        // 25 °C, 4.15 / 29.7 - 0.85 / 9 = 0.04529 mA forces 41.46, beyond the 10 of the VCE(sat)
        // test but within 70: only 1 V; 1.8775 x 1 + 4.49 / 24.3 x 0.85 = 2.0345 mW. At 70 °C a
        // TO-92 rated 625 mW keeps 625 - 5 x 45 = 400.
        CheckCase{"BC327AndN3904At70C",
                  true,
                  sample(sampleRb1Two),
                  bought(u"BC327-40", u"2N3904", 70),
                  2 + 3 * 10,
                  {{allSeries, Gain, u"Q1", 100, 40, NotGuaranteed},
                   {Series::E12, ForcedGain, u"Q1", 31.49, 10, Exceeds, VceGuaranteed::None},
                   {Series::E12, TransistorPower, u"Q1", std::nullopt, 400, NotGuaranteed},
                   {Series::E12, CollectorCurrent, u"Q2", 1.8775, 200, Holds, {}, {}, 0.00005},
                   {Series::E12, Gain, u"Q2", 100, 70, Exceeds},
                   {Series::E12, ForcedGain, u"Q2", 41.46, 10, Exceeds, VceGuaranteed::GainTest},
                   {Series::E12, TransistorPower, u"Q2", 2.0345, 400, Holds, {}, {}, 0.00005}}},
        // No part bought: the resistors alone, two in E12, which buys no Rb2, four in E24 and
        // E96. R1 4 ohm takes 0.8^2 / (0.004 x 0.9) = 177.8 mW, a 1/4 W part; Rb1 carries Q2's
        // 175 mA, beyond 1/4 W.
        CheckCase{"ResistorsBeyondAnEighthWatt",
                  true,
                  withR1(sample(0), 0.004),
                  {},
                  2 + 2 * 4,
                  {{Series::E12,
                    ResistorPower,
                    u"R1",
                    177.78,
                    125,
                    Holds,
                    {},
                    ResistorRating::QuarterWatt},
                   {Series::E12,
                    ResistorPower,
                    u"Rb1",
                    3702.56,
                    125,
                    Exceeds,
                    {},
                    ResistorRating::BeyondQuarterWatt}}}),
    CaseName());

// What the values to buy guarantee, as the summary says it: saturation where the forced gain is
// within the VCE(sat) test, only the gain test's VCE where it is within the least gain, and the
// gain as typed for a transistor not bought.
TEST(Guarantee, SummaryLines)
{
    struct Case
    {
        const char *name;
        double IL, hFE1min; // [mA], [-]
        const char16_t *part;
        std::u16string line;
    };
    for (const Case &c :
         {// Ib 1,5 mA for 10 mA: the 10/1 mA test's 0,2 V holds in every series.
          Case{"Saturated",
               10,
               8,
               u"2N3904",
               u"Q1 (2N3904), al caso peggiore con il valore da acquistare: in ogni serie "
               u"VCE(sat)\u00a0\u2264\u00a00,2\u00a0V (datasheet, "
               u"Ic/Ib\u00a0\u2264\u00a010 a 10\u00a0mA)."},
          // The sample: Ic/Ib about 46, within the 2N3904's hFE 60 at 50 mA, 1 V.
          Case{"GainTestOnly",
               40,
               100,
               u"2N3904",
               u"Q1 (2N3904), al caso peggiore con il valore da acquistare: in ogni serie solo "
               u"VCE\u00a0\u2264\u00a01\u00a0V (prova del guadagno)."},
          Case{"AsTyped",
               40,
               100,
               nullptr,
               u"Q1: guadagno come inserito; nessuna VCE garantita da un datasheet."}}) {
        FormVariables v = sample(0);
        v.IL = c.IL;
        v.hFE1min = c.hFE1min;
        v.Rb1 = 4.3 / (0.07 + 1.2 * c.IL / c.hFE1min);
        CornerRanges corners;
        if (c.part)
            corners.parts[CornerRanges::Q1OneTransistor] = transistorByKey(c.part);
        EXPECT_EQ(guaranteeLines(fitOneTransistor(v, corners), u","),
                  std::vector<std::u16string>{c.line})
            << c.name;
    }
}

} // namespace
