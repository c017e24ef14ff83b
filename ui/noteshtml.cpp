#include "noteshtml.h"

#include <QFontMetrics>
#include <QToolTip>

#include "nominal/messages.h"
#include "notes/designreport.h"
#include "textview.h"

namespace {

// A run without blanks longer than this may break anywhere.
constexpr qsizetype longestRun = 16;

// A cell of the table: the first column and words on the left, the numbers right-aligned with
// room between the columns; a number kept whole on its line unless it is longer than a line.
QString cell(const QString &tag, const QString &text, std::size_t column, bool words = false)
{
    const QString style = column == 0 ? QString() : QStringLiteral("padding-left:8px;");
    const QString wrap =
        text.size() > longestRun ? QString() : QStringLiteral("white-space:nowrap");
    return QStringLiteral("<%1 align=\"%2\" style=\"%3%4\">%5</%1>")
        .arg(tag,
             column == 0 || words ? QStringLiteral("left") : QStringLiteral("right"),
             style,
             wrap,
             wrappingText(text));
}

namespace Note = Messages::Note;

QString heading(std::u16string_view text)
{
    return QStringLiteral("<p style=\"margin-top:10px; margin-bottom:2px\"><b>%1</b></p>")
        .arg(fromView(text).toHtmlEscaped());
}

// Name, value right-aligned, unit, and the text typed where it reads otherwise: "Vcc   12  [V]".
QString itemsTable(const std::vector<ReportItem> &items)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const ReportItem &item : items)
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\" style=\"padding-left:12px\">%2"
                               "</td><td style=\"padding-left:4px\">%3</td>"
                               "<td style=\"padding-left:8px\">%4</td></tr>")
                    .arg(fromView(item.name).toHtmlEscaped(),
                         wrappingText(fromView(item.value)),
                         fromView(item.unit).toHtmlEscaped(),
                         wrappingText(fromView(item.typed)));
    return html + QStringLiteral("</table>");
}

} // namespace

QString assumptionsHtml(const std::vector<std::u16string> &assumptions)
{
    QString html;
    for (const std::u16string &line : assumptions)
        html += QStringLiteral("<p style=\"margin-top:4px; margin-bottom:0\">%1</p>")
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

QString notesHtml(const ResultNotes &notes)
{
    return notesHtml(notes,
                     {notes.legend.begin(), notes.legend.end()},
                     {notes.lines.begin(), notes.lines.end()});
}

QString notesHtml(const ResultNotes &notes,
                  const std::vector<std::u16string_view> &legend,
                  const std::vector<std::u16string_view> &lines)
{
    QString html = QStringLiteral("<p style=\"margin-bottom:4px\"><b>%1</b></p>")
                       .arg(wrappingText(fromView(notes.title)));
    if (!notes.rows.empty()) {
        // The headings, then the units under them; a bracketed column shares the one before, its
        // heading in brackets too: "margine (peggiore)".
        const auto isShown = [&](std::size_t i) { return !notes.columns[i].bracketed; };
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\"><tr>");
        for (std::size_t i = 0; i < notes.columns.size(); ++i) {
            if (!isShown(i))
                continue;
            QString heading = fromView(notes.columns[i].heading);
            for (std::size_t next = i + 1; next < notes.columns.size() && !isShown(next); ++next)
                heading += QStringLiteral(" (%1)").arg(fromView(notes.columns[next].heading));
            html += cell(QStringLiteral("th"), heading, i, notes.columns[i].words);
        }
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
                html += cell(QStringLiteral("td"), text, i, notes.columns[i].words);
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    for (const std::u16string_view line : legend)
        html += QStringLiteral("<p style=\"margin-top:6px; margin-bottom:0\">%1</p>")
                    .arg(wrappingText(fromView(line)));
    for (const std::u16string_view line : lines)
        html += QStringLiteral("<p style=\"margin-top:6px; margin-bottom:0\">%1</p>")
                    .arg(wrappingText(fromView(line)));
    return html;
}

QString reportHtml(const DesignReport &report, const QString &pictureUrl)
{
    QString html = QStringLiteral("<p style=\"margin-bottom:4px\"><b><big>%1</big></b></p>")
                       .arg(fromView(Note::titoloRelazione).toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>").arg(fromView(report.byline()).toHtmlEscaped());
    for (const std::u16string &line : report.settings)
        html += QStringLiteral("<p><b>%1</b></p>").arg(wrappingText(fromView(line)));
    html += notesHtml(report.summary) + QStringLiteral("<hr>");
    html += QStringLiteral("<p>%1: %2</p><p><img src=\"%3\"></p>")
                .arg(fromView(Note::circuito).toHtmlEscaped(),
                     fromView(report.circuit).toHtmlEscaped(),
                     pictureUrl.toHtmlEscaped());
    html += heading(Note::datiInseriti) + itemsTable(report.inputs);
    html += heading(Note::risultati) + itemsTable(report.results);
    for (std::size_t i = 0; i < report.notes.size(); ++i)
        html += QStringLiteral("<hr>")
                + notesHtml(report.notes[i], report.newLegend(i), report.newLines(i));
    if (!report.summary.assumptions.empty())
        html += heading(Note::ipotesi) + assumptionsHtml(report.summary.assumptions)
                + assumptionsHtml(report.settings);
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
