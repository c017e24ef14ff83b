#pragma once

#include <QString>

#include <string_view>
#include <vector>

#include "resultnotes.h"

// A result's notes as rich text: the title, the table (its bracketed columns in brackets after
// the column before them), the legend and the lines below it. What the worst case assumes is left
// to the report, which gives it once for all the results.
QString notesTooltip(const ResultNotes &notes);
// The same with the legend given: the report's, where an earlier part defined some terms.
QString notesTooltip(const ResultNotes &notes, const std::vector<std::u16string_view> &legend);

// What the worst case assumes, a small line each.
QString assumptionsHtml(const std::vector<std::u16string> &assumptions);

// Rich text laid out about 60 characters of the tooltip's font wide, whatever its length.
QString sixtyCharactersWide(const QString &html);

// Plain text as rich text that wraps, a long number included: a run of characters longer than a
// line breaks anywhere rather than run off the screen.
QString wrappingText(const QString &text);
