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
        if (notes.hasUnits())
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

std::u16string itemName(std::u16string_view caption)
{
    std::u16string name;
    name.reserve(caption.size());
    for (const char16_t c : caption)
        if (c != u' ' || name.empty() || name.back() != u' ')
            name += c;
    return name;
}

std::u16string DesignReport::byline() const
{
    return Messages::fill(Note::programmaEData, {program, workedAt});
}

std::vector<ProjectLine> DesignReport::projectLines() const
{
    const auto trimmed = [](std::u16string_view text) {
        const auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00a0'; };
        while (!text.empty() && blank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && blank(text.back()))
            text.remove_suffix(1);
        return text;
    };
    std::vector<ProjectLine> lines;
    for (const ProjectLine line : {ProjectLine{Messages::Report::progetto, project.project},
                                   ProjectLine{Messages::Report::progettista, project.designer},
                                   ProjectLine{Messages::Report::revisione, project.revision}})
        if (const std::u16string_view value = trimmed(line.value); !value.empty())
            lines.push_back({line.name, value});
    return lines;
}

namespace {

// What a part of notes[i] (its legend, its lines) adds to those of the summary and of the notes
// before it.
std::vector<std::u16string_view>
newOnes(const DesignReport &report, std::size_t i, std::vector<std::u16string> ResultNotes::*part)
{
    std::vector<std::u16string_view> said = allOf(report.summary.*part);
    for (std::size_t earlier = 0; earlier < i; ++earlier)
        said.insert(
            said.end(), (report.notes[earlier].*part).begin(), (report.notes[earlier].*part).end());
    std::vector<std::u16string_view> added;
    for (const std::u16string &line : report.notes[i].*part)
        if (std::find(said.begin(), said.end(), line) == said.end())
            added.push_back(line);
    return added;
}

// The report as plain text.
class PlainTextWriter : public ReportWriter
{
public:
    void title(std::u16string_view title, std::u16string_view byline) override
    {
        text_.append(title).append(u"\n").append(byline).append(u"\n");
    }
    void project(const std::vector<ProjectLine> &lines) override
    {
        for (const ProjectLine &line : lines)
            appendRow(text_, {line.name, line.value});
    }
    void settings(const std::vector<std::u16string> &lines) override
    {
        for (const std::u16string &line : lines)
            text_.append(line).append(u"\n");
    }
    void summary(const ResultNotes &summary) override
    {
        appendNotes(text_, summary, allOf(summary.legend), allOf(summary.lines));
    }
    void circuit(std::u16string_view heading, std::u16string_view caption) override
    {
        text_.append(u"\n");
        appendRow(text_, {heading, caption});
    }
    void items(std::u16string_view heading, const std::vector<ReportItem> &items) override
    {
        appendItems(text_, heading, items);
    }
    void lines(const std::vector<std::u16string> &lines) override
    {
        for (const std::u16string &line : lines)
            text_.append(line).append(u"\n");
    }
    void notes(const ResultNotes &notes,
               const std::vector<std::u16string_view> &legend,
               const std::vector<std::u16string_view> &lines) override
    {
        appendNotes(text_, notes, legend, lines);
    }
    void assumptions(std::u16string_view heading,
                     const std::vector<std::u16string> &assumptions,
                     const std::vector<std::u16string> &settings) override
    {
        text_.append(u"\n").append(heading).append(u"\n");
        for (const std::vector<std::u16string> *part : {&assumptions, &settings})
            for (const std::u16string &line : *part)
                text_.append(line).append(u"\n");
    }

    std::u16string take() { return std::move(text_); }

private:
    std::u16string text_;
};

} // namespace

void DesignReport::writeTo(ReportWriter &writer) const
{
    writer.title(Note::titoloRelazione, byline());
    writer.project(projectLines());
    writer.settings(settings);
    writer.summary(summary);
    writer.circuit(Note::circuito, circuit);
    writer.items(Note::datiInseriti, inputs);
    writer.items(Note::risultati, results);
    if (!nominal.empty())
        writer.lines(nominal);
    for (std::size_t i = 0; i < notes.size(); ++i)
        writer.notes(notes[i],
                     newOnes(*this, i, &ResultNotes::legend),
                     newOnes(*this, i, &ResultNotes::lines));
    if (!summary.assumptions.empty())
        writer.assumptions(Note::ipotesi, summary.assumptions, settings);
}

std::u16string DesignReport::plainText() const
{
    PlainTextWriter writer;
    writeTo(writer);
    return writer.take();
}
