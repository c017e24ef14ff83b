#pragma once

#include <array>
#include <optional>
#include <variant>

#include "formvariables.h"
#include "standardresistor.h"

// The base resistors of a completed press replaced by standard values, each with the currents
// recomputed for it, nominal and in the worst case that the series's tolerance allows. The
// standard value is the largest not above the computed resistor: it drives at least the base
// current asked for, so the transistor stays saturated, and the CMOS output delivers a little
// more.

// A standard base resistor and what it gives. The worst case takes the inputs as entered and
// each standard resistor at the limit of its tolerance that hurts most.
struct StageFit
{
    StandardResistor resistor;
    double current;        // through it [mA]: Q2's collector current for Rb1 of the two-transistor
                           // circuit, otherwise Ii, the current from the CMOS output
    double baseCurrent;    // the base current it gives [mA]: Ib1, or Ib2 for Rb2
    double largestCurrent; // through it with the resistor at -t [mA]
    // Obtained on the base current [%]: base current x hFEmin / collector current - 1; none
    // when that is not finite (no collector current).
    std::optional<double> margin;
    // The same with the least base current (the resistor at +t) against the largest collector
    // current (for Q2, Rb1 at -t).
    std::optional<double> worstMargin;
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
    std::array<SeriesFit, 3> series; // E12, E24, E96
};

// From the inputs and Rb1 of a completed one-transistor press: Ii = (Vi - 0.7) / Rs and
// Ib1 = Ii - 0.7 / R1 for the standard value Rs.
StandardFits fitOneTransistor(const FormVariables &v);

// From the inputs and Rb1 of a completed two-transistor press: Q2's collector current
// (Vcc - 1) / Rs1 and Ib1 from it; then Rb2 as the press computes it for that current, its
// standard value Rs2, Ii = (Vi - 0.7) / Rs2 and Ib2 = Ii - 0.7 / R2.
StandardFits fitTwoTransistors(const FormVariables &v);
