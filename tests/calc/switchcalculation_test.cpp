#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "nominal/sampledesign.h"
#include "press.h"

#include "namedcase.h"

namespace {

enum class Circuit { None, OneTransistor, TwoTransistors };

// The entries each circuit checks, in the order it checks them.
const std::vector<Entry> oneTransistorChecks{
    Entry::Text2, Entry::Text3, Entry::Text4, Entry::Text8, Entry::Text6};
const std::vector<Entry> twoTransistorChecks{Entry::Text1,
                                             Entry::Text2,
                                             Entry::Text3,
                                             Entry::Text4,
                                             Entry::Text5,
                                             Entry::Text8,
                                             Entry::Text9,
                                             Entry::Text6,
                                             Entry::Text7};

struct Edit
{
    Entry entry;
    std::u16string text;
};

// The captions a completed press writes, formatted with "." as the window formats them.
struct Captions
{
    std::u16string rb1, rb2, ii; // rb2 empty: Label20 is not written
};

Captions captionsOf(const PressResults &r)
{
    return {formatHundredths(r.Rb1, u"."),
            r.Rb2 ? formatHundredths(*r.Rb2, u".") : u"",
            formatHundredths(r.Ii, u".")};
}

// Presses on the sample design with some entries changed, keeping the variables across presses.
struct SamplePress
{
    explicit SamplePress(Circuit circuit, std::vector<Edit> edits = {}) : circuit(circuit)
    {
        fillSample();
        for (Edit &edit : edits)
            text(edit.entry) = std::move(edit.text);
    }
    void fillSample()
    {
        for (const SampleText &sample : sampleDesign)
            text(sample.entry) = sample.text;
    }
    std::u16string &text(Entry entry) { return texts[static_cast<std::size_t>(entry)]; }

    PressOutcome press()
    {
        PressInput input{circuit == Circuit::OneTransistor, circuit == Circuit::TwoTransistors};
        for (std::size_t i = 0; i < entryCount; ++i)
            input.texts[i] = texts[i];
        return pressCalcola(variables, module, input);
    }

    Circuit circuit;
    std::array<std::u16string, entryCount> texts{};
    FormVariables variables;
    Module1 module;
};

// The one message of a press that stops, and no results.
void expectStoppedWith(const PressOutcome &outcome, MessageKind kind, std::u16string_view text)
{
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages[0].kind, kind);
    EXPECT_EQ(outcome.messages[0].text, text);
    EXPECT_FALSE(outcome.results.has_value()) << "a press that stops writes no caption";
}

// ---------------------------------------------------------------------------------------------
// Designs that complete.

struct DesignCase
{
    const char *name;
    Circuit circuit;
    std::vector<Edit> edits;
    std::u16string rb1, rb2, ii; // rb2 empty: Label20 is not written
    bool warns;
};

class CompletedDesignTest : public ::testing::TestWithParam<DesignCase>
{};

