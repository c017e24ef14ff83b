#include "switchcalculation.h"

#include <span>
#include <utility>

#include "checked.h"
#include "circuitconstants.h"
#include "messages.h"
#include "numbertext.h"
#include "switchstages.h"

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

    // True, with the fault's message, if the step faulted: the press ends there.
    bool faulted(Checked step)
    {
        if (step.fault() == Fault::None)
            return false;
        say(MessageKind::ArithmeticFault, faultMessage(step.fault()));
        return true;
    }

    void warnIfOverLimit(double Ii, std::u16string &Msg)
    {
        if (!(Ii < cmosOutputLimit)) {
            Msg = Messages::correnteIngresso;
            say(MessageKind::CurrentWarning, Messages::correnteIngresso);
        }
    }

    PressOutcome finish(std::optional<PressResults> results)
    {
        return {std::move(messages_), std::move(results)};
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

// Each step is computed from the entries and the steps before it, then written into its
// variable once it has passed.
std::optional<PressResults> oneTransistor(Press &p, FormVariables &v)
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
    if (p.faulted(Ib1))
        return std::nullopt;
    v.Ib1 = Ib1.value();
    // The CMOS output feeds R1 and the base of Q1 through Rb1.
    const Checked Ii = Stage::baseResistorCurrent(v.R1, Ib1);
    if (p.faulted(Ii))
        return std::nullopt;
    v.Ii = Ii.value();
    p.warnIfOverLimit(v.Ii, v.Msg);
    const Checked Rb1 = Stage::resistorFor(Checked(v.Vi) - Vbe, Ii);
    if (p.faulted(Rb1))
        return std::nullopt;
    v.Rb1 = Rb1.value();
    return PressResults{v.Rb1, std::nullopt, v.Ii, fitOneTransistor(v)};
}

std::optional<PressResults> twoTransistors(Press &p, FormVariables &v)
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
    if (p.faulted(Ib1))
        return std::nullopt;
    v.Ib1 = Ib1.value();
    // Q2 pulls Q1's base current and the current of R1 through Rb1, from Vcc less 1 V: that is
    // Q2's collector current.
    const Checked Ic2 = Stage::baseResistorCurrent(v.R1, Ib1);
    const Checked Rb1 = Stage::resistorFor(Checked(v.Vcc) - VdropTwoStage, Ic2);
    if (p.faulted(Rb1))
        return std::nullopt;
    v.Rb1 = Rb1.value();
    const Checked Ib2 = Stage::baseCurrent(v.maggIb2, Ic2, v.hFE2min);
    if (p.faulted(Ib2))
        return std::nullopt;
    v.Ib2 = Ib2.value();
    const Checked Ii = Stage::baseResistorCurrent(v.R2, Ib2);
    if (p.faulted(Ii))
        return std::nullopt;
    v.Ii = Ii.value();
    p.warnIfOverLimit(v.Ii, v.Msg);
    const Checked Rb2 = Stage::resistorFor(Checked(v.Vi) - Vbe, Ii);
    if (p.faulted(Rb2))
        return std::nullopt;
    v.Rb2 = Rb2.value();
    return PressResults{v.Rb1, v.Rb2, v.Ii, fitTwoTransistors(v)};
}

} // namespace

PressOutcome pressCalcola(FormVariables &v, Module1 &module, const PressInput &input)
{
    Press press(module, input);
    // Each branch reads its own option; the options exclude each other, so one at most works,
    // and a press that stops runs no further branch.
    std::optional<PressResults> results;
    if (input.option1) {
        results = oneTransistor(press, v);
        if (!results)
            return press.finish(std::nullopt);
    }
    if (input.option2)
        results = twoTransistors(press, v);
    return press.finish(std::move(results));
}
