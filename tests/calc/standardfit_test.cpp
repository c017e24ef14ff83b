#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "nominal/messages.h"
#include "notes/datasheetchecknotes.h"
#include "notes/resultnotes.h"
#include "worstcase/standardfit.h"

#include "namedcase.h"
#include "samplevariables.h"

namespace {

// ---------------------------------------------------------------------------------------------
// Designs: the standard values of both series and the currents recomputed for them.

// What one series gives for one base resistor.
struct Expected
{
    std::optional<NoFit> none;    // set: no standard value, for this reason
    double kiloohms = 0;          // the standard value
    double current = 0;           // Ii, or Ic2 for Rb1 of the two-transistor circuit [mA]
    double baseCurrent = 0;       // [mA]
    std::optional<double> margin; // [%]
    // The worst case, where the row gives it: margin [%] and largest current [mA].
    bool worstGiven = false;
    std::optional<double> worstMargin;
    double largestCurrent = 0;

    Expected worst(std::optional<double> w, double largest) const
    {
        Expected e = *this;
        e.worstGiven = true;
        e.worstMargin = w;
        e.largestCurrent = largest;
        return e;
    }
};

Expected noFit(NoFit reason)
{
    Expected e;
    e.none = reason;
    return e;
}

Expected fit(double r, double i, double ib, std::optional<double> margin)
{
    Expected e;
    e.kiloohms = r;
    e.current = i;
    e.baseCurrent = ib;
    e.margin = margin;
    return e;
}

struct DesignCase
{
    const char *name;
    bool twoTransistors;
    FormVariables values;
    std::array<Expected, 3> rb1; // E12, E24, E96
    std::array<Expected, 3> rb2; // two-transistor circuit only
};

FormVariables with(FormVariables v, double FormVariables::*field, double value)
{
    v.*field = value;
    return v;
}

// The hand calculations carry four significant digits.
void expectClose(double value, double expected, const char *what)
{
    EXPECT_NEAR(value, expected, 1e-3 * std::fabs(expected)) << what;
}

void expectFit(const Fit &fit, const Expected &e)
{
    if (e.none) {
        ASSERT_TRUE(std::holds_alternative<NoFit>(fit));
        EXPECT_EQ(std::get<NoFit>(fit), *e.none);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<StageFit>(fit));
    const StageFit &f = std::get<StageFit>(fit);
    EXPECT_EQ(f.resistor.kiloohms(), e.kiloohms);
    expectClose(f.current, e.current, "current");
    expectClose(f.baseCurrent, e.baseCurrent, "base current");
    ASSERT_EQ(f.margin.has_value(), e.margin.has_value());
    if (e.margin)
        expectClose(*f.margin, *e.margin, "margin");
    if (!e.worstGiven)
        return;
    ASSERT_EQ(f.worstMargin.has_value(), e.worstMargin.has_value());
    if (e.worstMargin)
        expectClose(*f.worstMargin, *e.worstMargin, "worst-case margin");
    expectClose(f.largestCurrent, e.largestCurrent, "largest current");
}

class DesignTest : public ::testing::TestWithParam<DesignCase>
{};

TEST_P(DesignTest, RecomputesTheCurrentsForEachSeries)
{
    const DesignCase &c = GetParam();
    const StandardFits fits =
        c.twoTransistors ? fitTwoTransistors(c.values) : fitOneTransistor(c.values);
    const std::array series{Series::E12, Series::E24, Series::E96};
    for (std::size_t i = 0; i < series.size(); ++i) {
        SCOPED_TRACE(std::string(seriesName(series[i]).begin(), seriesName(series[i]).end()));
        EXPECT_EQ(fits.series[i].series, series[i]);
        expectFit(fits.series[i].rb1, c.rb1[i]);
        ASSERT_EQ(fits.series[i].rb2.has_value(), c.twoTransistors);
        if (c.twoTransistors)
            expectFit(*fits.series[i].rb2, c.rb2[i]);
    }
}

const double sampleRb1One = (5.0 - 0.7) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0);  // 7.8181...
const double sampleRb1Two = (12.0 - 1.0) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0); // 20, or an ulp off

