#include "notestooltip.h"

#include <QFontMetrics>
#include <QToolTip>

#include "textview.h"

namespace {

// A run without blanks longer than this may break anywhere.
constexpr qsizetype longestRun = 16;

// A cell of the table: the first column on the left, the numbers right-aligned with room
// between the columns; a number kept whole on its line unless it is longer than a line.
QString cell(const QString &tag, const QString &text, std::size_t column)
{
    const QString style = column == 0 ? QString() : QStringLiteral("padding-left:8px;");
    const QString wrap =
        text.size() > longestRun ? QString() : QStringLiteral("white-space:nowrap");
    return QStringLiteral("<%1 align=\"%2\" style=\"%3%4\">%5</%1>")
        .arg(tag,
             column == 0 ? QStringLiteral("left") : QStringLiteral("right"),
             style,
             wrap,
             wrappingText(text));
}

} // namespace

QString assumptionsHtml(const std::vector<std::u16string> &assumptions)
{
    QString html;
    for (const std::u16string &line : assumptions)
        html += QStringLiteral("<p style=\"margin-top:2px; margin-bottom:0\"><small>%1</small></p>")
                    .arg(wrappingText(fromView(line)));
    return html;
}

QString wrappingText(const QString &text)
{
    QString wrapping;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > longestRun) {
            wrapping += QChar(0x200B); // a zero-width space: a place to break
            run = 1;
        }
        wrapping += c;
    }
    return wrapping.toHtmlEscaped();
}

QString notesTooltip(const ResultNotes &notes)
{
    return notesTooltip(notes, {notes.legend.begin(), notes.legend.end()});
}

QString notesTooltip(const ResultNotes &notes, const std::vector<std::u16string_view> &legend)
{
    QString html = QStringLiteral("<p style=\"margin-bottom:4px\"><b>%1</b></p>")
                       .arg(wrappingText(fromView(notes.title)));
    if (!notes.rows.empty()) {
        // The headings, then the units under them; a bracketed column shares the one before.
        const auto isShown = [&](std::size_t i) { return !notes.columns[i].bracketed; };
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\"><tr>");
        for (std::size_t i = 0; i < notes.columns.size(); ++i)
            if (isShown(i))
                html += cell(QStringLiteral("th"), fromView(notes.columns[i].heading), i);
        html += QStringLiteral("</tr><tr>");
        for (std::size_t i = 0; i < notes.columns.size(); ++i)
            if (isShown(i))
                html += cell(QStringLiteral("td"), fromView(notes.columns[i].unit), i);
        html += QStringLiteral("</tr>");
        for (const std::vector<NoteCell> &row : notes.rows) {
            html += QStringLiteral("<tr>");
            for (std::size_t i = 0; i < row.size(); ++i) {
                if (!isShown(i))
                    continue;
                QString text = fromView(row[i].shown);
                for (std::size_t next = i + 1; next < row.size() && !isShown(next); ++next)
                    text += QStringLiteral(" (%1)").arg(fromView(row[next].shown));
                html += cell(QStringLiteral("td"), text, i);
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    for (const std::u16string_view line : legend)
        html += QStringLiteral("<p style=\"margin-top:6px; margin-bottom:0\">%1</p>")
                    .arg(wrappingText(fromView(line)));
    for (const std::u16string &line : notes.lines)
        html += QStringLiteral("<p style=\"margin-top:6px; margin-bottom:0\">%1</p>")
                    .arg(wrappingText(fromView(line)));
    return html;
}

QString sixtyCharactersWide(const QString &html)
{
    const int width = 60 * QFontMetrics(QToolTip::font()).averageCharWidth();
    return QStringLiteral("<table width=\"%1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>%2"
                          "</td></tr></table>")
        .arg(width)
        .arg(html);
}
