#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "formvariables.h"
#include "standardresistor.h"

// The base resistors of a completed press replaced by standard values, each with the currents
// recomputed for it. The standard value is the largest not above the computed resistor: it drives
// at least the base current asked for, so the transistor stays saturated, and the CMOS output
// delivers a little more.

// A standard base resistor and what it gives.
struct StageFit
{
    double computed;              // the resistance it replaces [kohm]
    StandardResistor resistor;    // the largest standard value not above it
    double current;               // through the resistor [mA]: Ic2 for Rb1 of the two-transistor
                                  // circuit, otherwise Ii, the current from the CMOS output
    double baseCurrent;           // the base current it gives [mA]: Ib1, or Ib2 for Rb2
    std::optional<double> margin; // obtained on the base current [%]: base current x hFEmin /
                                  // collector current - 1; none when that is not finite
};

// Why a base resistor has no standard value in a series.
enum class NoFit {
    NotPositive,   // the computed resistance is zero, negative or not a number
    BelowRange,    // below 1 ohm
    AboveRange,    // above 10 Mohm
    NotComputable, // a recomputed current divides by zero or is beyond a double
    NoFirstStage,  // Rb2 only: Rb1 has no standard value in the series
};

using Fit = std::variant<StageFit, NoFit>;

struct SeriesFit
{
    Series series;
    Fit rb1;
    std::optional<Fit> rb2; // after a two-transistor press: Rb2 from this series's value of Rb1
};

struct StandardFits
{
    std::array<SeriesFit, 2> series; // E12, then E24
};

// From the inputs and Rb1 of a completed press.
// The one-transistor circuit: Ii = (Vi - 0.7) / Rs, Ib1 = Ii - 0.7 / R1.
StandardFits fitOneTransistor(const FormVariables &v);

// The two-transistor circuit: Ic2 = (Vcc - 1) / Rs1, Ib1 = Ic2 - 0.7 / R1; then Q2's base current
// for that Ic2, Rb2 for it and its standard value Rs2, Ii = (Vi - 0.7) / Rs2, Ib2 = Ii - 0.7 / R2.
StandardFits fitTwoTransistors(const FormVariables &v);

// The texts for the result labels of Rb1 and Rb2: one line for each series, numbers with the
// given decimal point. rb2Tooltip is empty after a one-transistor press.
std::u16string rb1Tooltip(const StandardFits &fits, std::u16string_view decimalPoint);
std::u16string rb2Tooltip(const StandardFits &fits, std::u16string_view decimalPoint);