// Worst cases: the least base current at Vbe 0.8 V (and Q2's Vce(sat) 0.3 V) with Rs at +t and
// R1 (R2) at -t; the largest current through Rs at Vbe 0.6 V (and Vce(sat) 0 V) with Rs at -t;
// for Q2 the least Ib2 against Rs1's largest current. Where Rbe takes the whole least current the
// transistor is off: no worst margin.
INSTANTIATE_TEST_SUITE_P(
    Designs,
    DesignTest,
    ::testing::Values(
        DesignCase{"OneTransistorSample",
                   false,
                   sample(sampleRb1One),
                   // E12 6.8: Ii = 4.3 / 6.8 = 0.6324, Ib1 = 0.5624, 0.5624 x 100 / 40 - 1 = 40.59
                   // %; 4.2 / 7.48 - 0.8 / 9 = 0.4726, 18.15 %; 4.4 / 6.12 = 0.7190
                   {fit(6.8, 0.6324, 0.5624, 40.59).worst(18.15, 0.7190),
                    // E24 7.5: Ii = 0.5733, Ib1 = 0.5033, 25.83 %; 4.2 / 7.875 - 0.8 / 9.5 =
                    // 0.4491, 12.28 %; 4.4 / 7.125 = 0.6175
                    fit(7.5, 0.5733, 0.5033, 25.83).worst(12.28, 0.6175),
                    // E96 7.68: Ii = 0.5599, Ib1 = 0.4899, 22.47 %; 4.2 / 7.757 - 0.8 / 9.9 =
                    // 0.4607, 15.16 %; 4.4 / 7.603 = 0.5787
                    fit(7.68, 0.5599, 0.4899, 22.47).worst(15.16, 0.5787)},
                   {}},
        DesignCase{"TwoTransistorSample",
                   true,
                   sample(sampleRb1Two),
                   // E12 18: Ic2 = 11 / 18 = 0.6111, Ib1 = 0.5411, 35.28 %; 10.9 / 19.8 - 0.8 / 9
                   // = 0.4616, 15.40 %; 11.4 / 16.2 = 0.7037
                   {fit(18.0, 0.6111, 0.5411, 35.28).worst(15.40, 0.7037),
                    // E24 20 is Rb1 itself: Ic2 = 0.55, Ib1 = 0.48, 20 %; 10.9 / 21 - 0.8 / 9.5
                    // = 0.4348, 8.709 %; 11.4 / 19 = 0.6
                    fit(20.0, 0.55, 0.48, 20.0).worst(8.709, 0.6),
                    // E96 20.0: 20 %; 10.9 / 20.2 - 0.8 / 9.9 = 0.4588, 14.70 %; 11.4 / 19.8
                    fit(20.0, 0.55, 0.48, 20.0).worst(14.70, 0.5758)},
                   // E12: Ib2 = 0.6111 x 1.2 / 100, Ii = 0.07733, Rb2 = 55.60 -> 47: Ii = 0.09149,
                   // Ib2 = 0.02149, 0.02149 x 100 / 0.6111 - 1 = 251.6 %; 4.2 / 51.7 = 0.0812 is
                   // less than R2's 0.8 / 9 = 0.0889: Q2 off; 4.4 / 42.3 = 0.1040
                   {fit(47.0, 0.09149, 0.02149, 251.6).worst(std::nullopt, 0.1040),
                    // E24: Rb2 = 56.14 -> 56: Ii = 0.07679, Ib2 = 0.006786, 23.38 %; 4.2 / 58.8
                    // = 0.0714 < 0.8 / 9.5 = 0.0842: off; 4.4 / 53.2 = 0.08271
                    fit(56.0, 0.07679, 0.006786, 23.38).worst(std::nullopt, 0.08271),
                    // E96: Rb2 = 56.14 -> 54.9: Ii = 0.07832, Ib2 = 0.008324, 51.35 %;
                    // 4.2 / 55.45 = 0.0757 < 0.8 / 9.9 = 0.0808: off; 4.4 / 54.35 = 0.08096
                    fit(54.9, 0.07832, 0.008324, 51.35).worst(std::nullopt, 0.08096)}},
        DesignCase{"JustBelowADecade",
                   false,
                   sample(9.99),
                   // E12 8.2: Ii = 4.3 / 8.2 = 0.5244, Ib1 = 0.4544, 13.60 %
                   {fit(8.2, 0.5244, 0.4544, 13.60),
                    // E24 9.1: Ii = 4.3 / 9.1 = 0.4725, Ib1 = 0.4025, 0.632 %
                    fit(9.1, 0.4725, 0.4025, 0.6319),
                    // E96 9.76: Ii = 0.4406, Ib1 = 0.3706, -7.357 % (Rb1 set above the design's)
                    fit(9.76, 0.4406, 0.3706, -7.357)},
                   {}},
        // Vi 0.5: Rb1 = -0.2 / 0.55 = -0.3636.
        DesignCase{
            "InputBelowVbe",
            false,
            with(sample(-0.2 / 0.55), &FormVariables::Vi, 0.5),
            {noFit(NoFit::NotPositive), noFit(NoFit::NotPositive), noFit(NoFit::NotPositive)},
            {}},
        // Vi 10000: Rb1 = 9999.3 / 0.55 = 18180 kohm, above 10 Mohm.
        DesignCase{"AboveTenMegohm",
                   false,
                   with(sample(9999.3 / 0.55), &FormVariables::Vi, 10000.0),
                   {noFit(NoFit::AboveRange), noFit(NoFit::AboveRange), noFit(NoFit::AboveRange)},
                   {}},
        // R2 0.0001: Rb1 as in the sample; Ii = 7000 + Ib2, Rb2 = 4.3 / 7000 = 0.61 ohm.
        DesignCase{"TwoRb2BelowOneOhm",
                   true,
                   with(sample(sampleRb1Two), &FormVariables::R2, 0.0001),
                   {fit(18.0, 0.6111, 0.5411, 35.28),
                    fit(20.0, 0.55, 0.48, 20.0),
                    fit(20.0, 0.55, 0.48, 20.0)},
                   {noFit(NoFit::BelowRange), noFit(NoFit::BelowRange), noFit(NoFit::BelowRange)}},
        // Vcc 0.5: Rb1 = -0.5 / 0.55 = -0.9091, so no Rb2 either.
        DesignCase{
            "TwoNegativeRb1",
            true,
            with(sample(-0.5 / 0.55), &FormVariables::Vcc, 0.5),
            {noFit(NoFit::NotPositive), noFit(NoFit::NotPositive), noFit(NoFit::NotPositive)},
            {noFit(NoFit::NoFirstStage), noFit(NoFit::NoFirstStage), noFit(NoFit::NoFirstStage)}},
        // Vi 0.5: Rb1 as in the sample, Rb2 = -0.2 / Ii is negative.
        DesignCase{
            "TwoInputBelowVbe",
            true,
            with(sample(sampleRb1Two), &FormVariables::Vi, 0.5),
            {fit(18.0, 0.6111, 0.5411, 35.28),
             fit(20.0, 0.55, 0.48, 20.0),
             fit(20.0, 0.55, 0.48, 20.0)},
            {noFit(NoFit::NotPositive), noFit(NoFit::NotPositive), noFit(NoFit::NotPositive)}},
        // IL 300: Ib1 = 3.6, Ii = 3.67 < 4, Rb1 = 4.3 / 3.67 = 1.1717.
        DesignCase{"StandardValueCrossesFourMilliamps",
                   false,
                   with(sample(4.3 / 3.67), &FormVariables::IL, 300.0),
                   // E12 1.0: Ii = 4.3, Ib1 = 4.23, 41.00 %; 4.2 / 1.1 - 0.8 / 9 = 3.729,
                   // 24.31 %; 4.4 / 0.9 = 4.889
                   {fit(1.0, 4.3, 4.23, 41.0).worst(24.31, 4.889),
                    // E24 1.1: Ii = 3.909 < 4, Ib1 = 3.839, 27.97 %; 4.2 / 1.155 - 0.8 / 9.5 =
                    // 3.552, 18.41 %; 4.4 / 1.045 = 4.211, over the limit
                    fit(1.1, 3.909, 3.839, 27.97).worst(18.41, 4.211),
                    // E96 1.15: Ii = 3.739, Ib1 = 3.669, 22.30 %; 4.2 / 1.1615 - 0.8 / 9.9 =
                    // 3.535, 17.84 %; 4.4 / 1.1385 = 3.865
                    fit(1.15, 3.739, 3.669, 22.30).worst(17.84, 3.865)},
                   {}},
        // Vi 4.7, IL 300: Rb1 = 4.0 / 3.67 = 1.0899; E12 and E24 1.0: Ii = 4.0 exactly.
        DesignCase{
            "StandardValueGivesExactlyFourMilliamps",
            false,
            with(with(sample(4.0 / 3.67), &FormVariables::IL, 300.0), &FormVariables::Vi, 4.7),
            // Ib1 = 3.93, 31.00 %; E12: 3.9 / 1.1 - 0.8 / 9 = 3.457, 15.22 %; 4.1 / 0.9;
            // E24: 3.9 / 1.05 - 0.8 / 9.5 = 3.630, 21.00 %; 4.1 / 0.95 = 4.316
            {fit(1.0, 4.0, 3.93, 31.0).worst(15.22, 4.556),
             fit(1.0, 4.0, 3.93, 31.0).worst(21.00, 4.316),
             // E96 1.07: Ii = 3.738, Ib1 = 3.668, 22.28 %
             fit(1.07, 3.738, 3.668, 22.28)},
            {}},
        // IL 400: Rb1 = 11 / 4.87 = 2.2587 -> 2.2 in E12 and E24; Ic2 = 5 mA. Ib1 = 4.93,
        // 23.25 %. Ib2 = 0.06, Rb2 = 4.3 / 0.13 = 33.08 -> 33: Ii = 0.1303, Ib2 = 0.0603,
        // 20.6 %. E96 2.21: Ic2 = 4.977, Ib1 = 4.907, 22.68 %; Rb2 = 33.15 -> 32.4: Ii = 0.1327,
        // Ib2 = 0.06272, 0.06272 x 100 / 4.977 - 1 = 26.00 %
        DesignCase{"TwoHeavyLoad",
                   true,
                   with(sample(11.0 / 4.87), &FormVariables::IL, 400.0),
                   {fit(2.2, 5.0, 4.93, 23.25),
                    fit(2.2, 5.0, 4.93, 23.25),
                    fit(2.21, 4.977, 4.907, 22.68)},
                   {fit(33.0, 0.1303, 0.06030, 20.61),
                    fit(33.0, 0.1303, 0.06030, 20.61),
                    fit(32.4, 0.1327, 0.06272, 26.00)}},
        // IL 0: Rb1 = 4.3 / 0.07 = 61.43 -> 56 (E12, E24), 60.4 (E96); the margin divides by 0.
        DesignCase{"NoLoadHasNoMargin",
                   false,
                   with(sample(4.3 / 0.07), &FormVariables::IL, 0.0),
                   // E12: 4.2 / 61.6 = 0.0682 < 0.8 / 9: Q1 off at the corner; 4.4 / 50.4
                   {fit(56.0, 0.07679, 0.006786, std::nullopt).worst(std::nullopt, 0.08730),
                    fit(56.0, 0.07679, 0.006786, std::nullopt),
                    fit(60.4, 0.07119, 0.001192, std::nullopt)},
                   {}},
        // R1 0: Ib1 = Ii - 0.7 / 0 cannot be computed.
        DesignCase{
            "ZeroR1",
            false,
            with(sample(sampleRb1One), &FormVariables::R1, 0.0),
            {noFit(NoFit::NotComputable), noFit(NoFit::NotComputable), noFit(NoFit::NotComputable)},
            {}},
        // hFE2min 0: Ib2 = Ic2 x 1.2 / 0 cannot be computed.
        DesignCase{"TwoZeroGainQ2",
                   true,
                   with(sample(sampleRb1Two), &FormVariables::hFE2min, 0.0),
                   {fit(18.0, 0.6111, 0.5411, 35.28),
                    fit(20.0, 0.55, 0.48, 20.0),
                    fit(20.0, 0.55, 0.48, 20.0)},
                   {noFit(NoFit::NotComputable),
                    noFit(NoFit::NotComputable),
                    noFit(NoFit::NotComputable)}}),
    CaseName());

// ---------------------------------------------------------------------------------------------
// The value to buy: the largest whose worst case gives the margin asked for with Ii max below
// 4 mA, or why none does.

struct Bought
{
    std::optional<NoPurchase> none;
    double kiloohms = 0;
    double margin = 0;      // nominal [%]
    double worstMargin = 0; // [%]
    double largestCurrent = 0;
};

Bought buy(double r, double margin, double worst, double largest)
{
    return {std::nullopt, r, margin, worst, largest};
}

Bought noBuy(NoPurchase reason)
{
    return {reason};
}

void expectPurchase(const Purchase &purchase, const Bought &e)
{
    if (e.none) {
        ASSERT_TRUE(std::holds_alternative<NoPurchase>(purchase));
        EXPECT_EQ(std::get<NoPurchase>(purchase), *e.none);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<StageFit>(purchase));
    const StageFit &f = std::get<StageFit>(purchase);
    EXPECT_EQ(f.resistor.kiloohms(), e.kiloohms);
    ASSERT_TRUE(f.margin && f.worstMargin);
    expectClose(*f.margin, e.margin, "margin");
    expectClose(*f.worstMargin, e.worstMargin, "worst-case margin");
    expectClose(f.largestCurrent, e.largestCurrent, "largest current");
}

struct PurchaseCase
{
    const char *name;
    bool twoTransistors;
    FormVariables values;
    std::array<Bought, 3> rb1; // E12, E24, E96
    std::array<Bought, 3> rb2;
    CornerRanges corners{}; // the designer's, where set
};

