#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "messages.h"
#include "standardfit.h"

#include "namedcase.h"

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
    bool warns = false;           // the line says Ii is not below 4 mA
};

Expected noFit(NoFit reason)
{
    Expected e;
    e.none = reason;
    return e;
}

Expected fit(double r, double i, double ib, std::optional<double> margin, bool warns = false)
{
    return {std::nullopt, r, i, ib, margin, warns};
}

struct DesignCase
{
    const char *name;
    bool twoTransistors;
    FormVariables values;
    std::array<Expected, 2> rb1; // E12, E24
    std::array<Expected, 2> rb2; // two-transistor circuit only
};

// The sample design: Vcc 12, IL 40, Vi 5, hFE 100 and 100, R1 = R2 = 10, both margins 20 %.
FormVariables sample(double Rb1)
{
    FormVariables v;
    v.Vcc = 12.0;
    v.IL = 40.0;
    v.Vi = 5.0;
    v.hFE1min = v.hFE2min = 100.0;
    v.R1 = v.R2 = 10.0;
    v.maggIb1 = v.maggIb2 = 20.0;
    v.Rb1 = Rb1;
    return v;
}

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

// The one line a series has in a tooltip.
std::u16string lineOf(const std::u16string &tooltip, std::size_t series)
{
    std::size_t begin = 0;
    for (std::size_t i = 0; i < series; ++i)
        begin = tooltip.find(u'\n', begin) + 1;
    return tooltip.substr(begin, tooltip.find(u'\n', begin) - begin);
}

std::u16string_view sentenceFor(NoFit reason)
{
    using namespace Messages::Normalizzati;
    switch (reason) {
    case NoFit::NotPositive:
        return nonPositivo;
    case NoFit::BelowRange:
        return sottoIntervallo;
    case NoFit::AboveRange:
        return sopraIntervallo;
    case NoFit::NotComputable:
        return nonCalcolabile;
    case NoFit::NoFirstStage:
        break;
    }
    return senzaRb1;
}

// "inf" or "nan" as a word, as a number that is not finite prints ("inferiore" is a word).
bool showsNonFinite(std::u16string_view line)
{
    for (const std::u16string_view word : {u"inf", u"nan"}) {
        for (std::size_t at = line.find(word); at != std::u16string_view::npos;
             at = line.find(word, at + 1)) {
            const std::size_t end = at + word.size();
            if (end == line.size() || line[end] < u'a' || line[end] > u'z')
                return true;
        }
    }
    return false;
}

void expectFit(const Fit &fit, const Expected &e, const std::u16string &line)
{
    SCOPED_TRACE(std::string(line.begin(), line.end()));
    EXPECT_FALSE(showsNonFinite(line));
    if (e.none) {
        ASSERT_TRUE(std::holds_alternative<NoFit>(fit));
        EXPECT_EQ(std::get<NoFit>(fit), *e.none);
        // The line is the reason's sentence: it ends as that sentence does after its last field.
        const std::u16string_view sentence = sentenceFor(*e.none);
        EXPECT_TRUE(line.ends_with(sentence.substr(sentence.rfind(u'%') + 2)));
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
    const bool warns = line.find(Messages::Normalizzati::correnteIngresso) != std::u16string::npos;
    EXPECT_EQ(warns, e.warns);
    EXPECT_EQ(line.find(Messages::Normalizzati::margineNonCalcolabile.substr(0, 20))
                  != std::u16string::npos,
              !e.margin);
}

class DesignTest : public ::testing::TestWithParam<DesignCase>
{};

TEST_P(DesignTest, RecomputesTheCurrentsForEachSeries)
{
    const DesignCase &c = GetParam();
    const StandardFits fits =
        c.twoTransistors ? fitTwoTransistors(c.values) : fitOneTransistor(c.values);
    const std::u16string rb1 = rb1Tooltip(fits, u",");
    const std::u16string rb2 = rb2Tooltip(fits, u",");
    EXPECT_EQ(rb2.empty(), !c.twoTransistors);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(fits.series[i].series, i == 0 ? Series::E12 : Series::E24);
        expectFit(fits.series[i].rb1, c.rb1[i], lineOf(rb1, i));
        ASSERT_EQ(fits.series[i].rb2.has_value(), c.twoTransistors);
        if (c.twoTransistors)
            expectFit(*fits.series[i].rb2, c.rb2[i], lineOf(rb2, i));
    }
}

