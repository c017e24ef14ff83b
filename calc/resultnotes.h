#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "standardfit.h"

// What a result holds beyond its caption: a small table, for each series the value to buy and,
// where it differs, the nearest below the computed one, with lines below it, for the tooltip;
// and the same as plain sentences for assistive tools. Numbers are written with the given decimal
// point.

struct NoteColumn
{
    std::u16string_view heading; // above the column
    std::u16string_view unit;    // of its numbers, under the heading
    std::u16string_view spoken;  // what the column stands for, in the sentences
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
    std::vector<std::u16string> lines;       // below the table
    std::vector<std::u16string> assumptions; // what the worst case assumes, a line each

    // The title, each row as a sentence of its columns' spoken names and cells, then the lines
    // and the assumptions.
    std::u16string sentences() const;
};

// The standard values of Rb1 and Rb2 after a press (rb2Notes: a two-transistor press).
ResultNotes rb1Notes(const StandardFits &fits, std::u16string_view decimalPoint);
ResultNotes rb2Notes(const StandardFits &fits, std::u16string_view decimalPoint);

// Ii [mA] to three significant digits, and what each series's base resistor that feeds it gives.
ResultNotes iiNotes(double Ii, const StandardFits &fits, std::u16string_view decimalPoint);
