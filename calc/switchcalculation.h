#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cornerranges.h"
#include "entry.h"
#include "formvariables.h"
#include "module1.h"
#include "standardfit.h"

// What the user entered when pressing "Calcola ".
struct PressInput
{
    bool option1 = false;                                // the one-transistor circuit is selected
    bool option2 = false;                                // the two-transistor circuit is selected
    std::array<std::u16string_view, entryCount> texts{}; // by Entry, exactly as typed
    CornerRanges corners{};                              // where the worst case is sought
};

enum class MessageKind {
    EntryRejected,   // an entry is empty or holds a character outside 0-9 . e E - +
    OutOfRange,      // an entry's number lies beyond the range of a double
    CurrentWarning,  // Ii reached the 4 mA a CMOS output can deliver; the press goes on
    ArithmeticFault, // a step divided by zero, overflowed or was undefined; the press stopped
};

struct PressMessage
{
    MessageKind kind;
    std::u16string_view text; // a text of the program's message table, which lives for the run
};

// The values a completed press writes, each formatted "0.00" into its label.
struct PressResults
{
    double Rb1;                // Label17 [kohm]
    std::optional<double> Rb2; // Label20 [kohm]: a two-transistor press only
    double Ii;                 // Label23 [mA]
    StandardFits fits;         // Rb1 and Rb2 as standard resistors, for the labels' tooltips
};

// What one press does, for the window to carry out: show the messages one after another, then,
// if the press completed, write the results. A press that stops writes nothing.
struct PressOutcome
{
    std::vector<PressMessage> messages;
    std::optional<PressResults> results;
};

// One press of "Calcola ": checks and converts the entries of the selected circuit into the
// variables, computes the design and says what to show.
PressOutcome pressCalcola(FormVariables &v, Module1 &module, const PressInput &input);
