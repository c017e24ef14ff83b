#include "designreport.h"

#include "messages.h"

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
    for (const ReportItem &item : items)
        appendRow(text, {item.name, item.value, item.unit});
}

void appendNotes(std::u16string &text, const ResultNotes &notes)
{
    text.append(u"\n").append(notes.title).append(u"\n");
    if (!notes.rows.empty()) {
        std::vector<std::u16string_view> headings, units;
        for (const NoteColumn &column : notes.columns) {
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
    for (const std::u16string &line : notes.lines)
        text.append(line).append(u"\n");
}

} // namespace

std::u16string DesignReport::plainText() const
{
    std::u16string text(Note::titoloRelazione);
    text.append(u"\n\n");
    appendRow(text, {Note::circuito, circuit});
    appendItems(text, Note::datiInseriti, inputs);
    appendItems(text, Note::risultati, results);
    for (const ResultNotes &n : notes)
        appendNotes(text, n);
    if (!notes.empty() && !notes.front().assumptions.empty()) {
        text.append(u"\n").append(Note::ipotesi).append(u"\n");
        for (const std::u16string &line : notes.front().assumptions)
            text.append(line).append(u"\n");
    }
    return text;
}
