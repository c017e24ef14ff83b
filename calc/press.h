#pragma once

#include <optional>
#include <vector>

#include "nominal/switchcalculation.h"
#include "worstcase/cornerranges.h"
#include "worstcase/standardfit.h"

// One press of "Calcola " as the window carries it out: the nominal design of the entries, then
// its base resistors as standard values to buy, at the worst case's corners.

struct PressResults : SwitchResults
{
    StandardFits fits; // Rb1 and Rb2 as standard resistors, for the labels' tooltips
};

// What one press does, for the window to carry out: show the messages one after another, then,
// if the press completed, write the results. A press that stops writes nothing.
struct PressOutcome
{
    std::vector<PressMessage> messages;
    std::optional<PressResults> results;
};

// Checks and converts the entries of the selected circuit into the variables, computes the
// design, fits its resistors at the corners of the ranges given and says what to show.
PressOutcome pressCalcola(FormVariables &v,
                          Module1 &module,
                          const PressInput &input,
                          const CornerRanges &corners = {});
