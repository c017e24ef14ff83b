#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a result holds beyond its caption, as the notes' writers give it and the window and the
// report lay it out: a small table with what its terms mean and lines below it, for the tooltip;
// and the same as plain sentences for assistive tools.

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
    // Per row, what choosing its first cell puts in force, as a key the window hands back
    // (choiceKey); empty, or no entry: a row to read only.
    std::vector<std::u16string> choices = {};

    // The title, each row as a sentence of its columns' spoken names and cells, then the legend,
    // the lines and the assumptions.
    std::u16string sentences() const;
    // Whether any column has a unit: a table without has no units row under its headings.
    bool hasUnits() const;
};
