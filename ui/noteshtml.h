#pragma once

#include <QString>

#include <string_view>
#include <vector>

#include "notes/notemodel.h"

struct DesignReport;

// The notes as rich text, for a result's tooltip and for the report alike, which the report's
// window shows and its PDF prints.

// A result's notes: the title, the table (its bracketed columns in brackets after the column
// before them; a row that chooses has its first cell as a link, choiceScheme and its key), the
// legend and the lines below it. What the worst case assumes is left to the report, which gives
// it once for all the results.
QString notesHtml(const ResultNotes &notes);
// The scheme of such a link: "scelta:" and the key.
inline const QString choiceScheme = QStringLiteral("scelta");
// The same with the legend and the lines given: the report's, where an earlier part said some.
QString notesHtml(const ResultNotes &notes,
                  const std::vector<std::u16string_view> &legend,
                  const std::vector<std::u16string_view> &lines);

// What the worst case assumes, a line each.
QString assumptionsHtml(const std::vector<std::u16string> &assumptions);

// The report: its title, the circuit's caption and, from the document resource at pictureUrl,
// its picture; the inputs and the results as small tables; then each result's notes and, once,
// what the worst case assumes.
QString reportHtml(const DesignReport &report, const QString &pictureUrl);

// Rich text laid out about 60 characters of the tooltip's font wide, whatever its length.
QString sixtyCharactersWide(const QString &html);

// Plain text as rich text that wraps, a long number included: a run of characters longer than a
// line breaks anywhere rather than run off the screen.
QString wrappingText(const QString &text);