const double sampleRb1One = (5.0 - 0.7) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0);  // 7.8181...
const double sampleRb1Two = (12.0 - 1.0) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0); // 20, or an ulp off

INSTANTIATE_TEST_SUITE_P(
    Designs,
    DesignTest,
    ::testing::Values(
        DesignCase{
            "OneTransistorSample",
            false,
            sample(sampleRb1One),
            // E12 6.8: Ii = 4.3 / 6.8 = 0.6324, Ib1 = 0.5624, 0.5624 x 100 / 40 - 1 = 40.59 %
            {fit(6.8, 0.6324, 0.5624, 40.59),
             // E24 7.5: Ii = 4.3 / 7.5 = 0.5733, Ib1 = 0.5033, 0.5033 x 100 / 40 - 1 = 25.83 %
             fit(7.5, 0.5733, 0.5033, 25.83)},
            {}},
        DesignCase{"TwoTransistorSample",
                   true,
                   sample(sampleRb1Two),
                   // E12 18: Ic2 = 11 / 18 = 0.6111, Ib1 = 0.5411, 0.5411 x 100 / 40 - 1 = 35.28 %
                   {fit(18.0, 0.6111, 0.5411, 35.28),
                    // E24 20 is Rb1 itself: Ic2 = 0.55, Ib1 = 0.48, the margin asked for, 20 %
                    fit(20.0, 0.55, 0.48, 20.0)},
                   // E12: Ib2 = 0.6111 x 1.2 / 100 = 0.007333, Ii = 0.07733, Rb2 = 55.60 -> 47:
                   // Ii = 4.3 / 47 = 0.09149, Ib2 = 0.02149, 0.02149 x 100 / 0.6111 - 1 = 251.6 %
                   {fit(47.0, 0.09149, 0.02149, 251.6),
                    // E24: Rb2 = 56.14 -> 56: Ii = 4.3 / 56 = 0.07679, Ib2 = 0.006786,
                    // 0.006786 x 100 / 0.55 - 1 = 23.38 %
                    fit(56.0, 0.07679, 0.006786, 23.38)}},
        DesignCase{
            "JustBelowADecade",
            false,
            sample(9.99),
            // E12 8.2: Ii = 4.3 / 8.2 = 0.5244, Ib1 = 0.4544, 0.4544 x 100 / 40 - 1 = 13.60 %
            {fit(8.2, 0.5244, 0.4544, 13.60),
             // E24 9.1: Ii = 4.3 / 9.1 = 0.4725, Ib1 = 0.4025, 0.4025 x 100 / 40 - 1 = 0.632 %
             fit(9.1, 0.4725, 0.4025, 0.6319)},
            {}},
        // Vi 0.5: Rb1 = -0.2 / 0.55 = -0.3636.
        DesignCase{"InputBelowVbe",
                   false,
                   with(sample(-0.2 / 0.55), &FormVariables::Vi, 0.5),
                   {noFit(NoFit::NotPositive), noFit(NoFit::NotPositive)},
                   {}},
        // Vi 10000: Rb1 = 9999.3 / 0.55 = 18180 kohm, above 10 Mohm.
        DesignCase{"AboveTenMegohm",
                   false,
                   with(sample(9999.3 / 0.55), &FormVariables::Vi, 10000.0),
                   {noFit(NoFit::AboveRange), noFit(NoFit::AboveRange)},
                   {}},
        // R2 0.0001: Rb1 as in the sample; Ii = 7000 + Ib2, Rb2 = 4.3 / 7000 = 0.61 ohm.
        DesignCase{"TwoRb2BelowOneOhm",
                   true,
                   with(sample(sampleRb1Two), &FormVariables::R2, 0.0001),
                   {fit(18.0, 0.6111, 0.5411, 35.28), fit(20.0, 0.55, 0.48, 20.0)},
                   {noFit(NoFit::BelowRange), noFit(NoFit::BelowRange)}},
        // Vcc 0.5: Rb1 = -0.5 / 0.55 = -0.9091, so no Rb2 either.
        DesignCase{"TwoNegativeRb1",
                   true,
                   with(sample(-0.5 / 0.55), &FormVariables::Vcc, 0.5),
                   {noFit(NoFit::NotPositive), noFit(NoFit::NotPositive)},
                   {noFit(NoFit::NoFirstStage), noFit(NoFit::NoFirstStage)}},
        // Vi 0.5: Rb1 as in the sample, Rb2 = -0.2 / Ii is negative.
        DesignCase{"TwoInputBelowVbe",
                   true,
                   with(sample(sampleRb1Two), &FormVariables::Vi, 0.5),
                   {fit(18.0, 0.6111, 0.5411, 35.28), fit(20.0, 0.55, 0.48, 20.0)},
                   {noFit(NoFit::NotPositive), noFit(NoFit::NotPositive)}},
        // IL 300: Ib1 = 3.6, Ii = 3.67 < 4, Rb1 = 4.3 / 3.67 = 1.1717.
        DesignCase{"StandardValueCrossesFourMilliamps",
                   false,
                   with(sample(4.3 / 3.67), &FormVariables::IL, 300.0),
                   // E12 1.0: Ii = 4.3 >= 4, Ib1 = 4.23, 4.23 x 100 / 300 - 1 = 41.00 %
                   {fit(1.0, 4.3, 4.23, 41.0, true),
                    // E24 1.1: Ii = 3.909 < 4, Ib1 = 3.839, 3.839 x 100 / 300 - 1 = 27.97 %
                    fit(1.1, 3.909, 3.839, 27.97)},
                   {}},
        // Vi 4.7, IL 300: Rb1 = 4.0 / 3.67 = 1.0899, both series 1.0: Ii = 4.0 exactly, warned.
        DesignCase{
            "StandardValueGivesExactlyFourMilliamps",
            false,
            with(with(sample(4.0 / 3.67), &FormVariables::IL, 300.0), &FormVariables::Vi, 4.7),
            // Ib1 = 3.93, 3.93 x 100 / 300 - 1 = 31.00 %
            {fit(1.0, 4.0, 3.93, 31.0, true), fit(1.0, 4.0, 3.93, 31.0, true)},
            {}},
        // IL 400: Rb1 = 11 / 4.87 = 2.2587 -> 2.2 in both; Ic2 = 5 mA is Q2's, not the CMOS
        // output's: no warning. Ib1 = 4.93, 4.93 x 100 / 400 - 1 = 23.25 %. Ib2 = 0.06,
        // Rb2 = 4.3 / 0.13 = 33.08 -> 33: Ii = 0.1303, Ib2 = 0.0603, 0.0603 x 100 / 5 - 1 = 20.6 %
        DesignCase{"TwoHeavyLoadWarnsOnlyForIi",
                   true,
                   with(sample(11.0 / 4.87), &FormVariables::IL, 400.0),
                   {fit(2.2, 5.0, 4.93, 23.25), fit(2.2, 5.0, 4.93, 23.25)},
                   {fit(33.0, 0.1303, 0.06030, 20.61), fit(33.0, 0.1303, 0.06030, 20.61)}},
        // IL 0: Rb1 = 4.3 / 0.07 = 61.43 -> 56 in both; Ii = 0.07679, Ib1 = 0.006786, and the
        // margin divides by IL = 0.
        DesignCase{"NoLoadHasNoMargin",
                   false,
                   with(sample(4.3 / 0.07), &FormVariables::IL, 0.0),
                   {fit(56.0, 0.07679, 0.006786, std::nullopt),
                    fit(56.0, 0.07679, 0.006786, std::nullopt)},
                   {}},
        // R1 0: Ib1 = Ii - 0.7 / 0 cannot be computed.
        DesignCase{"ZeroR1",
                   false,
                   with(sample(sampleRb1One), &FormVariables::R1, 0.0),
                   {noFit(NoFit::NotComputable), noFit(NoFit::NotComputable)},
                   {}},
        // hFE2min 0: Ib2 = Ic2 x 1.2 / 0 cannot be computed.
        DesignCase{"TwoZeroGainQ2",
                   true,
                   with(sample(sampleRb1Two), &FormVariables::hFE2min, 0.0),
                   {fit(18.0, 0.6111, 0.5411, 35.28), fit(20.0, 0.55, 0.48, 20.0)},
                   {noFit(NoFit::NotComputable), noFit(NoFit::NotComputable)}}),
    CaseName());

