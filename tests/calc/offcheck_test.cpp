#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "notes/offnotes.h"
#include "worstcase/offcheck.h"

#include "namedcase.h"
#include "samplevariables.h"

namespace {

// The sample's Rb1 [kohm] (one transistor) and the Rb2 the press computes with Rb1 20 kohm:
// Ib2 = 1.2 x 0.55 / 100 = 0.0066 mA, Rb2 = 4.3 / (0.07 + 0.0066).
const double sampleRb1One = (5.0 - 0.7) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0); // 7.8181...
const double sampleRb1Two = (12.0 - 1.0) / (0.7 / 10.0 + 1.2 * 40.0 / 100.0);
const double sampleRb2Two = 4.3 / (0.07 + 0.0066);

struct Ranges
{
    const char *q1 = nullptr; // the part in Q1's slot of the circuit
    const char *q2 = nullptr;
    const char *output = nullptr; // from the list; none: as typed
    double Tmax = 25;
    std::optional<double> floatingLeakage = std::nullopt; // as typed [µA]
    double VOL = 0;                                       // as typed [V]
};

std::u16string key(const char *text)
{
    return {text, text + std::char_traits<char>::length(text)};
}

CornerRanges corners(bool two, const Ranges &r)
{
    CornerRanges c;
    c.Tmin = -40;
    c.Tmax = r.Tmax;
    if (r.q1)
        c.parts[two ? CornerRanges::Q1TwoTransistors : CornerRanges::Q1OneTransistor] =
            transistorByKey(key(r.q1));
    if (r.q2)
        c.parts[CornerRanges::Q2] = transistorByKey(key(r.q2));
    if (r.output) {
        c.outputEntry = logicOutputByKey(key(r.output));
        c.output = c.outputEntry->figures;
    }
    c.floatingLeakage = r.floatingLeakage;
    c.VOL = r.VOL;
    return c;
}

struct OffCase
{
    const char *name;
    bool twoTransistors;
    double R1; // [kohm]
    Ranges ranges;
    const char *transistor; // the one checked
    OffDrive worst;
    double Vbe;        // in the worst state, the resistors as designed [V]
    double threshold;  // at Tmax [V]
    double largestRbe; // [kohm]
    std::u16string line;
};

class OffTest : public ::testing::TestWithParam<OffCase>
{};

TEST_P(OffTest, HeldOffUpToTheLargestResistor)
{
    const OffCase &c = GetParam();
    FormVariables v = sample(c.twoTransistors ? sampleRb1Two : sampleRb1One);
    v.R1 = c.R1;
    v.Rb2 = sampleRb2Two;
    const CornerRanges r = corners(c.twoTransistors, c.ranges);
    const StandardFits fits = c.twoTransistors ? fitTwoTransistors(v, r) : fitOneTransistor(v, r);
    const OffCheck check = offCheck(fits);
    EXPECT_NEAR(check.threshold, c.threshold, 1e-9);
    const auto t = std::ranges::find(check.transistors, key(c.transistor), &TransistorOff::name);
    ASSERT_NE(t, check.transistors.end());
    EXPECT_EQ(t->worst().drive, c.worst);
    EXPECT_NEAR(t->worst().Vbe, c.Vbe, 1e-4);
    if (c.largestRbe == anyResistor)
        EXPECT_EQ(t->worst().largestRbe, anyResistor);
    else
        EXPECT_NEAR(t->worst().largestRbe, c.largestRbe, 1e-3);
    const std::vector<std::u16string> lines = offSummaryLines(check, r, u",");
    EXPECT_NE(std::ranges::find(lines, c.line), lines.end())
        << std::string(c.line.begin(), c.line.end());
}

