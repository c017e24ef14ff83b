#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nominal/entry.h"
#include "nominal/formvariables.h"
#include "nominal/module1.h"

// What the user entered when pressing "Calcola ".
struct PressInput
{
    bool option1 = false;                                // the one-transistor circuit is selected
    bool option2 = false;                                // the two-transistor circuit is selected
    std::array<std::u16string_view, entryCount> texts{}; // by Entry, exactly as typed
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

// The values a completed calculation writes, each formatted "0.00" into its label.
struct SwitchResults
{
    double Rb1;                // Label17 [kohm]
    std::optional<double> Rb2; // Label20 [kohm]: a two-transistor press only
    double Ii;                 // Label23 [mA]
};

// What the calculation says: its messages one after another, then, where it completed, the
// results. A calculation that stops has none.
struct SwitchOutcome
{
    std::vector<PressMessage> messages;
    std::optional<SwitchResults> results;
};

// The nominal design of one press of "Calcola ": checks and converts the entries of the selected
// circuit into the variables, computes the design and says what to show.
SwitchOutcome calculateSwitch(FormVariables &v, Module1 &module, const PressInput &input);
