#pragma once

#include <string>
#include <string_view>

#include "entry.h"
#include "module1.h"

// The window-level variables: inputs and results of the last press, kept across presses.
struct FormVariables
{
    double Vcc = 0;     // supply voltage [V]
    double IL = 0;      // load current, collector current of Q1 [mA]
    double Vi = 0;      // input voltage from the CMOS output [V]
    double hFE1min = 0; // minimum current gain of Q1
    double hFE2min = 0; // minimum current gain of Q2
    double R1 = 0;      // base-emitter resistor of Q1 [kohm]
    double R2 = 0;      // base-emitter resistor of Q2 [kohm]
    double maggIb1 = 0; // margin on the base current of Q1 [%]
    double maggIb2 = 0; // margin on the base current of Q2 [%]
    double Ib1 = 0;     // base current of Q1, margin included [mA]
    double Ib2 = 0;     // base current of Q2, margin included [mA]
    double Ii = 0;      // current drawn from the CMOS output [mA]
    double Rb1 = 0;     // base resistor of the first stage [kohm]
    double Rb2 = 0;     // base resistor of the second stage [kohm]
    std::u16string Msg; // the last warning shown
};

// What the calculation reads from and writes to the window.
class SwitchWindow
{
public:
    virtual ~SwitchWindow() = default;
    virtual bool option1() const = 0; // one-transistor circuit selected
    virtual bool option2() const = 0; // two-transistor circuit selected
    virtual std::u16string entryText(Entry entry) const = 0;
    virtual void setResult(ResultLabel label, std::u16string_view caption) = 0;
    // Modal: returns when the user has closed the box.
    virtual void showMessage(std::u16string_view message) = 0;
    virtual char16_t decimalSeparator() const = 0;
};

enum class PressOutcome {
    NoCircuitSelected,
    EntryRejected,   // an entry was empty or malformed; its message was shown
    OutOfRange,      // an entry's number lies beyond the range of a double
    ArithmeticFault, // a step divided by zero, overflowed or was undefined
    Completed,       // every result caption of the circuit was written
};

// One press of "Calcola ".
PressOutcome pressCalcola(FormVariables &v, Module1 &module, SwitchWindow &window);
