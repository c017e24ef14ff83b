#include "nominal/switchcalculation.h"

#include <span>
#include <utility>

#include "nominal/checked.h"
#include "nominal/circuitconstants.h"
#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "nominal/switchstages.h"

namespace {

using namespace SwitchConstants;

// An entry and the variable its number goes into.
using Conversion = std::pair<Entry, double FormVariables::*>;

std::u16string_view faultMessage(Fault fault)
{
    switch (fault) {
    case Fault::DivisionByZero:
        return Messages::divisionePerZero;
    case Fault::Undefined:
        return Messages::operazioneIndeterminata;
    case Fault::Overflow:
    case Fault::None:
        break;
    }
    return Messages::risultatoTroppoGrande;
}

// What a press has to say so far, and the checks and conversions of its entries.
class Press
{
public:
    Press(Module1 &module, const PressInput &input) : module_(module), input_(input) {}

    // Runs the check on each entry in turn; false at the first one rejected, whose message the
    // check has handed over.
    bool checkEntries(std::span<const Entry> entries)
    {
        const ShowMessage record = [this](std::u16string_view message) {
            say(MessageKind::EntryRejected, message);
        };
        for (const Entry entry : entries) {
            const Messages::EntryMessages &messages = Messages::forEntry(entry);
            module_.Dato = text(entry);
            module_.MsgVuoto = messages.vuoto;
            module_.MsgErrore = messages.errore;
            module_.ControlloDati(module_.Dato, record);
            if (module_.Errore == 1)
                return false;
        }
        return true;
    }

    // Converts each entry in turn into its variable; false, with the entry's message, at the
    // first one beyond the range of a double. No variable changes then.
    bool convertEntries(std::span<const Conversion> entries, FormVariables &v)
    {
        std::array<double, entryCount> values{};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::optional<double> value = parseLeadingNumber(text(entries[i].first));
            if (!value) {
                say(MessageKind::OutOfRange, Messages::forEntry(entries[i].first).fuoriIntervallo);
                return false;
            }
            values[i] = *value;
        }
        for (std::size_t i = 0; i < entries.size(); ++i)
            v.*entries[i].second = values[i];
        return true;
    }

    // Whether the step passed: then its value goes into its variable; otherwise its fault's
    // message is said, and the press ends there.
    bool passed(Checked step, double &variable)
    {
        if (step.fault() != Fault::None) {
            say(MessageKind::ArithmeticFault, faultMessage(step.fault()));
            return false;
        }
        variable = step.value();
        return true;
    }

    void warnIfOverLimit(double Ii, std::u16string &Msg)
    {
        if (!(Ii < cmosOutputLimit)) {
            Msg = Messages::correnteIngresso;
            say(MessageKind::CurrentWarning, Messages::correnteIngresso);
        }
    }

    SwitchOutcome finish(std::optional<SwitchResults> results)
    {
        return {std::move(messages_), results};
    }

private:
    std::u16string_view text(Entry entry) const
    {
        return input_.texts[static_cast<std::size_t>(entry)];
    }
    void say(MessageKind kind, std::u16string_view message)
    {
        messages_.push_back({kind, message});
    }

    Module1 &module_;
    const PressInput &input_;
    std::vector<PressMessage> messages_;
};

// Each step is computed in local values, from the entries and the steps before it, and written
// into its variable once it has passed.

// The stage the CMOS output drives, step by step: Ii into the base (Ib) and its base-emitter
// resistor Rbe, the warning at 4 mA, then the base resistor Rb that Vi less Vbe drives Ii
// through. False when a step faulted.
bool cmosDrivenStage(Press &p, FormVariables &v, Checked Rbe, Checked Ib, double &Rb)
{
    const Checked Ii = Stage::baseResistorCurrent(Rbe, Ib);
    if (!p.passed(Ii, v.Ii))
        return false;
    p.warnIfOverLimit(v.Ii, v.Msg);
    return p.passed(Stage::resistorFor(Stage::acrossBaseResistor(v.Vi, Stage::Source::Vi), Ii), Rb);
}

std::optional<SwitchResults> oneTransistor(Press &p, FormVariables &v)
{
    static constexpr std::array checked{
        Entry::Text2, Entry::Text3, Entry::Text4, Entry::Text8, Entry::Text6};
    // Vcc is converted although this circuit neither checks nor uses it.
    static constexpr std::array<Conversion, 6> converted{{
        {Entry::Text1, &FormVariables::Vcc},
        {Entry::Text2, &FormVariables::IL},
        {Entry::Text3, &FormVariables::Vi},
        {Entry::Text4, &FormVariables::hFE1min},
        {Entry::Text8, &FormVariables::R1},
        {Entry::Text6, &FormVariables::maggIb1},
    }};
    if (!p.checkEntries(checked) || !p.convertEntries(converted, v))
        return std::nullopt;

    const Checked Ib1 = Stage::baseCurrent(v.maggIb1, v.IL, v.hFE1min);
    if (!p.passed(Ib1, v.Ib1) || !cmosDrivenStage(p, v, v.R1, Ib1, v.Rb1))
        return std::nullopt;
    return SwitchResults{v.Rb1, std::nullopt, v.Ii};
}

std::optional<SwitchResults> twoTransistors(Press &p, FormVariables &v)
{
    static constexpr std::array checked{Entry::Text1,
                                        Entry::Text2,
                                        Entry::Text3,
                                        Entry::Text4,
                                        Entry::Text5,
                                        Entry::Text8,
                                        Entry::Text9,
                                        Entry::Text6,
                                        Entry::Text7};
    static constexpr std::array<Conversion, 9> converted{{
        {Entry::Text1, &FormVariables::Vcc},
        {Entry::Text2, &FormVariables::IL},
        {Entry::Text3, &FormVariables::Vi},
        {Entry::Text4, &FormVariables::hFE1min},
        {Entry::Text5, &FormVariables::hFE2min},
        {Entry::Text8, &FormVariables::R1},
        {Entry::Text9, &FormVariables::R2},
        {Entry::Text6, &FormVariables::maggIb1},
        {Entry::Text7, &FormVariables::maggIb2},
    }};
    if (!p.checkEntries(checked) || !p.convertEntries(converted, v))
        return std::nullopt;

    const Checked Ib1 = Stage::baseCurrent(v.maggIb1, v.IL, v.hFE1min);
    // Q2 pulls Q1's base current and the current of R1 through Rb1, from Vcc less 1 V: that is
    // Q2's collector current.
    const Checked Ic2 = Stage::baseResistorCurrent(v.R1, Ib1);
    const Checked Ib2 = Stage::baseCurrent(v.maggIb2, Ic2, v.hFE2min);
    if (!p.passed(Ib1, v.Ib1)
        || !p.passed(
            Stage::resistorFor(Stage::acrossBaseResistor(v.Vcc, Stage::Source::VccThroughQ2), Ic2),
            v.Rb1)
        || !p.passed(Ib2, v.Ib2) || !cmosDrivenStage(p, v, v.R2, Ib2, v.Rb2))
        return std::nullopt;
    return SwitchResults{v.Rb1, v.Rb2, v.Ii};
}

} // namespace

SwitchOutcome calculateSwitch(FormVariables &v, Module1 &module, const PressInput &input)
{
    Press press(module, input);
    // Each branch reads its own option; the options exclude each other, so one at most works,
    // and a press that stops runs no further branch.
    std::optional<SwitchResults> results;
    if (input.option1) {
        results = oneTransistor(press, v);
        if (!results)
            return press.finish(std::nullopt);
    }
    if (input.option2)
        results = twoTransistors(press, v);
    return press.finish(results);
}
