#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "worstcase/cornersettings.h"

#include "namedcase.h"

namespace {

const CornerTexts defaults{u"0.6", u"0.8", u"0", u"0.3", u"10", u"5",  u"1",  u"",    u"",  u"",
                           u"",    u"0",   u"",  u"",    u"",   u"25", u"25", u"0.4", u"0", u""};

CornerTexts with(CornerField field, std::u16string text, CornerTexts texts = defaults)
{
    texts[static_cast<std::size_t>(field)] = std::move(text);
    return texts;
}

// An output of the designer's own: 3.3 V up to 8 mA, 5 V at most.
const CornerTexts ownOutput =
    with(CornerField::ViLowest,
         u"3.3",
         with(CornerField::OutputCurrent, u"8", with(CornerField::ViHighest, u"5")));

TEST(CornerTexts, DefaultsReadBackAsTheyAreShown)
{
    EXPECT_EQ(cornerTexts(CornerRanges{}), defaults);
    const auto read = readCorners(defaults);
    ASSERT_TRUE(std::holds_alternative<CornerRanges>(read));
    EXPECT_EQ(std::get<CornerRanges>(read), CornerRanges{});
}

// What the form refuses, and the field it names: the first refused, in the form's order.
struct RefusalCase
{
    const char *name;
    CornerTexts texts;
    std::optional<CornerField> refused; // none: accepted
    std::u16string message;             // where refused
    std::u16string_view point = u".";   // the locale's decimal point
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase>
{};

TEST_P(RefusalTest, NamesTheField)
{
    const RefusalCase &c = GetParam();
    const auto read = readCorners(c.texts, c.point);
    if (!c.refused) {
        EXPECT_TRUE(std::holds_alternative<CornerRanges>(read));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<CornerRefusal>(read));
    EXPECT_EQ(std::get<CornerRefusal>(read).field, *c.refused);
    EXPECT_EQ(std::get<CornerRefusal>(read).message, c.message);
}

const std::u16string vbeHighest =
    u"Vbe massima [V]: scrivi un numero da 0 a 2, con il punto come separatore decimale.";
// The threshold of the off state refused, at Tmax [°C].
std::u16string offThreshold(std::u16string_view Tmax)
{
    return u"Vbe sotto cui un transistor è spento, a 25\u00a0\u00b0C [V]: scrivi una tensione "
           u"maggiore di 0 e minore della Vbe minima (0.6\u00a0V), che alla temperatura massima, "
           + std::u16string(Tmax)
           + u"\u00a0\u00b0C, scendendo di 2\u00a0mV/\u00b0C resti sopra 0\u00a0V.";
}
const std::u16string e24 = u"Tolleranza E24 [%]: scrivi un numero da 0 a meno di 50, con il "
                           u"punto come separatore decimale.";

INSTANTIATE_TEST_SUITE_P(
    Settings,
    RefusalTest,
    ::testing::Values(
        RefusalCase{"VbeUpTo900mV", with(CornerField::VbeHighest, u"0.9"), std::nullopt, {}},
        RefusalCase{"ExponentForm", with(CornerField::VceSatLowest, u"5E-2"), std::nullopt, {}},
        RefusalCase{"TwoVoltsIsTheTop", with(CornerField::VbeHighest, u"2"), std::nullopt, {}},
        RefusalCase{"AboveTwoVolts",
                    with(CornerField::VbeHighest, u"2.01"),
                    CornerField::VbeHighest,
                    vbeHighest},
        RefusalCase{"DecimalComma",
                    with(CornerField::VbeHighest, u"0,9"),
                    CornerField::VbeHighest,
                    vbeHighest},
        RefusalCase{"TrailingText",
                    with(CornerField::VbeHighest, u"0.9 V"),
                    CornerField::VbeHighest,
                    vbeHighest},
        RefusalCase{
            "Empty", with(CornerField::VbeHighest, u""), CornerField::VbeHighest, vbeHighest},
        RefusalCase{
            "Infinity", with(CornerField::VbeHighest, u"inf"), CornerField::VbeHighest, vbeHighest},
        RefusalCase{"BeyondADouble",
                    with(CornerField::VbeHighest, u"1E999"),
                    CornerField::VbeHighest,
                    vbeHighest},
        RefusalCase{"NegativeVoltage",
                    with(CornerField::VceSatLowest, u"-0.1"),
                    CornerField::VceSatLowest,
                    u"Vce(sat) di Q2 minima [V]: scrivi un numero da 0 a 2, con il punto come "
                    u"separatore decimale."},
        RefusalCase{"ZeroTolerance", with(CornerField::ToleranceE24, u"0"), std::nullopt, {}},
        RefusalCase{
            "FiftyPercent", with(CornerField::ToleranceE24, u"50"), CornerField::ToleranceE24, e24},
        RefusalCase{"NegativeTolerance",
                    with(CornerField::ToleranceE24, u"-1"),
                    CornerField::ToleranceE24,
                    e24},
        RefusalCase{"VbeRangeUpsideDown",
                    with(CornerField::VbeLowest, u"0.81"),
                    CornerField::VbeLowest,
                    u"Vbe minima [V] non può superare Vbe massima [V]."},
        // Off below a voltage where the transistor does not yet conduct, and still above 0 V at
        // Tmax as it falls 2 mV/°C: 0.3 V holds to 150 °C (0.05 V), 0.2 V does not.
        RefusalCase{"OffThresholdAtZero",
                    with(CornerField::VbeOff, u"0"),
                    CornerField::VbeOff,
                    offThreshold(u"25")},
        RefusalCase{"OffThresholdAtTheLowestVbe",
                    with(CornerField::VbeOff, u"0.6"),
                    CornerField::VbeOff,
                    offThreshold(u"25")},
        RefusalCase{"OffThresholdTo150C",
                    with(CornerField::VbeOff, u"0.3", with(CornerField::Tmax, u"150")),
                    std::nullopt,
                    {}},
        RefusalCase{"OffThresholdFallsToZeroBy150C",
                    with(CornerField::VbeOff, u"0.2", with(CornerField::Tmax, u"150")),
                    CornerField::VbeOff,
                    offThreshold(u"150")},
        // Left empty, the output's pin never floats; a leakage is from 0 to 1000 µA.
        RefusalCase{"PinFloatsWith1uA", with(CornerField::FloatingLeakage, u"1"), std::nullopt, {}},
        RefusalCase{
            "NegativePinLeakage",
            with(CornerField::FloatingLeakage, u"-1"),
            CornerField::FloatingLeakage,
            u"Dispersione del pin flottante [\u00b5A]: scrivi un numero da 0 a 1000, con il "
            u"punto come separatore decimale."},
        // Left empty, saturation is not asked for; asked for, a typed part's Ic/Ib from 1.
        RefusalCase{
            "SaturationAtTen", with(CornerField::SaturationForcedGain, u"10"), std::nullopt, {}},
        RefusalCase{"SaturationBelowOne",
                    with(CornerField::SaturationForcedGain, u"0.5"),
                    CornerField::SaturationForcedGain,
                    u"Ic/Ib massimo di un transistor come inserito: scrivi un numero da 1 a 1000, "
                    u"con il punto come separatore decimale."},
        RefusalCase{"VceSatAtOnePoint", with(CornerField::VceSatHighest, u"0"), std::nullopt, {}},
        RefusalCase{"VceSatRangeUpsideDown",
                    with(CornerField::VceSatLowest, u"0.4"),
                    CornerField::VceSatLowest,
                    u"Vce(sat) di Q2 minima [V] non può superare Vce(sat) di Q2 massima [V]."},
        // The form takes the locale's decimal point as well as ".", and says so.
        RefusalCase{"LocaleComma", with(CornerField::VbeHighest, u"0,9"), std::nullopt, {}, u","},
        RefusalCase{"LocaleCommaInAnOutput",
                    with(CornerField::ViLowest, u"3,84", ownOutput),
                    std::nullopt,
                    {},
                    u","},
        RefusalCase{
            "CommaAndPoint",
            with(CornerField::VbeHighest, u"0,9.1"),
            CornerField::VbeHighest,
            u"Vbe massima [V]: scrivi un numero da 0 a 2, con il punto o \u00ab,\u00bb come "
            u"separatore decimale.",
            u","},
        RefusalCase{"OutputAbove30V",
                    with(CornerField::ViHighest, u"31", ownOutput),
                    CornerField::ViHighest,
                    u"Vi alta massima [V]: scrivi un numero da 0 a 30, con il punto come "
                    u"separatore decimale."},
        RefusalCase{"OutputWithoutCurrent",
                    with(CornerField::OutputCurrent, u"0", ownOutput),
                    CornerField::OutputCurrent,
                    u"garantita fino a [mA]: scrivi un numero maggiore di 0 e fino a 1000, con il "
                    u"punto come separatore decimale."},
        RefusalCase{"OutputHalfGiven",
                    with(CornerField::ViHighest, u"", ownOutput),
                    CornerField::ViHighest,
                    u"Vi alta massima [V]: scrivi un numero da 0 a 30, con il punto come "
                    u"separatore decimale."},
        RefusalCase{"OutputUpsideDown",
                    with(CornerField::ViLowest, u"5.5", ownOutput),
                    CornerField::ViLowest,
                    u"Vi alta minima garantita [V] non può superare Vi alta massima [V]."},
        RefusalCase{"VccFiftyPercent",
                    with(CornerField::VccTolerance, u"50"),
                    CornerField::VccTolerance,
                    u"Tolleranza di Vcc [%]: scrivi un numero da 0 a meno di 50, con il punto "
                    u"come separatore decimale."},
        RefusalCase{"TminBelowZero", with(CornerField::Tmin, u"-40"), std::nullopt, {}},
        RefusalCase{"TmaxAbove150",
                    with(CornerField::Tmax, u"151"),
                    CornerField::Tmax,
                    u"Temperatura massima [\u00b0C]: scrivi un numero da \u221255 a 150, "
                    u"con il punto come separatore decimale."},
        RefusalCase{"TminBelowMinus55",
                    with(CornerField::Tmin, u"-56"),
                    CornerField::Tmin,
                    u"Temperatura minima [\u00b0C]: scrivi un numero da \u221255 a 150, "
                    u"con il punto come separatore decimale."},
        RefusalCase{
            "TemperatureRangeUpsideDown",
            with(CornerField::Tmin, u"30"),
            CornerField::Tmin,
            u"Temperatura minima [\u00b0C] non può superare Temperatura massima [\u00b0C]."},
        RefusalCase{"PartOfTheRightPolarity",
                    with(CornerField::Q1TwoTransistors, u"BC327-40"),
                    std::nullopt,
                    {}},
        RefusalCase{"PartOfTheOtherPolarity",
                    with(CornerField::Q2, u"BC327-40"),
                    CornerField::Q2,
                    u"Q2 (NPN): scegli un transistor dell'elenco."}),
    CaseName());

// Stored settings load field by field: the damaged ones take their defaults and are listed.
TEST(StoredCorners, DamagedValuesTakeTheirDefaults)
{
    std::array<std::optional<std::u16string>, cornerFieldCount> stored{};
    EXPECT_EQ(readStoredCorners(stored).ranges, CornerRanges{});
    EXPECT_TRUE(readStoredCorners(stored).replaced.empty()); // nothing stored yet: nothing to say

    stored[static_cast<std::size_t>(CornerField::ToleranceE24)] = u"1";
    stored[static_cast<std::size_t>(CornerField::ToleranceE12)] = u"dieci";
    stored[static_cast<std::size_t>(CornerField::VbeLowest)] = u"0.95"; // above 0.8
    const StoredCorners loaded = readStoredCorners(stored);
    CornerRanges expected;
    expected.tolerancePercent[1] = 1;
    EXPECT_EQ(loaded.ranges, expected);
    const std::vector<CornerField> replaced{
        CornerField::VbeLowest, CornerField::VbeHighest, CornerField::ToleranceE12};
    EXPECT_EQ(loaded.replaced, replaced);

    // The output's figures fall together.
    stored[static_cast<std::size_t>(CornerField::ViLowest)] = u"3.84";
    stored[static_cast<std::size_t>(CornerField::ViHighest)] = u"cinque";
    const StoredCorners halfOutput = readStoredCorners(stored);
    EXPECT_FALSE(halfOutput.ranges.output);
    EXPECT_EQ(halfOutput.replaced.size(), 6U);
}

// The form's rules hold for stored settings too, field by field: what each text leaves replaced,
// and whether the output stands.
struct StoredCase
{
    const char *name;
    std::vector<std::pair<CornerField, std::u16string>> stored; // the others never stored
    std::vector<CornerField> replaced;
    bool output;
};

class StoredRulesTest : public ::testing::TestWithParam<StoredCase>
{};

TEST_P(StoredRulesTest, ReplacesWhatTheFormRefuses)
{
    const StoredCase &c = GetParam();
    std::array<std::optional<std::u16string>, cornerFieldCount> stored;
    for (const auto &[field, text] : c.stored)
        stored[static_cast<std::size_t>(field)] = text;
    const StoredCorners loaded = readStoredCorners(stored);
    EXPECT_EQ(loaded.replaced, c.replaced);
    EXPECT_EQ(loaded.ranges.output.has_value(), c.output);
}

const std::vector<CornerField> outputFigures{
    CornerField::ViLowest, CornerField::OutputCurrent, CornerField::ViHighest};

INSTANTIATE_TEST_SUITE_P(
    Settings,
    StoredRulesTest,
    ::testing::Values(
        StoredCase{"VceSatRangeUpsideDown",
                   {{CornerField::VceSatLowest, u"0.4"}},
                   {CornerField::VceSatLowest, CornerField::VceSatHighest},
                   false},
        // The refused end takes its default, which the other end stored lies below.
        StoredCase{"RefusedEndLeavesTheRangeUpsideDown",
                   {{CornerField::VbeLowest, u"x"}, {CornerField::VbeHighest, u"0.5"}},
                   {CornerField::VbeLowest, CornerField::VbeHighest},
                   false},
        StoredCase{"TmaxAbove150", {{CornerField::Tmax, u"151"}}, {CornerField::Tmax}, false},
        // An earlier version's highest ambient, stored under the same key, is Tmax: above the
        // Tmin stored, both fall.
        StoredCase{"TemperatureRangeUpsideDown",
                   {{CornerField::Tmin, u"40"}, {CornerField::Tmax, u"30"}},
                   {CornerField::Tmin, CornerField::Tmax},
                   false},
        StoredCase{"VccFiftyPercent",
                   {{CornerField::VccTolerance, u"50"}},
                   {CornerField::VccTolerance},
                   false},
        StoredCase{
            "PartOfTheOtherPolarity", {{CornerField::Q2, u"BC327-40"}}, {CornerField::Q2}, false},
        StoredCase{"EmptyPartIsAsTyped", {{CornerField::Q1TwoTransistors, u""}}, {}, false},
        StoredCase{"OwnOutput",
                   {{CornerField::ViLowest, u"3.3"},
                    {CornerField::OutputCurrent, u"8"},
                    {CornerField::ViHighest, u"5"}},
                   {},
                   true},
        StoredCase{"OutputFiguresAllEmpty",
                   {{CornerField::ViLowest, u""},
                    {CornerField::OutputCurrent, u""},
                    {CornerField::ViHighest, u""}},
                   {},
                   false},
        StoredCase{"OutputLowestRefused",
                   {{CornerField::ViLowest, u"tre"},
                    {CornerField::OutputCurrent, u"8"},
                    {CornerField::ViHighest, u"5"}},
                   outputFigures,
                   false},
        StoredCase{"OutputUpsideDown",
                   {{CornerField::ViLowest, u"5.5"},
                    {CornerField::OutputCurrent, u"8"},
                    {CornerField::ViHighest, u"5"}},
                   outputFigures,
                   false},
        StoredCase{"OutputCurrentNotStored",
                   {{CornerField::ViLowest, u"3.3"}, {CornerField::ViHighest, u"5"}},
                   outputFigures,
                   false}),
    CaseName());

// A choice from the list is kept by its key with its figures, and read back as that entry; the
// same key with figures edited by hand reads as the designer's own output.
TEST(StoredCorners, OutputChoiceRoundTrip)
{
    CornerRanges chosen;
    chosen.outputEntry = logicOutputByKey(u"74HC-5V");
    chosen.output = chosen.outputEntry->figures;
    chosen.VccTolerancePercent = 5;
    chosen.parts[CornerRanges::Q2] = transistorByKey(u"2N3904");
    chosen.Tmin = -40;
    chosen.Tmax = 85;
    chosen.saturationForcedGain = 12.5;
    const CornerTexts texts = cornerTexts(chosen);
    std::array<std::optional<std::u16string>, cornerFieldCount> stored;
    std::copy(texts.begin(), texts.end(), stored.begin());
    const StoredCorners loaded = readStoredCorners(stored);
    EXPECT_EQ(loaded.ranges, chosen);
    EXPECT_TRUE(loaded.replaced.empty());

    stored[static_cast<std::size_t>(CornerField::OutputCurrent)] = u"6";
    const StoredCorners edited = readStoredCorners(stored);
    ASSERT_TRUE(edited.ranges.output);
    EXPECT_EQ(edited.ranges.output->currentLimit, 6);
    EXPECT_EQ(edited.ranges.outputEntry, nullptr);

    // A part this version does not know takes its default, as typed, and is said.
    stored[static_cast<std::size_t>(CornerField::Q2)] = u"2N9999";
    const StoredCorners unknown = readStoredCorners(stored);
    EXPECT_EQ(unknown.ranges.parts[CornerRanges::Q2], nullptr);
    EXPECT_EQ(unknown.replaced, std::vector<CornerField>{CornerField::Q2});
}

} // namespace
