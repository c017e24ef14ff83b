#include "notes/designreport.h"

#include <algorithm>

#include "nominal/messages.h"
#include "nominal/numbertext.h"

namespace {

namespace Note = Messages::Note;

void appendRow(std::u16string &text, const std::vector<std::u16string_view> &cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            text += u'\t';
        text += cells[i];
    }
    text += u'\n';
}

void appendItems(std::u16string &text,
                 std::u16string_view heading,
                 const std::vector<ReportItem> &items)
{
    text.append(u"\n").append(heading).append(u"\n");
    for (const ReportItem &item : items) {
        if (item.typed.empty())
            appendRow(text, {item.name, item.value, item.unit});
        else
            appendRow(text, {item.name, item.value, item.unit, item.typed});
    }
}

void appendNotes(std::u16string &text,
                 const ResultNotes &notes,
                 const std::vector<std::u16string_view> &legend,
                 const std::vector<std::u16string_view> &lines)
{
    text.append(u"\n").append(notes.title).append(u"\n");
    if (!notes.rows.empty()) {
        std::vector<std::u16string_view> headings, units;
        for (const NoteColumn &column : notes.columns) {
            // A bracketed column has its own cell here: its heading says what it holds.
            headings.push_back(column.heading);
            units.push_back(column.unit);
        }
        appendRow(text, headings);
        appendRow(text, units);
        for (const std::vector<NoteCell> &row : notes.rows) {
            std::vector<std::u16string_view> cells;
            cells.reserve(row.size());
            for (const NoteCell &cell : row)
                cells.push_back(cell.shown);
            appendRow(text, cells);
        }
    }
    for (const std::u16string_view line : legend)
        text.append(line).append(u"\n");
    for (const std::u16string_view line : lines)
        text.append(line).append(u"\n");
}

std::vector<std::u16string_view> allOf(const std::vector<std::u16string> &lines)
{
    return {lines.begin(), lines.end()};
}

} // namespace

ReportItem enteredItem(std::u16string name,
                       std::u16string_view typed,
                       std::u16string unit,
                       std::u16string_view decimalPoint)
{
    const std::optional<double> value = parseLeadingNumber(typed);
    if (!value)
        return {std::move(name), std::u16string(typed), std::move(unit), {}};
    std::u16string asTyped;
    if (!parseWholeNumber(typed))
        asTyped = Messages::fill(Messages::Report::scritto, {typed});
    return {
        std::move(name), formatShortest(*value, decimalPoint), std::move(unit), std::move(asTyped)};
}

std::u16string DesignReport::byline() const
{
    return Messages::fill(Note::programmaEData, {program, pressedAt});
}

std::vector<std::u16string_view> DesignReport::newLegend(std::size_t i) const
{
    std::vector<std::u16string_view> said = allOf(summary.legend);
    for (std::size_t earlier = 0; earlier < i; ++earlier)
        said.insert(said.end(), notes[earlier].legend.begin(), notes[earlier].legend.end());
    std::vector<std::u16string_view> legend;
    for (const std::u16string &line : notes[i].legend)
        if (std::find(said.begin(), said.end(), line) == said.end())
            legend.push_back(line);
    return legend;
}

std::vector<std::u16string_view> DesignReport::newLines(std::size_t i) const
{
    std::vector<std::u16string_view> said = allOf(summary.lines);
    for (std::size_t earlier = 0; earlier < i; ++earlier)
        said.insert(said.end(), notes[earlier].lines.begin(), notes[earlier].lines.end());
    std::vector<std::u16string_view> lines;
    for (const std::u16string &line : notes[i].lines)
        if (std::find(said.begin(), said.end(), line) == said.end())
            lines.push_back(line);
    return lines;
}

std::u16string DesignReport::plainText() const
{
    std::u16string text(Note::titoloRelazione);
    text.append(u"\n").append(byline()).append(u"\n");
    for (const std::u16string &line : settings)
        text.append(line).append(u"\n");
    appendNotes(text, summary, allOf(summary.legend), allOf(summary.lines));
    text.append(u"\n");
    appendRow(text, {Note::circuito, circuit});
    appendItems(text, Note::datiInseriti, inputs);
    appendItems(text, Note::risultati, results);
    for (std::size_t i = 0; i < notes.size(); ++i)
        appendNotes(text, notes[i], newLegend(i), newLines(i));
    if (!summary.assumptions.empty()) {
        text.append(u"\n").append(Note::ipotesi).append(u"\n");
        for (const std::vector<std::u16string> *part : {&summary.assumptions, &settings})
            for (const std::u16string &line : *part)
                text.append(line).append(u"\n");
    }
    return text;
}
