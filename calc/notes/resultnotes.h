#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notes/notemodel.h"
#include "worstcase/standardfit.h"

// The notes of a completed press's results, in the notes' model: for each result a small table,
// for each series the value to buy and, where it differs, the standard value just below the
// computed one, with what its terms mean and lines below it. Every number is written with the
// given decimal point; a resistance as a number under its unit.

// The standard values of Rb1 and Rb2 after a press (rb2Notes: a two-transistor press).
ResultNotes rb1Notes(const StandardFits &fits, std::u16string_view decimalPoint);
ResultNotes rb2Notes(const StandardFits &fits, std::u16string_view decimalPoint);

// Ii [mA] to three significant digits, as its caption rounds it, and the currents of each
// series's base resistor that feeds it.
ResultNotes iiNotes(double Ii, const StandardFits &fits, std::u16string_view decimalPoint);

// The answer first: per series the value(s) to buy, the worst-case margin(s) and Ii max, or why
// a series has none; whether each transistor stays off (offSummaryLines), with what that
// assumes. The report's alone: worked out when it is shown.
ResultNotes summaryNotes(const StandardFits &fits, std::u16string_view decimalPoint);

// Every note of a completed press, as the window shows them: those of Rb1, Rb2 (two transistors)
// and Ii; what the worst case assumes is worked out once for all. The report adds the summary
// and the datasheet check (datasheetCheckNotes) when it is shown.
struct DesignNotes
{
    std::vector<ResultNotes> results;
};
DesignNotes designNotes(double Ii, const StandardFits &fits, std::u16string_view decimalPoint);

// The same with what the worst case assumes as the notes of the press already hold it
// (assumptionLines), not worked out again.
ResultNotes summaryNotes(const StandardFits &fits,
                         std::u16string_view decimalPoint,
                         std::vector<std::u16string> assumptions);
