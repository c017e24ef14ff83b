#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "worstcase/standardfit.h"

// What a result holds beyond its caption: a small table, for each series the value to buy and,
// where it differs, the standard value just below the computed one, with what its terms mean and
// lines below it, for the tooltip; and the same as plain sentences for assistive tools. Every
// number is written with the given decimal point; a resistance as a number under its unit.

struct NoteColumn
{
    std::u16string_view heading; // above the column
    std::u16string_view unit;    // of its numbers, under the heading
    std::u16string_view spoken;  // what the column stands for, in the sentences
    // Shown in brackets after the column before it where the table is compact ("41 (18)"); a
    // column of its own in the plain text.
    bool bracketed = false;
    // Holds words, not numbers: set on the left like the first column.
    bool words = false;
};

struct NoteCell
{
    std::u16string shown; // in the table
    // In the sentences, where it differs from the shown text with its column's unit: in words
    // where the table is terse. Empty: the shown text with the unit.
    std::u16string spoken;
};

struct ResultNotes
{
    std::u16string title;
    std::vector<NoteColumn> columns;
    std::vector<std::vector<NoteCell>> rows; // one cell per column
    std::vector<std::u16string> legend;      // what the table's terms mean, a line each
    std::vector<std::u16string> lines;       // below them: warnings, and why a series has none
    std::vector<std::u16string> assumptions; // what the worst case assumes, a line each

    // The title, each row as a sentence of its columns' spoken names and cells, then the legend,
    // the lines and the assumptions.
    std::u16string sentences() const;
};

// The standard values of Rb1 and Rb2 after a press (rb2Notes: a two-transistor press).
ResultNotes rb1Notes(const StandardFits &fits, std::u16string_view decimalPoint);
ResultNotes rb2Notes(const StandardFits &fits, std::u16string_view decimalPoint);

// Ii [mA] to three significant digits, as its caption rounds it, and the currents of each
// series's base resistor that feeds it.
ResultNotes iiNotes(double Ii, const StandardFits &fits, std::u16string_view decimalPoint);

// The answer first: per series the value(s) to buy, the worst-case margin(s) and Ii max, or why
// a series has none.
ResultNotes summaryNotes(const StandardFits &fits, std::u16string_view decimalPoint);

// "E12 ±10 %": the series of a value to buy, with the tolerance its worst case assumes.
NoteCell seriesToBuyCell(Series series, const CornerRanges &corners, std::u16string_view point);

// Every note of a completed press, as the window shows them: the summary, then those of Rb1, Rb2
// (two transistors) and Ii; what the worst case assumes is worked out once for all.
struct DesignNotes
{
    ResultNotes summary;
    std::vector<ResultNotes> results;
    ResultNotes checks; // the values to buy against the datasheets, for the report
};
DesignNotes designNotes(double Ii, const StandardFits &fits, std::u16string_view decimalPoint);