CornerRanges e24AtOnePercent()
{
    CornerRanges c;
    c.tolerancePercent[1] = 1;
    return c;
}

CornerRanges vbeUpTo(double highest)
{
    CornerRanges c;
    c.VbeHighest = highest;
    return c;
}

// Driven by an output of the list, and Vcc within a tolerance [%].
CornerRanges drivenBy(std::u16string_view key, double VccTolerance = 0)
{
    CornerRanges c;
    c.outputEntry = logicOutputByKey(key);
    c.output = c.outputEntry->figures;
    c.VccTolerancePercent = VccTolerance;
    return c;
}

// The transistors bought: Q1, and Q2 where given.
CornerRanges
bought(CornerRanges::Slot q1, std::u16string_view part1, std::u16string_view part2 = {})
{
    CornerRanges c;
    c.parts[q1] = transistorByKey(part1);
    if (!part2.empty())
        c.parts[CornerRanges::Q2] = transistorByKey(part2);
    return c;
}

// The operating temperature range [°C].
CornerRanges between(double Tmin, double Tmax)
{
    CornerRanges c;
    c.Tmin = Tmin;
    c.Tmax = Tmax;
    return c;
}

// A 2N3904 driven by a 74HC at 5 V, with saturation guaranteed by the datasheet asked for, a
// transistor typed at Ic/Ib up to forcedGain.
CornerRanges saturated(double forcedGain)
{
    CornerRanges c = drivenBy(u"74HC-5V");
    c.parts[CornerRanges::Q1OneTransistor] = transistorByKey(u"2N3904");
    c.saturationForcedGain = forcedGain;
    return c;
}

// The design for a load current IL [mA], Rb1 as the press computes it from Vi 5 V.
FormVariables withIL(FormVariables v, double IL)
{
    v.IL = IL;
    v.Rb1 = 4.3 / (0.07 + 1.2 * IL / v.hFE1min);
    return v;
}

CornerRanges vccWithin(double tolerance)
{
    CornerRanges c;
    c.VccTolerancePercent = tolerance;
    return c;
}

class PurchaseTest : public ::testing::TestWithParam<PurchaseCase>
{};

TEST_P(PurchaseTest, HoldsTheMarginAtEveryCorner)
{
    const PurchaseCase &c = GetParam();
    const StandardFits fits = c.twoTransistors ? fitTwoTransistors(c.values, c.corners)
                                               : fitOneTransistor(c.values, c.corners);
    for (std::size_t i = 0; i < fits.series.size(); ++i) {
        SCOPED_TRACE(std::string(seriesName(fits.series[i].series).begin(),
                                 seriesName(fits.series[i].series).end()));
        expectPurchase(fits.series[i].buyRb1, c.rb1[i]);
        ASSERT_EQ(fits.series[i].buyRb2.has_value(), c.twoTransistors);
        if (c.twoTransistors)
            expectPurchase(*fits.series[i].buyRb2, c.rb2[i]);
    }
}

template <typename T> std::array<T, 3> all(T value)
{
    return {value, value, value};
}