INSTANTIATE_TEST_SUITE_P(
    Designs,
    OffTest,
    ::testing::Values(
        // Floating in reset at 85 °C: (50 nA x 2^6 + 1 µA) x 10 k = 42 mV against 0.4 - 0.12 V;
        // R1 up to 0.28 V / 4.2 µA.
        OffCase{"ATmega328PFloatsInReset",
                false,
                10,
                {"2N3904", nullptr, "ATmega328P-5V", 85},
                "Q1",
                OffDrive::OutputFloating,
                0.042,
                0.28,
                66.6667,
                u"Q1 spento a ogni angolo: sì, fino a R1\u00a0=\u00a066,7\u00a0kohm."},
        // At 125 °C: (50 nA x 2^10 + 1 µA) x 10 k = 0.522 V against 0.20 V.
        OffCase{"TypedOutputFloatingTo125C",
                false,
                10,
                {nullptr, nullptr, nullptr, 125, 1.0},
                "Q1",
                OffDrive::OutputFloating,
                0.522,
                0.20,
                3.8314,
                u"Q1 spento a ogni angolo: no: con l'uscita flottante a 125\u00a0\u00b0C Vbe "
                u"raggiunge 0,52\u00a0V; serve R1\u00a0\u2264\u00a03,83\u00a0kohm."},
        // An output typed with VOL 0.3 V, which never floats: (0.3 x 10 + 0.0032 x 10 x 7.818) /
        // 17.818 = 0.1824 V; R1 up to 0.28 x 7.818 / (0.3 + 0.0032 x 7.818 - 0.28).
        OffCase{"TypedLowLevel",
                false,
                10,
                {"2N3904", nullptr, nullptr, 85, std::nullopt, 0.3},
                "Q1",
                OffDrive::OutputLow,
                0.18241,
                0.28,
                48.627,
                u"Q1 spento a ogni angolo: sì, fino a R1\u00a0=\u00a048,6\u00a0kohm."},
        // Q1 of two transistors, held by R1 to Vcc with Q2 off, at 125 °C: the BC327's 100 nA
        // doubles to 102.4 µA; Q2's BC817, the same at 25 °C, is capped by the 50 µA guaranteed
        // at 150 °C: 152.4 µA x 10 k, against 0.2 V.
        OffCase{"TwoTransistorsQ1ThroughR1",
                true,
                10,
                {"BC327-40", "BC817-40", nullptr, 125},
                "Q1",
                OffDrive::Q2Off,
                1.524,
                0.20,
                1.3123,
                u"Q1 spento a ogni angolo: no: con Q2 spento a 125\u00a0\u00b0C Vbe raggiunge "
                u"1,52\u00a0V; serve R1\u00a0\u2264\u00a01,31\u00a0kohm."},
        // Beyond the PN2222A's 125 °C row (10 µA) it doubles from that row: 20 µA at 135 °C,
        // through R1 || Rb1 = 4.388 k, 88 mV against 0.18 V; the output at 0 V holds any R1.
        OffCase{"BeyondTheHotRow",
                false,
                10,
                {"PN2222A", nullptr, nullptr, 135},
                "Q1",
                OffDrive::OutputLow,
                0.087755,
                0.18,
                anyResistor,
                u"Q1 spento a ogni angolo: sì, con qualunque R1."},
        // Below 25 °C the datasheet's 25 °C figure stands: (50 nA + 1 µA) x 10 k at 0 °C,
        // against 0.4 + 0.05 V.
        OffCase{"ColdRangeKeeps25CFigure",
                false,
                10,
                {"2N3904", nullptr, nullptr, 0, 1.0},
                "Q1",
                OffDrive::OutputFloating,
                0.0105,
                0.45,
                428.571,
                u"Q1 spento a ogni angolo: sì, fino a R1\u00a0=\u00a0429\u00a0kohm."},
        // 62 k holds as designed (4.2 µA x 62 k = 0.260 V), not at E12's +10 % (0.286 V).
        OffCase{"OnlyAsDesigned",
                false,
                62,
                {"2N3904", nullptr, nullptr, 85, 1.0},
                "Q1",
                OffDrive::OutputFloating,
                0.2604,
                0.28,
                66.6667,
                u"E12: con R1 a +10\u00a0% e l'Rb1 da acquistare, con l'uscita flottante a "
                u"85\u00a0\u00b0C Vbe di Q1 raggiunge 0,29\u00a0V: Q1 può non restare spento."}),
    CaseName());

} // namespace