// ---------------------------------------------------------------------------------------------
// The whole tooltips of the sample design, with the Italian decimal point.

struct TooltipCase
{
    const char *name;
    bool twoTransistors;
    double Rb1;
    std::u16string rb1, rb2;
};

class TooltipTest : public ::testing::TestWithParam<TooltipCase>
{};

TEST_P(TooltipTest, ReadsInItalian)
{
    const TooltipCase &c = GetParam();
    const StandardFits fits =
        c.twoTransistors ? fitTwoTransistors(sample(c.Rb1)) : fitOneTransistor(sample(c.Rb1));
    EXPECT_EQ(rb1Tooltip(fits, u","), c.rb1);
    EXPECT_EQ(rb2Tooltip(fits, u","), c.rb2);
}

INSTANTIATE_TEST_SUITE_P(
    SampleDesign,
    TooltipTest,
    ::testing::Values(
        // Currents to three significant digits, margins to whole percent (see the design table).
        TooltipCase{"OneTransistor",
                    false,
                    sampleRb1One,
                    u"Valore normalizzato E12 non superiore a Rb1: 6,8 kohm. Con questo valore "
                    u"Ii = 0,632 mA e Ib1 = 0,562 mA. Margine ottenuto su Q1: 41 %.\n"
                    u"Valore normalizzato E24 non superiore a Rb1: 7,5 kohm. Con questo valore "
                    u"Ii = 0,573 mA e Ib1 = 0,503 mA. Margine ottenuto su Q1: 26 %.",
                    u""},
        TooltipCase{"TwoTransistors",
                    true,
                    sampleRb1Two,
                    u"Valore normalizzato E12 non superiore a Rb1: 18 kohm. Con questo valore "
                    u"Ic2 = 0,611 mA e Ib1 = 0,541 mA. Margine ottenuto su Q1: 35 %.\n"
                    u"Valore normalizzato E24 non superiore a Rb1: 20 kohm. Con questo valore "
                    u"Ic2 = 0,550 mA e Ib1 = 0,480 mA. Margine ottenuto su Q1: 20 %.",
                    u"Con Rb1 = 18 kohm (E12) Rb2 diventa 55,60 kohm; valore normalizzato E12 non "
                    u"superiore: 47 kohm. Con questi valori Ii = 0,0915 mA e Ib2 = 0,0215 mA. "
                    u"Margine ottenuto su Q2: 252 %.\n"
                    u"Con Rb1 = 20 kohm (E24) Rb2 diventa 56,14 kohm; valore normalizzato E24 non "
                    u"superiore: 56 kohm. Con questi valori Ii = 0,0768 mA e Ib2 = 0,00679 mA. "
                    u"Margine ottenuto su Q2: 23 %."}),
    CaseName());

} // namespace
