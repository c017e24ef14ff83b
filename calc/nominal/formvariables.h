#pragma once

#include <string>

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
