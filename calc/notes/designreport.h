#pragma once

#include <string>
#include <vector>

#include "notes/notemodel.h"

// A completed design as a report to hand on: the program and the time its figures were worked,
// the project it is for, the values to buy, then the circuit, each input as typed, the results as
// shown, the notes of each result and, once, what their worst case assumes.

struct ReportItem
{
    std::u16string name;  // as the window captions it: "Vcc", "Rb1"
    std::u16string value; // an entry as read, a result as shown
    std::u16string unit;  // as the window captions it: "[V]"; empty for a pure number
    std::u16string typed; // "scritto: 1.2.3", where an entry reads as another number than typed
};

// An entry as the report lists it: the number the press read from the text typed, with the given
// decimal point ("0,75" for "0.75"); where only a leading part of the text was read ("1.2.3"
// reads 1.2), the text typed beside it.
ReportItem enteredItem(std::u16string name,
                       std::u16string_view typed,
                       std::u16string unit,
                       std::u16string_view decimalPoint);

// A window's caption as the report names an item: each run of blanks one blank ("base  per Q1"
// reads "base per Q1").
std::u16string itemName(std::u16string_view caption);

// What the report is for, as typed at its head; a field left empty or blank writes no line.
struct ProjectBlock
{
    std::u16string project;
    std::u16string designer;
    std::u16string revision;
};

// A line of the project's block: its name ("Progetto") and the text typed.
struct ProjectLine
{
    std::u16string_view name;
    std::u16string_view value;
};

struct DesignReport
{
    std::u16string program;          // its name and version
    std::u16string workedAt;         // the date and time its figures were last worked
    ResultNotes summary;             // the values to buy
    std::u16string circuit;          // the caption of the circuit's option button
    std::vector<ReportItem> inputs;  // those of the circuit, as typed
    std::vector<ReportItem> results; // as shown
    std::vector<ResultNotes> notes;  // of each result, in the order of the results
    // What became of the stored settings, under the title and again after the assumptions:
    // replaced, not read, not saved.
    std::vector<std::u16string> settings;
    ProjectBlock project = {}; // what it is for
    // Under the results: the computed resistors the worst case in force does not hold
    // (nominalLines).
    std::vector<std::u16string> nominal = {};

    // The line under the title: program, version, date and time.
    std::u16string byline() const;
    // The filled lines of the project's block, in its order, their blanks around them left out.
    std::vector<ProjectLine> projectLines() const;

    // Hands each part to the writer in the report's order (ReportWriter).
    void writeTo(class ReportWriter &writer) const;

    // Plain text to paste into a notebook, a mail or a spreadsheet: a line a row, the columns of
    // every table separated by tabs, a blank line between the parts.
    std::u16string plainText() const;
};

// Writes a report in one form (plain text, rich text): DesignReport::writeTo calls it part by part,
// in the one order every form of the report follows.
class ReportWriter
{
public:
    virtual ~ReportWriter() = default;
    // The title and the line under it.
    virtual void title(std::u16string_view title, std::u16string_view byline) = 0;
    // The project's block, its filled lines only; none, nothing.
    virtual void project(const std::vector<ProjectLine> &lines) = 0;
    // What became of the stored settings, where anything did.
    virtual void settings(const std::vector<std::u16string> &lines) = 0;
    // The values to buy, with their whole legend and lines.
    virtual void summary(const ResultNotes &summary) = 0;
    // The circuit's caption, where its picture goes.
    virtual void circuit(std::u16string_view heading, std::u16string_view caption) = 0;
    // The inputs, then the results: a heading and its items.
    virtual void items(std::u16string_view heading, const std::vector<ReportItem> &items) = 0;
    // Lines under the items just written.
    virtual void lines(const std::vector<std::u16string> &lines) = 0;
    // A result's notes, with only the legend and the lines that nothing before them gave: each
    // term defined once, and why a series has nothing to buy said once.
    virtual void notes(const ResultNotes &notes,
                       const std::vector<std::u16string_view> &legend,
                       const std::vector<std::u16string_view> &lines) = 0;
    // What the worst case assumed, then the settings' lines again.
    virtual void assumptions(std::u16string_view heading,
                             const std::vector<std::u16string> &assumptions,
                             const std::vector<std::u16string> &settings) = 0;
};