INSTANTIATE_TEST_SUITE_P(
    Designs,
    PurchaseTest,
    ::testing::Values(
        // The nearest values below (6.8, 7.5, 7.68) leave 18, 12 and 15 % at the corners.
        PurchaseCase{"OneTransistorSample",
                     false,
                     sample(sampleRb1One),
                     // E12 5.6: Ib1 = 4.3 / 5.6 - 0.07 = 0.6979, 74.46 %; 4.2 / 6.16 - 0.8 / 9 =
                     // 0.5929, 48.23 %; 4.4 / 5.04 = 0.8730
                     {buy(5.6, 74.46, 48.23, 0.8730),
                      // E24 6.8: 40.59 %; 4.2 / 7.14 - 0.8 / 9.5 = 0.5040, 26.01 %; 4.4 / 6.46
                      buy(6.8, 40.59, 26.01, 0.6811),
                      // E96 7.32: 4.3 / 7.32 - 0.07 = 0.5174, 29.36 %; 4.2 / 7.393 - 0.8 / 9.9
                      // = 0.4873, 21.82 %; 4.4 / 7.247 = 0.6072
                      buy(7.32, 29.36, 21.82, 0.6072)},
                     {}},
        // Rb1 first, then Rb2 against that Rb1's largest current. The nearest pairs (18 k and
        // 47 k, 20 k and 56 k, 20 k and 54.9 k) leave Q2 off at a corner.
        PurchaseCase{"TwoTransistorSample",
                     true,
                     sample(sampleRb1Two),
                     // E12 15: Ic2 = 11 / 15 = 0.7333, Ib1 = 0.6633, 65.83 %; 10.9 / 16.5 -
                     // 0.8 / 9 = 0.5717, 42.93 %; Ic2 max at Vce(sat) 0 V = 11.4 / 13.5 = 0.8444
                     {buy(15.0, 65.83, 42.93, 0.8444),
                      // E24 18: 35.28 %; 10.9 / 18.9 - 0.8 / 9.5 = 0.4925, 23.13 %; 11.4 / 17.1
                      buy(18.0, 35.28, 23.13, 0.6667),
                      // E96 19.1: Ic2 = 0.5759, Ib1 = 0.5059, 26.48 %; 10.9 / 19.29 - 0.8 / 9.9
                      // = 0.4842, 21.05 %; 11.4 / 18.91 = 0.6029
                      buy(19.1, 26.48, 21.05, 0.6029)},
                     // E12 33: Ii = 4.3 / 33 = 0.1303, Ib2 = 0.0603, x 100 / 0.7333 - 1 =
                     // 722.3 %; 4.2 / 36.3 - 0.8 / 9 = 0.02681 against 0.8444: 217.5 %;
                     // 4.4 / 29.7 = 0.1481
                     {buy(33.0, 722.3, 217.5, 0.1481),
                      // E24 43: Ii = 0.1, Ib2 = 0.03, 390.9 %; 4.2 / 45.15 - 0.8 / 9.5 =
                      // 0.008812 against 0.6667: 32.19 %; 4.4 / 40.85 = 0.1077
                      buy(43.0, 390.9, 32.19, 0.1077),
                      // E96 46.4: Ii = 0.09267, Ib2 = 0.02267, 293.7 %; 4.2 / 46.86 - 0.8 / 9.9
                      // = 0.008813 against 0.6029: 46.18 %; 4.4 / 45.94 = 0.09579
                      buy(46.4, 293.7, 46.18, 0.09579)}},
        // The designer's corners. E24 at 1 %: 6.8 gives 4.2 / 6.868 - 0.8 / 9.9 = 0.5307,
        // 32.68 %; 4.4 / 6.732 = 0.6536. The other series as in the sample.
        PurchaseCase{"OneTransistorE24AtOnePercent",
                     false,
                     sample(sampleRb1One),
                     {buy(5.6, 74.46, 48.23, 0.8730),
                      buy(6.8, 40.59, 32.68, 0.6536),
                      buy(7.32, 29.36, 21.82, 0.6072)},
                     {},
                     e24AtOnePercent()},
        // Vbe up to 0.9 V: E12 5.6: 4.1 / 6.16 - 0.9 / 9 = 0.5656, 41.40 %; E24 6.8 leaves
        // 19.87 %, 6.2: 4.1 / 6.51 - 0.9 / 9.5 = 0.5351, 33.77 %; E96 7.32 leaves 15.91 %, 6.98:
        // 4.1 / 7.0498 - 0.9 / 9.9 = 0.4907, 22.67 %; Ii max as at 0.8 V.
        PurchaseCase{"OneTransistorVbeUpTo900mV",
                     false,
                     sample(sampleRb1One),
                     {buy(5.6, 74.46, 41.40, 0.8730),
                      buy(6.2, 55.89, 33.77, 0.7470),
                      buy(6.98, 36.51, 22.67, 0.6367)},
                     {},
                     vbeUpTo(0.9)},
        // E24 at 1 %: Rb1 18: 10.9 / 18.18 - 0.8 / 9.9 = 0.5188, 29.69 %; Ic2 max = 11.4 / 17.82
        // = 0.6397; Rb2 43: 4.2 / 43.43 - 0.8 / 9.9 = 0.01590 against it, 148.5 %; 4.4 / 42.57.
        PurchaseCase{"TwoTransistorsE24AtOnePercent",
                     true,
                     sample(sampleRb1Two),
                     {buy(15.0, 65.83, 42.93, 0.8444),
                      buy(18.0, 35.28, 29.69, 0.6397),
                      buy(19.1, 26.48, 21.05, 0.6029)},
                     {buy(33.0, 722.3, 217.5, 0.1481),
                      buy(43.0, 390.9, 148.5, 0.1034),
                      buy(46.4, 293.7, 46.18, 0.09579)},
                     e24AtOnePercent()},
        // Vbe up to 0.9 V: E24 Rb1 16: 10.8 / 16.8 - 0.9 / 9.5 = 0.5481, 37.03 %; Ic2 max =
        // 11.4 / 15.2 = 0.75; Rb2 36: 4.1 / 37.8 - 0.9 / 9.5 = 0.01373 against 0.75, 83.05 %.
        // E12 15 and 33: 38.64 %, 53.33 %; E96 18.7 and 41.2: 20.23 %, 23.75 %.
        PurchaseCase{"TwoTransistorsVbeUpTo900mV",
                     true,
                     sample(sampleRb1Two),
                     {buy(15.0, 65.83, 38.64, 0.8444),
                      buy(16.0, 54.38, 37.03, 0.75),
                      buy(18.7, 29.56, 20.23, 0.6158)},
                     {buy(33.0, 722.3, 53.33, 0.1481),
                      buy(36.0, 619.2, 83.05, 0.1287),
                      buy(41.2, 484.3, 23.75, 0.1079)},
                     vbeUpTo(0.9)},
        // A 74HC at 5 V ±10 %: 3.84 V up to 4 mA, 5.5 V unloaded. E24 6.8 would leave 3.04 /
        // 7.14 - 0.8 / 9.5 = 0.3416, -14.6 %; 5.1: 3.04 / 5.355 - 0.0842 = 0.4835, 20.87 %;
        // Ii max = 4.9 / 4.845 = 1.011. E12 4.7: 3.04 / 5.17 - 0.8 / 9 = 0.4991, 24.78 %.
        PurchaseCase{"OneTransistorFrom74HC",
                     false,
                     sample(sampleRb1One),
                     {buy(4.7, 111.2, 24.78, 1.1584),
                      buy(5.1, 93.28, 20.87, 1.0114),
                      buy(5.36, 83.06, 20.19, 0.92341)},
                     {},
                     drivenBy(u"74HC-5V")},
        // Q2 from 3.84 V: E24 Rb2 30: 3.04 / 31.5 - 0.8 / 9.5 = 0.01230 against 0.6667, 84.46 %;
        // Ii max = 4.9 / 28.5 = 0.1719. Rb1 as in the sample.
        PurchaseCase{"TwoTransistorsFrom74HC",
                     true,
                     sample(sampleRb1Two),
                     {buy(15.0, 65.83, 42.93, 0.8444),
                      buy(18.0, 35.28, 23.13, 0.6667),
                      buy(19.1, 26.48, 21.06, 0.6029)},
                     {buy(27.0, 1117, 59.49, 0.20165),
                      buy(30.0, 1100, 84.46, 0.17193),
                      buy(34.0, 880.5, 28.02, 0.14557)},
                     drivenBy(u"74HC-5V")},
        // A 4000B gate at 5 V guarantees 4.6 V only up to 0.36 mA: Ib1 alone needs 0.48 mA.
        PurchaseCase{"OneTransistorFrom4000B",
                     false,
                     sample(sampleRb1One),
                     all(noBuy(NoPurchase::OutputLimit)),
                     {},
                     drivenBy(u"4000B-5V")},
        // An ATmega328P pin: 4.2 V up to 20 mA, at VCC 5.0 V exactly, its highest level. E24
        // 5.6: 3.4 / 5.88 - 0.8 / 9.5 = 0.4941, 23.51 %; 4.4 / 5.32 = 0.8271.
        PurchaseCase{"OneTransistorFromATmega",
                     false,
                     sample(sampleRb1One),
                     {buy(4.7, 111.2, 42.19, 1.0402),
                      buy(5.6, 74.46, 23.51, 0.82707),
                      buy(5.9, 64.7, 22.44, 0.7533)},
                     {},
                     drivenBy(u"ATmega328P-5V")},
        // Vcc ±10 %: E24 Rb1 18 leaves 9.7 / 18.9 - 0.8 / 9.5 = 0.4291, 7.3 %; 16: 9.7 / 16.8 -
        // 0.0842 = 0.4932, 23.29 %; I max = 12.6 / 15.2 = 0.8289; Rb2 39: 4.2 / 40.95 - 0.8 /
        // 9.5 = 0.01835 against it, 121.4 %.
        PurchaseCase{"TwoTransistorsVccWithinTenPercent",
                     true,
                     sample(sampleRb1Two),
                     {buy(15.0, 65.83, 24.75, 0.93333),
                      buy(16.0, 54.38, 23.29, 0.82895),
                      buy(16.9, 45.22, 21.87, 0.75309)},
                     {buy(33.0, 722.3, 187.3, 0.14815),
                      buy(39.0, 485.5, 121.4, 0.11876),
                      buy(45.3, 282.9, 45.92, 0.098111)},
                     vccWithin(10)},
        PurchaseCase{"TwoTransistorsFrom74HCVccWithinTenPercent",
                     true,
                     sample(sampleRb1Two),
                     {buy(15.0, 65.83, 24.75, 0.93333),
                      buy(16.0, 54.38, 23.29, 0.82895),
                      buy(16.9, 45.22, 21.87, 0.75309)},
                     {buy(27.0, 1117, 44.3, 0.20165),
                      buy(30.0, 966.7, 48.35, 0.17193),
                      buy(33.2, 814.4, 30.82, 0.14908)},
                     drivenBy(u"74HC-5V", 10)},
        // A 2N3904 as Q1: its gain at 40 mA is the lower of 100 at 10 mA and 60 at 50 mA; its
        // VBE(sat) 0.95 V at 50 mA. E24 3.9: 4.05 / 4.095 - 0.95 / 9.5 = 0.8890, x 60 / 40 - 1 =
        // 33.35 %; Ii max = 4.4 / 3.705 = 1.188. The nominal margin keeps the gain typed.
        PurchaseCase{"OneTransistor2N3904",
                     false,
                     sample(sampleRb1One),
                     {buy(3.9, 158.1, 25.78, 1.2536),
                      buy(3.9, 158.1, 33.35, 1.1876),
                      buy(4.42, 125.7, 21.69, 1.0055)},
                     {},
                     bought(CornerRanges::Q1OneTransistor, u"2N3904")},
        // Saturation guaranteed, from a 74HC at 5 V (3.84 V to 5.5 V): the 2N3904's 10/1 mA
        // VCE(sat) row asks Ib >= 1 mA at 10 mA, not the margin on top; the 50/5 mA VBE(sat) row,
        // 0.95 V, since Ib passes 1 mA. E12 2.2: 2.89 / 2.42 - 0.95 / 9 = 1.0887, x 100 / 10 - 1
        // = 988.7 % (2.7: 0.868 mA, short); E24 2.4: 2.89 / 2.52 - 0.1 = 1.0468; E96 2.61:
        // 2.89 / 2.6361 - 0.95 / 9.9 = 1.0004 (2.67: 0.976). Ii max 4.9 / 1.98 = 2.4747.
        PurchaseCase{"SaturationGuaranteedAt10mA",
                     false,
                     withIL(sample(0), 10),
                     {buy(2.2, 1784.5, 988.7, 2.4747),
                      buy(2.4, 1621.7, 946.8, 2.1491),
                      buy(2.61, 1477.5, 900.4, 1.8964)},
                     {},
                     saturated(10)},
        // At 40 mA it asks Ib >= 4 mA: beyond the 4 mA the 74HC holds 3.84 V up to.
        PurchaseCase{"SaturationGuaranteedAt40mA",
                     false,
                     sample(sampleRb1One),
                     all(noBuy(NoPurchase::OutputLimit)),
                     {},
                     saturated(10)},
        // Q1 a BC327-40: 40 mA is below its first gain row, 100 mA, where its datasheet
        // guarantees nothing: its table's lowest, 40 at 300 mA; VBE(sat) 1.2 V. E24 7.5:
        // 10.5 / 7.875 - 1.2 / 9.5 = 1.2070, x 40 / 40 - 1 = 20.70 % (8.2: 9.9 %).
        // Q2 a BC547B, below its only row (200 at 2 mA), takes that 200, above the 100 typed;
        // VBE(sat) 1.0 V: with Rb1 7.5 k's 1.6 mA, Rb2 30 gives 4.0 / 31.5 - 1.0 / 9.5 = 0.02172,
        // x 100 / 1.6 - 1 = 35.76 %.
        PurchaseCase{"TwoTransistorsBC327AndBC547",
                     true,
                     sample(sampleRb1Two),
                     {buy(6.8, 286.9, 27.04, 1.8627),
                      buy(7.5, 249.2, 20.70, 1.6),
                      buy(7.68, 240.6, 23.24, 1.4994)},
                     {buy(27.0, 451.8, 26.53, 0.18107),
                      buy(30.0, 400.0, 35.76, 0.15439),
                      buy(33.2, 315.5, 21.91, 0.13387)},
                     bought(CornerRanges::Q1TwoTransistors, u"BC327-40", u"BC547B")},
        // From -40 to 85 °C, parts as typed: the highest Vbe rises to 0.8 + 65 x 0.002 = 0.93 V,
        // the lowest falls to 0.6 - 60 x 0.002 = 0.48 V. E24 6.2: 4.07 / 6.51 - 0.93 / 9.5 =
        // 0.5273, x 100 / 40 - 1 = 31.82 %; Ii max 4.52 / 5.89 = 0.7674.
        PurchaseCase{"OneTransistorMinus40To85",
                     false,
                     sample(sampleRb1One),
                     {buy(5.6, 74.46, 39.35, 0.89683),
                      buy(6.2, 55.89, 31.82, 0.7674),
                      buy(6.98, 36.51, 20.85, 0.65411)},
                     {},
                     between(-40, 85)},
        PurchaseCase{"TwoTransistorsMinus40To85",
                     true,
                     sample(sampleRb1Two),
                     {buy(15.0, 65.83, 37.35, 0.85333),
                      buy(16.0, 54.38, 35.79, 0.75789),
                      buy(18.2, 33.6, 22.99, 0.63936)},
                     {buy(27.0, 1117, 295.0, 0.18601),
                      buy(36.0, 619.2, 29.0, 0.13216),
                      buy(39.2, 556.8, 38.56, 0.11647)},
                     between(-40, 85)},
        PurchaseCase{"OneTransistor0To70",
                     false,
                     sample(sampleRb1One),
                     {buy(5.6, 74.46, 44.81, 0.89087),
                      buy(6.8, 40.59, 22.94, 0.69505),
                      buy(7.15, 32.85, 22.2, 0.63432)},
                     {},
                     between(0, 70)},
        // A 74HC and a 2N3904 from -40 to 85 °C: its gain at -40 °C, 60 x (233.15 / 298.15)^1.5
        // = 41.49 (its model's XTB), its VBE(sat) 0.95 + 0.13 = 1.08 V. E24 2.0: 2.76 / 2.1 -
        // 1.08 / 9.5 = 1.2006, x 41.49 / 40 - 1 = 24.53 %; Ii max 5.02 / 1.9 = 2.642.
        PurchaseCase{"OneTransistor2N3904Minus40To85",
                     false,
                     sample(sampleRb1One),
                     {buy(1.8, 479.7, 32.14, 3.0988),
                      buy(2.0, 420.0, 24.53, 2.6421),
                      buy(2.15, 382.5, 20.52, 2.3585)},
                     {},
                     [] {
                         CornerRanges c = between(-40, 85);
                         c.outputEntry = logicOutputByKey(u"74HC-5V");
                         c.output = c.outputEntry->figures;
                         c.parts[CornerRanges::Q1OneTransistor] = transistorByKey(u"2N3904");
                         return c;
                     }()},
        // A 74HC's figures hold from -40 to 85 °C: none for a range up to 125 °C.
        PurchaseCase{"OutputBeyondItsTemperatures",
                     false,
                     sample(sampleRb1One),
                     all(noBuy(NoPurchase::OutputTemperature)),
                     {},
                     [] {
                         CornerRanges c = between(-40, 125);
                         c.outputEntry = logicOutputByKey(u"74HC-5V");
                         c.output = c.outputEntry->figures;
                         return c;
                     }()},
        // A BC547B guarantees no gain above 2 mA: nothing holds at 40 mA.
        PurchaseCase{"OneTransistorBeyondTheDatasheet",
                     false,
                     sample(sampleRb1One),
                     all(noBuy(NoPurchase::NoGainGuaranteed)),
                     {},
                     bought(CornerRanges::Q1OneTransistor, u"BC547B")},
        // Vi 0.75: nothing across Rb1 at Vbe 0.8 V.
        PurchaseCase{"InputTooLowAtTheCorner",
                     false,
                     with(sample(0.05 / 0.55), &FormVariables::Vi, 0.75),
                     all(noBuy(NoPurchase::SourceTooLow)),
                     {}},
        // R1 0.2: it takes 0.8 / 0.18 = 4.4 mA at the corner, more than the output gives.
        PurchaseCase{"PullDownTakesTheWholeCurrent",
                     false,
                     with(sample(4.3 / 3.98), &FormVariables::R1, 0.2),
                     all(noBuy(NoPurchase::PullDownTakesAll)),
                     {}},
        // IL 300: Ib1 = 3.6 mA asked with 20 % at the corners needs Ii max above 4 mA.
        PurchaseCase{"GainTooLowForTheCmosOutput",
                     false,
                     with(sample(4.3 / 3.67), &FormVariables::IL, 300.0),
                     all(noBuy(NoPurchase::OutputLimit)),
                     {}},
        // Vcc 1.05: Rb1 = 0.05 / 0.55 nominally, but 1.05 - 0.8 - 0.3 < 0 at the corner.
        PurchaseCase{"TwoSupplyTooLowAtTheCorner",
                     true,
                     with(sample(0.05 / 0.55), &FormVariables::Vcc, 1.05),
                     all(noBuy(NoPurchase::SourceTooLow)),
                     all(noBuy(NoPurchase::NoFirstStage))},
        // Vcc 1.2, IL 10 A: Rb1 = 0.2 / 120.07 = 1.67 ohm; the corners ask for 0.1 / (1.1 x
        // 120.09) = 0.76 ohm at most.
        PurchaseCase{
            "TwoNothingDownToOneOhm",
            true,
            with(with(sample(0.2 / 120.07), &FormVariables::Vcc, 1.2), &FormVariables::IL, 10000.0),
            all(noBuy(NoPurchase::NoneDownToOneOhm)),
            all(noBuy(NoPurchase::NoFirstStage))},
        PurchaseCase{"InputBelowVbe",
                     false,
                     with(sample(-0.2 / 0.55), &FormVariables::Vi, 0.5),
                     all(noBuy(NoPurchase::NotPositive)),
                     {}},
        PurchaseCase{"ZeroR1",
                     false,
                     with(sample(sampleRb1One), &FormVariables::R1, 0.0),
                     all(noBuy(NoPurchase::NotComputable)),
                     {}},
        // Vi 10000: Rb1 = 18180 kohm; 10 Mohm gives 9999.2 / 11000 - 0.8 / 9 = 0.8201,
        // 105.0 % (E12); Ii = 9999.3 / 10000, Ii max = 9999.4 / 9000 = 1.111.
        PurchaseCase{"AboveTenMegohm",
                     false,
                     with(sample(9999.3 / 0.55), &FormVariables::Vi, 10000.0),
                     // nominal 9999.3 / 10000 - 0.07 = 0.9299, 132.5 %
                     {buy(10000.0, 132.5, 105.0, 1.111),
                      // 9999.2 / 10500 - 0.8 / 9.5 = 0.8681, 117.0 %; 9999.4 / 9500
                      buy(10000.0, 132.5, 117.0, 1.0526),
                      // 9999.2 / 10100 - 0.8 / 9.9 = 0.9092, 127.3 %; 9999.4 / 9900
                      buy(10000.0, 132.5, 127.3, 1.0100)},
                     {}}),
    CaseName());

