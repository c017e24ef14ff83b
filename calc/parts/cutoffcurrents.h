#pragma once

#include <span>
#include <string_view>

#include "parts/transistors.h"

// The collector cut-off current each transistor of the list guarantees with its base open or held
// off: the leakage that a base-emitter resistor must carry without turning the transistor on.
// Guaranteed maxima at 25 °C and, where the datasheet gives one, at a hot temperature; magnitudes.

struct CutoffRow
{
    double celsius; // [°C]
    double max;     // [nA]
    double V;       // the reverse voltage of the test [V]
};

struct CutoffFigures
{
    std::u16string_view key;         // the transistor's
    std::u16string_view current;     // what the datasheet measures: "ICBO", "ICEX"
    std::span<const CutoffRow> rows; // in rising temperature, the first at 25 °C
    std::u16string_view source;      // maker and document
};

// The figures of a part of the list; a part typed (none) takes 50 nA at 25 °C, with no source.
const CutoffFigures &cutoffFigures(const TransistorPart *part);

// The leakage at T [°C]: the figure of the warmest row at or below T, doubling every 10 °C from
// it, never above a row the datasheet guarantees at a warmer temperature; below 25 °C the 25 °C
// figure.
struct LeakageAt
{
    double nA;
    double celsius; // T
    CutoffRow from; // the row it starts from
    bool cappedByRow = false;
    CutoffRow cap{}; // where capped: the warmer row
};
LeakageAt leakageAt(const CutoffFigures &figures, double celsius);