TEST_P(CompletedDesignTest, GivesTheResults)
{
    const DesignCase &c = GetParam();
    SamplePress run(c.circuit, c.edits);
    const PressOutcome outcome = run.press();
    ASSERT_TRUE(outcome.results.has_value());

    const Captions captions = captionsOf(*outcome.results);
    EXPECT_EQ(captions.rb1, c.rb1);
    EXPECT_EQ(captions.rb2, c.rb2);
    EXPECT_EQ(captions.ii, c.ii);

    if (c.warns) {
        ASSERT_EQ(outcome.messages.size(), 1U);
        EXPECT_EQ(outcome.messages[0].kind, MessageKind::CurrentWarning);
        EXPECT_EQ(outcome.messages[0].text, Messages::correnteIngresso);
        EXPECT_EQ(run.variables.Msg, Messages::correnteIngresso);
    } else {
        EXPECT_TRUE(outcome.messages.empty());
        EXPECT_TRUE(run.variables.Msg.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designs,
    CompletedDesignTest,
    ::testing::Values(
        // Ib1 0.48, Ii 0.55, Rb1 7.8181...
        DesignCase{"OneTransistorSample", Circuit::OneTransistor, {}, u"7.82", u"", u"0.55", false},
        // Ib1 0.48, Rb1 20, Ib2 0.0066, Ii 0.0766, Rb2 56.1357...
        DesignCase{
            "TwoTransistorSample", Circuit::TwoTransistors, {}, u"20.00", u"56.14", u"0.08", false},
        // Ii 4.87 is beyond what a CMOS output delivers: warned, then computed all the same.
        DesignCase{"OneTransistorHeavyLoad",
                   Circuit::OneTransistor,
                   {{Entry::Text2, u"400"}},
                   u"0.88",
                   u"",
                   u"4.87",
                   true},
        // Ib1 = 400 / 100 = 4 exactly and 0.7 / 1E300 vanishes beside it: Ii is exactly 4.
        DesignCase{"OneTransistorExactlyAtLimit",
                   Circuit::OneTransistor,
                   {{Entry::Text2, u"400"},
                    {Entry::Text6, u"0"},
                    {Entry::Text8, u"1E300"},
                    {Entry::Text3, u"4.7"}},
                   u"1.00",
                   u"",
                   u"4.00",
                   true},
        DesignCase{"TwoTransistorHeavyLoad",
                   Circuit::TwoTransistors,
                   {{Entry::Text9, u"0.1"}},
                   u"20.00",
                   u"0.61",
                   u"7.01",
                   true},
        // Ib1 = 1.2E-300 / 1E300 underflows to 0: not a fault.
        DesignCase{"UnderflowIsNotAFault",
                   Circuit::OneTransistor,
                   {{Entry::Text2, u"1E-300"}, {Entry::Text4, u"1E300"}},
                   u"61.43",
                   u"",
                   u"0.07",
                   false},
        DesignCase{"UnderflowingTextReadsZero",
                   Circuit::OneTransistor,
                   {{Entry::Text6, u"1E-999"}},
                   u"9.15",
                   u"",
                   u"0.47",
                   false},
        // Nothing is checked for sign or size: Vi below 0.7 V gives a negative Rb1.
        DesignCase{"OneTransistorLowInput",
                   Circuit::OneTransistor,
                   {{Entry::Text3, u"0.5"}},
                   u"-0.36",
                   u"",
                   u"0.55",
                   false},
        DesignCase{"TwoTransistorLowSupply",
                   Circuit::TwoTransistors,
                   {{Entry::Text1, u"0.5"}},
                   u"-0.91",
                   u"56.14",
                   u"0.08",
                   false},
        // IL 40.5 from "40.5.3", hFE1min -5: Ib1 -9.72, Ii -9.65.
        DesignCase{"LeadingNumberAndNegativeGain",
                   Circuit::OneTransistor,
                   {{Entry::Text2, u"40.5.3"}, {Entry::Text4, u"-5"}},
                   u"-0.45",
                   u"",
                   u"-9.65",
                   false},
        // Vcc is not checked in this circuit: empty, or any text, reads as some number unused.
        DesignCase{"OneTransistorEmptySupply",
                   Circuit::OneTransistor,
                   {{Entry::Text1, u""}},
                   u"7.82",
                   u"",
                   u"0.55",
                   false},
        DesignCase{"OneTransistorMalformedSupply",
                   Circuit::OneTransistor,
                   {{Entry::Text1, u"dodici"}},
                   u"7.82",
                   u"",
                   u"0.55",
                   false},
        // The fields of Q2 are neither checked nor read in the one-transistor circuit.
        DesignCase{"OneTransistorIgnoresSecondStage",
                   Circuit::OneTransistor,
                   {{Entry::Text5, u""}, {Entry::Text7, u"x"}, {Entry::Text9, u"1E999"}},
                   u"7.82",
                   u"",
                   u"0.55",
                   false}),
    CaseName());

TEST(CompletedDesign, KeepsTheComputedVariables)
{
    SamplePress run(Circuit::TwoTransistors);
    ASSERT_TRUE(run.press().results.has_value());
    const FormVariables &v = run.variables;
    EXPECT_DOUBLE_EQ(v.Ib1, 0.48);
    EXPECT_DOUBLE_EQ(v.Rb1, 20.0);
    EXPECT_DOUBLE_EQ(v.Ib2, 0.0066);
    EXPECT_DOUBLE_EQ(v.Ii, 0.0766);
    EXPECT_NEAR(v.Rb2, 56.1357, 1e-4);
}

TEST(CompletedDesign, OneTransistorPressKeepsTheOlderSecondStage)
{
    SamplePress run(Circuit::TwoTransistors);
    ASSERT_TRUE(run.press().results.has_value());
    const FormVariables before = run.variables;

    run.circuit = Circuit::OneTransistor;
    run.text(Entry::Text5) = u"7";
    run.text(Entry::Text7) = u"70";
    run.text(Entry::Text9) = u"0.1";
    const PressOutcome outcome = run.press();
    ASSERT_TRUE(outcome.results.has_value());

    EXPECT_FALSE(outcome.results->Rb2.has_value()) << "Label20 keeps the older Rb2";
    const FormVariables &v = run.variables;
    EXPECT_EQ(v.hFE2min, before.hFE2min);
    EXPECT_EQ(v.R2, before.R2);
    EXPECT_EQ(v.maggIb2, before.maggIb2);
    EXPECT_EQ(v.Ib2, before.Ib2);
    EXPECT_EQ(v.Rb2, before.Rb2);
}

TEST(CompletedDesign, NoCircuitSelectedDoesNothing)
{
    SamplePress run(Circuit::None);
    const PressOutcome outcome = run.press();
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_FALSE(outcome.results.has_value());
    EXPECT_EQ(run.variables.IL, 0.0);
}

// ---------------------------------------------------------------------------------------------
// Rejected entries: the first one alone is reported, and nothing changes.

struct RejectionCase
{
    std::string name;
    Circuit circuit;
    Entry rejected;
    std::u16string text;
    std::vector<Entry> later; // entries after it, made malformed too
};

std::vector<RejectionCase> rejectionCases()
{
    std::vector<RejectionCase> cases;
    const auto add = [&](Circuit circuit, const std::vector<Entry> &order, const char *prefix) {
        for (std::size_t k = 0; k < order.size(); ++k) {
            const std::vector<Entry> later(order.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                                           order.end());
            const std::string number = std::to_string(static_cast<int>(order[k]) + 1);
            cases.push_back(
                {prefix + std::string("EmptyText") + number, circuit, order[k], u"", later});
            cases.push_back(
                {prefix + std::string("MalformedText") + number, circuit, order[k], u"1,5", later});
        }
    };
    add(Circuit::OneTransistor, oneTransistorChecks, "One");
    add(Circuit::TwoTransistors, twoTransistorChecks, "Two");
    return cases;
}

class RejectedEntryTest : public ::testing::TestWithParam<RejectionCase>
{};

TEST_P(RejectedEntryTest, ShowsOnlyThatEntrysMessage)
{
    const RejectionCase &c = GetParam();
    SamplePress run(c.circuit, {{c.rejected, c.text}});
    for (const Entry entry : c.later)
        run.text(entry) = u"?";

    const Messages::EntryMessages &expected = Messages::forEntry(c.rejected);
    expectStoppedWith(
        run.press(), MessageKind::EntryRejected, c.text.empty() ? expected.vuoto : expected.errore);
    EXPECT_EQ(run.module.Errore, 1);
    EXPECT_EQ(run.variables.IL, 0.0) << "no text is converted";
    EXPECT_EQ(run.variables.Vcc, 0.0);
}

INSTANTIATE_TEST_SUITE_P(FirstFailing,
                         RejectedEntryTest,
                         ::testing::ValuesIn(rejectionCases()),
                         CaseName());

// ---------------------------------------------------------------------------------------------
// Numbers beyond the range of a double: the entry is named, and nothing changes.

struct OutOfRangeCase
{
    const char *name;
    Circuit circuit;
    Entry entry;
    std::u16string text;
};

class OutOfRangeTest : public ::testing::TestWithParam<OutOfRangeCase>
{};

TEST_P(OutOfRangeTest, NamesTheEntryAndChangesNothing)
{
    const OutOfRangeCase &c = GetParam();
    SamplePress run(c.circuit, {{c.entry, c.text}});
    expectStoppedWith(
        run.press(), MessageKind::OutOfRange, Messages::forEntry(c.entry).fuoriIntervallo);
    const FormVariables &v = run.variables;
    for (const double value : {v.Vcc,
                               v.IL,
                               v.Vi,
                               v.hFE1min,
                               v.hFE2min,
                               v.R1,
                               v.R2,
                               v.maggIb1,
                               v.maggIb2,
                               v.Ib1,
                               v.Ib2,
                               v.Ii,
                               v.Rb1,
                               v.Rb2})
        EXPECT_EQ(value, 0.0) << "a variable changed";
}

const std::u16string fourHundredDigits = u"1" + std::u16string(399, u'0');

INSTANTIATE_TEST_SUITE_P(
    Conversions,
    OutOfRangeTest,
    ::testing::Values(
        // Text1 is hidden and unchecked in the one-transistor circuit, yet converted.
        OutOfRangeCase{"HiddenSupply", Circuit::OneTransistor, Entry::Text1, u"1E999"},
        OutOfRangeCase{
            "HiddenSupplyMalformedAfter", Circuit::OneTransistor, Entry::Text1, u"-1e400 V"},
        OutOfRangeCase{
            "FourHundredDigits", Circuit::OneTransistor, Entry::Text2, fourHundredDigits},
        OutOfRangeCase{"LastOfOneTransistor", Circuit::OneTransistor, Entry::Text6, u"1E309"},
        OutOfRangeCase{"LastOfTwoTransistors", Circuit::TwoTransistors, Entry::Text7, u"-1E999"},
        OutOfRangeCase{"SecondStageResistor",
                       Circuit::TwoTransistors,
                       Entry::Text9,
                       fourHundredDigits + u".5"}),
    CaseName());

// ---------------------------------------------------------------------------------------------
// Arithmetic faults: the press ends at the step, with one box and no label changed.

struct FaultCase
{
    const char *name;
    Circuit circuit;
    std::vector<Edit> edits;
    std::u16string_view message;
};

class ArithmeticFaultTest : public ::testing::TestWithParam<FaultCase>
{};

TEST_P(ArithmeticFaultTest, EndsThePressWithLabelsUnchanged)
{
    const FaultCase &c = GetParam();
    SamplePress run(c.circuit, c.edits);
    expectStoppedWith(run.press(), MessageKind::ArithmeticFault, c.message);

    // The window carries on: the sample design then computes as usual.
    run.fillSample();
    const PressOutcome next = run.press();
    EXPECT_TRUE(next.results.has_value());
    EXPECT_TRUE(next.messages.empty());
}

using namespace Messages;

INSTANTIATE_TEST_SUITE_P(
    Steps,
    ArithmeticFaultTest,
    ::testing::Values(
        // One-transistor circuit, step by step.
        FaultCase{"OneZeroGain", Circuit::OneTransistor, {{Entry::Text4, u"0"}}, divisionePerZero},
        FaultCase{"OneZeroGainNoLoad",
                  Circuit::OneTransistor,
                  {{Entry::Text4, u"0"}, {Entry::Text2, u"0"}},
                  operazioneIndeterminata},
        FaultCase{"OneBaseCurrentOverflows",
                  Circuit::OneTransistor,
                  {{Entry::Text2, u"1E300"}, {Entry::Text6, u"1E300"}},
                  risultatoTroppoGrande},
        FaultCase{"OneZeroR1", Circuit::OneTransistor, {{Entry::Text8, u"0"}}, divisionePerZero},
        FaultCase{"OneTinyR1Overflows",
                  Circuit::OneTransistor,
                  {{Entry::Text8, u"1E-310"}},
                  risultatoTroppoGrande},
        // 0.7 / 0.7 - 100 / 100 leaves Ii exactly 0.
        FaultCase{"OneZeroInputCurrent",
                  Circuit::OneTransistor,
                  {{Entry::Text8, u"0.7"}, {Entry::Text2, u"-100"}, {Entry::Text6, u"0"}},
                  divisionePerZero},
        FaultCase{"OneZeroOverZero",
                  Circuit::OneTransistor,
                  {{Entry::Text8, u"0.7"},
                   {Entry::Text2, u"-100"},
                   {Entry::Text6, u"0"},
                   {Entry::Text3, u"0.7"}},
                  operazioneIndeterminata},
        FaultCase{"OneBaseResistorOverflows",
                  Circuit::OneTransistor,
                  {{Entry::Text3, u"1E308"}},
                  risultatoTroppoGrande},
        // Two-transistor circuit.
        FaultCase{
            "TwoZeroGainQ1", Circuit::TwoTransistors, {{Entry::Text4, u"0"}}, divisionePerZero},
        FaultCase{"TwoZeroR1", Circuit::TwoTransistors, {{Entry::Text8, u"0"}}, divisionePerZero},
        // 0.7 / 1E-310 overflows although (Vcc - 1) / inf comes out 0.
        FaultCase{"TwoTinyR1Overflows",
                  Circuit::TwoTransistors,
                  {{Entry::Text8, u"1E-310"}},
                  risultatoTroppoGrande},
        FaultCase{
            "TwoZeroGainQ2", Circuit::TwoTransistors, {{Entry::Text5, u"0"}}, divisionePerZero},
        FaultCase{"TwoSecondStageOverflows",
                  Circuit::TwoTransistors,
                  {{Entry::Text5, u"1E-300"}, {Entry::Text7, u"1E300"}},
                  risultatoTroppoGrande},
        FaultCase{"TwoZeroR2", Circuit::TwoTransistors, {{Entry::Text9, u"0"}}, divisionePerZero},
        FaultCase{"TwoTinyR2Overflows",
                  Circuit::TwoTransistors,
                  {{Entry::Text9, u"1E-309"}},
                  risultatoTroppoGrande},
        // Ib1 0, Rb1 11, Ib2 = 1 x (-2 + 1) / 1 = -1, Ii = 0.7 / 0.7 - 1 = 0.
        FaultCase{"TwoZeroInputCurrent",
                  Circuit::TwoTransistors,
                  {{Entry::Text8, u"0.7"},
                   {Entry::Text6, u"-100"},
                   {Entry::Text7, u"-200"},
                   {Entry::Text5, u"1"},
                   {Entry::Text9, u"0.7"}},
                  divisionePerZero},
        FaultCase{"TwoBaseResistorOverflows",
                  Circuit::TwoTransistors,
                  {{Entry::Text3, u"1E308"}},
                  risultatoTroppoGrande}),
    CaseName());

} // namespace