// A current the notes show as the limit reaches it, as one at the limit or above does: 4,00 mA
// against a CMOS output's 4 mA; 0,267 against a limit of 0,2674 mA and 1,01 against 1,01, though
// 0,26655 is 0.32 % below its limit and 1,0051 0.49 %.
// Where the output's limit leaves nothing to buy, the value that would hold beyond it: saturation
// asked for at 40 mA needs Ib >= 4 mA; E24 620 ohm at +5 % gives 2.89 / 0.651 - 0.95 / 9.5 =
// 4.339 mA (680 ohm: 3.948) and draws up to 4.9 / 0.589 = 8.319 mA.
TEST(OutputLimit, ValueBeyondIt)
{
    const StandardFits fits = fitOneTransistor(sample(sampleRb1One), saturated(10));
    ASSERT_TRUE(std::holds_alternative<NoPurchase>(fits.series[1].buyRb1));
    const auto beyond = beyondOutputLimit(fits, Series::E24);
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->resistor.kiloohms(), 0.62);
    expectClose(beyond->largestCurrent, 8.319, "largest current");
}

TEST(OutputLimit, AsShown)
{
    const std::array<std::tuple<double, double, bool>, 8> currents{{{3.9999999999999996, 4, true},
                                                                    {4.0, 4, true},
                                                                    {3.996, 4, true},
                                                                    {3.994, 4, false},
                                                                    {0.55, 4, false},
                                                                    {0.26655, 0.2674, true},
                                                                    {0.2664, 0.2674, false},
                                                                    {1.0051, 1.01, true}}};
    for (const auto &[current, limit, reaches] : currents)
        EXPECT_EQ(reachesOutputLimit(current, limit), reaches) << current << " of " << limit;
}

// ---------------------------------------------------------------------------------------------
// The notes as the window shows them, with the Italian decimal point: one row per standard
// value, a number in each cell, then what the terms mean and the lines naming what goes wrong.

using Rows = std::vector<std::vector<std::u16string>>;
using Notes = ResultNotes (*)(const StandardFits &, std::u16string_view);

