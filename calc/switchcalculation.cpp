#include "switchcalculation.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>

#include "messages.h"
#include "numbertext.h"

namespace {

constexpr double Vbe = 0.7;          // base-emitter voltage of a conducting junction [V]
constexpr double dropTwoStage = 1.0; // Vbe of Q1 plus Vce(sat) of Q2 [V]
constexpr double percent = 100.0;
constexpr double cmosOutputLimit = 4.0; // current a CMOS output can deliver [mA]

// Each operation of a step goes through here, so that a division by zero, an overflow or an
// undefined operation anywhere inside a step is seen even when the step's result comes out
// finite (0.7 / 1E-310 overflows, and (Vcc - 1) / inf is 0). The inputs are always finite, so a
// non-finite intermediate is exactly where the floating-point exception would have been raised.
class Arithmetic
{
public:
    double div(double a, double b)
    {
        const double r = a / b;
        if (!std::isfinite(r) && !fault_)
            fault_ = (b == 0.0 && a != 0.0) ? Messages::divisionePerZero : classify(r);
        return r;
    }
    double mul(double a, double b) { return record(a * b); }
    double add(double a, double b) { return record(a + b); }
    double sub(double a, double b) { return record(a - b); }

    // The message for the first fault since the press began, if any.
    const std::optional<std::u16string_view> &fault() const { return fault_; }

private:
    static std::u16string_view classify(double r)
    {
        return std::isnan(r) ? Messages::operazioneIndeterminata : Messages::risultatoTroppoGrande;
    }
    double record(double r)
    {
        if (!std::isfinite(r) && !fault_)
            fault_ = classify(r);
        return r;
    }

    std::optional<std::u16string_view> fault_;
};

// An entry and the variable its number goes into.
using Conversion = std::pair<Entry, double FormVariables::*>;

struct Press
{
    Press(FormVariables &v, Module1 &module, SwitchWindow &window)
        : v(v), module(module), window(window),
          show([&window](std::u16string_view message) { window.showMessage(message); })
    {}

    // Runs the check on each entry in turn; false at the first one rejected.
    bool checkEntries(std::span<const Entry> entries)
    {
        for (const Entry entry : entries) {
            const Messages::EntryMessages &messages = Messages::forEntry(entry);
            module.Dato = window.entryText(entry);
            module.MsgVuoto = messages.vuoto;
            module.MsgErrore = messages.errore;
            module.ControlloDati(module.Dato, show);
            if (module.Errore == 1)
                return false;
        }
        return true;
    }

    // Converts each entry in turn into its variable; false, with the entry's message shown, at
    // the first one beyond the range of a double. No variable changes then.
    bool convertEntries(std::span<const Conversion> entries)
    {
        std::array<double, entryCount> values{};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::optional<double> value =
                parseLeadingNumber(window.entryText(entries[i].first));
            if (!value) {
                window.showMessage(Messages::forEntry(entries[i].first).fuoriIntervallo);
                return false;
            }
            values[i] = *value;
        }
        for (std::size_t i = 0; i < entries.size(); ++i)
            v.*entries[i].second = values[i];
        return true;
    }

    // After a step that divides: false, with the fault's message shown, if the step faulted.
    bool stepSucceeded()
    {
        if (!arithmetic.fault())
            return true;
        window.showMessage(*arithmetic.fault());
        return false;
    }

    void warnIfOverLimit()
    {
        if (!(v.Ii < cmosOutputLimit)) {
            v.Msg = Messages::correnteIngresso;
            window.showMessage(v.Msg);
        }
    }

    void write(ResultLabel label, double value)
    {
        window.setResult(label, formatHundredths(value, window.decimalSeparator()));
    }

    // Ib1 = (maggIb1 / 100 + 1) * IL / hFE1min, left to right.
    double baseCurrentQ1()
    {
        Arithmetic &a = arithmetic;
        return a.div(a.mul(a.add(a.div(v.maggIb1, percent), 1.0), v.IL), v.hFE1min);
    }

    FormVariables &v;
    Module1 &module;
    SwitchWindow &window;
    ShowMessage show;
    Arithmetic arithmetic;
};

PressOutcome oneTransistor(Press &p)
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
    if (!p.checkEntries(checked))
        return PressOutcome::EntryRejected;
    if (!p.convertEntries(converted))
        return PressOutcome::OutOfRange;

    FormVariables &v = p.v;
    Arithmetic &a = p.arithmetic;
    v.Ib1 = p.baseCurrentQ1();
    if (!p.stepSucceeded())
        return PressOutcome::ArithmeticFault;
    // The CMOS output feeds R1 (Vbe across it) and the base of Q1.
    v.Ii = a.add(a.div(Vbe, v.R1), v.Ib1);
    if (!p.stepSucceeded())
        return PressOutcome::ArithmeticFault;
    p.warnIfOverLimit();
    v.Rb1 = a.div(a.sub(v.Vi, Vbe), v.Ii);
    if (!p.stepSucceeded())
        return PressOutcome::ArithmeticFault;

    p.write(ResultLabel::Label17, v.Rb1);
    p.write(ResultLabel::Label23, v.Ii);
    return PressOutcome::Completed;
}

PressOutcome twoTransistors(Press &p)
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
    if (!p.checkEntries(checked))
        return PressOutcome::EntryRejected;
    if (!p.convertEntries(converted))
        return PressOutcome::OutOfRange;

    FormVariables &v = p.v;
    Arithmetic &a = p.arithmetic;
    v.Ib1 = p.baseCurrentQ1();
    if (!p.stepSucceeded())
        return PressOutcome::ArithmeticFault;
    // Q2 pulls Q1's base current and the current of R1 through Rb1, from Vcc less 1 V.
    v.Rb1 = a.div(a.sub(v.Vcc, dropTwoStage), a.add(a.div(Vbe, v.R1), v.Ib1));
    if (!p.stepSucceeded())
        return PressOutcome::ArithmeticFault;
    // That collector current of Q2, raised by the margin, over Q2's minimum gain.
    v.Ib2 = a.div(a.mul(a.add(a.div(Vbe, v.R1), v.Ib1), a.add(a.div(v.maggIb2, percent), 1.0)),
                  v.hFE2min);
    if (!p.stepSucceeded())
        return PressOutcome::ArithmeticFault;
    v.Ii = a.add(a.div(Vbe, v.R2), v.Ib2);
    if (!p.stepSucceeded())
        return PressOutcome::ArithmeticFault;
    p.warnIfOverLimit();
    v.Rb2 = a.div(a.sub(v.Vi, Vbe), v.Ii);
    if (!p.stepSucceeded())
        return PressOutcome::ArithmeticFault;

    p.write(ResultLabel::Label17, v.Rb1);
    p.write(ResultLabel::Label20, v.Rb2);
    p.write(ResultLabel::Label23, v.Ii);
    return PressOutcome::Completed;
}

} // namespace

PressOutcome pressCalcola(FormVariables &v, Module1 &module, SwitchWindow &window)
{
    Press press(v, module, window);
    // Each branch reads its own option; the options exclude each other, so one at most works.
    PressOutcome outcome = PressOutcome::NoCircuitSelected;
    if (window.option1()) {
        outcome = oneTransistor(press);
        if (outcome != PressOutcome::Completed)
            return outcome;
    }
    if (window.option2())
        outcome = twoTransistors(press);
    return outcome;
}
