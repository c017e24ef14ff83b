#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "messages.h"
#include "resultnotes.h"
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

// Worst cases: Rs at +t for the least base current, at -t for the largest current through it;
// for Q2 the least Ib2 (Rs2 at +t) against the largest Ic2 (Rs1 at -t).
INSTANTIATE_TEST_SUITE_P(
    Designs,
    DesignTest,
    ::testing::Values(
        DesignCase{
            "OneTransistorSample",
            false,
            sample(sampleRb1One),
            // E12 6.8: Ii = 4.3 / 6.8 = 0.6324, Ib1 = 0.5624, 0.5624 x 100 / 40 - 1 = 40.59 %;
            // 7.48: Ib1 = 0.5749 - 0.07, 26.22 %; 6.12: Ii = 0.7026
            {fit(6.8, 0.6324, 0.5624, 40.59).worst(26.22, 0.7026),
             // E24 7.5: Ii = 0.5733, Ib1 = 0.5033, 25.83 %; 7.875: 19.01 %; 7.125: Ii = 0.6035
             fit(7.5, 0.5733, 0.5033, 25.83).worst(19.01, 0.6035),
             // E96 7.68: Ii = 0.5599, Ib1 = 0.4899, 22.47 %; 7.757: 21.09 %; 7.603: 0.5656
             fit(7.68, 0.5599, 0.4899, 22.47).worst(21.09, 0.5656)},
            {}},
        DesignCase{"TwoTransistorSample",
                   true,
                   sample(sampleRb1Two),
                   // E12 18: Ic2 = 11 / 18 = 0.6111, Ib1 = 0.5411, 35.28 %; 19.8: Ic2 = 0.5556,
                   // 21.39 %; 16.2: Ic2 = 0.6790
                   {fit(18.0, 0.6111, 0.5411, 35.28).worst(21.39, 0.6790),
                    // E24 20 is Rb1 itself: Ic2 = 0.55, Ib1 = 0.48, 20 %; 21: 13.45 %; 19: 0.5789
                    fit(20.0, 0.55, 0.48, 20.0).worst(13.45, 0.5789),
                    // E96 20.0: 20 %; 20.2: Ic2 = 0.5446, 18.64 %; 19.8: 0.5556
                    fit(20.0, 0.55, 0.48, 20.0).worst(18.64, 0.5556)},
                   // E12: Ib2 = 0.6111 x 1.2 / 100, Ii = 0.07733, Rb2 = 55.60 -> 47: Ii = 0.09149,
                   // Ib2 = 0.02149, 0.02149 x 100 / 0.6111 - 1 = 251.6 %; 51.7: Ib2 = 0.01317,
                   // against 0.6790: 93.99 %; 42.3: Ii = 0.1017
                   {fit(47.0, 0.09149, 0.02149, 251.6).worst(93.99, 0.1017),
                    // E24: Rb2 = 56.14 -> 56: Ii = 0.07679, Ib2 = 0.006786, 23.38 %; 58.8:
                    // Ib2 = 0.003129, against 0.5789: -45.95 %; 53.2: Ii = 0.08083
                    fit(56.0, 0.07679, 0.006786, 23.38).worst(-45.95, 0.08083),
                    // E96: Rb2 = 56.14 -> 54.9: Ii = 0.07832, Ib2 = 0.008324, 51.35 %; 55.45:
                    // Ib2 = 0.007549, against 0.5556: 35.88 %; 54.35: Ii = 0.07912
                    fit(54.9, 0.07832, 0.008324, 51.35).worst(35.88, 0.07912)}},
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
                   // E12 1.0: Ii = 4.3, Ib1 = 4.23, 41.00 %; 1.1: 27.97 %; 0.9: Ii = 4.778
                   {fit(1.0, 4.3, 4.23, 41.0).worst(27.97, 4.778),
                    // E24 1.1: Ii = 3.909 < 4, Ib1 = 3.839, 27.97 %; 1.155: 21.76 %;
                    // 1.045: Ii = 4.115, over the limit
                    fit(1.1, 3.909, 3.839, 27.97).worst(21.76, 4.115),
                    // E96 1.15: Ii = 3.739, Ib1 = 3.669, 22.30 %; 1.1615: 21.07 %; 1.1385: 3.777
                    fit(1.15, 3.739, 3.669, 22.30).worst(21.07, 3.777)},
                   {}},
        // Vi 4.7, IL 300: Rb1 = 4.0 / 3.67 = 1.0899; E12 and E24 1.0: Ii = 4.0 exactly.
        DesignCase{
            "StandardValueGivesExactlyFourMilliamps",
            false,
            with(with(sample(4.0 / 3.67), &FormVariables::IL, 300.0), &FormVariables::Vi, 4.7),
            // Ib1 = 3.93, 31.00 %; E12 1.1: Ib1 = 3.566, 18.88 %; E24 1.05: 24.65 %
            {fit(1.0, 4.0, 3.93, 31.0).worst(18.88, 4.444),
             fit(1.0, 4.0, 3.93, 31.0).worst(24.65, 4.211),
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
                   {fit(56.0, 0.07679, 0.006786, std::nullopt).worst(std::nullopt, 0.08532),
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
// The notes as the window shows them, with the Italian decimal point: one row per standard
// value, the lines below naming what goes wrong.

using Rows = std::vector<std::vector<std::u16string>>;
using Notes = ResultNotes (*)(const StandardFits &, std::u16string_view);

ResultNotes iiNotesOf(const StandardFits &fits, std::u16string_view point)
{
    return iiNotes(0.0766, fits, point);
}

struct NotesCase
{
    const char *name;
    bool twoTransistors;
    FormVariables values;
    Notes notes;
    std::u16string title;
    Rows rows;
    std::vector<std::u16string> lines; // among the lines, in this order
};

class NotesTest : public ::testing::TestWithParam<NotesCase>
{};

TEST_P(NotesTest, ReadAsATable)
{
    const NotesCase &c = GetParam();
    const ResultNotes notes =
        c.notes(c.twoTransistors ? fitTwoTransistors(c.values) : fitOneTransistor(c.values), u",");
    EXPECT_EQ(notes.title, c.title);
    Rows shown;
    for (const std::vector<NoteCell> &row : notes.rows) {
        EXPECT_EQ(row.size(), notes.columns.size());
        shown.emplace_back();
        for (const NoteCell &cell : row)
            shown.back().push_back(cell.shown);
    }
    EXPECT_EQ(shown, c.rows);
    auto line = notes.lines.begin();
    for (const std::u16string &expected : c.lines) {
        line = std::find(line, notes.lines.end(), expected);
        EXPECT_NE(line, notes.lines.end()) << std::string(expected.begin(), expected.end());
    }
}

using namespace Messages::Note;

const std::u16string rb1Title(titoloRb1);
const std::u16string rb2Title(titoloRb2);

INSTANTIATE_TEST_SUITE_P(
    Designs,
    NotesTest,
    ::testing::Values(
        // See OneTransistorSample above.
        NotesCase{"OneTransistorRb1",
                  false,
                  sample(sampleRb1One),
                  rb1Notes,
                  rb1Title,
                  {{u"E12 \u00b110\u00a0%", u"6,8 kohm", u"0,632", u"0,562", u"41 (26)", u"0,703"},
                   {u"E24 \u00b15\u00a0%", u"7,5 kohm", u"0,573", u"0,503", u"26 (19)", u"0,604"},
                   {u"E96 \u00b11\u00a0%", u"7,68 kohm", u"0,560", u"0,490", u"22 (21)", u"0,566"}},
                  {std::u16string(casoPeggioreRb1)}},
        // E24 and E96 both give 20 kohm: one row, with the worst case of 5 %.
        NotesCase{"TwoTransistorRb1",
                  true,
                  sample(sampleRb1Two),
                  rb1Notes,
                  rb1Title,
                  {{u"E12 \u00b110\u00a0%", u"18 kohm", u"0,611", u"0,541", u"35 (21)"},
                   {u"E24, E96 \u00b15\u00a0%", u"20 kohm", u"0,550", u"0,480", u"20 (13)"}},
                  {std::u16string(casoPeggioreRb1Ic2), std::u16string(piuSerie)}},
        // 5 % resistors may leave Q2 out of saturation.
        NotesCase{
            "TwoTransistorRb2",
            true,
            sample(sampleRb1Two),
            rb2Notes,
            rb2Title,
            {{u"E12 \u00b110\u00a0%", u"47 kohm", u"0,0915", u"0,0215", u"252 (94)", u"0,102"},
             {u"E24 \u00b15\u00a0%", u"56 kohm", u"0,0768", u"0,00679", u"23 (-46)", u"0,0808"},
             {u"E96 \u00b11\u00a0%", u"54,9 kohm", u"0,0783", u"0,00832", u"51 (36)", u"0,0791"}},
            {u"E24: con il margine negativo nel caso peggiore Q2 può non andare in saturazione."}},
        // See StandardValueCrossesFourMilliamps: Ii max reaches 4 mA with E12 and E24.
        NotesCase{
            "IiCrossesFourMilliamps",
            false,
            with(sample(4.3 / 3.67), &FormVariables::IL, 300.0),
            iiNotesOf,
            u"Ii\u00a0=\u00a00,0766\u00a0mA",
            {{u"E12 \u00b110\u00a0%", u"1 kohm", u"4,30", u"4,78"},
             {u"E24 \u00b15\u00a0%", u"1,1 kohm", u"3,91", u"4,11"},
             {u"E96 \u00b11\u00a0%", u"1,15 kohm", u"3,74", u"3,78"}},
            {u"E12: Ii\u00a0max raggiunge i 4\u00a0mA, corrente limite di uscita per i CMOS.",
             u"E24: Ii\u00a0max raggiunge i 4\u00a0mA, corrente limite di uscita per i CMOS."}},
        // No standard value: no row, a line for each series.
        NotesCase{"TwoNegativeRb1",
                  true,
                  with(sample(-0.5 / 0.55), &FormVariables::Vcc, 0.5),
                  rb2Notes,
                  rb2Title,
                  {},
                  {u"E12: nessun valore normalizzato per Rb2, perché non ce n'è uno per Rb1.",
                   u"E96: nessun valore normalizzato per Rb2, perché non ce n'è uno per Rb1."}}),
    CaseName());

// The sentences for assistive tools carry each number with its name and unit.
TEST(NotesSentences, NameEveryNumber)
{
    const std::u16string text = rb2Notes(fitTwoTransistors(sample(sampleRb1Two)), u",").sentences();
    for (const std::u16string_view part :
         {u"E24 \u00b15\u00a0%: Rb2 56 kohm, Ii 0,0768\u00a0mA, corrente di base di Q2 "
          u"0,00679\u00a0mA, margine su Q2 23\u00a0%, nel caso peggiore -46\u00a0%, Ii massima "
          u"0,0808\u00a0mA.",
          u"può non andare in saturazione."})
        EXPECT_NE(text.find(part), std::u16string::npos) << std::string(part.begin(), part.end());
}

} // namespace