ResultNotes iiNotesOf(const StandardFits &fits, std::u16string_view point)
{
    return iiNotes(0.0766, fits, point);
}

// 3.996 mA shows as 4,00 yet is below the limit.
ResultNotes iiJustBelowTheLimit(const StandardFits &fits, std::u16string_view point)
{
    return iiNotes(3.996, fits, point);
}

struct NotesCase
{
    const char *name;
    bool twoTransistors;
    FormVariables values;
    Notes notes;
    std::u16string title;
    Rows rows;
    std::vector<std::u16string> lines; // among the legend and the lines, in this order
    CornerRanges corners{};
};

class NotesTest : public ::testing::TestWithParam<NotesCase>
{};

TEST_P(NotesTest, ReadAsATable)
{
    const NotesCase &c = GetParam();
    const ResultNotes notes = c.notes(c.twoTransistors ? fitTwoTransistors(c.values, c.corners)
                                                       : fitOneTransistor(c.values, c.corners),
                                      u",");
    EXPECT_EQ(notes.title, c.title);
    Rows shown;
    for (const std::vector<NoteCell> &row : notes.rows) {
        EXPECT_EQ(row.size(), notes.columns.size());
        shown.emplace_back();
        for (const NoteCell &cell : row)
            shown.back().push_back(cell.shown);
    }
    if (!c.rows.empty()) {
        EXPECT_EQ(shown, c.rows);
    }
    std::vector<std::u16string> below = notes.legend;
    below.insert(below.end(), notes.lines.begin(), notes.lines.end());
    auto line = below.begin();
    for (const std::u16string &expected : c.lines) {
        line = std::find(line, below.end(), expected);
        EXPECT_NE(line, below.end()) << std::string(expected.begin(), expected.end());
    }
}

using namespace Messages::Note;

const std::u16string rb1Title(titoloRb1);
const std::u16string rb2Title(titoloRb2);
const std::u16string summaryTitle =
    std::u16string(titoloRiepilogo) + u", " + std::u16string(aVenticinqueGradi);

const std::u16string e12 = u"E12 \u00b110\u00a0%";
const std::u16string e24 = u"E24 \u00b15\u00a0%";
const std::u16string e96 = u"E96 \u00b11\u00a0%";

