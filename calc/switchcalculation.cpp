#include "switchcalculation.h"

#include <span>
#include <utility>

#include "checked.h"
#include "circuitconstants.h"
#include "messages.h"
#include "numbertext.h"

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

class Press
{
public:
    Press(FormVariables &v, Module1 &module, const PressInput &input)
        : v(v), module_(module), input_(input)
    {}

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
    bool convertEntries(std::span<const Conversion> entries)
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

    // Keeps a step's result in its variable; false, with the fault's message, if the step
    // faulted.
    bool keep(double &variable, Checked result)
    {
        variable = result.value();
        if (result.fault() == Fault::None)
            return true;
        say(MessageKind::ArithmeticFault, faultMessage(result.fault()));
        return false;
    }

    void warnIfOverLimit()
    {
        if (!(v.Ii < cmosOutputLimit)) {
            v.Msg = Messages::correnteIngresso;
            say(MessageKind::CurrentWarning, Messages::correnteIngresso);
        }
    }

    void completeOneTransistor()
    {
        outcome_.results = PressResults{v.Rb1, std::nullopt, v.Ii, fitOneTransistor(v)};
    }
    void completeTwoTransistors()
    {
        outcome_.results = PressResults{v.Rb1, v.Rb2, v.Ii, fitTwoTransistors(v)};
    }

    bool completed() const { return outcome_.results.has_value(); }
    PressOutcome take() { return std::move(outcome_); }

    FormVariables &v;

private:
    std::u16string_view text(Entry entry) const
    {
        return input_.texts[static_cast<std::size_t>(entry)];
    }
    void say(MessageKind kind, std::u16string_view message)
    {
        outcome_.messages.push_back({kind, message});
    }

    Module1 &module_;
    const PressInput &input_;
    PressOutcome outcome_;
};

void oneTransistor(Press &p)
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
    if (!p.checkEntries(checked) || !p.convertEntries(converted))
        return;

    FormVariables &v = p.v;
    const Checked IL = v.IL, Vi = v.Vi, hFE1min = v.hFE1min, R1 = v.R1, maggIb1 = v.maggIb1;

    if (!p.keep(v.Ib1, (maggIb1 / 100 + 1) * IL / hFE1min))
        return;
    const Checked Ib1 = v.Ib1;
    // The CMOS output feeds R1, with Vbe across it, and the base of Q1.
    if (!p.keep(v.Ii, Vbe / R1 + Ib1))
        return;
    p.warnIfOverLimit();
    const Checked Ii = v.Ii;
    if (!p.keep(v.Rb1, (Vi - Vbe) / Ii))
        return;
    p.completeOneTransistor();
}

void twoTransistors(Press &p)
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
    if (!p.checkEntries(checked) || !p.convertEntries(converted))
        return;

    FormVariables &v = p.v;
    const Checked Vcc = v.Vcc, IL = v.IL, Vi = v.Vi, hFE1min = v.hFE1min, hFE2min = v.hFE2min,
                  R1 = v.R1, R2 = v.R2, maggIb1 = v.maggIb1, maggIb2 = v.maggIb2;

    if (!p.keep(v.Ib1, (maggIb1 / 100 + 1) * IL / hFE1min))
        return;
    const Checked Ib1 = v.Ib1;
    // Q2 pulls Q1's base current and the current of R1 through Rb1, from Vcc less 1 V.
    if (!p.keep(v.Rb1, (Vcc - VdropTwoStage) / (Vbe / R1 + Ib1)))
        return;
    // That collector current of Q2, raised by the margin, over Q2's minimum gain.
    if (!p.keep(v.Ib2, (Vbe / R1 + Ib1) * (maggIb2 / 100 + 1) / hFE2min))
        return;
    const Checked Ib2 = v.Ib2;
    if (!p.keep(v.Ii, Vbe / R2 + Ib2))
        return;
    p.warnIfOverLimit();
    const Checked Ii = v.Ii;
    if (!p.keep(v.Rb2, (Vi - Vbe) / Ii))
        return;
    p.completeTwoTransistors();
}

} // namespace

PressOutcome pressCalcola(FormVariables &v, Module1 &module, const PressInput &input)
{
    Press press(v, module, input);
    // Each branch reads its own option; the options exclude each other, so one at most works.
    if (input.option1) {
        oneTransistor(press);
        if (!press.completed())
            return press.take(); // a press that stops runs no further branch
    }
    if (input.option2)
        twoTransistors(press);
    return press.take();
}
