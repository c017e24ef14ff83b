#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "parts/logicoutputs.h"

// What each logic output of the list guarantees when it holds the switch off: its low level, the
// most it reads while sinking a current, and whether it can be left floating, a pin in high
// impedance, and then what its pin may leak into the base. Guaranteed figures over the output's
// own temperature range.

// VOL max up to a sink current.
struct LowLevelRow
{
    double Iol;    // [mA]
    double VOLmax; // [V]
};

struct OutputLowLevel
{
    std::u16string_view key;           // the output's
    std::span<const LowLevelRow> rows; // in rising current
    // Where the pin can float (a microcontroller's pins in reset, a gate without its supply):
    // the most it leaks [µA]; none where it never floats.
    std::optional<double> floatingLeakage;
    std::u16string_view floatsWhen; // in words, where it floats
    std::u16string_view source;     // maker and document
};

// The figures of an output of the list; none for an output this version does not know.
const OutputLowLevel *outputLowLevel(const LogicOutput &output);

// VOL max of the first row whose current is at or above the sink current [mA]; none beyond them.
std::optional<LowLevelRow> lowLevelAt(const OutputLowLevel &low, double sinkCurrent);