INSTANTIATE_TEST_SUITE_P(
    Designs,
    NotesTest,
    ::testing::Values(
        // See OneTransistorSample above: the value to buy, then the one just below, per series;
        // resistances in kohm, margins nominal and worst in cells of their own.
        NotesCase{"OneTransistorRb1",
                  false,
                  sample(sampleRb1One),
                  rb1Notes,
                  rb1Title,
                  {{e12, u"5,6", u"74", u"48"},
                   {u"E12 subito sotto", u"6,8", u"41", u"18"},
                   {e24, u"6,8", u"41", u"26"},
                   {u"E24 subito sotto", u"7,5", u"26", u"12"},
                   {e96, u"7,32", u"29", u"22"},
                   {u"E96 subito sotto", u"7,68", u"22", u"15"}},
                  {u"Righe con la tolleranza: il valore da acquistare, il più grande della serie "
                   u"che nel caso peggiore dà ancora il margine richiesto su Q1 (20\u00a0%) con "
                   u"Ii\u00a0max sotto 4\u00a0mA.",
                   std::u16string(legendaSubitoSotto)}},
        // The answer first: per series the value to buy, its worst case and Ii max.
        NotesCase{"OneTransistorSummary",
                  false,
                  sample(sampleRb1One),
                  summaryNotes,
                  summaryTitle,
                  {{e12, u"5,6", u"48", u"0,873"},
                   {e24, u"6,8", u"26", u"0,681"},
                   {e96, u"7,32", u"22", u"0,607"}},
                  {}},
        // E24 and E96 both have 20 kohm, the computed value itself, each with its own worst case;
        // the largest current through Rb1 is Q2's collector current at Vce(sat) 0 V.
        NotesCase{"TwoTransistorRb1",
                  true,
                  sample(sampleRb1Two),
                  rb1Notes,
                  rb1Title,
                  {{e12, u"15", u"0,733", u"66", u"43", u"0,844"},
                   {u"E12 subito sotto", u"18", u"0,611", u"35", u"15", u"0,704"},
                   {e24, u"18", u"0,611", u"35", u"23", u"0,667"},
                   {u"E24 uguale al calcolato", u"20", u"0,550", u"20", u"9", u"0,600"},
                   {e96, u"19,1", u"0,576", u"26", u"21", u"0,603"},
                   {u"E96 uguale al calcolato", u"20", u"0,550", u"20", u"15", u"0,576"}},
                  {std::u16string(Messages::Report::legendaUguale),
                   std::u16string(legendaSubitoSotto),
                   std::u16string(legendaCorrenteRb1)}},
        // Each row with the Rb1 it goes with and the Rb2 recomputed for it: 4.3 / (0.07 +
        // 0.7333 x 1.2 / 100) = 54.57 for 15 k; 55.60 for 18 k; 56.14 for 20 k. The values just
        // below leave Q2 off at a corner.
        NotesCase{"TwoTransistorRb2",
                  true,
                  sample(sampleRb1Two),
                  rb2Notes,
                  rb2Title,
                  {{e12, u"15", u"54,57", u"33", u"722", u"218"},
                   {u"E12 subito sotto", u"18", u"55,60", u"47", u"252", u"spento"},
                   {e24, u"18", u"55,60", u"43", u"391", u"32"},
                   {u"E24 subito sotto", u"20", u"56,14", u"56", u"23", u"spento"},
                   {e96, u"19,1", u"55,91", u"46,4", u"294", u"46"},
                   {u"E96 subito sotto", u"20", u"56,14", u"54,9", u"51", u"spento"}},
                  {u"E12, 47 kohm: Q2 spento nel caso peggiore.",
                   u"E24, 56 kohm: Q2 spento nel caso peggiore.",
                   u"E96, 54,9 kohm: Q2 spento nel caso peggiore."}},
        // IL 23: Rb1 = 4.3 / 0.346 = 12.43; E12 12 leaves 4.2 / 13.2 - 0.8 / 9 = 0.2293,
        // x 100 / 23 - 1 = -0.31 %, shown with a decimal so that it reads negative. To buy:
        // E12 10: 4.2 / 11 - 0.8 / 9 = 0.2929, 27.4 %; E24 11: 4.2 / 11.55 - 0.8 / 9.5 = 0.2794,
        // 21.5 % (12: 8.3 %); E96 11.5: 4.2 / 11.615 - 0.8 / 9.9 = 0.2808, 22.1 % (11.8: 18.1 %,
        // 12.4: 10.7 %).
        NotesCase{"SmallNegativeMargin",
                  false,
                  with(sample(4.3 / 0.346), &FormVariables::IL, 23.0),
                  rb1Notes,
                  rb1Title,
                  {{e12, u"10", u"57", u"27"},
                   {u"E12 subito sotto", u"12", u"25", u"-0,3"},
                   {e24, u"11", u"40", u"21"},
                   {u"E24 subito sotto", u"12", u"25", u"8"},
                   {e96, u"11,5", u"32", u"22"},
                   {u"E96 subito sotto", u"12,4", u"20", u"11"}},
                  {u"E12, 12 kohm: con il margine negativo nel caso peggiore Q1 può non andare "
                   u"in saturazione."}},
        // IL 37.68: E12 8.2 leaves 4.2 / 9.02 - 0.8 / 9 = 0.37673, x 100 / 37.68 - 1 = -0.016 %:
        // negative, though it rounds to zero. E12 6.8: 4.3 / 6.8 - 0.07 = 0.5624, 49.2 %;
        // 4.2 / 7.48 - 0.8 / 9 = 0.4726, 25.4 %.
        NotesCase{"NegativeMarginRoundingToZero",
                  false,
                  with(sample(4.3 / (0.07 + 1.2 * 37.68 / 100)), &FormVariables::IL, 37.68),
                  rb1Notes,
                  rb1Title,
                  {{e12, u"6,8", u"49", u"25"},
                   {u"E12 subito sotto", u"8,2", u"21", u"-0,0"},
                   {e24, u"6,8", u"49", u"34"},
                   {u"E24 subito sotto", u"8,2", u"21", u"7"},
                   {e96, u"7,68", u"30", u"22"},
                   {u"E96 subito sotto", u"8,06", u"23", u"15"}},
                  {u"E12, 8,2 kohm: con il margine negativo nel caso peggiore Q1 può non andare "
                   u"in saturazione."}},
        // maggIb1 -50: Ii = 0.07 + 0.2, Rb1 = 4.3 / 0.27 = 15.93; E12 15 gives Ib1 = 4.3 / 15 -
        // 0.07 = 0.2167, -45.8 % at nominal values: Q1 is not saturated.
        NotesCase{"NegativeMarginEntered",
                  false,
                  with(sample(4.3 / 0.27), &FormVariables::maggIb1, -50.0),
                  rb1Notes,
                  rb1Title,
                  {},
                  {u"E12, 15 kohm: Q1 non va in saturazione, nemmeno con i valori nominali."}},
        // See GainTooLowForTheCmosOutput: only the values just below, and why none is to buy.
        NotesCase{
            "IiCrossesFourMilliamps",
            false,
            with(sample(4.3 / 3.67), &FormVariables::IL, 300.0),
            iiNotesOf,
            u"Ii\u00a0=\u00a00,0766\u00a0mA (nel risultato, arrotondata: 0,08)",
            {{u"E12 subito sotto", u"1", u"4,30", u"4,89"},
             {u"E24 subito sotto", u"1,1", u"3,91", u"4,21"},
             {u"E96 subito sotto", u"1,15", u"3,74", u"3,86"}},
            {u"E12, 1 kohm: Ii\u00a0max raggiunge i 4\u00a0mA che un'uscita CMOS può dare.",
             u"E24, 1,1 kohm: Ii\u00a0max raggiunge i 4\u00a0mA che un'uscita CMOS può dare.",
             u"E96: nessun Rb1 da acquistare: Ii\u00a0max raggiunge i 4\u00a0mA che un'uscita "
             u"CMOS può dare prima del margine richiesto. Serve un Q1 con guadagno più alto o il "
             u"circuito a due transistor."}},
        // The summary says why for each series.
        NotesCase{
            "NoSeriesToBuy",
            false,
            with(sample(4.3 / 3.67), &FormVariables::IL, 300.0),
            summaryNotes,
            summaryTitle,
            {{e12, u"nessuno", u"", u""}, {e24, u"nessuno", u"", u""}, {e96, u"nessuno", u"", u""}},
            {u"E12: nessun Rb1 da acquistare: Ii\u00a0max raggiunge i 4\u00a0mA che un'uscita "
             u"CMOS può dare prima del margine richiesto. Serve un Q1 con guadagno più alto o il "
             u"circuito a due "
             u"transistor."}},
        // Where the worst case spans temperatures, the line says how they weigh.
        NotesCase{
            "NoSeriesToBuyFromMinus40To85",
            false,
            with(sample(4.3 / 3.67), &FormVariables::IL, 300.0),
            summaryNotes,
            std::u16string(titoloRiepilogo) + u", da \u221240 a 85\u00a0\u00b0C",
            {{e12, u"nessuno", u"", u""}, {e24, u"nessuno", u"", u""}, {e96, u"nessuno", u"", u""}},
            {u"E12: nessun Rb1 da acquistare: Ii\u00a0max raggiunge i 4\u00a0mA che "
             u"un'uscita CMOS può dare prima del margine richiesto. Serve un Q1 con "
             u"guadagno più alto o il circuito a due transistor. Il caso peggiore va da "
             u"\u221240 a 85\u00a0\u00b0C: alla temperatura minima la Vbe sale e il "
             u"guadagno dei transistor dell'elenco scende, alla massima la Vbe scende e le "
             u"correnti crescono; un intervallo più stretto può bastare."},
            [] {
                CornerRanges c;
                c.Tmin = -40;
                c.Tmax = 85;
                return c;
            }()},
        // The output's own limit, named where it is the reason.
        NotesCase{
            "NoSeriesToBuyFrom4000B",
            false,
            sample(sampleRb1One),
            summaryNotes,
            summaryTitle,
            {{e12, u"nessuno", u"", u""}, {e24, u"nessuno", u"", u""}, {e96, u"nessuno", u"", u""}},
            {u"E96: nessun Rb1 da acquistare: Ii\u00a0max raggiunge il limite dell'uscita "
             u"(garantisce 4,6\u00a0V solo fino a 0,36\u00a0mA) prima del margine richiesto. "
             u"Serve un Q1 con guadagno più alto o il circuito a due transistor."},
            drivenBy(u"4000B-5V")},
        // Q2 a 2N3904: at Rb1 6.8 k's 1.863 mA its gain is guaranteed at 1 V only (70, the
        // 1 mA row), its forced gain 41 beyond the 10 of its VCE(sat) test: 1 V, above the 0.3 V
        // that Q1's least base current assumes.
        NotesCase{"DatasheetChecksQ2Only1VAt70C",
                  true,
                  sample(sampleRb1Two),
                  datasheetCheckNotes,
                  u"Verifica sul datasheet",
                  {},
                  {u"E12 \u00b110\u00a0%: la VCE garantita di Q2 (1\u00a0V) supera la Vce(sat) "
                   u"massima di Q2 (0,3\u00a0V) che la corrente di base minima di Q1 assume."},
                  [] {
                      CornerRanges c =
                          bought(CornerRanges::Q1TwoTransistors, u"BC327-40", u"2N3904");
                      c.Tmax = 70;
                      return c;
                  }()},
        // A BC547B guarantees no gain at 40 mA: nothing to buy, and the values just below have
        // their nominal margins (E12 6.8: (4.3 / 6.8 - 0.07) x 100 / 40 - 1 = 40.6 %) but no
        // worst one.
        NotesCase{"NoWorstMarginWithoutAGain",
                  false,
                  sample(sampleRb1One),
                  rb1Notes,
                  rb1Title,
                  {{u"E12 subito sotto", u"6,8", u"41", u"\u2014"},
                   {u"E24 subito sotto", u"7,5", u"26", u"\u2014"},
                   {u"E96 subito sotto", u"7,68", u"22", u"\u2014"}},
                  {std::u16string(Messages::Report::legendaSenzaGuadagno)},
                  bought(CornerRanges::Q1OneTransistor, u"BC547B")},
        // Shown as 4,00, below 4 mA by a rounding.
        NotesCase{"IiJustBelowTheLimit",
                  false,
                  sample(sampleRb1One),
                  iiJustBelowTheLimit,
                  u"Ii\u00a0=\u00a04,00\u00a0mA, arrotondata per eccesso: è appena sotto i "
                  u"4\u00a0mA",
                  {},
                  {}},
        // See PullDownTakesTheWholeCurrent.
        NotesCase{"PullDownTakesTheWholeCurrent",
                  false,
                  with(sample(4.3 / 3.98), &FormVariables::R1, 0.2),
                  rb1Notes,
                  rb1Title,
                  {},
                  {u"E24: nessun Rb1 da acquistare: Ii\u00a0max raggiunge i 4\u00a0mA che "
                   u"un'uscita CMOS può dare mentre R1 prende ancora tutta la corrente. Serve "
                   u"un R1 più grande o una Vi più "
                   u"alta."}},
        // No standard value: no row, a line for each series.
        NotesCase{"TwoNegativeRb1",
                  true,
                  with(sample(-0.5 / 0.55), &FormVariables::Vcc, 0.5),
                  rb2Notes,
                  rb2Title,
                  {},
                  {u"E12: nessun valore normalizzato per Rb2, perché non ce n'è uno per Rb1.",
                   u"E96: nessun Rb2 da acquistare, perché non c'è un Rb1 da acquistare."}},
        // Vi 0.5: an Rb1 to buy, but the Rb2 recomputed for it is negative; the line says so,
        // in the summary too.
        NotesCase{"TwoRb2RecomputedNotPositive",
                  true,
                  with(sample(sampleRb1Two), &FormVariables::Vi, 0.5),
                  summaryNotes,
                  summaryTitle,
                  {{e12, u"15", u"nessuno", u"43", u"", u""},
                   {e24, u"18", u"nessuno", u"23", u"", u""},
                   {e96, u"19,1", u"nessuno", u"21", u"", u""}},
                  {u"E12: nessun Rb2 da acquistare: il valore ricalcolato per l'Rb1 da "
                   u"acquistare non è positivo."}}),
    CaseName());

