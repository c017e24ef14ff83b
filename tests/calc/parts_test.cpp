#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "parts/cutoffcurrents.h"
#include "parts/logicoutputs.h"
#include "parts/outputlowlevels.h"
#include "parts/transistors.h"
#include "worstcase/datasheetcheck.h"

namespace {

std::string narrow(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

// Every output of the list: a level that can drive a base, guaranteed up to a current, below the
// highest it reaches; a key of its own that finds it; where its figures come from.
TEST(LogicOutputs, EachRowConsistent)
{
    std::set<std::u16string_view> keys;
    for (const LogicOutput &o : logicOutputs()) {
        SCOPED_TRACE(narrow(o.key));
        EXPECT_GT(o.figures.ViLowest, 0.7);
        EXPECT_LT(o.figures.ViLowest, o.figures.ViHighest);
        EXPECT_GT(o.figures.currentLimit, 0);
        EXPECT_FALSE(o.source.empty());
        EXPECT_FALSE(o.temperature.empty());
        EXPECT_TRUE(keys.insert(o.key).second) << "key used twice";
        EXPECT_EQ(logicOutputByKey(o.key), &o);
        const std::u16string name = outputName(o, u",");
        EXPECT_EQ(name.find(u"%1"), std::u16string::npos);
        EXPECT_EQ(name.find(u"%2"), std::u16string::npos);
        // Its low level: rows in rising current, below its high level, with a source.
        const OutputLowLevel *low = outputLowLevel(o);
        ASSERT_NE(low, nullptr);
        EXPECT_FALSE(low->rows.empty());
        EXPECT_FALSE(low->source.empty());
        double Iol = 0;
        for (const LowLevelRow &r : low->rows) {
            EXPECT_GT(r.Iol, Iol);
            EXPECT_LT(r.VOLmax, o.figures.ViLowest);
            Iol = r.Iol;
        }
    }
    EXPECT_EQ(logicOutputByKey(u"74HC"), nullptr);
}

// Every part: rows in rising current with positive limits, a forced gain above 1 in each
// saturation row, a rating, a key of its own, a source.
TEST(TransistorParts, EachRowConsistent)
{
    std::set<std::u16string_view> keys;
    for (const TransistorPart &p : transistorParts()) {
        SCOPED_TRACE(narrow(p.key));
        EXPECT_TRUE(keys.insert(p.key).second) << "key used twice";
        EXPECT_EQ(transistorByKey(p.key), &p);
        EXPECT_FALSE(p.source.empty());
        EXPECT_FALSE(p.gain.empty());
        EXPECT_FALSE(p.VceSat.empty());
        EXPECT_GT(p.IcMax, 0);
        EXPECT_GT(p.power.Ptot, 0);
        double Ic = 0;
        for (const GainRow &r : p.gain) {
            EXPECT_GT(r.Ic, Ic);
            EXPECT_GT(r.hFEmin, 0);
            EXPECT_GT(r.Vce, 0);
            Ic = r.Ic;
        }
        for (const auto rows : {p.VceSat, p.VbeSat}) {
            Ic = 0;
            for (const SaturationRow &r : rows) {
                EXPECT_GT(r.Ic, Ic);
                EXPECT_GT(r.Ic / r.Ib, 1);
                EXPECT_GT(r.max, 0);
                Ic = r.Ic;
            }
        }
        EXPECT_FALSE(p.VbeSat.empty() && p.VbeOn.empty()) << "no Vbe limit at all";
        // Its cut-off current from 25 °C up, with a source.
        const CutoffFigures &cutoff = cutoffFigures(&p);
        EXPECT_FALSE(cutoff.source.empty());
        EXPECT_EQ(cutoff.rows.front().celsius, 25);
        for (std::size_t i = 1; i < cutoff.rows.size(); ++i) {
            EXPECT_GT(cutoff.rows[i].celsius, cutoff.rows[i - 1].celsius);
            EXPECT_GT(cutoff.rows[i].max, cutoff.rows[i - 1].max);
        }
    }
}

// The datasheet's figures at a collector current and a base current, as the worst case takes
// them: a VBE(sat) row holds up to both its currents; beyond them, and for a VBE(on) row, 0.1 V
// more.
struct LookUpCase
{
    const char *name;
    std::u16string_view part;
    double Ic;                    // [mA]
    double Ib;                    // the largest base current [mA]
    std::optional<double> hFEmin; // none: no gain guaranteed
    bool belowRows;               // the lowest of the table, below its first row
    double Vbe;                   // the highest [V]
    VbeLimit::Basis basis;
};

class LookUpTest : public ::testing::TestWithParam<LookUpCase>
{};

TEST_P(LookUpTest, GainAndVbe)
{
    const LookUpCase &c = GetParam();
    const TransistorPart &part = *transistorByKey(c.part);
    const auto gain = guaranteedGain(part, c.Ic);
    ASSERT_EQ(gain.has_value(), c.hFEmin.has_value());
    if (gain) {
        EXPECT_EQ(gain->row.hFEmin, *c.hFEmin);
        EXPECT_EQ(gain->belowRows, c.belowRows);
    }
    const auto vbe = highestVbe(part, c.Ic, c.Ib);
    ASSERT_TRUE(vbe);
    EXPECT_DOUBLE_EQ(vbe->Vbe, c.Vbe);
    EXPECT_EQ(vbe->basis, c.basis);
}

using enum VbeLimit::Basis;

INSTANTIATE_TEST_SUITE_P(
    Parts,
    LookUpTest,
    ::testing::Values(
        LookUpCase{"AtARow", u"2N3904", 50, 1, 60, false, 0.95, Saturation},
        LookUpCase{"BetweenRowsTheLower", u"2N3904", 40, 1, 60, false, 0.95, Saturation},
        LookUpCase{"BetweenRowsTheLowerBelow", u"2N3904", 5, 0.5, 70, false, 0.85, Saturation},
        // 10 mA driven with 2 mA of base: the 10/1 mA row's 0.85 V does not hold.
        LookUpCase{"VbeSatRowByBaseCurrent", u"2N3904", 10, 2, 100, false, 0.95, Saturation},
        // Below 0.1 mA the datasheet guarantees nothing: its table's lowest, 30 at 100 mA.
        LookUpCase{"BelowTheFirstRow", u"2N3904", 0.05, 0.01, 30, true, 0.85, Saturation},
        LookUpCase{
            "BeyondTheLastRow", u"2N3904", 150, 10, std::nullopt, false, 1.05, BeyondSaturation},
        // 40 mA is below the BC337-40's first row, 100 mA: its table's lowest, 60 at 300 mA.
        LookUpCase{"VbeOnStandsIn", u"BC337-40", 40, 1, 60, true, 1.3, OnStandIn},
        LookUpCase{"OnlyOneGainRow", u"BC547B", 2.5, 0.1, std::nullopt, false, 1.0, Saturation},
        // MCC and Weitron guarantee 1.0 V at 100/5 mA; Diotec 1.3 V for the BC817.
        LookUpCase{"BC557BVbeSat", u"BC557B", 2, 0.1, 180, false, 1.0, Saturation},
        LookUpCase{"BC817VbeSat", u"BC817-40", 100, 5, 250, false, 1.3, Saturation}),
    [](const auto &info) { return std::string(info.param.name); });

// TO-92: 625 mW up to 25 °C, 400 mW at 70 °C; nothing left far above. A resistor holds its
// rating up to 70 °C, half of it at 112.5 °C, none from 155 °C.
TEST(PowerRatings, Derated)
{
    const PowerRating &to92 = transistorByKey(u"2N3904")->power;
    EXPECT_EQ(deratedPower(to92, 25), 625);
    EXPECT_EQ(deratedPower(to92, 0), 625);
    EXPECT_EQ(deratedPower(to92, 70), 400);
    EXPECT_EQ(deratedPower(to92, 200), 0);
    EXPECT_EQ(resistorRating(125, 70), 125);
    EXPECT_EQ(resistorRating(125, -20), 125);
    EXPECT_DOUBLE_EQ(resistorRating(125, 112.5), 62.5);
    EXPECT_EQ(resistorRating(250, 160), 0);
}

} // namespace
