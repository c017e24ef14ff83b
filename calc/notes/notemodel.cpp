#include "notes/notemodel.h"

#include <algorithm>

namespace {

constexpr char16_t nbsp = u'\u00a0'; // keeps a number with its unit

} // namespace

std::u16string ResultNotes::sentences() const
{
    std::u16string text = title + u'.';
    for (const std::vector<NoteCell> &row : rows) {
        text += u' ';
        text += row.front().spoken + u':';
        for (std::size_t i = 1; i < row.size(); ++i) {
            text.append(i == 1 ? u" " : u", ").append(columns[i].spoken).append(u" ");
            if (!row[i].spoken.empty())
                text += row[i].spoken;
            else if (columns[i].unit.empty())
                text += row[i].shown;
            else
                text.append(row[i].shown).append(1, nbsp).append(columns[i].unit);
        }
        text += u'.';
    }
    for (const std::vector<std::u16string> *part : {&legend, &lines, &assumptions})
        for (const std::u16string &line : *part)
            text += u' ' + line;
    return text;
}

bool ResultNotes::hasUnits() const
{
    return std::ranges::any_of(columns, [](const NoteColumn &c) { return !c.unit.empty(); });
}