// The datasheet check in words: a 2N3904 as Q1 of the sample (its figures in
// datasheetcheck_test.cpp), each row's check, condition and verdict, the numbers with the
// locale's decimal point.
TEST(DatasheetCheckNotes, SayWhatEachRowChecks)
{
    const ResultNotes notes = datasheetCheckNotes(
        fitOneTransistor(sample(sampleRb1One), bought(CornerRanges::Q1OneTransistor, u"2N3904")),
        u",");
    using Row = std::vector<std::u16string>;
    std::vector<Row> rows;
    for (const std::vector<NoteCell> &row : notes.rows) {
        rows.emplace_back();
        for (const NoteCell &cell : row)
            rows.back().push_back(cell.shown);
    }
    ASSERT_EQ(rows.size(), 14U);
    const std::u16string e24 = u"E24 \u00b15\u00a0%";
    // "esito" holds «entro», «oltre» or «non garantito» only; what the datasheet then guarantees,
    // and a resistor's rating, in the note; every number to three significant digits.
    EXPECT_EQ(
        rows[0],
        (Row{u"tutte le serie", u"Ic Q1 [mA]", u"40", u"200", u"IC max 2N3904", u"entro", u""}));
    EXPECT_EQ(rows[1],
              (Row{u"tutte le serie",
                   u"hFE Q1",
                   u"100",
                   u"60",
                   u"hFE min 2N3904, 50\u00a0mA, 1\u00a0V",
                   u"oltre",
                   u"il caso peggiore usa 60"}));
    EXPECT_EQ(rows[6],
              (Row{e24,
                   u"Ic/Ib Q1",
                   u"45",
                   u"10",
                   u"VCE(sat) 0,3\u00a0V, 50/5\u00a0mA",
                   u"oltre",
                   u"solo VCE\u00a0\u2264\u00a01\u00a0V"}));
    EXPECT_EQ(rows[7],
              (Row{e24,
                   u"P Q1 [mW]",
                   u"41,1",
                   u"625",
                   u"Ptot 2N3904, TO-92, 25\u00a0\u00b0C",
                   u"entro",
                   u""}));
    EXPECT_EQ(rows[9],
              (Row{e24,
                   u"P R1 [mW]",
                   u"0,095",
                   u"125",
                   u"1/8\u00a0W a 25\u00a0\u00b0C",
                   u"entro",
                   u"1/8\u00a0W"}));
    EXPECT_EQ(notes.legend.size(), 1U);
    EXPECT_NE(notes.legend.front().find(u"hFE:"), std::u16string::npos);
    EXPECT_FALSE(notes.hasUnits()); // no empty units row under the headings
    EXPECT_TRUE(notes.lines.empty());
    // With no transistor bought, only the resistors' rows: the legend explains only those.
    const ResultNotes typed = datasheetCheckNotes(fitOneTransistor(sample(sampleRb1One)), u",");
    ASSERT_EQ(typed.legend.size(), 1U);
    for (const std::u16string_view absent : {u"hFE:", u"Ic/Ib:", u"P di un transistor"})
        EXPECT_EQ(typed.legend.front().find(absent), std::u16string::npos)
            << std::string(absent.begin(), absent.end());
    EXPECT_NE(typed.legend.front().find(u"P di una resistenza"), std::u16string::npos);
}

// The sentences for assistive tools carry each number with its name and unit.
TEST(NotesSentences, NameEveryNumber)
{
    const std::u16string text = rb2Notes(fitTwoTransistors(sample(sampleRb1Two)), u",").sentences();
    for (const std::u16string_view part : std::initializer_list<std::u16string_view>{
             u"E24 \u00b15\u00a0%, da acquistare: con Rb1 18\u00a0kohm, Rb2 ricalcolato "
             u"55,60\u00a0kohm, Rb2 43\u00a0kohm, margine su Q2 391\u00a0%, nel caso peggiore "
             u"32\u00a0%.",
             u"E24, valore standard subito sotto quello calcolato: con Rb1 20\u00a0kohm,",
             u"nel caso peggiore Q2 spento"})
        EXPECT_NE(text.find(part), std::u16string::npos) << std::string(part.begin(), part.end());
}

// The assumptions name the parts of the circuit shown, with the ranges in force.
TEST(Assumptions, OnlyTheCircuitsOwnParts)
{
    const auto joined = [](const ResultNotes &notes) {
        std::u16string text;
        for (const std::u16string &line : notes.assumptions)
            text += line + u'\n';
        return text;
    };
    const std::u16string one = joined(rb1Notes(fitOneTransistor(sample(sampleRb1One)), u","));
    for (const std::u16string_view absent : {u"R2", u"Q2", u"Vcc", u"Vce", u"Rb2", u"Guadagni"})
        EXPECT_EQ(one.find(absent), std::u16string::npos)
            << std::string(absent.begin(), absent.end());
    CornerRanges userSet;
    userSet.VbeHighest = 0.9;
    const std::u16string two =
        joined(rb1Notes(fitTwoTransistors(sample(sampleRb1Two), userSet), u"."));
    for (const std::u16string_view present : {u"da 0.6 a 0.9\u00a0V",
                                              u"Vce(sat) di Q2 da 0 a 0.3\u00a0V",
                                              u"Vce(sat) di Q2 0\u00a0V, Rb1 a \u2212t",
                                              u"(impostate dall'utente)",
                                              u"Vcc come inserita, \u00b10\u00a0%.",
                                              u"la Vi vale sia per il livello alto minimo"})
        EXPECT_NE(two.find(present), std::u16string::npos)
            << std::string(present.begin(), present.end());
    const std::u16string hc =
        joined(rb1Notes(fitOneTransistor(sample(sampleRb1One), drivenBy(u"74HC-5V")), u","));
    EXPECT_NE(hc.find(u"Uscita logica 74HC a 5\u00a0V \u00b110\u00a0%: livello alto da "
                      u"3,84\u00a0V, garantito fino a 4\u00a0mA, a 5,5\u00a0V; da \u221240 a "
                      u"85\u00a0\u00b0C (onsemi MM74HC04"),
              std::u16string::npos);
    // Each Vbe at its temperature as a voltage, not as the last bits of a sum: 0.6 - 0.2 V.
    const std::u16string hot =
        joined(rb1Notes(fitOneTransistor(sample(sampleRb1One), between(-40, 125)), u","));
    for (const std::u16string_view present :
         {u"a \u221240\u00a0\u00b0C: Vbe 0,93\u00a0V", u"a 125\u00a0\u00b0C: Vbe 0,4\u00a0V,"})
        EXPECT_NE(hot.find(present), std::u16string::npos)
            << std::string(present.begin(), present.end());
    // A part bought as Q1: the figures its datasheet gives at IL, the VBE(sat) row that holds up
    // to the largest base current; below the first gain row the table's lowest, said; VBE(on)
    // + 0.1 V where it gives no VBE(sat).
    for (const auto &[part, figures] :
         std::initializer_list<std::pair<std::u16string_view, std::u16string_view>>{
             {u"2N3904",
              u"40\u00a0mA, il caso peggiore prende hFE min 60 (riga a 50\u00a0mA) e VBE(sat) max "
              u"0,95\u00a0V (riga a 50/5\u00a0mA)"},
             {u"BC337-40",
              u"hFE min 60, il più basso della sua tabella (riga a 300\u00a0mA; sotto la prima "
              u"riga, a 100\u00a0mA, il datasheet non garantisce alcun guadagno) e VBE(on) max "
              u"1,3\u00a0V (la riga a 300\u00a0mA + 0,1\u00a0V), in luogo della VBE(sat)"}}) {
        const std::u16string q1 = joined(rb1Notes(
            fitOneTransistor(sample(sampleRb1One), bought(CornerRanges::Q1OneTransistor, part)),
            u","));
        EXPECT_NE(q1.find(figures), std::u16string::npos) << std::string(q1.begin(), q1.end());
    }
    // From -40 °C: the range said, each part's gain at -40 °C and how it fell, by its model's law
    // or by its datasheet's own cold row.
    for (const auto &[part, figures] :
         std::initializer_list<std::pair<std::u16string_view, std::u16string_view>>{
             {u"2N3904",
              u"hFE min 41,5 a \u221240\u00a0\u00b0C: 60 a 25\u00a0\u00b0C (50\u00a0mA, "
              u"1\u00a0V) \u00d7 (233/298)^1,5, legge tipica del modello del costruttore "
              u"(modello SPICE Fairchild 2N3904) e VBE(sat) max 0,95\u00a0V (riga a "
              u"50/5\u00a0mA), +0,13\u00a0V a \u221240\u00a0\u00b0C"},
             // What the least base current's corner used, over the values to buy: 0.95 V +
             // 0.13 V and the gain at -40 °C, both the datasheet's, not the range typed.
             {u"2N3904",
              u"Usati per Q1 (2N3904) alla corrente di base minima, sui valori da acquistare: Vbe "
              u"fino a 1,08\u00a0V (dal datasheet), hFE 41,5 (dal datasheet)."},
             {u"2N3904", u"Guadagno di Q1: il minore tra quello inserito e quello del datasheet"},
             {u"PN2222A",
              u"hFE min 23,3 a \u221240\u00a0\u00b0C: 50 a 25\u00a0\u00b0C (150\u00a0mA, "
              u"1\u00a0V) \u00d7 35/75, la caduta garantita dal datasheet a \u221255\u00a0\u00b0C "
              u"e 10\u00a0mA"},
             {u"",
              u"Temperatura da \u221240 a 85\u00a0\u00b0C: a \u221240\u00a0\u00b0C la Vbe "
              u"massima sale"}}) {
        CornerRanges c =
            part.empty() ? CornerRanges{} : bought(CornerRanges::Q1OneTransistor, part);
        c.Tmin = -40;
        c.Tmax = 85;
        const std::u16string q1 = joined(rb1Notes(fitOneTransistor(sample(sampleRb1One), c), u","));
        EXPECT_NE(q1.find(figures), std::u16string::npos) << std::string(q1.begin(), q1.end());
    }
    EXPECT_NE(one.find(u"il caso peggiore è a 25\u00a0\u00b0C soltanto"), std::u16string::npos);
}

} // namespace
